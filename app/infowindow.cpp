// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/infowindow.h"

#include "app/windowstyle.h"
#include "buildsettings.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int clientWidthTwips = 3465;

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                 const QFont &font, Qt::Alignment alignment)
{
    QLabel *label = makeLabel(parent, name, geometry, font, alignment);
    label->setText(text);
    return label;
}

} // namespace

InfoWindow::InfoWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("info"));
    setWindowTitle(tr("Informace"));
    useTitleBarWithoutControls(*this);
    setFont(dialogFont());
    setClientTwips(*this, clientWidthTwips, 5040);

    QFont titleFont = arialFont(15.75, true);
    titleFont.setUnderline(true);
    auto *title =
        addLabel(this, QStringLiteral("Label2"), tr("Tesilka"), twipsRect(120, 120, 3255, 435),
                 titleFont, Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(*title, QColor(0, 128, 0));

    addLabel(this, QStringLiteral("Label7"),
             tr("verze %1\n© Tesilka, 2026").arg(QLatin1String(buildsettings::versionText)),
             twipsRect(0, 480, 3495, 495), arialFont(8.25, false), Qt::AlignHCenter | Qt::AlignTop);

    // The signature stands on the right, under the wish.
    auto *dedication = addLabel(
        this, QStringLiteral("Label3"),
        tr("<div>Tento program je určen žákům základních a středních škol na procvičování Ohmova "
           "zákona. Jeho prostředí je k tomuto účelu také vytvořeno. Doufám, že se Vám tento "
           "program zalíbí a budete jeho věrnými uživateli.</div>"
           "<div>Mnoho správně spočítaných rovnic Vám přeje</div>"
           "<div align=\"right\">autoři Tesilky</div>"),
        twipsRect(120, 1200, 3255, 1695), font(), Qt::AlignLeft | Qt::AlignTop);
    dedication->setTextFormat(Qt::RichText);
    dedication->setWordWrap(true);
    // The stand-in face is wider than the layout's and wraps one line more; the gap above the
    // next paragraph leaves room for it.
    const int roomBelow = twipsToPixels(3000) - dedication->y();
    dedication->resize(dedication->width(),
                       std::clamp(dedication->heightForWidth(dedication->width()),
                                  dedication->height(), roomBelow));

    auto *invitation = addLabel(
        this, QStringLiteral("Label4"),
        tr("Pokud byste nalezli v tomto programu chybu nebo měli námět na jeho zlepšení či návrh "
           "na jiný program můžete mě kontaktovat e-mailem na:"),
        twipsRect(120, 3000, 3255, 855), font(), Qt::AlignLeft | Qt::AlignTop);
    invitation->setWordWrap(true);

    mailLink_ = addLabel(this, QStringLiteral("Label6"), contactAddress(),
                         twipsRect(480, 3840, 1275, 195), font(), Qt::AlignLeft | Qt::AlignTop);
    mailLink_->setTextFormat(Qt::PlainText);
    setTextColour(*mailLink_, QColor(0, 0, 255));
    mailLink_->setCursor(Qt::PointingHandCursor);
    // A school's own address may be longer than the placeholder: widen the link up to the
    // window's edge rather than cut it off.
    const int roomToEdge = twipsToPixels(clientWidthTwips) - mailLink_->x() - twipsToPixels(120);
    mailLink_->resize(std::clamp(mailLink_->sizeHint().width(), mailLink_->width(), roomToEdge),
                      mailLink_->height());
    mailLink_->installEventFilter(this);

    auto *ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    placeTwips(*ok, 1080, 4560, 1335, 375);
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    centreOnScreen(*this);
}

QString InfoWindow::contactAddress()
{
    return QString::fromUtf8(buildsettings::contactAddress);
}

void InfoWindow::keyPressEvent(QKeyEvent *event)
{
    // The window has no cancel button: Esc leaves it open.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool InfoWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mailLink_ && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            mailLink_->rect().contains(mouse->position().toPoint())) {
            openMailLink();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void InfoWindow::openMailLink()
{
    // Whether a mail program answers is not reported; the window stays open either way.
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + contactAddress()));
}
