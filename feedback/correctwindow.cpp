// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedback/correctwindow.h"

#include "app/windowstyle.h"

#include <QLabel>

CorrectWindow::CorrectWindow(QWidget *parent) : ContinueOrQuitDialog(parent)
{
    setUpFeedbackWindow(*this, QStringLiteral("Good"), tr("Gratuluji"), 3990, 2505);

    auto *praise = new QLabel(tr("Velmi dobře"), this);
    praise->setObjectName(QStringLiteral("Label1"));
    praise->setGeometry(twipsRect(0, 120, 3975, 615));
    praise->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    praise->setFont(serifFont(26.25, true));
    setTextColour(*praise, QColor(0, 192, 0));

    auto *detail = new QLabel(tr("Na poslední otázku jsi odpověděl naprosto správně!"), this);
    detail->setObjectName(QStringLiteral("Label2"));
    // Two lines of 14.25 pt need a little more than the 615 twips of the layout.
    detail->setGeometry(twipsRect(120, 840, 3855, 780));
    detail->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    detail->setWordWrap(true);
    detail->setFont(serifFont(14.25, false));

    addButtons(QStringLiteral("cmdPokrocit"), twipsRect(120, 1680, 2295, 735),
               twipsRect(2520, 1680, 1335, 735));
    describeForScreenReaders(praise->text() + QStringLiteral(". ") + detail->text());
}
