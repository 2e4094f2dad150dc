// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/reportstore.h"

ReportRow reportRowOf(const DecodedReport &report)
{
    return {.student = report.student,
            .className = report.className,
            .from = report.from,
            .to = report.to,
            .answers = report.answers,
            .correct = report.correct,
            .wrong = report.wrong,
            .text = report.text,
            .canonicalBlock = report.canonicalBlock,
            .originalText = report.originalText};
}

ReportStoreResult storeDecodedReports(const TeacherDatabase &database,
                                      const QList<DecodedReport> &reports,
                                      const QDateTime &storedAt)
{
    QList<ReportRow> rows;
    rows.reserve(reports.size());
    for (const DecodedReport &report : reports) {
        if (report.isOk()) {
            rows.append(reportRowOf(report));
        }
    }
    ReportStoreResult result = database.storeReports(rows, storedAt);
    result.notReports = static_cast<int>(reports.size() - rows.size());
    return result;
}
