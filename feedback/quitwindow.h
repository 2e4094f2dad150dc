// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "feedback/continueorquitdialog.h"

// "Konec ?": asks whether the pupil really wants to finish.
class QuitWindow : public ContinueOrQuitDialog
{
    Q_OBJECT

public:
    explicit QuitWindow(QWidget *parent = nullptr);
};
