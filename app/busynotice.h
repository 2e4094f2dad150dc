// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// A small window that says what the program waits for, shown for as long as the notice lives:
// a school database locked by another machine can hold the program for many seconds, and
// without it the pupil would see an empty screen.
class BusyNotice : public QDialog
{
    Q_OBJECT

public:
    explicit BusyNotice(const QString &text, QWidget *parent = nullptr);
};
