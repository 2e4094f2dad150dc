#pragma once

#include <QString>

// Where the teacher's program finds the school database. Today an SQLite file; a database
// server is a further engine with its own fields, reached through the same value.
struct DatabaseLocation
{
    enum class Engine
    {
        Sqlite
    };
    Engine engine = Engine::Sqlite;
    QString path; // Sqlite: the database file

    [[nodiscard]] static DatabaseLocation sqliteFile(const QString &path)
    {
        return {Engine::Sqlite, path};
    }
    [[nodiscard]] bool isEmpty() const { return path.isEmpty(); }
    // As remembered in the settings, and read back.
    [[nodiscard]] QString settingsValue() const { return path; }
    [[nodiscard]] static DatabaseLocation fromSettingsValue(const QString &value)
    {
        return sqliteFile(value);
    }
};
