// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading a whole SQLite school database for the copy to a server, in the order of its rows.
// Every field is named, so that a file with other fields is refused rather than half copied.
namespace copysql {

inline constexpr char hasReports[] =
    R"(SELECT 1 FROM "sqlite_master" WHERE "type" = 'table' AND "name" = 'Zpravy')";

inline constexpr char selectPupils[] =
    R"(SELECT "Zaci"."Prijmeni", "Zaci"."Trida" FROM "Zaci" ORDER BY "Zaci"."rowid")";

// The runs with the key their answers refer to; a file from before has no key.
inline constexpr char hasRunKeys[] =
    R"(SELECT 1 FROM pragma_table_info('Prehled ') WHERE "name" = 'Klic')";
inline constexpr char selectRuns[] =
    R"(SELECT "Prehled "."Prijmeni", "Prehled "."Trida", "Prehled "."Spravne", )"
    R"("Prehled "."Chybne", "Prehled "."CasStrt", "Prehled "."CasEnd", "Prehled "."Datum", )"
    R"("Prehled "."Prihlasenjako", "Prehled "."TypTesil", "Prehled "."Klic" FROM "Prehled " )"
    R"(ORDER BY "Prehled "."rowid")";
inline constexpr char selectRunsWithoutKeys[] =
    R"(SELECT "Prehled "."Prijmeni", "Prehled "."Trida", "Prehled "."Spravne", )"
    R"("Prehled "."Chybne", "Prehled "."CasStrt", "Prehled "."CasEnd", "Prehled "."Datum", )"
    R"("Prehled "."Prihlasenjako", "Prehled "."TypTesil", NULL FROM "Prehled " )"
    R"(ORDER BY "Prehled "."rowid")";

// The answers of the runs, in the field order of schoolsql::insertAnswer. There may be
// millions: they are read one by one and sent in batches, never held all at once.
inline constexpr char hasAnswers[] =
    R"(SELECT 1 FROM "sqlite_master" WHERE "type" = 'table' AND "name" = 'Odpovedi')";
inline constexpr char selectAnswers[] =
    R"(SELECT "Odpovedi"."Klic", "Odpovedi"."Poradi", "Odpovedi"."Velicina", )"
    R"("Odpovedi"."HodnotaA", "Odpovedi"."PredponaA", "Odpovedi"."HodnotaB", )"
    R"("Odpovedi"."PredponaB", "Odpovedi"."Odpoved", "Odpovedi"."PredponaOdpovedi", )"
    R"("Odpovedi"."Spravne", "Odpovedi"."Chyba", "Odpovedi"."Sekundy", "Odpovedi"."Prijmeni", )"
    R"("Odpovedi"."Trida", "Odpovedi"."Datum" FROM "Odpovedi" ORDER BY "Odpovedi"."rowid")";
// The server's statement for many answers at once: this, then one answerRow per answer,
// separated by commas.
inline constexpr char insertAnswersHead[] =
    R"(INSERT INTO "Odpovedi" ("Klic", "Poradi", "Velicina", "HodnotaA", "PredponaA", )"
    R"("HodnotaB", "PredponaB", "Odpoved", "PredponaOdpovedi", "Spravne", "Chyba", "Sekundy", )"
    R"("Prijmeni", "Trida", "Datum") VALUES )";
inline constexpr char answerRow[] = "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
inline constexpr int answerFields = 15;

// With the pupil each report belongs to; a file from before that has none of them.
inline constexpr char hasAssignments[] =
    R"(SELECT 1 FROM pragma_table_info('Zpravy') WHERE "name" = 'ZakPrijmeni')";
inline constexpr char selectReports[] =
    R"(SELECT "Zpravy"."Student", "Zpravy"."Trida", "Zpravy"."Od", "Zpravy"."Do", )"
    R"("Zpravy"."Odpovedi", "Zpravy"."Spravne", "Zpravy"."Chybne", "Zpravy"."Text", )"
    R"("Zpravy"."Blok", "Zpravy"."Puvodni", "Zpravy"."Vlozeno", "Zpravy"."ZakPrijmeni", )"
    R"("Zpravy"."ZakTrida", "Zpravy"."Prirazeno" FROM "Zpravy" ORDER BY "Zpravy"."rowid")";
inline constexpr char selectUnassignedReports[] =
    R"(SELECT "Zpravy"."Student", "Zpravy"."Trida", "Zpravy"."Od", "Zpravy"."Do", )"
    R"("Zpravy"."Odpovedi", "Zpravy"."Spravne", "Zpravy"."Chybne", "Zpravy"."Text", )"
    R"("Zpravy"."Blok", "Zpravy"."Puvodni", "Zpravy"."Vlozeno", NULL, NULL, 0 FROM "Zpravy" )"
    R"(ORDER BY "Zpravy"."rowid")";

// On the server: a copy goes only into a school database that holds no pupils and no results.
inline constexpr char targetRows[] =
    R"(SELECT (SELECT COUNT(*) FROM "Zaci") + (SELECT COUNT(*) FROM "Prehled ") + )"
    R"((SELECT COUNT(*) FROM (SELECT 1 FROM "Odpovedi" LIMIT 1) AS "Nektera"))";

// Which fields of each row are numbers; all others are copied as text.
inline constexpr bool runNumbers[] = {false, false, true,  true, false,
                                      false, false, false, true, false};
inline constexpr bool answerNumbers[] = {false, true, true, true, true,  true,  true, true,
                                         true,  true, true, true, false, false, false};
inline constexpr bool reportNumbers[] = {false, false, false, false, true,  true,  true,
                                         false, false, false, false, false, false, true};

} // namespace copysql
