// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/reportstore.h"

#include "teacher/czechtext.h"

#include <QCoreApplication>

namespace {

QList<PupilMatcher::Entry> entriesOf(const QList<PupilRecord> &pupils)
{
    QList<PupilMatcher::Entry> entries;
    entries.reserve(pupils.size());
    for (const PupilRecord &pupil : pupils) {
        entries.append({pupil.surname, pupil.className});
    }
    return entries;
}

} // namespace

ListMatcher::ListMatcher(const QList<PupilRecord> &pupils)
    : pupils_(pupils), matcher_(entriesOf(pupils))
{
    for (const PupilRecord &pupil : pupils_) {
        const QString normalized = normalizedClassName(pupil.className);
        if (normalized.isEmpty()) {
            continue;
        }
        const auto found = classes_.constFind(normalized);
        if (found == classes_.cend()) {
            classes_.insert(normalized, pupil.className);
        } else if (*found != pupil.className) {
            classes_[normalized].clear(); // "3.A" and "3a" both on the list: neither is meant
        }
    }
}

ReportAssignment ListMatcher::assignmentFor(QStringView name, QStringView className) const
{
    const qsizetype found = matcher_.match(name, className);
    if (found >= 0) {
        return {pupils_.at(found).surname, pupils_.at(found).className, false};
    }
    return {QString(), classes_.value(normalizedClassName(className)), false};
}

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
            .originalText = report.originalText,
            .pupilSurname = {},
            .pupilClass = {}};
}

ReportStoreResult storeDecodedReports(const TeacherDatabase &database,
                                      const QList<DecodedReport> &reports,
                                      const QDateTime &storedAt, const WriteProgress &progress)
{
    const ListMatcher matcher(database.pupils());
    QList<ReportRow> rows;
    rows.reserve(reports.size());
    for (const DecodedReport &report : reports) {
        if (report.isOk()) {
            ReportRow row = reportRowOf(report);
            const ReportAssignment owner = matcher.assignmentFor(row.student, row.className);
            row.pupilSurname = owner.surname;
            row.pupilClass = owner.className;
            rows.append(std::move(row));
        }
    }
    ReportStoreResult result = database.storeReports(rows, storedAt, progress);
    result.notReports = static_cast<int>(reports.size() - rows.size());
    return result;
}

int linkUnassignedReports(const TeacherDatabase &database)
{
    const ListMatcher matcher(database.pupils());
    QList<ReportLink> links;
    for (const UnassignedReport &report : database.unassignedReports()) {
        if (report.byTeacher) {
            continue;
        }
        const ReportAssignment owner =
            matcher.assignmentFor(report.row.student, report.row.className);
        if (!owner.surname.isEmpty() ||
            (!owner.className.isEmpty() && owner.className != report.row.pupilClass)) {
            links.append({report.row.canonicalBlock, owner.surname, owner.className});
        }
    }
    return links.isEmpty() ? 0 : database.linkReports(links);
}

QString assignReportBlocks(const TeacherDatabase &database, const QStringList &blocks,
                           const QString &surname, const QString &className, bool addToList)
{
    QString status;
    if (addToList) {
        database.addPupil(surname, className);
        status = QCoreApplication::translate("ReportStore", "Přidán žák „%1“, třída %2. ")
                     .arg(surname, className);
    }
    const int changed = database.assignReports(blocks, surname, className);
    return status + reportsAssignedText(changed, surname, className);
}
