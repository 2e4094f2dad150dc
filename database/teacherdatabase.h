// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/databaselocation.h"
#include "database/schooldatabase.h" // DatabaseError

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

// One row of "Zaci" with the key that tells it apart from a namesake.
struct PupilRecord
{
    qint64 key = 0;
    QString surname;
    QString className;
};

// A pupil to add to "Zaci", with the line of the class list it came from.
struct NewPupil
{
    int line = 0;
    QString surname;
    QString className;
};

// Why a line of a class list is left out: Czech, for the teacher.
struct LineIssue
{
    int line = 0;
    QString reason;
};

// One good e-mailed report to store in "Zpravy": what its block said, and the block itself.
struct ReportRow
{
    QString student;   // as the pupil typed it
    QString className; // as the pupil typed it
    QDateTime from, to;
    int answers = 0, correct = 0, wrong = 0;
    QString text;           // the decoded report
    QString canonicalBlock; // the block in the pupil's layout: the same block is stored once
    QString originalText;   // the block as it stood in the message
    // The pupil of "Zaci" the report belongs to: surname and class, or an empty surname for
    // none. Without a pupil, the class may still name the class of "Zaci" the report is from.
    QString pupilSurname;
    QString pupilClass;
};

// Whose a stored report is.
struct ReportAssignment
{
    QString surname;   // of the pupil in "Zaci"; empty: nobody's yet
    QString className; // that pupil's class, or the class of "Zaci" the report names
    bool byTeacher = false;
};

// A report of nobody's, as stored.
struct UnassignedReport
{
    ReportRow row;
    bool byTeacher = false; // the teacher left it so: the matching does not touch it
};

// A report to link to a pupil of the list, by its block.
struct ReportLink
{
    QString block;
    QString surname; // empty: no pupil, only the class
    QString className;
};

struct ReportStoreResult
{
    int added = 0;          // new rows of "Zpravy"
    int alreadyStored = 0;  // blocks that were there before (or twice in this batch)
    int notReports = 0;     // bad blocks, never stored (counted by the caller)
    int linked = 0;         // reports of this batch now linked to a pupil of the list
    int unassigned = 0;     // reports of this batch that belong to nobody
    bool cancelled = false; // the caller stopped it: nothing was stored
};

struct PupilImportResult
{
    int added = 0;
    QList<LineIssue> skipped; // rows already in "Zaci", by line of the class list
    bool cancelled = false;   // the caller stopped it: nothing was added
};

// Told the rows written so far and in all, now and then during a long write; returning false
// stops it and rolls it back whole.
using WriteProgress = std::function<bool(qsizetype done, qsizetype total)>;

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
    // True when open() had to add "Zpravy" to an older file, or its fields for the pupil.
    [[nodiscard]] bool addedReportsTable() const { return addedReportsTable_; }
    [[nodiscard]] bool addedReportFields() const { return addedReportFields_; }
    // True when the file or its folder cannot be written: it was opened to be read, nothing
    // was added to it, and every write fails with "databáze je otevřená jen pro čtení".
    [[nodiscard]] bool isReadOnly() const { return readOnly_; }
    // The live connection, for read-only views over statements of this layer.
    [[nodiscard]] QSqlDatabase connection() const;

    // Stores the good reports in one transaction; a block already stored is counted, not
    // stored again.
    // NOLINTNEXTLINE(modernize-use-nodiscard): the write alone is a use
    // A block stored before keeps its pupil, unless it had none and the teacher did not
    // decide so: then it gets the one given now.
    ReportStoreResult storeReports(const QList<ReportRow> &reports, const QDateTime &storedAt,
                                   const WriteProgress &progress = {}) const;
    [[nodiscard]] int storedReportCount() const;
    // Whose each stored block is; blocks not stored are left out.
    [[nodiscard]] QHash<QString, ReportAssignment>
    reportAssignments(const QStringList &blocks) const;
    [[nodiscard]] QList<UnassignedReport> unassignedReports() const;
    // Links reports of nobody's that the teacher has not decided on; returns how many got a
    // pupil. One transaction; a read-only database links none.
    // NOLINTNEXTLINE(modernize-use-nodiscard): the write alone is a use
    int linkReports(const QList<ReportLink> &links) const;
    // The teacher's decision, kept from now on: the blocks belong to this pupil (an empty
    // surname: to nobody). One transaction; returns how many stored blocks changed.
    // NOLINTNEXTLINE(modernize-use-nodiscard): the write alone is a use
    int assignReports(const QStringList &blocks, const QString &surname,
                      const QString &className) const;
    // NOLINTNEXTLINE(modernize-use-nodiscard): the write alone is a use
    int deleteReports(const QStringList &blocks) const;

    // School runs to delete, as the results table showed them. One transaction: when one of
    // them is no longer there as shown, nothing is deleted.
    struct SchoolRun
    {
        QString key; // the row's key in "Prehled "
        QString surname;
        QString className;
        QString end;
    };
    void deleteRuns(const QList<SchoolRun> &runs, const QStringList &reportBlocks) const;

    // The pupils in Czech order of surname, then class.
    [[nodiscard]] QList<PupilRecord> pupils() const;
    // Returns the new row's key. A pupil with the same surname and class is refused. A changed
    // pupil takes the school runs and the reports of the old name along; a deleted one leaves
    // its reports to nobody.
    // NOLINTNEXTLINE(modernize-use-nodiscard): the write alone is a use
    qint64 addPupil(const QString &surname, const QString &className) const;
    void updatePupil(const PupilRecord &pupil) const;
    void deletePupil(qint64 key) const;

    // The rows of a class list whose surname and class are already in "Zaci".
    [[nodiscard]] QList<LineIssue> pupilsAlreadyStored(const QList<NewPupil> &rows) const;
    // Adds the rows in one transaction, skipping (and reporting) those already stored.
    // NOLINTNEXTLINE(modernize-use-nodiscard): the write alone is a use
    PupilImportResult importPupils(const QList<NewPupil> &rows,
                                   const WriteProgress &progress = {}) const;

private:
    explicit TeacherDatabase(DatabaseLocation location);
    void connect();
    void checkAndUpgrade();

    DatabaseLocation location_;
    QString connectionName_;
    bool addedReportsTable_ = false;
    bool addedReportFields_ = false;
    bool readOnly_ = false;
    std::chrono::milliseconds busyTimeout_{5000};
};
