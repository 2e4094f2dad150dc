// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/teacherdatabase.h"
#include "results/reportdecoder.h"
#include "teacher/pupilmatcher.h"

#include <QDateTime>
#include <QHash>
#include <QList>

// Whose a report is by the names typed into it, against the school's list: the one pupil it
// fits, else no pupil but the class of the list it names (when exactly one class of the list
// is written so), else nothing.
class ListMatcher
{
public:
    explicit ListMatcher(const QList<PupilRecord> &pupils);
    [[nodiscard]] ReportAssignment assignmentFor(QStringView name, QStringView className) const;

private:
    QList<PupilRecord> pupils_;
    PupilMatcher matcher_;
    QHash<QString, QString> classes_; // normalized -> as the list writes it; empty: ambiguous
};

// A good decoded report as the school database keeps it, without a pupil yet.
ReportRow reportRowOf(const DecodedReport &report);

// Stores the good reports of a pasted or opened text in one transaction, each linked to the
// pupil of the list it fits, and counts the bad blocks, which are never stored. Throws
// DatabaseError and then stores nothing.
ReportStoreResult storeDecodedReports(const TeacherDatabase &database,
                                      const QList<DecodedReport> &reports,
                                      const QDateTime &storedAt,
                                      const WriteProgress &progress = {});

// The teacher's decision: the stored blocks belong to this pupil (an empty surname: to nobody),
// added to the class list first when `addToList`. Returns the sentence for the status bar.
// Throws DatabaseError.
QString assignReportBlocks(const TeacherDatabase &database, const QStringList &blocks,
                           const QString &surname, const QString &className, bool addToList);

// Links the stored reports of nobody's that the teacher left to the matching, after the list
// changed; returns how many got a pupil.
int linkUnassignedReports(const TeacherDatabase &database);
