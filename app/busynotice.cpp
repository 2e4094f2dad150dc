// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/busynotice.h"

#include "app/windowstyle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QWindow>

BusyNotice::BusyNotice(const QString &text, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("busyNotice"));
    setWindowTitle(tr("Tesilka"));
    useTitleBarWithoutControls(*this);
    setFont(dialogFont(10));
    auto *label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("busyText"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(label);
    setAccessibleName(text);
    adjustSize();
    centreOnScreen(*this);
    show();
    // The caller blocks right after this: wait briefly for the window system to map the
    // window, then paint it, taking no input meanwhile.
    QElapsedTimer waited;
    waited.start();
    do {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    } while (windowHandle() != nullptr && !windowHandle()->isExposed() && waited.elapsed() < 500);
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
