// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/databaseconnection.h"

#include "database/postgresqlerror.h"
#include "database/sqliteerror.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QTimeZone>
#include <QVariant>

#include <sqlite3.h>

#include <chrono>
#include <cstdint>
#include <thread>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(SchoolDatabase)
};

// SQLite's own busy handler sleeps longer the longer it waits (up to 100 ms a time), so with
// thirty writers the last one idles for seconds after the file is free. These short sleeps
// keep every waiting process close behind the one writing. The limit travels in the pointer.
thread_local std::chrono::steady_clock::time_point busySince;

int waitBriefly(void *limitMilliseconds, int attempt)
{
    const auto now = std::chrono::steady_clock::now();
    if (attempt == 0) {
        busySince = now;
    }
    const auto limit =
        std::chrono::milliseconds(reinterpret_cast<std::intptr_t>(limitMilliseconds));
    if (now - busySince >= limit) {
        return 0; // give up: SQLITE_BUSY reaches the caller
    }
    // 1 to 3 ms, varied by attempt so that the waiting processes do not wake in lockstep.
    std::this_thread::sleep_for(std::chrono::microseconds(1000 + (attempt * 937) % 2000));
    return 1;
}

bool openSqlite(QSqlDatabase &db, const DatabaseLocation &location,
                std::chrono::milliseconds busyTimeout, DatabaseFailure &failure)
{
    db.setDatabaseName(sqliteDatabaseUri(location.path));
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout.count()));
    if (!db.open()) {
        failure = describeFailure(db.lastError(), location);
        return false;
    }
    const QVariant handle = db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        if (auto *sqlite = *static_cast<sqlite3 *const *>(handle.data()); sqlite != nullptr) {
            // A number in the pointer, never followed.
            sqlite3_busy_handler(sqlite, &waitBriefly,
                                 reinterpret_cast<void *>( // NOLINT(performance-no-int-to-ptr)
                                     static_cast<std::intptr_t>(busyTimeout.count())));
        }
    }
    return true;
}

bool openPostgresql(QSqlDatabase &db, const DatabaseLocation &location, DatabaseFailure &failure)
{
    QString invalid;
    const QString options = postgresqlConnectOptions(location.path, invalid);
    if (options.isEmpty()) {
        failure = {Texts::tr("adresa serveru není platná"),
                   Texts::tr("(PostgreSQL: %1)").arg(invalid)};
        return false;
    }
    db.setConnectOptions(options);
    if (!db.open()) {
        failure = describeFailure(db.lastError(), location);
        return false;
    }
    return true;
}

} // namespace

bool openDatabaseConnection(const QString &name, const DatabaseLocation &location,
                            std::chrono::milliseconds busyTimeout, DatabaseFailure &failure)
{
    if (location.path.trimmed().isEmpty()) {
        failure = {location.isServer() ? Texts::tr("adresa serveru je prázdná")
                                       : Texts::tr("cesta k souboru je prázdná"),
                   {}};
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(
        location.isServer() ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), name);
    if (!db.isValid()) {
        failure = {location.isServer()
                       ? Texts::tr("chybí ovladač PostgreSQL pro Qt (balíček libqt6sql6-psql)")
                       : Texts::tr("chybí ovladač SQLite"),
                   {}};
        return false;
    }
    return location.isServer() ? openPostgresql(db, location, failure)
                               : openSqlite(db, location, busyTimeout, failure);
}

DatabaseFailure describeFailure(const QSqlError &error, const DatabaseLocation &location)
{
    QString detail = error.databaseText().trimmed();
    if (location.isServer()) {
        // The server's first line says it; the rest points into the statement.
        detail = detail.section(u'\n', 0, 0).trimmed();
        return {postgresqlCause(error, location.path),
                detail.isEmpty() ? QString() : Texts::tr("(PostgreSQL: %1)").arg(detail)};
    }
    return {sqliteCause(error, location.path),
            detail.isEmpty() ? QString() : Texts::tr("(SQLite: %1)").arg(detail)};
}

// Given with the connection, they cost no round trip and override whatever ALTER ROLE … SET
// put on the login.
QString pupilSessionSettings()
{
    QStringList settings{
        QStringLiteral("default_transaction_read_only=off"),
        QStringLiteral("default_transaction_isolation=read\\ committed"),
        QStringLiteral("statement_timeout=15s"),
        QStringLiteral("lock_timeout=10s"),
        QStringLiteral("idle_in_transaction_session_timeout=60s"),
        QStringLiteral("idle_session_timeout=0"),
        QStringLiteral("search_path=public"),
        QStringLiteral("client_encoding=UTF8"),
    };
    // The run's date and time are the machine's: the server compares them in its zone.
    const QByteArray zone = QTimeZone::systemTimeZoneId();
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_+/-]+$"));
    if (plain.match(QString::fromLatin1(zone)).hasMatch()) {
        settings << QStringLiteral("TimeZone=") + QString::fromLatin1(zone);
    }
    QString options;
    for (const QString &setting : settings) {
        options += QStringLiteral(" -c ") + setting;
    }
    return options.trimmed();
}
