// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/clickguard.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

ClickGuard::ClickGuard(QObject *parent) : QObject(parent) {}

bool ClickGuard::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::WindowActivate:
        if (auto *widget = qobject_cast<QWidget *>(watched);
            widget != nullptr && widget->isWindow()) {
            freshWindow_ = widget;
            freshSince_.start();
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (auto *widget = qobject_cast<QWidget *>(watched);
            widget != nullptr && freshWindow_ != nullptr && widget->window() == freshWindow_ &&
            freshSince_.isValid() && freshSince_.elapsed() < QApplication::doubleClickInterval()) {
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
