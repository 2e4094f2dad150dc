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
    // Follows a name or class in the select list, so that ordering by it is in Czech order
    // ("Ch" after "H", "č" after "c").
    const char *czechOrder;
    // The indexes the views need, added to an older file when the teacher's program opens it.
    const char *const *indexes;
};

// SQLite keeps dates and times as text. Its date() modifiers: 'weekday 0' moves to the next
// Sunday (or stays on one), six days back is that week's Monday.
inline constexpr const char *sqliteIndexes[] = {
    R"(CREATE INDEX IF NOT EXISTS "PrehledDatum" ON "Prehled " ("Datum", "CasEnd"))",
    R"(CREATE INDEX IF NOT EXISTS "PrehledTridaZak" ON "Prehled " )"
    R"(("Trida", "Prijmeni", "Datum", "Spravne", "Chybne"))",
    R"(CREATE INDEX IF NOT EXISTS "ZpravyTridaStudent" ON "Zpravy" ("Trida", "Student", "Do"))",
    R"(CREATE INDEX IF NOT EXISTS "ZpravyZak" ON "Zpravy" ("ZakTrida", "ZakPrijmeni", "Do"))",
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
    // Registered on the teacher's connection (resultsdatabase.cpp): SQLite has no Czech order.
    .czechOrder = R"(COLLATE "tesilka_cs")",
    .indexes = sqliteIndexes,
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
    // ICU's Czech collation, present in every cluster whatever the server's locale.
    .czechOrder = R"(COLLATE "cs-x-icu")",
    .indexes = postgresqlIndexes,
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
