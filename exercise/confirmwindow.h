// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLocale>

struct SharedState;

// "Opravdu ?": shows the typed answer and asks the pupil to confirm it.
class ConfirmWindow : public QDialog
{
    Q_OBJECT

public:
    ConfirmWindow(const SharedState &state, const QLocale &locale, QWidget *parent = nullptr);

signals:
    // "&Ano": the answer is to be judged. "&Ne - znova" (and Esc) just closes the window.
    void confirmed();
};
