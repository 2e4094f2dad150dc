// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/classlistcsv.h"
#include "results/databaselocation.h"
#include "results/reportdecoder.h"
#include "results/schooldatabase.h" // DatabaseError

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <chrono>
#include <memory>

// One row of "Zaci" with the key that tells it apart from a namesake.
struct PupilRecord
{
    qint64 key = 0;
    QString surname;
    QString className;
};

struct ReportStoreResult
{
    int added = 0;         // new rows of "Zpravy"
    int alreadyStored = 0; // blocks that were there before (or twice in this batch)
    int notReports = 0;    // bad blocks, never stored
};

struct PupilImportResult
{
    int added = 0;
    QList<ClassListIssue> skipped; // rows already in "Zaci", by line of the class list
};

// The teacher's side of the school database. Unlike the pupil's program, which connects
// for each operation, it holds one connection from open() until it is destroyed, so that
// table views can read through it. Every write is one transaction: a failure throws
// DatabaseError (a Czech sentence naming the file and the cause) and changes nothing.
// Like SchoolDatabase, the object is a handle: writing to the file does not change it.
class TeacherDatabase
{
public:
    // Opens an existing school database: checks that it has the pupil's tables and fields,
    // can be written and is not held locked, and adds the reports table "Zpravy" if missing.
    static std::unique_ptr<TeacherDatabase> open(const DatabaseLocation &location);
    // Creates a school database with the shipped schema and opens it. An existing file is
    // replaced only with `replaceExisting` (the teacher confirmed it), and only once the new
    // one is complete.
    static std::unique_ptr<TeacherDatabase> create(const DatabaseLocation &location,
                                                   bool replaceExisting);

    TeacherDatabase(const TeacherDatabase &) = delete;
    TeacherDatabase &operator=(const TeacherDatabase &) = delete;
    ~TeacherDatabase();

    [[nodiscard]] const DatabaseLocation &location() const { return location_; }
    // True when open() had to add "Zpravy" to an older file.
    [[nodiscard]] bool addedReportsTable() const { return addedReportsTable_; }
    // The live connection, for read-only views over statements of this layer.
    [[nodiscard]] QSqlDatabase connection() const;

    // Stores the good reports in one transaction; a block already stored is counted, not
    // stored again.
    // NOLINTNEXTLINE(modernize-use-nodiscard): the write alone is a use
    ReportStoreResult storeReports(const QList<DecodedReport> &reports,
                                   const QDateTime &storedAt) const;
    [[nodiscard]] int storedReportCount() const;

    // The pupils in Czech order of surname, then class.
    [[nodiscard]] QList<PupilRecord> pupils() const;
    // Returns the new row's key. A pupil with the same surname and class is refused.
    // NOLINTNEXTLINE(modernize-use-nodiscard): the write alone is a use
    qint64 addPupil(const QString &surname, const QString &className) const;
    void updatePupil(const PupilRecord &pupil) const;
    void deletePupil(qint64 key) const;

    // The rows of a class list whose surname and class are already in "Zaci".
    [[nodiscard]] QList<ClassListIssue> pupilsAlreadyStored(const QList<ClassListRow> &rows) const;
    // Adds the rows in one transaction, skipping (and reporting) those already stored.
    // NOLINTNEXTLINE(modernize-use-nodiscard): the write alone is a use
    PupilImportResult importPupils(const QList<ClassListRow> &rows) const;

private:
    explicit TeacherDatabase(DatabaseLocation location);
    void connect();
    void checkAndUpgrade();

    DatabaseLocation location_;
    QString connectionName_;
    bool addedReportsTable_ = false;
    std::chrono::milliseconds busyTimeout_{5000};
};
