// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/databasecopy.h"

#include "database/copyqueries.h"
#include "database/databaseconnection.h"
#include "database/schoolqueries.h"
#include "database/sqliteerror.h"
#include "database/teacherdatabase.h"
#include "database/teacherqueries.h"

#include <QCoreApplication>
#include <QList>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <span>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(TeacherDatabase)
};

struct Names
{
    DatabaseLocation file;
    DatabaseLocation server;
};

[[noreturn]] void fail(const Names &names, const QString &cause, const QString &detail = {})
{
    QString message = Texts::tr("Databázi %1 nelze zkopírovat na server %2: %3. Na serveru se nic "
                                "nezměnilo.")
                          .arg(quotedName(names.file.displayName()),
                               quotedName(names.server.displayName()), cause);
    if (!detail.isEmpty()) {
        message += u' ' + detail;
    }
    throw DatabaseError(message.toStdString());
}

[[noreturn]] void failWith(const Names &names, const DatabaseLocation &where,
                           const QSqlError &error)
{
    const DatabaseFailure failure = describeFailure(error, where);
    fail(names,
         where.isServer() ? Texts::tr("na serveru: %1").arg(failure.cause)
                          : Texts::tr("v souboru: %1").arg(failure.cause),
         failure.detail);
}

using Rows = QList<QVariantList>;

Rows readAll(const QSqlDatabase &db, const char *sql, int columns, const Names &names)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QString::fromUtf8(sql))) {
        failWith(names, names.file, query.lastError());
    }
    Rows rows;
    while (query.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i) {
            row.append(query.value(i));
        }
        rows.append(row);
    }
    if (query.lastError().isValid()) {
        failWith(names, names.file, query.lastError());
    }
    return rows;
}

// SQLite keeps any value in any field; the server's fields have one type each.
QVariant typed(const QVariant &value, bool number)
{
    if (value.isNull()) {
        return number ? QVariant(QMetaType::fromType<qlonglong>())
                      : QVariant(QMetaType::fromType<QString>());
    }
    return number ? value : QVariant(value.toString());
}

// The file, through a connection of its own in one read transaction from the first row read
// to the last answer copied: pupils' machines may append while the copy reads, and a run
// appended meanwhile is copied with all its answers or not at all.
class SourceFile
{
public:
    explicit SourceFile(const Names &names)
        : name_(QStringLiteral("tesilka-copy-%1").arg(nextCopy_++))
    {
        DatabaseFailure failure;
        if (!openDatabaseConnection(name_, names.file, std::chrono::milliseconds(5000), failure)) {
            QSqlDatabase::removeDatabase(name_);
            fail(names, Texts::tr("v souboru: %1").arg(failure.cause), failure.detail);
        }
        QSqlQuery begin(db());
        if (!begin.exec(QStringLiteral("BEGIN"))) {
            const QSqlError error = begin.lastError();
            begin = QSqlQuery();
            close();
            failWith(names, names.file, error);
        }
    }
    SourceFile(const SourceFile &) = delete;
    SourceFile &operator=(const SourceFile &) = delete;
    ~SourceFile() { close(); }

    [[nodiscard]] QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

private:
    void close() const
    {
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.rollback();
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }

    static inline std::atomic<quint64> nextCopy_{0};
    QString name_;
};

bool fileHas(const QSqlDatabase &db, const char *sql)
{
    QSqlQuery query(db);
    return query.exec(QString::fromUtf8(sql)) && query.next();
}

// The file's rows but its answers.
struct Source
{
    Rows pupils;
    Rows runs;
    Rows reports;
    bool answers = false;
};

Source readSource(const QSqlDatabase &db, const Names &names)
{
    Source source;
    source.pupils = readAll(db, copysql::selectPupils, 2, names);
    source.runs = readAll(
        db, fileHas(db, copysql::hasRunKeys) ? copysql::selectRuns : copysql::selectRunsWithoutKeys,
        10, names);
    if (fileHas(db, copysql::hasReports)) {
        const bool withPupils = fileHas(db, copysql::hasAssignments);
        source.reports = readAll(
            db, withPupils ? copysql::selectReports : copysql::selectUnassignedReports, 14, names);
    }
    source.answers = fileHas(db, copysql::hasAnswers);
    return source;
}

// The file's answers onto the server, read one by one and sent many to a statement.
void copyAnswers(const QSqlDatabase &file, const QSqlDatabase &server, const Names &names)
{
    constexpr int batch = 500; // 7500 values: well under the server's 65535 of a statement
    const auto statementFor = [&](int rows) {
        QStringList values(rows, QString::fromUtf8(copysql::answerRow));
        QSqlQuery insert(server);
        if (!insert.prepare(QString::fromUtf8(copysql::insertAnswersHead) +
                            values.join(QStringLiteral(", ")))) {
            failWith(names, names.server, insert.lastError());
        }
        return insert;
    };
    QSqlQuery full = statementFor(batch);
    QSqlQuery read(file);
    read.setForwardOnly(true);
    if (!read.exec(QString::fromUtf8(copysql::selectAnswers))) {
        failWith(names, names.file, read.lastError());
    }
    QVariantList pending;
    pending.reserve(batch * copysql::answerFields);
    const auto send = [&](QSqlQuery &insert) {
        for (qsizetype i = 0; i < pending.size(); ++i) {
            insert.bindValue(
                static_cast<int>(i),
                typed(pending.at(i), copysql::answerNumbers[i % copysql::answerFields]));
        }
        if (!insert.exec()) {
            failWith(names, names.server, insert.lastError());
        }
        pending.clear();
    };
    while (read.next()) {
        for (int i = 0; i < copysql::answerFields; ++i) {
            pending.append(read.value(i));
        }
        if (pending.size() == batch * copysql::answerFields) {
            send(full);
        }
    }
    if (read.lastError().isValid()) {
        failWith(names, names.file, read.lastError());
    }
    if (!pending.isEmpty()) {
        QSqlQuery rest = statementFor(static_cast<int>(pending.size() / copysql::answerFields));
        send(rest);
    }
}

void insertAll(QSqlQuery &insert, const Rows &rows, std::span<const bool> numbers,
               const Names &names, int *added, int *already)
{
    for (const QVariantList &row : rows) {
        for (int i = 0; i < row.size(); ++i) {
            insert.bindValue(i, typed(row.at(i), numbers[static_cast<std::size_t>(i)]));
        }
        if (!insert.exec()) {
            failWith(names, names.server, insert.lastError());
        }
        if (already != nullptr && insert.numRowsAffected() == 0) {
            ++*already;
        } else {
            ++*added;
        }
    }
}

} // namespace

CopyResult copySchoolDatabase(const QString &sqliteFile, const TeacherDatabase &server)
{
    const Names names{DatabaseLocation::sqliteFile(sqliteFile), server.location()};
    if (!server.location().isServer()) {
        fail(names, Texts::tr("cílem musí být databázový server"));
    }
    const SourceFile file(names);
    const Source source = readSource(file.db(), names);

    QSqlDatabase db = server.connection();
    const auto &teacherSql = teachersql::statementsFor(DatabaseLocation::Engine::Postgresql);
    CopyResult result;
    {
        QSqlQuery begin(db);
        if (!begin.exec(QString::fromUtf8(teacherSql.beginWrite))) {
            failWith(names, names.server, begin.lastError());
        }
    }
    try {
        QSqlQuery count(db);
        if (!count.exec(QString::fromUtf8(copysql::targetRows)) || !count.next()) {
            failWith(names, names.server, count.lastError());
        }
        if (count.value(0).toLongLong() > 0) {
            fail(names,
                 Texts::tr("na serveru už jsou žáci nebo výsledky (kopírovat lze jen do prázdné "
                           "školní databáze)"));
        }
        const auto prepare = [&](const char *sql) {
            QSqlQuery query(db);
            if (!query.prepare(QString::fromUtf8(sql))) {
                failWith(names, names.server, query.lastError());
            }
            return query;
        };
        static constexpr bool pupilNumbers[] = {false, false};
        QSqlQuery pupils = prepare(teacherSql.insertPupil);
        insertAll(pupils, source.pupils, pupilNumbers, names, &result.pupils, nullptr);
        QSqlQuery runs = prepare(schoolsql::insertKeyedRun);
        insertAll(runs, source.runs, copysql::runNumbers, names, &result.runs, nullptr);
        QSqlQuery reports = prepare(teacherSql.insertReport);
        insertAll(reports, source.reports, copysql::reportNumbers, names, &result.reports,
                  &result.reportsAlready);
        if (source.answers) {
            copyAnswers(file.db(), db, names);
        }
        if (!db.commit()) {
            failWith(names, names.server, db.lastError());
        }
    } catch (...) {
        db.rollback();
        throw;
    }
    return result;
}
