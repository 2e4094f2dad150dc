// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/teacherdatabase.h"

#include "database/czechorder.h"
#include "database/databaseconnection.h"
#include "database/schoolqueries.h"
#include "database/sqliteerror.h"
#include "database/sqlstatements.h"
#include "database/teacherqueries.h"
#include "schemasql.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <optional>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(TeacherDatabase)
};

// What the teacher was doing when it failed: the first half of the message.
enum class Action
{
    Open,
    Create,
    StoreReports,
    ReadReports,
    ReadPupils,
    ChangePupils,
    ImportPupils,
    ChangeReports,
    DeleteRuns
};

QString sentenceFor(Action action)
{
    switch (action) {
    case Action::Open:
        return Texts::tr("Databázi %1 nelze otevřít: %2.");
    case Action::Create:
        return Texts::tr("Databázi %1 nelze vytvořit: %2.");
    case Action::StoreReports:
        return Texts::tr("Zprávy nelze uložit do databáze %1: %2. Nic nebylo uloženo.");
    case Action::ReadReports:
        return Texts::tr("Zprávy nelze načíst z databáze %1: %2.");
    case Action::ReadPupils:
        return Texts::tr("Seznam žáků nelze načíst z databáze %1: %2.");
    case Action::ChangePupils:
        return Texts::tr("Změnu nelze zapsat do databáze %1: %2.");
    case Action::ImportPupils:
        return Texts::tr("Žáky nelze importovat do databáze %1: %2. Databáze zůstala beze změny.");
    case Action::ChangeReports:
        return Texts::tr("Zprávy v databázi %1 nelze změnit: %2. Nic se nezměnilo.");
    case Action::DeleteRuns:
        return Texts::tr("Výsledky nelze smazat z databáze %1: %2. Nic nebylo smazáno.");
    }
    return {};
}

// `detail` comes labelled with the engine's name ("(SQLite: …)").
[[noreturn]] void fail(Action action, const DatabaseLocation &path, const QString &cause,
                       const QString &detail = {})
{
    QString message = sentenceFor(action).arg(quotedName(path.displayName()), cause);
    if (!detail.isEmpty()) {
        message += u' ' + detail;
    }
    throw DatabaseError(message.toStdString());
}

[[noreturn]] void failWith(Action action, const DatabaseLocation &path, const QSqlError &error)
{
    const DatabaseFailure failure = describeFailure(error, path);
    fail(action, path, failure.cause, failure.detail);
}

QSqlQuery prepared(const QSqlDatabase &db, const char *sql, Action action,
                   const DatabaseLocation &path)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(QString::fromUtf8(sql))) {
        failWith(action, path, query.lastError());
    }
    return query;
}

void execute(QSqlQuery &query, Action action, const DatabaseLocation &path)
{
    if (!query.exec()) {
        failWith(action, path, query.lastError());
    }
}

// Rolls back unless committed: a failed write leaves the file as it was.
class WriteTransaction
{
public:
    WriteTransaction(const QSqlDatabase &db, const teachersql::Statements &sql, Action action,
                     const DatabaseLocation &path, bool readOnly)
        : db_(db)
    {
        if (readOnly) {
            fail(action, path, Texts::tr("databáze je otevřená jen pro čtení"));
        }
        QSqlQuery begin(db_);
        if (!begin.exec(QString::fromUtf8(sql.beginWrite))) {
            failWith(action, path, begin.lastError());
        }
    }
    WriteTransaction(const WriteTransaction &) = delete;
    WriteTransaction &operator=(const WriteTransaction &) = delete;
    ~WriteTransaction()
    {
        if (!committed_) {
            db_.rollback();
        }
    }
    void commit(Action action, const DatabaseLocation &path)
    {
        // SQLite's COMMIT as a statement of its own: Qt's commit() drops the code that tells
        // a full disk from a moved file.
        if (db_.driverName() == QLatin1String("QSQLITE")) {
            QSqlQuery commit(db_);
            if (!commit.exec(QStringLiteral("COMMIT"))) {
                failWith(action, path, commit.lastError());
            }
        } else if (!db_.commit()) {
            failWith(action, path, db_.lastError());
        }
        committed_ = true;
    }

private:
    QSqlDatabase db_;
    bool committed_ = false;
};

QString minuteText(const QDateTime &moment)
{
    return moment.isValid() ? moment.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

QVariant textOrNull(const QString &text)
{
    return text.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

// No pupil, no class: stored as null, which the views read as "nobody's".
QVariant emptyAsNull(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

using PupilKey = std::pair<QString, QString>;

QString alreadyThere(const QString &surname, const QString &className)
{
    return Texts::tr("žák %1 ze třídy %2 už v databázi je")
        .arg(quotedName(surname), quotedName(className));
}

std::atomic<quint64> nextConnection{0};

// Asked every few hundred rows: often enough for a progress bar, rarely enough to cost nothing.
bool stopped(const WriteProgress &progress, qsizetype done, qsizetype total)
{
    constexpr qsizetype every = 256;
    return progress && done % every == 0 && !progress(done, total);
}

template <typename Result> Result cancelledWrite()
{
    Result result;
    result.cancelled = true;
    return result;
}

bool isWritablePath(const QString &path)
{
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
#else
    return QFileInfo(path).isWritable();
#endif
}

} // namespace

TeacherDatabase::TeacherDatabase(DatabaseLocation location)
    : location_(std::move(location)),
      connectionName_(QStringLiteral("tesilka-teacher-%1").arg(nextConnection++))
{
}

TeacherDatabase::~TeacherDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

QSqlDatabase TeacherDatabase::connection() const
{
    return QSqlDatabase::database(connectionName_, false);
}

void TeacherDatabase::connect()
{
    if (!location_.isServer() && QFileInfo(location_.path).isDir()) {
        fail(Action::Open, location_, Texts::tr("je to složka, ne soubor"));
    }
    // A file or folder the teacher may not write (a colleague's share, a copy from a CD) is
    // opened to be read, and said so, rather than failing at the first store. SQLite needs the
    // folder too, for its journal. The access check is the kernel's own: it also refuses root
    // an immutable file (chattr +i), which permission bits do not.
    if (!location_.isServer() && QFileInfo::exists(location_.path)) {
        const QFileInfo file(location_.path);
        readOnly_ =
            !isWritablePath(file.absoluteFilePath()) || !isWritablePath(file.absolutePath());
    }
    DatabaseFailure failure;
    if (!openDatabaseConnection(connectionName_, location_, busyTimeout_, failure)) {
        fail(Action::Open, location_, failure.cause, failure.detail);
    }
    if (readOnly_) {
        // SQLite itself then refuses any write that slipped past this layer.
        QSqlQuery queryOnly(connection());
        if (!queryOnly.exec(QString::fromUtf8(teachersql::sqliteQueryOnly))) {
            failWith(Action::Open, location_, queryOnly.lastError());
        }
    }
}

void TeacherDatabase::checkAndUpgrade()
{
    const DatabaseLocation &path = location_;
    const QSqlDatabase db = connection();
    const auto &sql = teachersql::statementsFor(location_.engine);
    // A write transaction from the start: a file held locked by a pupil's machine is found
    // now, not at the first save. A file that cannot be written is only read: nothing begun.
    std::optional<WriteTransaction> transaction;
    if (!readOnly_) {
        transaction.emplace(db, teachersql::statementsFor(location_.engine), Action::Open, path,
                            false);
    }
    const auto upgrading = [&] {
        if (readOnly_) {
            fail(Action::Open, path,
                 Texts::tr(
                     "databáze je otevřená jen pro čtení a je starší verze: nelze ji doplnit"));
        }
    };

    const auto hasTable = [&](const QString &name) {
        QSqlQuery query = prepared(db, sql.tableExists, Action::Open, path);
        query.addBindValue(name);
        execute(query, Action::Open, path);
        return query.next();
    };
    // A server's login sees only the tables it has rights to: the rights come first, so that
    // a pupil's login is told what it lacks. The check also names a missing table, which on a
    // server only the administrator may create.
    if (sql.teacherRights != nullptr) {
        QSqlQuery rights = prepared(db, sql.teacherRights, Action::Open, path);
        execute(rights, Action::Open, path);
        if (!rights.next() || !rights.value(0).toBool()) {
            fail(Action::Open, path,
                 Texts::tr(
                     "přihlášený uživatel nemá na serveru práva učitele (role tesilka_ucitel)"));
        }
    }
    for (const QString &table : {QStringLiteral("Zaci"), QStringLiteral("Prehled ")}) {
        if (!hasTable(table)) {
            fail(
                Action::Open, path,
                Texts::tr("není to školní databáze, chybí v ní tabulka %1").arg(quotedName(table)));
        }
    }
    // Preparing the statements checks every field the two programs use.
    const auto check = [&](const char *statement) {
        QSqlQuery query(db);
        if (!query.prepare(QString::fromUtf8(statement))) {
            const DatabaseFailure failure = describeFailure(query.lastError(), path);
            fail(Action::Open, path, Texts::tr("není to školní databáze, %1").arg(failure.cause),
                 failure.detail);
        }
    };
    const schoolsql::Statements &pupilSql = schoolsql::statementsFor(location_.engine);
    check(pupilSql.selectPupils);
    check(pupilSql.insertRun);
    check(pupilSql.selectTotals);
    const QString olderServer =
        Texts::tr("databáze na serveru je starší verze: správce serveru ji "
                  "doplní tím, že na ni znovu spustí schema-postgresql.sql");
    if (pupilSql.serverChecks != nullptr) {
        // The pupils' checked append: without it no pupil can store a run.
        QSqlQuery door(db);
        if (!door.exec(QString::fromUtf8(pupilSql.serverChecks))) {
            fail(Action::Open, path, olderServer);
        }
    }
    check(sql.selectPupils);

    if (!hasTable(QStringLiteral("Zpravy"))) {
        upgrading();
        // The statements of the shipped schema that make the reports table, and no others.
        for (const QString &statement : splitSqlStatements(QString::fromUtf8(schoolSchemaSql))) {
            if (statement.contains(QStringLiteral("\"Zpravy\""))) {
                QSqlQuery create(db);
                if (!create.exec(statement)) {
                    failWith(Action::Open, path, create.lastError());
                }
            }
        }
        addedReportsTable_ = true;
    } else {
        QSqlQuery present(db);
        if (!present.exec(QString::fromUtf8(sql.reportColumnsPresent))) {
            failWith(Action::Open, path, present.lastError());
        }
        if (!present.next() || present.value(0).toInt() != 3) {
            if (*sql.addReportColumns == nullptr) {
                fail(Action::Open, path, olderServer);
            }
            upgrading();
            for (const char *const *add = sql.addReportColumns; *add != nullptr; ++add) {
                QSqlQuery alter(db);
                if (!alter.exec(QString::fromUtf8(*add))) {
                    failWith(Action::Open, path, alter.lastError());
                }
            }
            addedReportFields_ = true;
        }
    }
    check(sql.insertReport);

    // Every answer of a school run, under the key of its run. Until a file made before them
    // gets both here, the pupils' machines store their runs there without answers.
    {
        QSqlQuery key(db);
        if (!key.exec(QString::fromUtf8(sql.runKeyPresent))) {
            failWith(Action::Open, path, key.lastError());
        }
        const bool hasKey = key.next() && key.value(0).toInt() == 1;
        key.finish();
        const bool hasAnswers = hasTable(QStringLiteral("Odpovedi"));
        if (!hasKey || !hasAnswers) {
            if (sql.addRunKey == nullptr) {
                fail(Action::Open, path, olderServer);
            }
            upgrading();
            if (!hasKey) {
                QSqlQuery alter(db);
                if (!alter.exec(QString::fromUtf8(sql.addRunKey))) {
                    failWith(Action::Open, path, alter.lastError());
                }
            }
            // The shipped schema's table and its indexes ("Zpravy" has a field of that name).
            for (const QString &statement :
                 splitSqlStatements(QString::fromUtf8(schoolSchemaSql))) {
                if (statement.startsWith(
                        QStringLiteral("CREATE TABLE IF NOT EXISTS \"Odpovedi\"")) ||
                    (statement.contains(QStringLiteral(" ON \"Odpovedi\" ")) &&
                     !statement.startsWith(QStringLiteral("CREATE TRIGGER")))) {
                    QSqlQuery create(db);
                    if (!create.exec(statement)) {
                        failWith(Action::Open, path, create.lastError());
                    }
                }
            }
        }
    }
    // A server's counts since the folding: only its administrator's script makes them.
    if (location_.isServer() && !hasTable(QStringLiteral("SouhrnOdpovediTridNove"))) {
        fail(Action::Open, path, olderServer);
    }
    // The answers counted per class and per pupil, kept by triggers: added to an older file
    // with its answers counted once, in this transaction.
    if (!hasTable(QStringLiteral("SouhrnOdpovediTrid"))) {
        if (location_.isServer()) {
            fail(Action::Open, path, olderServer);
        }
        upgrading();
        for (const QString &statement : splitSqlStatements(QString::fromUtf8(schoolSchemaSql))) {
            if (statement.contains(QStringLiteral("\"SouhrnOdpovedi"))) {
                QSqlQuery create(db);
                if (!create.exec(statement)) {
                    failWith(Action::Open, path, create.lastError());
                }
            }
        }
    }
    check(schoolsql::insertKeyedRun);
    check(schoolsql::insertAnswer);
    if (transaction) {
        transaction->commit(Action::Open, path);
    }
}

std::unique_ptr<TeacherDatabase> TeacherDatabase::open(const DatabaseLocation &location)
{
    std::unique_ptr<TeacherDatabase> database(new TeacherDatabase(location));
    database->connect();
    database->checkAndUpgrade();
    return database;
}

std::unique_ptr<TeacherDatabase> TeacherDatabase::create(const DatabaseLocation &location,
                                                         bool replaceExisting)
{
    const DatabaseLocation &path = location;
    if (location.isServer()) {
        // A server's tables and roles come from the administrator's schema-postgresql.sql.
        fail(Action::Create, path, Texts::tr("na serveru databázi zakládá správce serveru"));
    }
    const QFileInfo target(location.path);
    if (path.isEmpty()) {
        fail(Action::Create, path, Texts::tr("cesta k souboru je prázdná"));
    }
    if (target.isDir()) {
        fail(Action::Create, path, Texts::tr("je to složka, ne soubor"));
    }
    if (target.exists() && !replaceExisting) {
        fail(Action::Create, path, Texts::tr("soubor už existuje"));
    }
    if (!target.absoluteDir().exists()) {
        fail(Action::Create, path, Texts::tr("složka neexistuje"));
    }

    // Built beside the target under a name of its own and moved into place when complete.
    QString scratchPath;
    {
        QTemporaryFile scratch(target.absoluteDir().filePath(QStringLiteral(".tesilka-XXXXXX")));
        scratch.setAutoRemove(false);
        if (!scratch.open()) {
            fail(Action::Create, path, Texts::tr("do složky nelze zapisovat"));
        }
        scratchPath = scratch.fileName();
    }
    const auto discardScratch = [&] { QFile::remove(scratchPath); };
    try {
        const TeacherDatabase scratchDatabase(DatabaseLocation::sqliteFile(scratchPath));
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), scratchDatabase.connectionName_);
        db.setDatabaseName(scratchPath);
        if (!db.open()) {
            failWith(Action::Create, path, db.lastError());
        }
        for (const QString &statement : splitSqlStatements(QString::fromUtf8(schoolSchemaSql))) {
            QSqlQuery query(db);
            if (!query.exec(statement)) {
                failWith(Action::Create, path, query.lastError());
            }
        }
    } catch (...) {
        discardScratch();
        throw;
    }
    // Every pupil's machine writes to the shared file.
    QFile::setPermissions(scratchPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                           QFile::WriteGroup | QFile::ReadOther |
                                           QFile::WriteOther);
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(scratchPath.toStdU16String()),
                            std::filesystem::path(target.absoluteFilePath().toStdU16String()),
                            error);
    if (error) {
        discardScratch();
        fail(Action::Create, path, Texts::tr("soubor nelze zapsat na místo určení"));
    }
    return open(location);
}

ReportStoreResult TeacherDatabase::storeReports(const QList<ReportRow> &reports,
                                                const QDateTime &storedAt,
                                                const WriteProgress &progress) const
{
    constexpr Action action = Action::StoreReports;
    const DatabaseLocation &path = location_;
    const QSqlDatabase db = connection();
    ReportStoreResult result;
    WriteTransaction transaction(db, teachersql::statementsFor(location_.engine), action, path,
                                 readOnly_);
    {
        const auto &sql = teachersql::statementsFor(location_.engine);
        QSqlQuery insert = prepared(db, sql.insertReport, action, path);
        QSqlQuery link = prepared(db, sql.linkReport, action, path);
        QSqlQuery owner = prepared(db, sql.selectAssignment, action, path);
        const QString stored = storedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        qsizetype done = 0;
        for (const ReportRow &report : reports) {
            if (stopped(progress, done++, reports.size())) {
                return cancelledWrite<decltype(result)>(); // rolled back
            }
            insert.bindValue(0, report.student);
            insert.bindValue(1, report.className);
            insert.bindValue(2, textOrNull(minuteText(report.from)));
            insert.bindValue(3, textOrNull(minuteText(report.to)));
            insert.bindValue(4, report.answers);
            insert.bindValue(5, report.correct);
            insert.bindValue(6, report.wrong);
            insert.bindValue(7, report.text);
            insert.bindValue(8, report.canonicalBlock);
            insert.bindValue(9, report.originalText);
            insert.bindValue(10, stored);
            insert.bindValue(11, emptyAsNull(report.pupilSurname));
            insert.bindValue(12, emptyAsNull(report.pupilClass));
            insert.bindValue(13, 0);
            execute(insert, action, path);
            if (insert.numRowsAffected() > 0) {
                ++result.added;
                ++(report.pupilSurname.isEmpty() ? result.unassigned : result.linked);
                continue;
            }
            ++result.alreadyStored;
            // Stored before: it may have had nobody then, and the list has the pupil now.
            bool linkedNow = false;
            if (!report.pupilClass.isEmpty()) {
                link.bindValue(0, emptyAsNull(report.pupilSurname));
                link.bindValue(1, report.pupilClass);
                link.bindValue(2, report.canonicalBlock);
                execute(link, action, path);
                linkedNow = !report.pupilSurname.isEmpty() && link.numRowsAffected() > 0;
            }
            owner.bindValue(0, report.canonicalBlock);
            execute(owner, action, path);
            const bool hasPupil = owner.next() && !owner.value(0).toString().isEmpty();
            owner.finish();
            if (linkedNow) {
                ++result.linked;
            } else if (!hasPupil) {
                ++result.unassigned;
            }
        }
    }
    transaction.commit(action, path);
    return result;
}

QHash<QString, ReportAssignment> TeacherDatabase::reportAssignments(const QStringList &blocks) const
{
    constexpr Action action = Action::ReadReports;
    QSqlQuery select =
        prepared(connection(), teachersql::statementsFor(location_.engine).selectAssignment, action,
                 location_);
    QHash<QString, ReportAssignment> found;
    for (const QString &block : blocks) {
        select.bindValue(0, block);
        execute(select, action, location_);
        if (select.next()) {
            found.insert(block, {select.value(0).toString(), select.value(1).toString(),
                                 select.value(2).toInt() == 1});
        }
        select.finish();
    }
    return found;
}

QList<UnassignedReport> TeacherDatabase::unassignedReports() const
{
    constexpr Action action = Action::ReadReports;
    QSqlQuery select =
        prepared(connection(), teachersql::statementsFor(location_.engine).selectUnassigned, action,
                 location_);
    execute(select, action, location_);
    const auto minute = [](const QVariant &value) {
        return QDateTime::fromString(value.toString(), QStringLiteral("yyyy-MM-dd HH:mm"));
    };
    QList<UnassignedReport> list;
    while (select.next()) {
        ReportRow row{.student = select.value(0).toString(),
                      .className = select.value(1).toString(),
                      .from = minute(select.value(2)),
                      .to = minute(select.value(3)),
                      .answers = select.value(4).toInt(),
                      .correct = select.value(5).toInt(),
                      .wrong = select.value(6).toInt(),
                      .text = select.value(7).toString(),
                      .canonicalBlock = select.value(8).toString(),
                      .originalText = select.value(9).toString(),
                      .pupilSurname = {},
                      .pupilClass = select.value(11).toString()};
        list.append({std::move(row), select.value(10).toInt() == 1});
    }
    if (select.lastError().isValid()) {
        failWith(action, location_, select.lastError());
    }
    return list;
}

int TeacherDatabase::linkReports(const QList<ReportLink> &links) const
{
    // The matching done on opening is the program's, not the teacher's: a file that cannot be
    // written is left as it is, with no warning that nobody asked for.
    if (readOnly_) {
        return 0;
    }
    constexpr Action action = Action::ChangeReports;
    const QSqlDatabase db = connection();
    const auto &sql = teachersql::statementsFor(location_.engine);
    WriteTransaction transaction(db, sql, action, location_, readOnly_);
    int linked = 0;
    {
        QSqlQuery link = prepared(db, sql.linkReport, action, location_);
        for (const ReportLink &each : links) {
            link.bindValue(0, emptyAsNull(each.surname));
            link.bindValue(1, emptyAsNull(each.className));
            link.bindValue(2, each.block);
            execute(link, action, location_);
            if (!each.surname.isEmpty() && link.numRowsAffected() > 0) {
                ++linked;
            }
        }
    }
    transaction.commit(action, location_);
    return linked;
}

int TeacherDatabase::assignReports(const QStringList &blocks, const QString &surname,
                                   const QString &className) const
{
    constexpr Action action = Action::ChangeReports;
    const QSqlDatabase db = connection();
    const auto &sql = teachersql::statementsFor(location_.engine);
    const QList<PupilRecord> list = surname.isEmpty() ? QList<PupilRecord>() : pupils();
    if (!surname.isEmpty() && std::none_of(list.cbegin(), list.cend(), [&](const auto &pupil) {
            return pupil.surname == surname && pupil.className == className;
        })) {
        fail(action, location_,
             Texts::tr("žák %1 ze třídy %2 v seznamu žáků není")
                 .arg(quotedName(surname), quotedName(className)));
    }
    WriteTransaction transaction(db, sql, action, location_, readOnly_);
    int changed = 0;
    {
        QSqlQuery assign = prepared(db, sql.assignReport, action, location_);
        for (const QString &block : blocks) {
            assign.bindValue(0, emptyAsNull(surname));
            assign.bindValue(1, surname.isEmpty() ? emptyAsNull({}) : emptyAsNull(className));
            assign.bindValue(2, block);
            execute(assign, action, location_);
            changed += assign.numRowsAffected() > 0 ? 1 : 0;
        }
    }
    transaction.commit(action, location_);
    return changed;
}

int TeacherDatabase::deleteReports(const QStringList &blocks) const
{
    constexpr Action action = Action::ChangeReports;
    const QSqlDatabase db = connection();
    const auto &sql = teachersql::statementsFor(location_.engine);
    WriteTransaction transaction(db, sql, action, location_, readOnly_);
    int deleted = 0;
    {
        QSqlQuery remove = prepared(db, sql.deleteReport, action, location_);
        for (const QString &block : blocks) {
            remove.bindValue(0, block);
            execute(remove, action, location_);
            deleted += remove.numRowsAffected() > 0 ? 1 : 0;
        }
    }
    transaction.commit(action, location_);
    return deleted;
}

void TeacherDatabase::deleteRuns(const QList<SchoolRun> &runs,
                                 const QStringList &reportBlocks) const
{
    constexpr Action action = Action::DeleteRuns;
    const QSqlDatabase db = connection();
    const auto &sql = teachersql::statementsFor(location_.engine);
    WriteTransaction transaction(db, sql, action, location_, readOnly_);
    {
        QSqlQuery remove = prepared(db, sql.deleteRun, action, location_);
        QSqlQuery removeAnswers = prepared(db, sql.deleteRunAnswers, action, location_);
        for (const SchoolRun &run : runs) {
            // Its answers first, found through the run's row while it is still there.
            removeAnswers.bindValue(0, run.key);
            removeAnswers.bindValue(1, run.surname);
            removeAnswers.bindValue(2, run.className);
            removeAnswers.bindValue(3, run.end);
            execute(removeAnswers, action, location_);
            remove.bindValue(0, run.key);
            remove.bindValue(1, run.surname);
            remove.bindValue(2, run.className);
            remove.bindValue(3, run.end);
            execute(remove, action, location_);
            if (remove.numRowsAffected() != 1) {
                fail(action, location_,
                     Texts::tr(
                         "běh žáka %1 už v databázi není tak, jak byl zobrazen; tabulku načtěte "
                         "znovu")
                         .arg(quotedName(run.surname)));
            }
        }
        QSqlQuery removeReport = prepared(db, sql.deleteReport, action, location_);
        for (const QString &block : reportBlocks) {
            removeReport.bindValue(0, block);
            execute(removeReport, action, location_);
            if (removeReport.numRowsAffected() != 1) {
                fail(action, location_,
                     Texts::tr("zpráva už v databázi není; tabulku načtěte znovu"));
            }
        }
    }
    transaction.commit(action, location_);
}

int TeacherDatabase::storedReportCount() const
{
    QSqlQuery query =
        prepared(connection(), teachersql::statementsFor(location_.engine).countReports,
                 Action::ReadReports, location_);
    execute(query, Action::ReadReports, location_);
    return query.next() ? query.value(0).toInt() : 0;
}

QList<PupilRecord> TeacherDatabase::pupils() const
{
    constexpr Action action = Action::ReadPupils;
    QSqlQuery query = prepared(
        connection(), teachersql::statementsFor(location_.engine).selectPupils, action, location_);
    execute(query, action, location_);
    QList<PupilRecord> list;
    while (query.next()) {
        list.append(
            {query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString()});
    }
    if (query.lastError().isValid()) {
        failWith(action, location_, query.lastError());
    }
    // A class list is small enough to be put in Czech order here.
    sortInCzechOrder(list, &PupilRecord::surname, &PupilRecord::className);
    return list;
}

qint64 TeacherDatabase::addPupil(const QString &surname, const QString &className) const
{
    constexpr Action action = Action::ChangePupils;
    const DatabaseLocation &path = location_;
    if (surname.trimmed().isEmpty()) {
        fail(action, path, Texts::tr("příjmení chybí"));
    }
    if (className.trimmed().isEmpty()) {
        fail(action, path, Texts::tr("třída chybí"));
    }
    for (const PupilRecord &pupil : pupils()) {
        if (pupil.surname == surname && pupil.className == className) {
            fail(action, path, alreadyThere(surname, className));
        }
    }
    const QSqlDatabase db = connection();
    WriteTransaction transaction(db, teachersql::statementsFor(location_.engine), action, path,
                                 readOnly_);
    qint64 key = 0;
    {
        QSqlQuery insert =
            prepared(db, teachersql::statementsFor(location_.engine).insertPupil, action, path);
        insert.addBindValue(surname);
        insert.addBindValue(className);
        execute(insert, action, path);
        key = insert.next() ? insert.value(0).toLongLong() : insert.lastInsertId().toLongLong();
    }
    transaction.commit(action, path);
    return key;
}

void TeacherDatabase::updatePupil(const PupilRecord &pupil) const
{
    constexpr Action action = Action::ChangePupils;
    const DatabaseLocation &path = location_;
    if (pupil.surname.trimmed().isEmpty()) {
        fail(action, path, Texts::tr("příjmení chybí"));
    }
    if (pupil.className.trimmed().isEmpty()) {
        fail(action, path, Texts::tr("třída chybí"));
    }
    std::optional<PupilRecord> old;
    for (const PupilRecord &other : pupils()) {
        if (other.key != pupil.key && other.surname == pupil.surname &&
            other.className == pupil.className) {
            fail(action, path, alreadyThere(pupil.surname, pupil.className));
        }
        if (other.key == pupil.key) {
            old = other;
        }
    }
    const QSqlDatabase db = connection();
    const auto &sql = teachersql::statementsFor(location_.engine);
    WriteTransaction transaction(db, sql, action, path, readOnly_);
    {
        QSqlQuery update = prepared(db, sql.updatePupil, action, path);
        update.addBindValue(pupil.surname);
        update.addBindValue(pupil.className);
        update.addBindValue(pupil.key);
        execute(update, action, path);
        if (update.numRowsAffected() != 1 || !old) {
            fail(action, path, Texts::tr("žák už v databázi není, zřejmě ho mezitím někdo smazal"));
        }
        // The same pupil under the new name: the runs, answers and reports of the old one go
        // along.
        for (const char *statement :
             {sql.renamePupilRuns, sql.renamePupilAnswers, sql.renamePupilReports}) {
            QSqlQuery rename = prepared(db, statement, action, path);
            rename.addBindValue(pupil.surname);
            rename.addBindValue(pupil.className);
            rename.addBindValue(old->surname);
            rename.addBindValue(old->className);
            execute(rename, action, path);
        }
    }
    transaction.commit(action, path);
}

void TeacherDatabase::deletePupil(qint64 key) const
{
    constexpr Action action = Action::ChangePupils;
    const DatabaseLocation &path = location_;
    const QSqlDatabase db = connection();
    std::optional<PupilRecord> old;
    for (const PupilRecord &pupil : pupils()) {
        if (pupil.key == key) {
            old = pupil;
        }
    }
    const auto &sql = teachersql::statementsFor(location_.engine);
    WriteTransaction transaction(db, sql, action, path, readOnly_);
    {
        QSqlQuery remove = prepared(db, sql.deletePupil, action, path);
        remove.addBindValue(key);
        execute(remove, action, path);
        // Its school runs stay: they happened. Its reports wait for a pupil again.
        if (old) {
            QSqlQuery release = prepared(db, sql.releasePupilReports, action, path);
            release.addBindValue(old->surname);
            release.addBindValue(old->className);
            execute(release, action, path);
        }
    }
    transaction.commit(action, path);
}

QList<LineIssue> TeacherDatabase::pupilsAlreadyStored(const QList<NewPupil> &rows) const
{
    QSet<PupilKey> stored;
    for (const PupilRecord &pupil : pupils()) {
        stored.insert({pupil.surname, pupil.className});
    }
    QList<LineIssue> issues;
    for (const NewPupil &row : rows) {
        if (stored.contains({row.surname, row.className})) {
            issues.append({row.line, alreadyThere(row.surname, row.className)});
        }
    }
    return issues;
}

PupilImportResult TeacherDatabase::importPupils(const QList<NewPupil> &rows,
                                                const WriteProgress &progress) const
{
    constexpr Action action = Action::ImportPupils;
    const DatabaseLocation &path = location_;
    // "Zaci" takes no pupil without a class: refused whole, before anything is written.
    for (const NewPupil &row : rows) {
        if (row.className.trimmed().isEmpty()) {
            fail(action, path, Texts::tr("na řádku %1 chybí třída").arg(row.line));
        }
    }
    const QSqlDatabase db = connection();
    PupilImportResult result;
    // Read under the write lock, so that the duplicates found are the ones really there.
    WriteTransaction transaction(db, teachersql::statementsFor(location_.engine), action, path,
                                 readOnly_);
    {
        QSet<PupilKey> stored;
        QSqlQuery select =
            prepared(db, teachersql::statementsFor(location_.engine).selectPupils, action, path);
        execute(select, action, path);
        while (select.next()) {
            stored.insert({select.value(1).toString(), select.value(2).toString()});
        }
        QSqlQuery insert =
            prepared(db, teachersql::statementsFor(location_.engine).insertPupil, action, path);
        qsizetype done = 0;
        for (const NewPupil &row : rows) {
            if (stopped(progress, done++, rows.size())) {
                return cancelledWrite<decltype(result)>(); // rolled back
            }
            if (row.surname.trimmed().isEmpty()) {
                fail(action, path, Texts::tr("na řádku %1 chybí příjmení").arg(row.line));
            }
            if (stored.contains({row.surname, row.className})) {
                result.skipped.append({row.line, alreadyThere(row.surname, row.className)});
                continue;
            }
            insert.bindValue(0, row.surname);
            insert.bindValue(1, row.className);
            execute(insert, action, path);
            stored.insert({row.surname, row.className});
            ++result.added;
        }
    }
    transaction.commit(action, path);
    return result;
}
