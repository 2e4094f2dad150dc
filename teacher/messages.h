// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// A warning with the program's title; the box is named "teacherMessage" for keyboard tests.
void showWarning(QWidget *parent, const QString &text);
// A yes/no question whose default is "Ne"; true for "Ano".
bool askYesNo(QWidget *parent, const QString &text);
