// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/databaselocation.h"

#include <QSqlDatabase>
#include <QString>

#include <chrono>

class QSqlError;

// Why an operation on the school database failed: a Czech phrase that completes a sentence
// ("server neodpovídá"), and the engine's own words for the curious, already labelled.
struct DatabaseFailure
{
    QString cause;
    QString detail; // "(SQLite: …)" or "(PostgreSQL: …)", or empty
};

// Registers a connection under `name` and opens it, for either engine. False when it cannot
// be opened; `failure` then says why and the caller removes the connection. On SQLite a busy
// file is waited for up to `busyTimeout` in short, even steps, so that a classroom finishing
// at once is served in turn instead of by SQLite's growing back-off.
bool openDatabaseConnection(const QString &name, const DatabaseLocation &location,
                            std::chrono::milliseconds busyTimeout, DatabaseFailure &failure);

// What a pupil's session on a server sets at its start, as libpq's "options" ("-c name=value
// …"): read-write transactions, its own timeouts, the search path and the machine's time zone,
// so that defaults a pupil set for the pupils' shared login have no effect.
QString pupilSessionSettings();

// The cause of a failed statement or connection on the location's engine.
DatabaseFailure describeFailure(const QSqlError &error, const DatabaseLocation &location);
