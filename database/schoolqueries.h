// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/databaselocation.h"

// The statements of the school database, in one place so that the tests can check the plan
// SQLite makes for them against the shipped schema. Identifiers are quoted: the results table
// is "Prehled " with a trailing blank. Columns read back are qualified with their table,
// because SQLite takes a lone double-quoted name that matches no column for a string literal;
// qualified, a missing field is an error instead of a wrong value.
namespace schoolsql {

inline constexpr char selectPupils[] = R"(SELECT "Zaci"."Prijmeni", "Zaci"."Trida" FROM "Zaci")";

inline constexpr char insertRun[] =
    R"(INSERT INTO "Prehled " ("Prijmeni", "Trida", "Spravne", "Chybne", "CasStrt", "CasEnd", )"
    R"("Datum", "Prihlasenjako", "TypTesil") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?))";

// Exact and case-sensitive whatever collation the column was declared with; the shipped index
// on ("Prijmeni", "Spravne", "Chybne") answers it without touching the table.
inline constexpr char selectTotals[] =
    R"(SELECT SUM("Prehled "."Spravne"), SUM("Prehled "."Chybne") FROM "Prehled " )"
    R"(WHERE "Prehled "."Prijmeni" = ? COLLATE BINARY)";

// The pupil's statements as each engine runs them.
struct Statements
{
    const char *beginWrite;
    const char *selectPupils;
    const char *insertRun;    // a pupil's run appended by a teacher's login (the copy to a server)
    const char *selectTotals; // one bound value: the surname
    // Where the engine has it: the run appended and the totals read in one call, with the
    // values of insertRun as $1 … $9; nullptr where insertRun and selectTotals run in one
    // transaction.
    const char *recordRun;
    // With recordRun: statements without parameters that fail when the server lacks what
    // recordRun and the totals need, sent with the list at sign-in.
    const char *serverChecks;
};

inline constexpr Statements sqliteStatements{
    .beginWrite = "BEGIN IMMEDIATE",
    .selectPupils = selectPupils,
    .insertRun = insertRun,
    .selectTotals = selectTotals,
    .recordRun = nullptr,
    .serverChecks = nullptr,
};

// On the server a pupil's login may neither read nor write "Prehled ": a function that runs
// with the teacher's rights checks the run, appends it and returns the sums for its surname
// in 64 bits, in one round trip (schema-postgresql.sql). Both are named with their schema, so
// that a search path set for the pupils' login cannot put other functions in their place.
inline constexpr Statements postgresqlStatements{
    .beginWrite = "BEGIN",
    .selectPupils = selectPupils,
    .insertRun = insertRun,
    .selectTotals = R"(SELECT "Spravne", "Chybne" FROM "public"."tesilka_soucty"(?))",
    .recordRun = R"(SELECT "Spravne", "Chybne" FROM "public"."tesilka_zapis")"
                 R"(($1, $2, $3, $4, $5, $6, $7, $8, $9))",
    // The function exists (a missing one is 42883), and the totals read the results table (a
    // pupil's login may not see it, so a missing table shows here as 42P01).
    .serverChecks = R"(SELECT CAST('"public"."tesilka_zapis"(text, text, integer, integer, )"
                    R"(text, text, text, text, integer)' AS regprocedure); )"
                    R"(SELECT "Spravne" FROM "public"."tesilka_soucty"(''))",
};

inline const Statements &statementsFor(DatabaseLocation::Engine engine)
{
    switch (engine) {
    case DatabaseLocation::Engine::Sqlite:
        break;
    case DatabaseLocation::Engine::Postgresql:
        return postgresqlStatements;
    }
    return sqliteStatements;
}

} // namespace schoolsql
