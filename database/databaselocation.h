// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the school database is: an SQLite file, or a PostgreSQL server named by a libpq
// connection URI ("postgresql://…") or connection string ("service=…", "host=… dbname=…").
// Credentials come from libpq's own files (~/.pgpass, pg_service.conf) or the server's
// authentication; a password written into the text is accepted but never shown.
struct DatabaseLocation
{
    enum class Engine
    {
        Sqlite,
        Postgresql
    };
    Engine engine = Engine::Sqlite;
    QString path; // Sqlite: the database file; Postgresql: the URI or connection string

    [[nodiscard]] static DatabaseLocation sqliteFile(const QString &path)
    {
        return {Engine::Sqlite, path};
    }
    [[nodiscard]] static DatabaseLocation server(const QString &connection)
    {
        return {Engine::Postgresql, connection.trimmed()};
    }
    // A server when the text is a URI or a "keyword=value" connection string, else a file.
    [[nodiscard]] static DatabaseLocation fromText(const QString &text);
    [[nodiscard]] static bool namesServer(const QString &text);

    [[nodiscard]] bool isEmpty() const { return path.isEmpty(); }
    [[nodiscard]] bool isServer() const { return engine == Engine::Postgresql; }
    // For messages and titles: the file, or the server's address without any password.
    [[nodiscard]] QString displayName() const;
    // As remembered in the settings, and read back.
    [[nodiscard]] QString settingsValue() const { return path; }
    [[nodiscard]] static DatabaseLocation fromSettingsValue(const QString &value)
    {
        return fromText(value);
    }
};
