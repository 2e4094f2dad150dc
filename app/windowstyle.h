// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// Layouts are measured in twips, 15 to a pixel at 96 dpi.
constexpr int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}

QRect twipsRect(int left, int top, int width, int height);
void placeTwips(QWidget &widget, int left, int top, int width, int height);
// Fixes the client area of a window to the given size in twips.
void setClientTwips(QWidget &window, int width, int height);
void centreOnScreen(QWidget &window);

// Title bar without a close box or system menu, no minimise or maximise button.
void useTitleBarWithoutControls(QWidget &window);

// The faces of the layouts: MS Sans Serif, Times New Roman, Arial and Courier are matched
// by the metric-compatible Liberation families.
QFont dialogFont(double pointSize = 8.0, bool bold = false);
QFont serifFont(double pointSize, bool bold);
QFont arialFont(double pointSize, bool bold);
QFont monospaceFont(double pointSize);

void setTextColour(QWidget &widget, const QColor &colour);

// A label of a laid-out window, owned by the parent.
QLabel *makeLabel(QWidget *parent, const QString &name, const QRect &geometry, const QFont &font,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// Resistance is shown as the character itself in the label's own font.
inline const QString omegaSign = QStringLiteral("\u03A9");
