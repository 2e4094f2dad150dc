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
    // A block that is already stored is left alone and counts as "already there". The last
    // three values: the pupil of "Zaci" it belongs to (or nulls) and 1 when the teacher chose.
    const char *insertReport;
    const char *countReports;
    // A stored report linked by the matching: pupil's surname, class, block. A report that
    // the teacher assigned, or that is linked already, is left as it is.
    const char *linkReport;
    // The teacher's choice: surname (null for none), class (null keeps the one it has), block.
    const char *assignReport;
    const char *deleteReport; // block
    // Surname, class and the teacher's mark of one stored block, no row when not stored.
    const char *selectAssignment;
    // The reports of no pupil: fields of the block, then the teacher's mark and the class.
    const char *selectUnassigned;
    // A pupil's runs, their answers and reports follow the pupil's new name: new surname and
    // class, old ones.
    const char *renamePupilRuns;
    const char *renamePupilAnswers;
    const char *renamePupilReports;
    // A deleted pupil's reports are nobody's again: surname, class.
    const char *releasePupilReports;
    // The fields that assign a report to a pupil, added to a file made before them (nullptr
    // ends the list), and how many of the three there are. (SQLite reads an unknown quoted
    // name as a text, so a statement naming them would not fail where they are missing.)
    const char *const *addReportColumns;
    const char *reportColumnsPresent;
    // A school run, by its row key and the fields the teacher saw: key, surname, class, end.
    const char *deleteRun;
    // The answers of that run, by the same values, before the run goes: those under its
    // "Klic" (a run without one has none).
    const char *deleteRunAnswers;
    // 1 when "Prehled " has the field "Klic" that answers refer to.
    const char *runKeyPresent;
    // Adds it to a file made before answers were kept (the table "Odpovedi" comes from the
    // shipped schema); nullptr where the teacher's login may not alter the tables.
    const char *addRunKey;
    // True when the login may change every table (a teacher's). Null where the engine has no
    // logins of its own: a file is checked by opening it for writing.
    const char *teacherRights;
};

inline constexpr const char *sqliteReportColumns[] = {
    R"(ALTER TABLE "Zpravy" ADD COLUMN "ZakPrijmeni" TEXT)",
    R"(ALTER TABLE "Zpravy" ADD COLUMN "ZakTrida" TEXT)",
    R"(ALTER TABLE "Zpravy" ADD COLUMN "Prirazeno" INTEGER NOT NULL DEFAULT 0)",
    nullptr,
};
inline constexpr const char *postgresqlReportColumns[] = {nullptr};

inline constexpr Statements sqlite{
    .beginWrite = "BEGIN IMMEDIATE",
    .tableExists = R"(SELECT 1 FROM "sqlite_master" WHERE "type" = 'table' AND "name" = ?)",
    .selectPupils = R"(SELECT "Zaci"."rowid", "Zaci"."Prijmeni", "Zaci"."Trida" FROM "Zaci")",
    .insertPupil = R"(INSERT INTO "Zaci" ("Prijmeni", "Trida") VALUES (?, ?))",
    .updatePupil = R"(UPDATE "Zaci" SET "Prijmeni" = ?, "Trida" = ? WHERE "rowid" = ?)",
    .deletePupil = R"(DELETE FROM "Zaci" WHERE "rowid" = ?)",
    .insertReport =
        R"(INSERT INTO "Zpravy" ("Student", "Trida", "Od", "Do", "Odpovedi", "Spravne", )"
        R"("Chybne", "Text", "Blok", "Puvodni", "Vlozeno", "ZakPrijmeni", "ZakTrida", )"
        R"("Prirazeno") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) )"
        R"(ON CONFLICT ("Blok") DO NOTHING)",
    .countReports = R"(SELECT COUNT(*) FROM "Zpravy")",
    .linkReport = R"(UPDATE "Zpravy" SET "ZakPrijmeni" = ?, "ZakTrida" = ? )"
                  R"(WHERE "Blok" = ? AND "ZakPrijmeni" IS NULL AND "Prirazeno" = 0)",
    .assignReport = R"(UPDATE "Zpravy" SET "ZakPrijmeni" = ?, )"
                    R"("ZakTrida" = COALESCE(?, "ZakTrida"), "Prirazeno" = 1 WHERE "Blok" = ?)",
    .deleteReport = R"(DELETE FROM "Zpravy" WHERE "Blok" = ?)",
    .selectAssignment = R"(SELECT "ZakPrijmeni", "ZakTrida", "Prirazeno" FROM "Zpravy" )"
                        R"(WHERE "Blok" = ?)",
    .selectUnassigned =
        R"(SELECT "Student", "Trida", "Od", "Do", "Odpovedi", "Spravne", "Chybne", "Text", )"
        R"("Blok", "Puvodni", "Prirazeno", "ZakTrida" FROM "Zpravy" )"
        R"(WHERE "ZakPrijmeni" IS NULL)",
    .renamePupilRuns = R"(UPDATE "Prehled " SET "Prijmeni" = ?, "Trida" = ? )"
                       R"(WHERE "Prijmeni" = ? AND "Trida" = ?)",
    // An answer holds its run's surname and class: the same rows, by the index of the views.
    .renamePupilAnswers = R"(UPDATE "Odpovedi" SET "Prijmeni" = ?, "Trida" = ? )"
                          R"(WHERE "Prijmeni" = ? AND "Trida" = ?)",
    .renamePupilReports = R"(UPDATE "Zpravy" SET "ZakPrijmeni" = ?, "ZakTrida" = ? )"
                          R"(WHERE "ZakPrijmeni" = ? AND "ZakTrida" = ?)",
    .releasePupilReports = R"(UPDATE "Zpravy" SET "ZakPrijmeni" = NULL, "Prirazeno" = 0 )"
                           R"(WHERE "ZakPrijmeni" = ? AND "ZakTrida" = ?)",
    .addReportColumns = sqliteReportColumns,
    .reportColumnsPresent = R"(SELECT COUNT(*) FROM pragma_table_info('Zpravy') )"
                            R"(WHERE "name" IN ('ZakPrijmeni', 'ZakTrida', 'Prirazeno'))",
    .deleteRun = R"(DELETE FROM "Prehled " WHERE "rowid" = ? AND "Prijmeni" = ? )"
                 R"(AND COALESCE("Trida", '') = ? AND COALESCE("CasEnd", '') = ?)",
    // Qualified: unqualified, a missing field would be the answer's own "Klic".
    .deleteRunAnswers =
        R"(DELETE FROM "Odpovedi" WHERE "Odpovedi"."Klic" IN (SELECT "Prehled "."Klic" )"
        R"(FROM "Prehled " WHERE "Prehled "."rowid" = ? AND "Prehled "."Prijmeni" = ? )"
        R"(AND COALESCE("Prehled "."Trida", '') = ? AND COALESCE("Prehled "."CasEnd", '') = ?))",
    .runKeyPresent = R"(SELECT COUNT(*) FROM pragma_table_info('Prehled ') WHERE "name" = 'Klic')",
    .addRunKey = R"(ALTER TABLE "Prehled " ADD COLUMN "Klic" TEXT)",
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
    .linkReport = sqlite.linkReport,
    .assignReport = sqlite.assignReport,
    .deleteReport = sqlite.deleteReport,
    .selectAssignment = sqlite.selectAssignment,
    .selectUnassigned = sqlite.selectUnassigned,
    .renamePupilRuns = sqlite.renamePupilRuns,
    .renamePupilAnswers = sqlite.renamePupilAnswers,
    .renamePupilReports = sqlite.renamePupilReports,
    .releasePupilReports = sqlite.releasePupilReports,
    // The teacher's login does not own the tables: schema-postgresql.sql, run again, adds them.
    .addReportColumns = postgresqlReportColumns,
    .reportColumnsPresent =
        R"(SELECT COUNT(*) FROM "information_schema"."columns" )"
        R"(WHERE "table_schema" = current_schema() AND "table_name" = 'Zpravy' )"
        R"(AND "column_name" IN ('ZakPrijmeni', 'ZakTrida', 'Prirazeno'))",
    // A row's physical place: "Prehled " has no key column, and the fields guard against a
    // place that a VACUUM FULL gave to another row.
    .deleteRun = R"(DELETE FROM "Prehled " WHERE "ctid" = CAST(? AS tid) AND "Prijmeni" = ? )"
                 R"(AND COALESCE("Trida", '') = ? AND COALESCE("CasEnd", '') = ?)",
    .deleteRunAnswers =
        R"(DELETE FROM "Odpovedi" WHERE "Odpovedi"."Klic" IN (SELECT "Prehled "."Klic" )"
        R"(FROM "Prehled " WHERE "Prehled "."ctid" = CAST(? AS tid) )"
        R"(AND "Prehled "."Prijmeni" = ? AND COALESCE("Prehled "."Trida", '') = ? )"
        R"(AND COALESCE("Prehled "."CasEnd", '') = ?))",
    .runKeyPresent = R"(SELECT COUNT(*) FROM "information_schema"."columns" )"
                     R"(WHERE "table_schema" = current_schema() AND "table_name" = 'Prehled ' )"
                     R"(AND "column_name" = 'Klic')",
    // schema-postgresql.sql, run again, adds the field and the table.
    .addRunKey = nullptr,
    .teacherRights =
        // One privilege per call: a list would ask for any of them, not all.
    R"(SELECT has_table_privilege('"Zaci"', 'UPDATE') )"
    R"(AND has_table_privilege('"Zaci"', 'DELETE') )"
    R"(AND has_table_privilege('"Prehled "', 'SELECT') )"
    R"(AND has_table_privilege('"Prehled "', 'DELETE') )"
    R"(AND has_table_privilege('"Zpravy"', 'SELECT') )"
    R"(AND has_table_privilege('"Zpravy"', 'INSERT') )"
    R"(AND has_table_privilege('"Zpravy"', 'UPDATE') )"
    R"(AND has_table_privilege('"Zpravy"', 'DELETE'))",
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

// A file opened to be read: SQLite refuses every write on this connection.
constexpr const char *sqliteQueryOnly = "PRAGMA query_only = ON";

} // namespace teachersql
