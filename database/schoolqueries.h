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

// The same row with the random key of the run that its answers in "Odpovedi" refer to: a
// file's rowid is no key, VACUUM may renumber it. An older pupil's program names its fields
// and leaves the key NULL.
inline constexpr char insertKeyedRun[] =
    R"(INSERT INTO "Prehled " ("Prijmeni", "Trida", "Spravne", "Chybne", "CasStrt", "CasEnd", )"
    R"("Datum", "Prihlasenjako", "TypTesil", "Klic") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?))";

// One answer of a run; the run's surname, class and date are copied in, so that the teacher's
// views over millions of answers read this table and its indexes alone.
inline constexpr char insertAnswer[] =
    R"(INSERT INTO "Odpovedi" ("Klic", "Poradi", "Velicina", "HodnotaA", "PredponaA", )"
    R"("HodnotaB", "PredponaB", "Odpoved", "PredponaOdpovedi", "Spravne", "Chyba", "Sekundy", )"
    R"("Prijmeni", "Trida", "Datum") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?))";

// 2 when the file keeps answers: "Prehled " has the key field and "Odpovedi" exists. The
// pupil's program never adds them; until the teacher's program has opened an older file the
// runs are stored there as before. (SQLite reads an unknown quoted name as a text, so only the
// catalogue tells for certain.)
inline constexpr char answersPresent[] =
    R"(SELECT (SELECT COUNT(*) FROM pragma_table_info('Prehled ') WHERE "name" = 'Klic') + )"
    R"((SELECT COUNT(*) FROM "sqlite_master" WHERE "type" = 'table' AND "name" = 'Odpovedi'))";

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
    const char *insertRun;    // a run without a key: a file from before answers were kept
    const char *selectTotals; // one bound value: the surname
    // Where the engine has it: the run and its answers appended and the totals read in one
    // call, with the values of insertRun as $1 … $9 and the answers as a JSON array in $10;
    // nullptr where insertKeyedRun, insertAnswer and selectTotals run in one transaction.
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

// On the server a pupil's login may neither read nor write "Prehled " and "Odpovedi": a
// function that runs with the teacher's rights checks the run and its answers, appends them
// under a key it makes and returns the sums for its surname in 64 bits, in one round trip
// (schema-postgresql.sql). Both are named with their schema, so that a search path set for
// the pupils' login cannot put other functions in their place.
inline constexpr Statements postgresqlStatements{
    .beginWrite = "BEGIN",
    .selectPupils = selectPupils,
    .insertRun = insertRun,
    .selectTotals = R"(SELECT "Spravne", "Chybne" FROM "public"."tesilka_soucty"(?))",
    .recordRun = R"(SELECT "Spravne", "Chybne" FROM "public"."tesilka_zapis")"
                 R"(($1, $2, $3, $4, $5, $6, $7, $8, $9, $10))",
    // The function with the answers exists (a missing one is 42883), and the totals read the
    // results table (a pupil's login may not see it, so a missing table shows here as 42P01).
    .serverChecks = R"(SELECT CAST('"public"."tesilka_zapis"(text, text, integer, integer, )"
                    R"(text, text, text, text, integer, jsonb)' AS regprocedure); )"
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
