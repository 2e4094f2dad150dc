// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct SharedState;

// The correct result of the current problem in base units.
double correctResult(const SharedState &state);
// Judges the confirmed answer within 10 per cent of the correct result, counts it, and leaves
// the correct result in answerMantissa. Returns true for a right answer.
bool evaluateAnswer(SharedState &state);
