// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/databaselocation.h"

// The teacher's statements, one set per database engine: whatever differs between engines
// (the row key of "Zaci", how a write transaction starts, how a table is looked up) stays
// here, and the data layer reads the set of its connection's engine.
namespace teachersql {

struct Statements
{
    const char *beginWrite;
    const char *tableExists; // one bound value: the table's name
    // The key that keeps a row of "Zaci" apart from a namesake: SQLite's rowid in a file,
    // whose "Zaci" has no key column of its own; the column "Id" on a server.
    const char *selectPupils;
    const char *insertPupil; // may return the new key as its one row
    const char *updatePupil; // surname, class, key
    const char *deletePupil; // key
    // A block that is already stored is left alone and counts as "already there".
    const char *insertReport;
    const char *countReports;
    // True when the login may change every table (a teacher's). Null where the engine has no
    // logins of its own: a file is checked by opening it for writing.
    const char *teacherRights;
};

inline constexpr Statements sqlite{
    .beginWrite = "BEGIN IMMEDIATE",
    .tableExists = R"(SELECT 1 FROM "sqlite_master" WHERE "type" = 'table' AND "name" = ?)",
    .selectPupils = R"(SELECT "Zaci"."rowid", "Zaci"."Prijmeni", "Zaci"."Trida" FROM "Zaci")",
    .insertPupil = R"(INSERT INTO "Zaci" ("Prijmeni", "Trida") VALUES (?, ?))",
    .updatePupil = R"(UPDATE "Zaci" SET "Prijmeni" = ?, "Trida" = ? WHERE "rowid" = ?)",
    .deletePupil = R"(DELETE FROM "Zaci" WHERE "rowid" = ?)",
    .insertReport =
        R"(INSERT INTO "Zpravy" ("Student", "Trida", "Od", "Do", "Odpovedi", "Spravne", )"
        R"("Chybne", "Text", "Blok", "Puvodni", "Vlozeno") )"
        R"(VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT ("Blok") DO NOTHING)",
    .countReports = R"(SELECT COUNT(*) FROM "Zpravy")",
    .teacherRights = nullptr,
};

// A server's "Zaci" has the key column "Id" (schema-postgresql.sql); the pupil's program does
// not read it. Every login sees only the tables it has a right to.
inline constexpr Statements postgresql{
    .beginWrite = "BEGIN",
    .tableExists = R"(SELECT 1 FROM "information_schema"."tables" )"
                   R"(WHERE "table_schema" = current_schema() AND "table_name" = ?)",
    .selectPupils = R"(SELECT "Zaci"."Id", "Zaci"."Prijmeni", "Zaci"."Trida" FROM "Zaci")",
    .insertPupil = R"(INSERT INTO "Zaci" ("Prijmeni", "Trida") VALUES (?, ?) RETURNING "Id")",
    .updatePupil = R"(UPDATE "Zaci" SET "Prijmeni" = ?, "Trida" = ? WHERE "Id" = ?)",
    .deletePupil = R"(DELETE FROM "Zaci" WHERE "Id" = ?)",
    .insertReport = sqlite.insertReport,
    .countReports = sqlite.countReports,
    .teacherRights =
        // One privilege per call: a list would ask for any of them, not all.
    R"(SELECT has_table_privilege('"Zaci"', 'UPDATE') )"
    R"(AND has_table_privilege('"Zaci"', 'DELETE') )"
    R"(AND has_table_privilege('"Prehled "', 'SELECT') )"
    R"(AND has_table_privilege('"Prehled "', 'DELETE') )"
    R"(AND has_table_privilege('"Zpravy"', 'SELECT') )"
    R"(AND has_table_privilege('"Zpravy"', 'INSERT'))",
};

inline const Statements &statementsFor(DatabaseLocation::Engine engine)
{
    switch (engine) {
    case DatabaseLocation::Engine::Sqlite:
        break;
    case DatabaseLocation::Engine::Postgresql:
        return postgresql;
    }
    return sqlite;
}

} // namespace teachersql
