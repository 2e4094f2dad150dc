// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/mistakes.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>

// One judged answer of the run: the problem, what the pupil answered, and how it was judged.
struct AnswerRecord
{
    std::int32_t order = 0; // 1, 2, … in the run
    std::uint8_t problemKind = 0;
    float mantissaA = 0.0F;
    std::int16_t prefixA = 0;
    float mantissaB = 0.0F;
    std::int16_t prefixB = 0;
    double answerInBaseUnits = 0.0;
    std::int16_t answerPrefix = 0;
    bool right = false;
    // None for a right answer and for a wrong one that fits no single mistake.
    MistakeKind mistake = MistakeKind::None;
    // From the problem's first showing to the confirmation, to the millisecond.
    double seconds = 0.0;
};

// Everything the windows of one run hand to each other: the pupil, the current problem, the
// answer and the tallies. One instance lives for the whole process and is passed by reference.
struct SharedState
{
    // 0 voltage, 1 resistance, 2 current: the quantity the current problem asks for.
    std::uint8_t problemKind = 0;
    float mantissaA = 0.0F;
    std::int16_t prefixA = 0;
    float mantissaB = 0.0F;
    std::int16_t prefixB = 0;
    // The typed number until the answer is confirmed, then the correct result in base units,
    // then (in the wrong-answer window) the mantissa shown for it.
    double answerMantissa = 0.0;
    std::int16_t answerPrefix = 0;
    // The confirmed answer in base units, kept by the evaluation for naming a mistake.
    double answerInBaseUnits = 0.0;
    std::int32_t correctCount = 0;
    std::int32_t wrongCount = 0;

    // When the current problem was first shown (a monotonic clock: the wall clock may be set
    // meanwhile), and every answer judged in this run, kept until the summary stores them.
    std::chrono::steady_clock::time_point problemShownAt{};
    QList<AnswerRecord> answers;

    // Appends the answer just judged (after the evaluation, which leaves what classifyMistake
    // reads), confirmed at `confirmedAt`.
    void recordAnswer(bool right, std::chrono::steady_clock::time_point confirmedAt)
    {
        const std::chrono::duration<double> taken = confirmedAt - problemShownAt;
        AnswerRecord record;
        record.order = static_cast<std::int32_t>(answers.size()) + 1;
        record.problemKind = problemKind;
        record.mantissaA = mantissaA;
        record.prefixA = prefixA;
        record.mantissaB = mantissaB;
        record.prefixB = prefixB;
        record.answerInBaseUnits = answerInBaseUnits;
        record.answerPrefix = answerPrefix;
        record.right = right;
        record.mistake = right ? MistakeKind::None : classifyMistake(*this).kind;
        record.seconds = std::max(0.0, std::round(taken.count() * 1000.0) / 1000.0);
        answers.append(record);
    }

    // School-server mode.
    QString pupilSurname;
    QString pupilClass;
    QTime runStart;

    bool emailMode = false;

    // E-mail mode.
    QString reportName;
    QString reportClass;
    QDateTime reportStart;
};
