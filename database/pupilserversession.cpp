// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/pupilserversession.h"

#include "database/postgresqlerror.h"

#include <libpq-fe.h>

namespace {

using Reply = std::unique_ptr<PGresult, decltype(&PQclear)>;

QSqlError errorOf(const PGresult *reply, const PGconn *connection)
{
    const char *state = reply != nullptr ? PQresultErrorField(reply, PG_DIAG_SQLSTATE) : nullptr;
    const char *text = reply != nullptr ? PQresultErrorMessage(reply) : PQerrorMessage(connection);
    const bool broken = PQstatus(connection) != CONNECTION_OK;
    return {QStringLiteral("libpq"), QString::fromUtf8(text).trimmed(),
            broken && state == nullptr ? QSqlError::ConnectionError : QSqlError::StatementError,
            state != nullptr ? QString::fromLatin1(state) : QString()};
}

PupilServerSession::Result resultOf(const PGresult *reply, const PGconn *connection)
{
    PupilServerSession::Result result;
    const ExecStatusType status = reply != nullptr ? PQresultStatus(reply) : PGRES_FATAL_ERROR;
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
        result.error = errorOf(reply, connection);
        if (!result.error.isValid()) {
            result.error =
                QSqlError(QStringLiteral("libpq"), QStringLiteral("?"), QSqlError::StatementError);
        }
        return result;
    }
    const int rows = PQntuples(reply);
    const int columns = PQnfields(reply);
    result.rows.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        QStringList fields;
        fields.reserve(columns);
        for (int column = 0; column < columns; ++column) {
            fields << (PQgetisnull(reply, row, column) != 0
                           ? QString()
                           : QString::fromUtf8(PQgetvalue(reply, row, column)));
        }
        result.rows.append(fields);
    }
    return result;
}

} // namespace

void PupilServerSession::Finish::operator()(pg_conn *connection) const
{
    PQfinish(connection);
}

PupilServerSession::~PupilServerSession() = default;

bool PupilServerSession::isOpen() const
{
    return connection_ != nullptr && PQstatus(connection_.get()) == CONNECTION_OK;
}

bool PupilServerSession::open(const DatabaseLocation &location, DatabaseFailure &failure)
{
    // The session may wait idle from sign-in to the summary: a server or a network that went
    // away meanwhile is noticed within seconds, not after the system's two hours.
    const PostgresqlParameters parameters =
        postgresqlParameters(location.path, pupilSessionSettings(),
                             {{"keepalives_idle", "60"},
                              {"keepalives_interval", "10"},
                              {"keepalives_count", "3"},
                              {"tcp_user_timeout", "10000"}});
    connection_.reset(PQconnectdbParams(parameters.keywords.data(), parameters.values.data(), 0));
    if (connection_ == nullptr || PQstatus(connection_.get()) != CONNECTION_OK) {
        failure = describeFailure(
            QSqlError(QStringLiteral("libpq"),
                      QString::fromUtf8(PQerrorMessage(connection_.get())).trimmed(),
                      QSqlError::ConnectionError),
            location);
        return false;
    }
    return true;
}

PupilServerSession::Result PupilServerSession::run(const char *sql,
                                                   const QList<QByteArray> &parameters) const
{
    std::vector<const char *> values;
    values.reserve(static_cast<std::size_t>(parameters.size()));
    for (const QByteArray &value : parameters) {
        values.push_back(value.isNull() ? nullptr : value.constData());
    }
    const Reply reply(PQexecParams(connection_.get(), sql, static_cast<int>(values.size()), nullptr,
                                   values.data(), nullptr, nullptr, 0),
                      &PQclear);
    return resultOf(reply.get(), connection_.get());
}

QList<PupilServerSession::Result> PupilServerSession::runAll(const char *sql) const
{
    QList<Result> results;
    if (PQsendQuery(connection_.get(), sql) == 0) {
        results.append({{}, errorOf(nullptr, connection_.get())});
        return results;
    }
    while (PGresult *next = PQgetResult(connection_.get())) {
        const Reply reply(next, &PQclear);
        results.append(resultOf(reply.get(), connection_.get()));
    }
    return results;
}
