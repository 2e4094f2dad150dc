// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedback/quitwindow.h"

#include "app/windowstyle.h"

#include <QLabel>

QuitWindow::QuitWindow(QWidget *parent) : ContinueOrQuitDialog(parent)
{
    setUpFeedbackWindow(*this, QStringLiteral("Konec"), tr("Konec ?"), 3960, 1905);

    auto *question = new QLabel(tr("Opravdu skončit?"), this);
    question->setObjectName(QStringLiteral("Label1"));
    question->setGeometry(twipsRect(0, 240, 3975, 615));
    question->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    question->setFont(serifFont(24, false));

    addButtons(QStringLiteral("cmdJedeme"), twipsRect(120, 1080, 2295, 735),
               twipsRect(2520, 1080, 1335, 735));
    describeForScreenReaders(question->text());
}
