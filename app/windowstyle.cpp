// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowstyle.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QWidget>

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

void placeTwips(QWidget &widget, int left, int top, int width, int height)
{
    widget.setGeometry(twipsRect(left, top, width, height));
}

void setClientTwips(QWidget &window, int width, int height)
{
    window.setFixedSize(twipsToPixels(width), twipsToPixels(height));
}

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

void useTitleBarWithoutControls(QWidget &window)
{
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

namespace {
QFont makeFont(const QString &family, double pointSize, bool bold)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
} // namespace

QFont dialogFont(double pointSize, bool bold)
{
    return makeFont(QStringLiteral("Liberation Sans"), pointSize, bold);
}

QFont serifFont(double pointSize, bool bold)
{
    return makeFont(QStringLiteral("Liberation Serif"), pointSize, bold);
}

QFont arialFont(double pointSize, bool bold)
{
    return makeFont(QStringLiteral("Liberation Sans"), pointSize, bold);
}

QFont monospaceFont(double pointSize)
{
    QFont font = makeFont(QStringLiteral("Liberation Mono"), pointSize, false);
    font.setStyleHint(QFont::Monospace);
    return font;
}

void setTextColour(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget.setPalette(palette);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QRect &geometry, const QFont &font,
                  Qt::Alignment alignment)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}
