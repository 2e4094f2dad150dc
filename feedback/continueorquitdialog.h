// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;

// A window with the two ways on after an answer or a quit question: go on (Enter) or end
// the run (Esc). Closing it any other way counts as going on.
class ContinueOrQuitDialog : public QDialog
{
    Q_OBJECT

public:
    using QDialog::QDialog;

signals:
    void quitRequested();

public slots:
    void reject() override;

protected:
    // Creates both buttons in Arial 14.25 pt bold; the continue button is the default.
    void addButtons(const QString &continueName, const QRect &continueGeometry,
                    const QRect &quitGeometry);
    // The window's message as the description of the button that has the focus when it
    // opens: a screen reader reads it with the button.
    void describeForScreenReaders(const QString &message);
    void closeEvent(QCloseEvent *event) override;

private:
    QPushButton *continueButton_ = nullptr;
    QPushButton *quitButton_ = nullptr;
};

// Shared frame of these windows: title bar without controls, client size in twips.
void setUpFeedbackWindow(QDialog &window, const QString &name, const QString &title, int width,
                         int height);
