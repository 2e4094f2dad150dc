// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/databaseconnection.h"
#include "database/databaselocation.h"

#include <QByteArray>
#include <QList>
#include <QSqlError>
#include <QStringList>

#include <memory>

struct pg_conn;

// A pupil's connection to a school server, straight through libpq: the pupil's program needs
// two statements, and Qt's driver would add five round trips of its own at every connection
// (version, escapes, encoding, date style, bytea) and two more for each prepared statement.
// Here a run is one connection and one round trip.
class PupilServerSession
{
public:
    // The rows of one statement, as texts (a null field is a null QString), or its error.
    struct Result
    {
        QList<QStringList> rows;
        QSqlError error;
        [[nodiscard]] bool ok() const { return !error.isValid(); }
    };

    PupilServerSession() = default;
    PupilServerSession(const PupilServerSession &) = delete;
    PupilServerSession &operator=(const PupilServerSession &) = delete;
    ~PupilServerSession();

    // Connects with the pupil's session settings; false with `failure` set.
    bool open(const DatabaseLocation &location, DatabaseFailure &failure);
    // Connected, as far as the client knows.
    [[nodiscard]] bool isOpen() const;
    // One statement with text parameters ($1, $2, …; an empty list for none).
    [[nodiscard]] Result run(const char *sql, const QList<QByteArray> &parameters) const;
    // Statements without parameters, sent together in one round trip; a result for each
    // statement that ran, the first failed one last.
    [[nodiscard]] QList<Result> runAll(const char *sql) const;

private:
    struct Finish
    {
        void operator()(pg_conn *connection) const;
    };
    std::unique_ptr<pg_conn, Finish> connection_;
};
