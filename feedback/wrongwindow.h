// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "feedback/continueorquitdialog.h"

#include <QLocale>

struct SharedState;

// "Špatně": the worked problem after a wrong answer, with the result it should have had.
class WrongWindow : public ContinueOrQuitDialog
{
    Q_OBJECT

public:
    // Rescales the correct result held in state.answerMantissa to the mantissa it shows.
    WrongWindow(SharedState &state, const QLocale &locale, QWidget *parent = nullptr);
};
