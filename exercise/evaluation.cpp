// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/evaluation.h"

#include "app/checkedmath.h"
#include "app/sharedstate.h"
#include "exercise/quantityformat.h"

double correctResult(const SharedState &state)
{
    const double first = prefixFactor(state.prefixA) * static_cast<double>(state.mantissaA);
    const double second = prefixFactor(state.prefixB) * static_cast<double>(state.mantissaB);
    return state.problemKind == 0 ? first * second : second / first;
}

bool evaluateAnswer(SharedState &state)
{
    const double pupil = prefixFactor(state.answerPrefix) * state.answerMantissa;
    const double correct = correctResult(state);
    state.answerInBaseUnits = pupil;
    state.answerMantissa = correct;

    const double low = (90.0 / 100.0) * correct;
    const double high = (110.0 / 100.0) * correct;
    const bool right = low < pupil && pupil < high;
    if (right) {
        state.correctCount = checkedAdd(state.correctCount, 1);
    } else {
        state.wrongCount = checkedAdd(state.wrongCount, 1);
    }
    return right;
}
