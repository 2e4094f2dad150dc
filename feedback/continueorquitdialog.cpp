// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedback/continueorquitdialog.h"

#include "app/windowstyle.h"

#include <QCloseEvent>
#include <QPushButton>

void ContinueOrQuitDialog::addButtons(const QString &continueName, const QRect &continueGeometry,
                                      const QRect &quitGeometry)
{
    auto *goOn = new QPushButton(tr("&POKRAČOVAT"), this);
    continueButton_ = goOn;
    goOn->setObjectName(continueName);
    goOn->setGeometry(continueGeometry);
    goOn->setFont(arialFont(14.25, true));
    goOn->setDefault(true);

    quitButton_ = new QPushButton(tr("&KONEC"), this);
    quitButton_->setObjectName(QStringLiteral("cmdKonec"));
    quitButton_->setGeometry(quitGeometry);
    quitButton_->setFont(arialFont(14.25, true));

    setTabOrder(goOn, quitButton_);
    goOn->setFocus();
    connect(goOn, &QPushButton::clicked, this, &QDialog::accept);
    connect(quitButton_, &QPushButton::clicked, this, &ContinueOrQuitDialog::quitRequested);
}

void ContinueOrQuitDialog::describeForScreenReaders(const QString &message)
{
    setAccessibleDescription(message);
    if (continueButton_ != nullptr) {
        continueButton_->setAccessibleDescription(message);
    }
}

void ContinueOrQuitDialog::reject()
{
    // Esc is the quit button's key.
    if (quitButton_ != nullptr) {
        quitButton_->click();
    }
}

void ContinueOrQuitDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
    accept();
}

void setUpFeedbackWindow(QDialog &window, const QString &name, const QString &title, int width,
                         int height)
{
    window.setObjectName(name);
    window.setWindowTitle(title);
    useTitleBarWithoutControls(window);
    setClientTwips(window, width, height);
    window.setFont(dialogFont());
}
