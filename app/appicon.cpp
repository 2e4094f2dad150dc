// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/appicon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QString>

#include <array>
#include <map>
#include <utility>

namespace {

constexpr std::array<int, 6> sizes{16, 32, 48, 64, 128, 256};

// Reads each size of the icon when it is first drawn: a window shows one or two of them, and
// decoding all six before the window's first paint costs more than the window.
class ResourceIconEngine : public QIconEngine
{
public:
    explicit ResourceIconEngine(QString id) : id_(std::move(id)) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State /*state*/) override
    {
        QPixmap drawn = sized(size);
        if (mode == QIcon::Disabled) {
            // As QIcon draws a disabled pixmap of its own.
            QPixmap grey(drawn.size());
            grey.fill(Qt::transparent);
            QPainter painter(&grey);
            painter.setOpacity(0.4);
            painter.drawPixmap(0, 0, drawn);
            painter.end();
            return grey;
        }
        return drawn;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize &size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        const int side = fileSize(size);
        return QSize(side, side).boundedTo(size);
    }

    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        QList<QSize> all;
        for (const int side : sizes) {
            all << QSize(side, side);
        }
        return all;
    }

    [[nodiscard]] QIconEngine *clone() const override { return new ResourceIconEngine(*this); }
    [[nodiscard]] QString key() const override { return QStringLiteral("ResourceIconEngine"); }

private:
    // The smallest file at least as large as asked, else the largest.
    static int fileSize(const QSize &size)
    {
        const int wanted = qMax(size.width(), size.height());
        for (const int side : sizes) {
            if (side >= wanted) {
                return side;
            }
        }
        return sizes.back();
    }

    QPixmap sized(const QSize &size)
    {
        const int side = fileSize(size);
        QPixmap &file = files_[side];
        if (file.isNull()) {
            file.load(QStringLiteral(":/icons/%1/%2.png").arg(side).arg(id_));
        }
        if (file.isNull() || file.size() == size) {
            return file;
        }
        return file.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    QString id_;
    std::map<int, QPixmap> files_;
};

QIcon iconFromResources(const QString &id)
{
    return QIcon(new ResourceIconEngine(id));
}

} // namespace

QIcon tesilkaIcon()
{
    return iconFromResources(QStringLiteral("org.example.tesilka"));
}

QIcon teacherIcon()
{
    return iconFromResources(QStringLiteral("org.example.tesilka.ucitel"));
}
