// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;
class QAbstractButton;

// Drives windows that open modally: each step waits until a visible top-level window with
// the given object name is the active modal window (or, for modeless ones, simply visible),
// then acts on it. Steps run in order while the code under test sits in exec().
class ModalDriver : public QObject
{
    Q_OBJECT

public:
    explicit ModalDriver(QObject *parent = nullptr);

    ModalDriver &then(const QString &windowName, std::function<void(QWidget *)> action);
    void start();

    [[nodiscard]] bool finished() const { return steps_.isEmpty(); }
    [[nodiscard]] QString pendingWindow() const;

private:
    void poll();

    struct Step
    {
        QString windowName;
        std::function<void(QWidget *)> action;
    };
    QList<Step> steps_;
    QTimer timer_;
};

// A visible top-level widget with this object name, or nullptr.
QWidget *visibleWindow(const QString &objectName);
// Clicks the button with this object name inside the window.
void clickButton(QWidget *window, const QString &buttonName);
// Presses a key on whatever widget has the focus in the window.
void pressKey(QWidget *window, int key);
// Types the text into the widget key by key, Czech letters included.
void typeText(QWidget *widget, const QString &text);
// The text of the label with this object name, or a marker naming the missing label.
QString labelText(const QWidget &window, const QString &name);
