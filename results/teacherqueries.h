#pragma once

#include "results/databaselocation.h"

// The teacher's statements, one set per database engine: whatever differs between engines
// (the row key of "Zaci", how a write transaction starts, how a table is looked up) stays
// here, and the data layer reads the set of its connection's engine.
namespace teachersql {

struct Statements
{
    const char *beginWrite;
    const char *tableExists; // one bound value: the table's name
    // "Zaci" has no key column of its own, so SQLite's rowid keeps a row apart from a
    // namesake. A server engine needs a key column added to "Zaci" for the same job.
    const char *selectPupils;
    const char *insertPupil;
    const char *updatePupil; // surname, class, key
    const char *deletePupil; // key
    // A block that is already stored is left alone and counts as "already there".
    const char *insertReport;
    const char *countReports;
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
};

inline const Statements &statementsFor(DatabaseLocation::Engine engine)
{
    switch (engine) {
    case DatabaseLocation::Engine::Sqlite:
        break;
    }
    return sqlite;
}

} // namespace teachersql
