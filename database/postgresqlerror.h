// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

class QSqlError;

// A connection's keywords and values as libpq's own calls take them (both lists end with a
// null), with a connection timeout and the `defaults` unless the address gives them, and
// `serverOptions` after any options the address gives.
struct PostgresqlParameters
{
    std::vector<QByteArray> storage;
    std::vector<const char *> keywords;
    std::vector<const char *> values;
};
PostgresqlParameters
postgresqlParameters(const QString &connection, const QString &serverOptions = {},
                     const std::vector<std::pair<QByteArray, QByteArray>> &defaults = {});

// What went wrong with a PostgreSQL server, as a Czech phrase that completes a sentence.
// A failed connection is told apart by asking the server itself (not by reading its message,
// which may come in any language): not answering, refusing connections, or refusing this login.
QString postgresqlCause(const QSqlError &error, const QString &connection);

// libpq's URI or connection string as the options of Qt's driver ("host='…';dbname='…'"),
// with a connection timeout unless one is given. Empty with `error` set when libpq rejects it.
QString postgresqlConnectOptions(const QString &connection, QString &error);
