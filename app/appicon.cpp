#include "app/appicon.h"

#include "app/windowstyle.h"

#include <QPainter>
#include <QPixmap>

QIcon tesilkaIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 60, 20), 1.5));
    painter.setBrush(QColor(222, 184, 120));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    // colour bands of a resistor along the top
    const QColor bands[] = {QColor(150, 75, 0), Qt::black, Qt::red, QColor(212, 175, 55)};
    for (int i = 0; i < 4; ++i) {
        painter.fillRect(QRectF(6 + i * 6, 4, 3, 6), bands[i]);
    }
    painter.setPen(QColor(0, 0, 128));
    QFont font = serifFont(16, true);
    font.setPixelSize(20);
    painter.setFont(font);
    painter.drawText(QRectF(0, 8, 32, 24), Qt::AlignCenter, omegaSign);
    return QIcon{pixmap};
}
