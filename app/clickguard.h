// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QWidget;

// Swallows mouse clicks that reach a window within the double-click interval of its opening
// or of its return to the front. The second click of a double-click would otherwise land on
// whatever opened under the pointer: "&Ano" of the confirmation, or the next problem's
// "&Pokračovat", answering for the pupil unseen. Keys are never held back.
class ClickGuard : public QObject
{
    Q_OBJECT

public:
    explicit ClickGuard(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> freshWindow_;
    QElapsedTimer freshSince_;
};
