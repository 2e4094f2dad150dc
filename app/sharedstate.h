// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

#include <cstdint>

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
