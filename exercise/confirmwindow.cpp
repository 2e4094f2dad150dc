// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/confirmwindow.h"

#include "app/sharedstate.h"
#include "app/windowstyle.h"
#include "exercise/problemgenerator.h"
#include "exercise/quantityformat.h"

#include <QLabel>
#include <QPushButton>

ConfirmWindow::ConfirmWindow(const SharedState &state, const QLocale &locale, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Zadal"));
    setWindowTitle(tr("Opravdu ?"));
    useTitleBarWithoutControls(*this);
    setClientTwips(*this, 3990, 2505);
    setFont(dialogFont());

    const Qt::Alignment top = Qt::AlignTop;
    auto *info = makeLabel(this, QStringLiteral("lblInfo"), twipsRect(45, 0, 3885, 285),
                           serifFont(12, true), Qt::AlignHCenter | top);
    const QColor darkBlue(0, 0, 192);
    const QFont large = serifFont(20.25, true);
    auto *value = makeLabel(this, QStringLiteral("lblVysledek"), twipsRect(720, 480, 1575, 495),
                            large, Qt::AlignRight | top);
    auto *prefix = makeLabel(this, QStringLiteral("lblPredp"), twipsRect(2400, 495, 375, 405),
                             large, Qt::AlignRight | top);
    auto *unit = makeLabel(this, QStringLiteral("lblJedn"), twipsRect(2805, 480, 330, 480), large,
                           Qt::AlignLeft | top);
    for (QLabel *label : {value, prefix, unit}) {
        setTextColour(*label, darkBlue);
    }
    auto *question = makeLabel(this, QStringLiteral("Label3"), twipsRect(1200, 1200, 1785, 285),
                               serifFont(12, true), Qt::AlignHCenter | top);
    question->setText(tr("Jseš si úplně jist?"));

    const Quantity asked = quantitiesOf(state.problemKind).asked;
    switch (asked) {
    case Quantity::Voltage:
        info->setText(tr("Zadal jsi napětí"));
        break;
    case Quantity::Resistance:
        info->setText(tr("Zadal jsi odpor"));
        break;
    case Quantity::Current:
        info->setText(tr("Zadal jsi proud"));
        break;
    }
    unit->setText(unitText(asked));
    value->setText(formatMantissa(state.answerMantissa, locale));
    prefix->setText(prefixLetter(state.answerPrefix));

    auto *yes = new QPushButton(tr("&Ano"), this);
    yes->setObjectName(QStringLiteral("cmdOpravdu"));
    yes->setGeometry(twipsRect(120, 1680, 1815, 735));
    yes->setFont(arialFont(14.25, true));
    yes->setDefault(true);

    auto *again = new QPushButton(tr("&Ne - znova"), this);
    again->setObjectName(QStringLiteral("cmdKonec"));
    again->setGeometry(twipsRect(2040, 1680, 1815, 735));
    again->setFont(arialFont(14.25, true));
    setTabOrder(yes, again);
    yes->setFocus();
    // Read with the focused button when the window opens.
    const QString message = info->text() + u' ' + value->text() + u' ' + prefix->text() +
                            unit->text() + QStringLiteral(". ") + question->text();
    setAccessibleDescription(message);
    yes->setAccessibleDescription(message);

    connect(yes, &QPushButton::clicked, this, &ConfirmWindow::confirmed);
    // Esc rejects the dialog too, which is what "&Ne - znova" does.
    connect(again, &QPushButton::clicked, this, &QDialog::reject);
}
