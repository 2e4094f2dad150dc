// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QSqlError;

// What went wrong with a PostgreSQL server, as a Czech phrase that completes a sentence.
// A failed connection is told apart by asking the server itself (not by reading its message,
// which may come in any language): not answering, refusing connections, or refusing this login.
QString postgresqlCause(const QSqlError &error, const QString &connection);

// libpq's URI or connection string as the options of Qt's driver ("host='…';dbname='…'"),
// with a connection timeout unless one is given, and `serverOptions` ("-c name=value …")
// after any the address gives, so that they win. Empty with `error` set when libpq rejects it.
QString postgresqlConnectOptions(const QString &connection, QString &error,
                                 const QString &serverOptions = {});
