// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedback/wrongwindow.h"

#include "app/sharedstate.h"
#include "app/windowstyle.h"
#include "exercise/mistakes.h"
#include "exercise/problemgenerator.h"
#include "exercise/quantityformat.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

#include <array>

namespace {

QString givenName(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Voltage:
        return WrongWindow::tr("Napětí");
    case Quantity::Current:
        return WrongWindow::tr("Proud");
    case Quantity::Resistance:
        return WrongWindow::tr("Odpor");
    }
    return {};
}

QString shouldHaveBeen(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Voltage:
        return WrongWindow::tr("Napětí mělo být");
    case Quantity::Current:
        return WrongWindow::tr("Proud měl být");
    case Quantity::Resistance:
        return WrongWindow::tr("Odpor měl být");
    }
    return {};
}

// The blue outline around the worked problem.
class Outline : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent * /*event*/) override
    {
        QPainter painter(this);
        painter.setPen(QColor(0, 0, 255));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};
} // namespace

WrongWindow::WrongWindow(SharedState &state, const QLocale &locale, QWidget *parent)
    : ContinueOrQuitDialog(parent)
{
    // Read before the result is rescaled in place.
    const QString hint = mistakeHint(classifyMistake(state), state.problemKind);
    // The sentence naming the mistake takes two lines under the worked result; the buttons
    // move down by as much.
    const int hintHeight = hint.isEmpty() ? 0 : 600;
    setUpFeedbackWindow(*this, QStringLiteral("Bed"), tr("Špatně"), 4470, 3075 + hintHeight);

    auto *consolation = makeLabel(this, QStringLiteral("Label4"), twipsRect(0, 120, 4455, 615),
                                  serifFont(12, true), Qt::AlignHCenter | Qt::AlignTop);
    consolation->setWordWrap(true);
    consolation->setText(
        tr("No nic, přeci chybami se člověk učí ne!? Správně to mělo vypadat takto."));

    auto *outline = new Outline(this);
    outline->setObjectName(QStringLiteral("Shape1"));
    outline->setGeometry(twipsRect(120, 960, 4215, 1215));
    outline->lower();

    const QColor blue(0, 0, 255);
    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(twipsRect(120, 1680, 4200, 15));
    setTextColour(*line, blue);

    std::array<QLabel *, 3> names{};
    std::array<QLabel *, 3> values{};
    std::array<QLabel *, 3> prefixes{};
    std::array<QLabel *, 3> units{};
    const int rowTops[] = {1080, 1440};
    const int nameWidths[] = {1560, 1440};
    for (int row = 0; row < 2; ++row) {
        const QString index = QString::number(row);
        const int top = rowTops[row];
        names[row] = makeLabel(this, QStringLiteral("lblNadp") + index,
                               twipsRect(360, top, nameWidths[row], 195), dialogFont());
        values[row] =
            makeLabel(this, QStringLiteral("lblHod") + index, twipsRect(3000, top, 825, 195),
                      dialogFont(), Qt::AlignRight | Qt::AlignTop);
        prefixes[row] = makeLabel(this, QStringLiteral("lblPredp") + index,
                                  twipsRect(3870, top, 165, 195), dialogFont());
        units[row] = makeLabel(this, QStringLiteral("lblJedn") + index,
                               twipsRect(4020, top, 165, 195), serifFont(8, false));
    }
    names[2] = makeLabel(this, QStringLiteral("lblNadp2"), twipsRect(360, 1800, 1770, 360),
                         serifFont(12, true));
    values[2] = makeLabel(this, QStringLiteral("lblHod2"), twipsRect(2130, 1680, 1365, 465),
                          serifFont(20.25, true), Qt::AlignRight | Qt::AlignTop);
    prefixes[2] = makeLabel(this, QStringLiteral("lblPredp2"), twipsRect(3585, 1680, 390, 480),
                            serifFont(21, true), Qt::AlignRight | Qt::AlignTop);
    units[2] = makeLabel(this, QStringLiteral("lblJedn2"), twipsRect(3960, 1680, 330, 510),
                         serifFont(20.25, true));
    const QColor red(192, 0, 0);
    for (QLabel *label : {values[2], prefixes[2], units[2]}) {
        setTextColour(*label, red);
    }

    if (state.problemKind <= 2) {
        const ProblemQuantities quantities = quantitiesOf(state.problemKind);
        names[0]->setText(givenName(quantities.first));
        units[0]->setText(unitText(quantities.first));
        names[1]->setText(givenName(quantities.second));
        units[1]->setText(unitText(quantities.second));
        names[2]->setText(shouldHaveBeen(quantities.asked));
        units[2]->setText(unitText(quantities.asked));
    }
    values[0]->setText(formatMantissa(state.mantissaA, locale));
    prefixes[0]->setText(prefixLetter(state.prefixA));
    values[1]->setText(formatMantissa(state.mantissaB, locale));
    prefixes[1]->setText(prefixLetter(state.prefixB));

    std::int16_t resultPrefix = 0;
    normalizeToPrefix(state.answerMantissa, resultPrefix);
    fitToListedPrefixes(state.answerMantissa, resultPrefix);
    values[2]->setText(formatMantissa(state.answerMantissa, locale));
    prefixes[2]->setText(prefixLetter(resultPrefix));

    if (!hint.isEmpty()) {
        auto *hintLabel =
            makeLabel(this, QStringLiteral("lblChyba"), twipsRect(120, 2250, 4215, hintHeight - 15),
                      serifFont(11, true), Qt::AlignHCenter | Qt::AlignVCenter);
        hintLabel->setWordWrap(true);
        hintLabel->setText(hint);
    }
    addButtons(QStringLiteral("cmdPokrocit"), twipsRect(120, 2280 + hintHeight, 2295, 735),
               twipsRect(2520, 2280 + hintHeight, 1815, 735));

    const auto spoken = [](const QLabel *name, const QLabel *value, const QLabel *prefix,
                           const QLabel *unit) {
        return name->text() + u' ' + value->text() + u' ' + prefix->text() + unit->text();
    };
    QString second = spoken(names[1], values[1], prefixes[1], units[1]);
    second[0] = second.at(0).toLower();
    QString message = consolation->text() + u' ' +
                      spoken(names[0], values[0], prefixes[0], units[0]) + QStringLiteral(", ") +
                      second + QStringLiteral(". ") +
                      spoken(names[2], values[2], prefixes[2], units[2]) + u'.';
    if (!hint.isEmpty()) {
        message += u' ' + hint;
    }
    describeForScreenReaders(message);
}
