// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/mistakes.h"

#include "app/sharedstate.h"
#include "exercise/evaluation.h"
#include "exercise/quantityformat.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// The same strict 10 per cent as the judgement itself.
bool within(double candidate, double correct)
{
    return (90.0 / 100.0) * correct < candidate && candidate < (110.0 / 100.0) * correct;
}

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(Mistakes)
};

QString prefixName(std::int16_t prefix)
{
    return prefix == 0 ? Texts::tr("bez předpony") : prefixLetter(prefix);
}

// "U = R · I" and its two rearrangements, by the quantity asked for.
QString formula(std::uint8_t problemKind)
{
    switch (problemKind) {
    case 0:
        return Texts::tr("U = R · I");
    case 1:
        return Texts::tr("R = U / I");
    default:
        return Texts::tr("I = U / R");
    }
}

} // namespace

Mistake classifyMistake(const SharedState &state)
{
    const double first = prefixFactor(state.prefixA) * static_cast<double>(state.mantissaA);
    const double second = prefixFactor(state.prefixB) * static_cast<double>(state.mantissaB);
    const double correct = correctResult(state);
    const double pupil = state.answerInBaseUnits;
    if (!(pupil > 0.0) || !std::isfinite(pupil) || !(correct > 0.0) || within(pupil, correct)) {
        return {};
    }

    Mistake found;
    int matches = 0;
    const auto note = [&](Mistake mistake) {
        ++matches;
        found = mistake;
    };

    const auto lastListed = static_cast<std::int16_t>(firstListedPrefix + listedPrefixCount - 1);
    for (std::int16_t needed = firstListedPrefix; needed <= lastListed; ++needed) {
        if (needed == state.answerPrefix) {
            continue;
        }
        const double shifted = pupil / prefixFactor(state.answerPrefix) * prefixFactor(needed);
        if (within(shifted, correct)) {
            note({MistakeKind::WrongPrefix, needed, state.answerPrefix});
        }
    }
    if (state.problemKind == 0) {
        if (within(pupil, first / second) || within(pupil, second / first)) {
            note({MistakeKind::DividedInsteadOfMultiplied});
        }
    } else {
        if (within(pupil, first * second)) {
            note({MistakeKind::MultipliedInsteadOfDivided});
        }
        if (within(pupil, first / second)) {
            note({MistakeKind::DividedTheWrongWay});
        }
    }
    return matches == 1 ? found : Mistake{};
}

QString mistakeHint(const Mistake &mistake, std::uint8_t problemKind)
{
    switch (mistake.kind) {
    case MistakeKind::WrongPrefix:
        return Texts::tr("Číslo máš správně, ale předponu ne: mělo být %1, ne %2.")
            .arg(prefixName(mistake.neededPrefix), prefixName(mistake.chosenPrefix));
    case MistakeKind::MultipliedInsteadOfDivided:
        return Texts::tr("Násobil(a) jsi, ale tady se dělí: %1.").arg(formula(problemKind));
    case MistakeKind::DividedInsteadOfMultiplied:
        return Texts::tr("Dělil(a) jsi, ale tady se násobí: %1.").arg(formula(problemKind));
    case MistakeKind::DividedTheWrongWay:
        return Texts::tr("Dělil(a) jsi obráceně: %1.").arg(formula(problemKind));
    case MistakeKind::None:
        break;
    }
    return {};
}
