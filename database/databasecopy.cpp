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

QString tr(const char *text)
{
    return QCoreApplication::translate("TeacherDatabase", text);
}

struct Names
{
    DatabaseLocation file;
    DatabaseLocation server;
};

[[noreturn]] void fail(const Names &names, const QString &cause, const QString &detail = {})
{
    QString message = tr("Databázi %1 nelze zkopírovat na server %2: %3. Na serveru se nic "
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
         where.isServer() ? tr("na serveru: %1").arg(failure.cause)
                          : tr("v souboru: %1").arg(failure.cause),
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

// The file's rows, read through a connection of their own that is gone when they are.
struct Source
{
    Rows pupils;
    Rows runs;
    Rows reports;
};

std::atomic<quint64> nextCopy{0};

Source readSource(const Names &names)
{
    const QString name = QStringLiteral("tesilka-copy-%1").arg(nextCopy++);
    Source source;
    {
        DatabaseFailure failure;
        if (!openDatabaseConnection(name, names.file, std::chrono::milliseconds(5000), failure)) {
            QSqlDatabase::removeDatabase(name);
            fail(names, tr("v souboru: %1").arg(failure.cause), failure.detail);
        }
        QSqlDatabase db = QSqlDatabase::database(name, false);
        try {
            // One read transaction: pupils' machines may append while the copy reads.
            QSqlQuery begin(db);
            if (!begin.exec(QStringLiteral("BEGIN"))) {
                failWith(names, names.file, begin.lastError());
            }
            source.pupils = readAll(db, copysql::selectPupils, 2, names);
            source.runs = readAll(db, copysql::selectRuns, 9, names);
            QSqlQuery reports(db);
            if (reports.exec(QString::fromUtf8(copysql::hasReports)) && reports.next()) {
                QSqlQuery assigned(db);
                const bool withPupils =
                    assigned.exec(QString::fromUtf8(copysql::hasAssignments)) && assigned.next();
                source.reports = readAll(
                    db, withPupils ? copysql::selectReports : copysql::selectUnassignedReports, 14,
                    names);
            }
            db.rollback();
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return source;
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
        fail(names, tr("cílem musí být databázový server"));
    }
    const Source source = readSource(names);

    QSqlDatabase db = server.connection();
    const auto &teacherSql = teachersql::statementsFor(DatabaseLocation::Engine::Postgresql);
    const auto &pupilSql = schoolsql::statementsFor(DatabaseLocation::Engine::Postgresql);
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
            fail(names, tr("na serveru už jsou žáci nebo výsledky (kopírovat lze jen do prázdné "
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
        QSqlQuery runs = prepare(pupilSql.insertRun);
        insertAll(runs, source.runs, copysql::runNumbers, names, &result.runs, nullptr);
        QSqlQuery reports = prepare(teacherSql.insertReport);
        insertAll(reports, source.reports, copysql::reportNumbers, names, &result.reports,
                  &result.reportsAlready);
        if (!db.commit()) {
            failWith(names, names.server, db.lastError());
        }
    } catch (...) {
        db.rollback();
        throw;
    }
    return result;
}
