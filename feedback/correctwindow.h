// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "feedback/continueorquitdialog.h"

// "Gratuluji": praise after a right answer.
class CorrectWindow : public ContinueOrQuitDialog
{
    Q_OBJECT

public:
    explicit CorrectWindow(QWidget *parent = nullptr);
};
