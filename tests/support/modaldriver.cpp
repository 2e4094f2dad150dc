// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/modaldriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QWidget>

ModalDriver::ModalDriver(QObject *parent) : QObject(parent)
{
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalDriver::poll);
}

ModalDriver &ModalDriver::then(const QString &windowName, std::function<void(QWidget *)> action)
{
    steps_.append({windowName, std::move(action)});
    return *this;
}

void ModalDriver::start()
{
    timer_.start();
}

QString ModalDriver::pendingWindow() const
{
    return steps_.isEmpty() ? QString() : steps_.first().windowName;
}

void ModalDriver::poll()
{
    if (steps_.isEmpty()) {
        timer_.stop();
        return;
    }
    QWidget *window = visibleWindow(steps_.first().windowName);
    if (window == nullptr) {
        return;
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != window) {
        return;
    }
    const Step step = steps_.takeFirst();
    // Acts from a posted call: an action that opens a further modal window then blocks there,
    // while this timer stays free to drive the next step.
    QMetaObject::invokeMethod(
        this,
        [action = step.action, target = QPointer<QWidget>(window)] {
            if (target != nullptr) {
                action(target);
            }
        },
        Qt::QueuedConnection);
}

QWidget *visibleWindow(const QString &objectName)
{
    const auto windows = QApplication::topLevelWidgets();
    // "class:Name" stands for any window of that class, for dialogs Qt opens unnamed.
    const QString classPrefix = QStringLiteral("class:");
    const bool byClass = objectName.startsWith(classPrefix);
    const QByteArray className = objectName.mid(classPrefix.size()).toLatin1();
    for (QWidget *window : windows) {
        const bool matches =
            byClass ? window->inherits(className.constData()) : window->objectName() == objectName;
        if (window->isVisible() && matches) {
            return window;
        }
    }
    return nullptr;
}

void clickButton(QWidget *window, const QString &buttonName)
{
    auto *button = window->findChild<QAbstractButton *>(buttonName);
    QVERIFY2(button != nullptr, qPrintable(buttonName));
    QTest::mouseClick(button, Qt::LeftButton);
}

void pressKey(QWidget *window, int key)
{
    QWidget *target = window->focusWidget() != nullptr ? window->focusWidget() : window;
    QTest::keyClick(target, static_cast<Qt::Key>(key));
}

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

QString labelText(const QWidget &window, const QString &name)
{
    const auto *label = window.findChild<QLabel *>(name);
    return label != nullptr ? label->text() : QStringLiteral("<missing %1>").arg(name);
}
