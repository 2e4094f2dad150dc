// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/sharedstate.h"
#include "results/reportencoder.h"
#include "results/teacherreport.h"
#include "support/sequencesource.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

// A block exactly as the pupil's program writes it, for a run of `name` in `className` that
// ended at 10:20 on the given day with `correct` and `wrong` answers.
inline QString pupilReportBlock(const QString &name, const QString &className, int correct,
                                int wrong, int salt = 77, int day = 7)
{
    SharedState state;
    state.reportName = name;
    state.reportClass = className;
    state.correctCount = correct;
    state.wrongCount = wrong;
    state.reportStart = QDateTime(QDate(2026, 12, day), QTime(9, 55));
    const QString report = buildTeacherReport(state, QDateTime(QDate(2026, 12, day), QTime(10, 20)),
                                              QLocale(QLocale::Czech, QLocale::CzechRepublic));
    SequenceSource random({(static_cast<float>(salt) + 0.5F) / 256.0F});
    ReportEncoder encoder(random);
    encoder.beginReportBlock();
    encoder.encodeReportText(report);
    return encoder.reportBlockText();
}

// One group of the block changed into a word that is no hex group: a damaged block.
inline QString damagedBlock(QString block)
{
    const qsizetype at = block.indexOf(u' ', 30);
    block.replace(at + 1, 2, QStringLiteral("zz"));
    return block;
}
