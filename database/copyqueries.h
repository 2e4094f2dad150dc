// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading a whole SQLite school database for the copy to a server, in the order of its rows.
// Every field is named, so that a file with other fields is refused rather than half copied.
namespace copysql {

inline constexpr char hasReports[] =
    R"(SELECT 1 FROM "sqlite_master" WHERE "type" = 'table' AND "name" = 'Zpravy')";

inline constexpr char selectPupils[] =
    R"(SELECT "Zaci"."Prijmeni", "Zaci"."Trida" FROM "Zaci" ORDER BY "Zaci"."rowid")";

inline constexpr char selectRuns[] =
    R"(SELECT "Prehled "."Prijmeni", "Prehled "."Trida", "Prehled "."Spravne", )"
    R"("Prehled "."Chybne", "Prehled "."CasStrt", "Prehled "."CasEnd", "Prehled "."Datum", )"
    R"("Prehled "."Prihlasenjako", "Prehled "."TypTesil" FROM "Prehled " )"
    R"(ORDER BY "Prehled "."rowid")";

inline constexpr char selectReports[] =
    R"(SELECT "Zpravy"."Student", "Zpravy"."Trida", "Zpravy"."Od", "Zpravy"."Do", )"
    R"("Zpravy"."Odpovedi", "Zpravy"."Spravne", "Zpravy"."Chybne", "Zpravy"."Text", )"
    R"("Zpravy"."Blok", "Zpravy"."Puvodni", "Zpravy"."Vlozeno" FROM "Zpravy" )"
    R"(ORDER BY "Zpravy"."rowid")";

// On the server: a copy goes only into a school database that holds no pupils and no results.
inline constexpr char targetRows[] =
    R"(SELECT (SELECT COUNT(*) FROM "Zaci") + (SELECT COUNT(*) FROM "Prehled "))";

// Which fields of each row are numbers; all others are copied as text.
inline constexpr bool runNumbers[] = {false, false, true, true, false, false, false, false, true};
inline constexpr bool reportNumbers[] = {false, false, false, false, true, true,
                                         true,  false, false, false, false};

} // namespace copysql
