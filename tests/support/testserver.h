// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/databaselocation.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <atomic>

// The throwaway PostgreSQL server that ctest starts for a test run (support/testserver.sh):
// one database per test, made with the shipped schema, and logins of each role.
namespace testserver {

// Line `line` of the state file that testserver.sh wrote.
inline QString stateLine(int line)
{
    QFile state(QStringLiteral(TESILKA_TEST_SERVER_STATE));
    if (!state.open(QIODevice::ReadOnly)) {
        return {};
    }
    QString text;
    for (int i = 0; i <= line && !state.atEnd(); ++i) {
        text = QString::fromUtf8(state.readLine()).trimmed();
    }
    return text;
}

inline QString socketDirectory()
{
    return stateLine(0);
}

// The port of the socket and of TLS on 127.0.0.1.
inline QString port()
{
    return stateLine(2);
}

// The folder of the school's certificates: skola-ca.crt, zak_cert.crt and zak_cert.key.
inline QString certificateFolder()
{
    return stateLine(3);
}

// A login of the server: "postgres" (the administrator), "zak" or "ucitel".
inline DatabaseLocation location(const QString &database, const QString &user)
{
    return DatabaseLocation::server(QStringLiteral("postgresql:///%1?host=%2&port=%3&user=%4")
                                        .arg(database, socketDirectory(), port(), user));
}

// Runs SQL (or with `file`, a script) with psql as the administrator; the error text, or empty.
inline QString psql(const QString &database, const QString &sql, bool file = false)
{
    QProcess process;
    process.start(QStringLiteral("psql"),
                  {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                   QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), socketDirectory(),
                   QStringLiteral("-p"), port(), QStringLiteral("-U"), QStringLiteral("postgres"),
                   QStringLiteral("-d"), database,
                   file ? QStringLiteral("-f") : QStringLiteral("-c"), sql});
    if (!process.waitForFinished(60000)) {
        return QStringLiteral("psql did not finish");
    }
    return process.exitCode() == 0 ? QString() : QString::fromUtf8(process.readAllStandardError());
}

// A new database with the school's schema and the logins "zak" and "ucitel"; its name, or
// empty with `error` set.
inline QString createDatabase(QString &error)
{
    static std::atomic<int> number{0};
    if (socketDirectory().isEmpty()) {
        error = QStringLiteral("the test server is not running (ctest starts it)");
        return {};
    }
    const QString name =
        QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(number++);
    error = psql(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE %1").arg(name));
    if (error.isEmpty()) {
        error =
            psql(name, QStringLiteral(TESILKA_DATABASE_SOURCE_DIR "/schema-postgresql.sql"), true);
    }
    if (error.isEmpty()) {
        // Logins are the cluster's, shared by every database of the run.
        error = psql(
            name, QStringLiteral("DO $$ BEGIN "
                                 "IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'zak') THEN "
                                 "CREATE ROLE zak LOGIN IN ROLE tesilka_zak; END IF; "
                                 "IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'ucitel') "
                                 "THEN CREATE ROLE ucitel LOGIN IN ROLE tesilka_ucitel; END IF; "
                                 "END $$"));
    }
    return error.isEmpty() ? name : QString();
}

} // namespace testserver
