// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/databaselocation.h"

// The pieces of the results views' statements that differ between database engines; the
// statements themselves are put together from these in resultsdatabase.cpp and are the same
// for every engine. Each piece is an expression over one row of its table.
//
// Dates and periods come back as text 'YYYY-MM-DD' on every engine (a week as the date of its
// Monday), times as 'HH:MM:SS': a report gives its times to the minute and gets ':00', so that
// one column (and the CSV a spreadsheet reads as times) has one form and sorts as time.
// Date filters compare a run's day with bound QDate values (>= from, < the day after to).
namespace resultsql {

struct Statements
{
    // "Prehled ": the day the run ended, its Monday, its start and end time.
    const char *schoolDay;
    const char *schoolWeek;
    const char *schoolStart;
    const char *schoolEnd;
    // "Zpravy": the same for a stored e-mail report ("Od" and "Do" are date and time).
    const char *mailDay;
    const char *mailWeek;
    const char *mailStart;
    const char *mailEnd;
    // A school run's row key as text, for deleting it.
    const char *schoolKey;
    // Each table's own row order, which breaks the ties of a sort so that pages are stable, and
    // how a bound value of it is written.
    const char *schoolRow;
    const char *mailRow;
    const char *rowValue;
    // One row when the table of each pupil's runs per month is there.
    const char *summaryPresent;
    // Follows a name or class in the select list, so that ordering by it is in Czech order
    // ("Ch" after "H", "č" after "c").
    const char *czechOrder;
    // The indexes the views need, added to an older file when the teacher's program opens it,
    // and those they replaced, dropped when the file can be written.
    const char *const *indexes;
    const char *const *oldIndexes;
    // Each arm of a compound read in part is ordered and cut on its own (see runsUnion).
    bool limitsEachArm;
};

// SQLite keeps dates and times as text. Its date() modifiers: 'weekday 0' moves to the next
// Sunday (or stays on one), six days back is that week's Monday.
inline constexpr const char *sqliteIndexes[] = {
    R"(CREATE INDEX IF NOT EXISTS "PrehledDatumPocty" ON "Prehled " )"
    R"(("Datum", "CasEnd", "Trida", "Prijmeni", "Spravne", "Chybne"))",
    R"(CREATE INDEX IF NOT EXISTS "PrehledTridaZak" ON "Prehled " )"
    R"(("Trida", "Prijmeni", "Datum", "Spravne", "Chybne"))",
    R"(CREATE INDEX IF NOT EXISTS "ZpravyTridaStudent" ON "Zpravy" ("Trida", "Student", "Do"))",
    R"(CREATE INDEX IF NOT EXISTS "ZpravyZak" ON "Zpravy" ("ZakTrida", "ZakPrijmeni", "Do"))",
    R"(CREATE INDEX IF NOT EXISTS "PrehledJmeno" ON "Prehled " ("Prijmeni", "Datum", "CasEnd"))",
    // Sorting by success computes a quotient for every run: its index makes the first page 2 ms
    // instead of 0.25 s at a million runs. The other sorts by a number are fast enough without.
    R"(CREATE INDEX IF NOT EXISTS "PrehledUspesnost" ON "Prehled " ((CASE WHEN )"
    R"(COALESCE("Spravne", 0) + COALESCE("Chybne", 0) > 0 THEN 100.0 * COALESCE("Spravne", 0) )"
    R"(/ (COALESCE("Spravne", 0) + COALESCE("Chybne", 0)) END), "Datum", "CasEnd"))",
    nullptr,
};

// Each pupil's runs per month counted from the runs, when the teacher's program adds the table
// (and its triggers) to an older file.
inline constexpr char sqliteFillSummary[] =
    R"(INSERT INTO "Souhrn" SELECT "Trida", "Prijmeni", substr("Datum", 1, 7), COUNT(*), )"
    R"(SUM(COALESCE("Spravne", 0)), SUM(COALESCE("Chybne", 0)), MIN("Datum"), MAX("Datum") )"
    R"(FROM "Prehled " GROUP BY 1, 2, 3)";

// The Czech rank of every distinct surname and class, on the teacher's connection only: the
// runs are sorted by a number instead of collating every comparison.
inline constexpr char sqliteRankTable[] =
    R"(CREATE TEMP TABLE IF NOT EXISTS "Poradi" ("Nazev" TEXT PRIMARY KEY, )"
    R"("Poradi" INTEGER NOT NULL UNIQUE))";
// The ranks and the runs sorted by them read in one snapshot: a run of a new name written
// between the two would otherwise be left out of the page.
inline constexpr char sqliteRankedReadBegin[] = R"(SAVEPOINT "PoradiCteni")";
inline constexpr char sqliteRankedReadEnd[] = R"(RELEASE "PoradiCteni")";
inline constexpr char sqliteClearRanks[] = R"(DELETE FROM temp."Poradi")";
// The names as one JSON array in Czech order.
inline constexpr char sqliteFillRanks[] =
    R"(INSERT INTO temp."Poradi" SELECT "value", "key" FROM json_each(?))";
// Every surname and class of the runs (by a loose scan of their indexes) and of the reports.
inline constexpr char sqliteRankedNames[] =
    R"(WITH RECURSIVE "J"("Nazev") AS (SELECT MIN("Prijmeni") FROM "Prehled " UNION ALL )"
    R"(SELECT (SELECT MIN("Prehled "."Prijmeni") FROM "Prehled " WHERE "Prehled "."Prijmeni" > )"
    R"("J"."Nazev") FROM "J" WHERE "J"."Nazev" IS NOT NULL), "T"("Nazev") AS (SELECT )"
    R"(MIN("Trida") FROM "Prehled " UNION ALL SELECT (SELECT MIN("Prehled "."Trida") FROM )"
    R"("Prehled " WHERE "Prehled "."Trida" > "T"."Nazev") FROM "T" WHERE "T"."Nazev" IS NOT )"
    R"(NULL) SELECT "Nazev" FROM "J" WHERE "Nazev" IS NOT NULL UNION SELECT "Nazev" FROM "T" )"
    R"(WHERE "Nazev" IS NOT NULL UNION SELECT "ZakPrijmeni" FROM "Zpravy" WHERE "ZakPrijmeni" )"
    R"(IS NOT NULL UNION SELECT "ZakTrida" FROM "Zpravy" WHERE "ZakTrida" IS NOT NULL)";

inline constexpr const char *sqliteOldIndexes[] = {
    R"(DROP INDEX IF EXISTS "PrehledDatum")",
    nullptr,
};

inline constexpr Statements sqlite{
    .schoolDay = R"("Prehled "."Datum")",
    .schoolWeek = R"(date("Prehled "."Datum", 'weekday 0', '-6 days'))",
    .schoolStart = R"("Prehled "."CasStrt")",
    .schoolEnd = R"("Prehled "."CasEnd")",
    .mailDay = R"(substr(COALESCE("Zpravy"."Do", "Zpravy"."Od"), 1, 10))",
    .mailWeek = R"(date(substr(COALESCE("Zpravy"."Do", "Zpravy"."Od"), 1, 10), 'weekday 0', )"
                R"('-6 days'))",
    // 'HH:MM' becomes 'HH:MM:00', 'HH:MM:SS' stays; no time stays NULL.
    .mailStart = R"(substr(NULLIF(substr("Zpravy"."Od", 12), '') || ':00', 1, 8))",
    .mailEnd = R"(substr(NULLIF(substr("Zpravy"."Do", 12), '') || ':00', 1, 8))",
    .schoolKey = R"(CAST("Prehled "."rowid" AS TEXT))",
    .schoolRow = R"("Prehled "."rowid")",
    .mailRow = R"("Zpravy"."rowid")",
    .rowValue = "?",
    .summaryPresent =
        R"(SELECT 1 FROM "sqlite_master" WHERE "type" = 'table' AND "name" = 'Souhrn')",
    // Registered on the teacher's connection (resultsdatabase.cpp): SQLite has no Czech order.
    .czechOrder = R"(COLLATE "tesilka_cs")",
    .indexes = sqliteIndexes,
    .oldIndexes = sqliteOldIndexes,
    .limitsEachArm = false,
};

// On a server the same text fields: a day is cast to date only to find its week's Monday
// (date_trunc's weeks begin on Monday). The indexes come with schema-postgresql.sql: a
// teacher's login does not own the tables and may not add them.
inline constexpr const char *postgresqlIndexes[] = {nullptr};

inline constexpr Statements postgresql{
    .schoolDay = sqlite.schoolDay,
    .schoolWeek = R"(to_char(date_trunc('week', "Prehled "."Datum"::date), 'YYYY-MM-DD'))",
    .schoolStart = sqlite.schoolStart,
    .schoolEnd = sqlite.schoolEnd,
    .mailDay = sqlite.mailDay,
    .mailWeek = R"(to_char(date_trunc('week', substr(COALESCE("Zpravy"."Do", "Zpravy"."Od"), 1, )"
                R"(10)::date), 'YYYY-MM-DD'))",
    .mailStart = sqlite.mailStart,
    .mailEnd = sqlite.mailEnd,
    .schoolKey = R"(CAST("Prehled "."ctid" AS text))",
    .schoolRow = R"("Prehled "."ctid")",
    .mailRow = R"("Zpravy"."ctid")",
    .rowValue = "CAST(? AS tid)",
    .summaryPresent = R"(SELECT 1 WHERE to_regclass('public."Souhrn"') IS NOT NULL)",
    // ICU's Czech collation, present in every cluster whatever the server's locale.
    .czechOrder = R"(COLLATE "cs-x-icu")",
    .indexes = postgresqlIndexes,
    .oldIndexes = postgresqlIndexes,
    .limitsEachArm = true,
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

} // namespace resultsql
