-- SPDX-License-Identifier: GPL-3.0-or-later
-- Tesilka school database. Create the shared file once, on the school's server:
--   sqlite3 tesilka.db < schema.sql
-- The pupil's program never creates, alters or deletes tables: it reads "Zaci" at sign-in and
-- appends one row to "Prehled " (the name ends with a blank) and one row per answer to
-- "Odpovedi" at the end of every school-server run. The teacher's program keeps "Zaci" and
-- stores the e-mailed reports in "Zpravy".

-- The rollback journal (SQLite's default): WAL mode does not work on a network share.
PRAGMA journal_mode = DELETE;

-- Pupils shown at sign-in as "Prijmeni; Trida".
CREATE TABLE "Zaci" (
    "Prijmeni" TEXT NOT NULL,
    "Trida"    TEXT NOT NULL
);

-- One row per run.
CREATE TABLE "Prehled " (
    "Prijmeni"      TEXT NOT NULL,  -- surname, as chosen at sign-in
    "Trida"         TEXT,           -- class
    "Spravne"       INTEGER,        -- right answers of the run
    "Chybne"        INTEGER,        -- wrong answers of the run
    "CasStrt"       TEXT,           -- time of the sign-in, HH:MM:SS
    "CasEnd"        TEXT,           -- time the run ended, HH:MM:SS
    "Datum"         TEXT,           -- date the run ended, YYYY-MM-DD
    "Prihlasenjako" TEXT,           -- the system user the program ran under
    "TypTesil"      INTEGER,        -- 1: Ohm's law
    "Klic"          TEXT            -- the run's random key in "Odpovedi"; NULL: no answers kept
);

-- A pupil's totals are read from this index alone, however long the table grows.
CREATE INDEX "PrehledPrijmeni" ON "Prehled " ("Prijmeni", "Spravne", "Chybne");

-- The teacher's results views: runs by date (with what a day's totals and each pupil's runs
-- of a few days need, read from the index alone), and a class's or a pupil's runs and totals.
-- The teacher's program adds them to an older file.
CREATE INDEX IF NOT EXISTS "PrehledDatumPocty" ON "Prehled " ("Datum", "CasEnd", "Trida", "Prijmeni", "Spravne", "Chybne");
CREATE INDEX IF NOT EXISTS "PrehledTridaZak" ON "Prehled " ("Trida", "Prijmeni", "Datum", "Spravne", "Chybne");

-- Reports that pupils sent by e-mail, stored by the teacher's program, which also adds this
-- table (and only this one) to an older file that lacks it.
CREATE TABLE IF NOT EXISTS "Zpravy" (
    "Student"   TEXT NOT NULL,         -- name as the pupil typed it
    "Trida"     TEXT NOT NULL,         -- class as the pupil typed it
    "Od"        TEXT,                  -- start of the run, YYYY-MM-DD HH:MM
    "Do"        TEXT,                  -- end of the run, YYYY-MM-DD HH:MM
    "Odpovedi"  INTEGER NOT NULL,      -- answers
    "Spravne"   INTEGER NOT NULL,      -- right answers
    "Chybne"    INTEGER NOT NULL,      -- wrong answers
    "Text"      TEXT NOT NULL,         -- the decoded report
    "Blok"      TEXT NOT NULL UNIQUE,  -- the block in the pupil's layout: one row per block
    "Puvodni"   TEXT NOT NULL,         -- the block exactly as it stood in the message
    "Vlozeno"   TEXT NOT NULL,         -- when it was stored, YYYY-MM-DD HH:MM:SS
    "ZakPrijmeni" TEXT,                -- the pupil of "Zaci" it belongs to; NULL: not assigned
    "ZakTrida"  TEXT,                  -- that pupil's class, or the class of "Zaci" it names
    "Prirazeno" INTEGER NOT NULL DEFAULT 0  -- 1: assigned by the teacher, kept as it is
);
CREATE INDEX IF NOT EXISTS "ZpravyTridaStudent" ON "Zpravy" ("Trida", "Student", "Do");
CREATE INDEX IF NOT EXISTS "ZpravyZak" ON "Zpravy" ("ZakTrida", "ZakPrijmeni", "Do");

-- One row per answer of a school run, written with the run's row in one transaction. The
-- surname, class and date are the run's, copied so that the teacher's views over many answers
-- read this table and its indexes alone. The teacher's program adds the table, its indexes and
-- "Klic" of "Prehled " to an older file; until then the pupil's program stores runs alone.
CREATE TABLE IF NOT EXISTS "Odpovedi" (
    "Klic"             TEXT NOT NULL,     -- "Klic" of the run in "Prehled "
    "Poradi"           INTEGER NOT NULL,  -- 1, 2, ... within the run
    "Velicina"         INTEGER NOT NULL,  -- asked for: 0 voltage, 1 resistance, 2 current
    "HodnotaA"         REAL NOT NULL,     -- first given value as shown (0.1 to 999.999)
    "PredponaA"        INTEGER NOT NULL,  -- its prefix: -2 micro ... 0 none ... 3 giga
    "HodnotaB"         REAL NOT NULL,     -- second given value as shown
    "PredponaB"        INTEGER NOT NULL,  -- its prefix
    "Odpoved"          REAL NOT NULL,     -- the pupil's answer in base units (V, ohm, A)
    "PredponaOdpovedi" INTEGER NOT NULL,  -- the prefix the pupil chose
    "Spravne"          INTEGER NOT NULL,  -- 1 right, 0 wrong
    "Chyba"            INTEGER NOT NULL,  -- 0 none or unnamed, 1 wrong prefix, 2 multiplied
                                          -- instead of divided, 3 divided instead of
                                          -- multiplied, 4 divided the wrong way round
    "Sekundy"          REAL NOT NULL,     -- from the problem's first showing to the answer
    "Prijmeni"         TEXT NOT NULL,     -- the run's surname
    "Trida"            TEXT,              -- the run's class
    "Datum"            TEXT               -- the run's date, YYYY-MM-DD
);
-- A run's answers, in their order (a run is stored once); a class's or a pupil's answers.
CREATE UNIQUE INDEX IF NOT EXISTS "OdpovediKlic" ON "Odpovedi" ("Klic", "Poradi");
CREATE INDEX IF NOT EXISTS "OdpovediTridaZak" ON "Odpovedi" ("Trida", "Prijmeni", "Datum");

-- Each pupil's runs per month (the surname in a class; "Mesic" is 'YYYY-MM' of "Datum"), kept
-- by the triggers below whoever writes "Prehled ", so that the teacher's summaries read a few
-- thousand rows instead of every run. "Prvni" and "Posledni" are the month's first and last
-- day with a run. The teacher's program adds the table and fills it in an older file.
CREATE TABLE IF NOT EXISTS "Souhrn" (
    "Trida"    TEXT,
    "Prijmeni" TEXT NOT NULL,
    "Mesic"    TEXT,
    "Behy"     INTEGER NOT NULL,
    "Spravne"  INTEGER NOT NULL,
    "Chybne"   INTEGER NOT NULL,
    "Prvni"    TEXT,
    "Posledni" TEXT
);
CREATE UNIQUE INDEX IF NOT EXISTS "SouhrnZak" ON "Souhrn" ("Trida", "Prijmeni", "Mesic");
CREATE TRIGGER IF NOT EXISTS "SouhrnPridani" AFTER INSERT ON "Prehled " BEGIN
    INSERT INTO "Souhrn" SELECT NEW."Trida", NEW."Prijmeni", substr(NEW."Datum", 1, 7), 0, 0, 0,
        NEW."Datum", NEW."Datum"
    WHERE NOT EXISTS (SELECT 1 FROM "Souhrn" WHERE "Trida" IS NEW."Trida"
        AND "Prijmeni" = NEW."Prijmeni" AND "Mesic" IS substr(NEW."Datum", 1, 7));
    UPDATE "Souhrn" SET "Behy" = "Behy" + 1, "Spravne" = "Spravne" + COALESCE(NEW."Spravne", 0),
        "Chybne" = "Chybne" + COALESCE(NEW."Chybne", 0),
        "Prvni" = COALESCE(min("Prvni", NEW."Datum"), "Prvni", NEW."Datum"),
        "Posledni" = COALESCE(max("Posledni", NEW."Datum"), "Posledni", NEW."Datum")
    WHERE "Trida" IS NEW."Trida" AND "Prijmeni" = NEW."Prijmeni"
        AND "Mesic" IS substr(NEW."Datum", 1, 7);
END;
-- A deleted run leaves its month; the first or last day is looked up again when it was that
-- run's.
CREATE TRIGGER IF NOT EXISTS "SouhrnSmazani" AFTER DELETE ON "Prehled " BEGIN
    UPDATE "Souhrn" SET "Behy" = "Behy" - 1, "Spravne" = "Spravne" - COALESCE(OLD."Spravne", 0),
        "Chybne" = "Chybne" - COALESCE(OLD."Chybne", 0)
    WHERE "Trida" IS OLD."Trida" AND "Prijmeni" = OLD."Prijmeni"
        AND "Mesic" IS substr(OLD."Datum", 1, 7);
    DELETE FROM "Souhrn" WHERE "Trida" IS OLD."Trida" AND "Prijmeni" = OLD."Prijmeni"
        AND "Mesic" IS substr(OLD."Datum", 1, 7) AND "Behy" <= 0;
    UPDATE "Souhrn" SET
        "Prvni" = (SELECT min(p."Datum") FROM "Prehled " AS p WHERE p."Trida" IS OLD."Trida"
            AND p."Prijmeni" = OLD."Prijmeni" AND substr(p."Datum", 1, 7) IS "Souhrn"."Mesic"),
        "Posledni" = (SELECT max(p."Datum") FROM "Prehled " AS p WHERE p."Trida" IS OLD."Trida"
            AND p."Prijmeni" = OLD."Prijmeni" AND substr(p."Datum", 1, 7) IS "Souhrn"."Mesic")
    WHERE "Trida" IS OLD."Trida" AND "Prijmeni" = OLD."Prijmeni"
        AND "Mesic" IS substr(OLD."Datum", 1, 7)
        AND ("Prvni" IS OLD."Datum" OR "Posledni" IS OLD."Datum");
END;
-- A renamed pupil or a changed run: out of its old month, into its new one.
CREATE TRIGGER IF NOT EXISTS "SouhrnZmena" AFTER UPDATE OF "Trida", "Prijmeni", "Datum",
    "Spravne", "Chybne" ON "Prehled " BEGIN
    UPDATE "Souhrn" SET "Behy" = "Behy" - 1, "Spravne" = "Spravne" - COALESCE(OLD."Spravne", 0),
        "Chybne" = "Chybne" - COALESCE(OLD."Chybne", 0)
    WHERE "Trida" IS OLD."Trida" AND "Prijmeni" = OLD."Prijmeni"
        AND "Mesic" IS substr(OLD."Datum", 1, 7);
    DELETE FROM "Souhrn" WHERE "Trida" IS OLD."Trida" AND "Prijmeni" = OLD."Prijmeni"
        AND "Mesic" IS substr(OLD."Datum", 1, 7) AND "Behy" <= 0;
    UPDATE "Souhrn" SET
        "Prvni" = (SELECT min(p."Datum") FROM "Prehled " AS p WHERE p."Trida" IS OLD."Trida"
            AND p."Prijmeni" = OLD."Prijmeni" AND substr(p."Datum", 1, 7) IS "Souhrn"."Mesic"),
        "Posledni" = (SELECT max(p."Datum") FROM "Prehled " AS p WHERE p."Trida" IS OLD."Trida"
            AND p."Prijmeni" = OLD."Prijmeni" AND substr(p."Datum", 1, 7) IS "Souhrn"."Mesic")
    WHERE "Trida" IS OLD."Trida" AND "Prijmeni" = OLD."Prijmeni"
        AND "Mesic" IS substr(OLD."Datum", 1, 7)
        AND ("Prvni" IS OLD."Datum" OR "Posledni" IS OLD."Datum");
    INSERT INTO "Souhrn" SELECT NEW."Trida", NEW."Prijmeni", substr(NEW."Datum", 1, 7), 0, 0, 0,
        NEW."Datum", NEW."Datum"
    WHERE NOT EXISTS (SELECT 1 FROM "Souhrn" WHERE "Trida" IS NEW."Trida"
        AND "Prijmeni" = NEW."Prijmeni" AND "Mesic" IS substr(NEW."Datum", 1, 7));
    UPDATE "Souhrn" SET "Behy" = "Behy" + 1, "Spravne" = "Spravne" + COALESCE(NEW."Spravne", 0),
        "Chybne" = "Chybne" + COALESCE(NEW."Chybne", 0),
        "Prvni" = COALESCE(min("Prvni", NEW."Datum"), "Prvni", NEW."Datum"),
        "Posledni" = COALESCE(max("Posledni", NEW."Datum"), "Posledni", NEW."Datum")
    WHERE "Trida" IS NEW."Trida" AND "Prijmeni" = NEW."Prijmeni"
        AND "Mesic" IS substr(NEW."Datum", 1, 7);
END;
-- Sorting the runs by name: a surname's runs in the order of their day and time.
CREATE INDEX IF NOT EXISTS "PrehledJmeno" ON "Prehled " ("Prijmeni", "Datum", "CasEnd");
-- Sorting the runs by success: the quotient of each run kept, not computed for every run.
CREATE INDEX IF NOT EXISTS "PrehledUspesnost" ON "Prehled "
    ((CASE WHEN COALESCE("Spravne", 0) + COALESCE("Chybne", 0) > 0
           THEN 100.0 * COALESCE("Spravne", 0) / (COALESCE("Spravne", 0) + COALESCE("Chybne", 0))
      END), "Datum", "CasEnd");
-- ---------------------------------------------------------------------------------------------
-- The answers counted, kept by the triggers below whoever writes "Odpovedi" (the pupils'
-- programs, older ones too, and the teacher's deletes and renames), so that the teacher's views
-- of a whole school's year read these instead of every answer. Per class and day by the
-- quantity asked, the prefix step of the right answer (0 one of the givens' prefixes, 1 one
-- step of 1000 from one of them, 2 more), right and the kind of mistake; and per pupil and day
-- by right and kind. A missing class or date is kept as ''. The teacher's program adds the
-- tables and triggers to an older file and counts its answers once. (No statement of a
-- trigger's body ends in END: the programs' split of this file ends a trigger there.)
CREATE TABLE IF NOT EXISTS "SouhrnOdpovediTrid" (
    "Trida"    TEXT NOT NULL,
    "Datum"    TEXT NOT NULL,
    "Velicina" INTEGER NOT NULL,
    "Krok"     INTEGER NOT NULL,
    "Spravne"  INTEGER NOT NULL,
    "Chyba"    INTEGER NOT NULL,
    "Pocet"    INTEGER NOT NULL,  -- answers of the row; a row at 0 is deleted
    PRIMARY KEY ("Trida", "Datum", "Velicina", "Krok", "Spravne", "Chyba")
) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS "SouhrnOdpovediZaku" (
    "Trida"    TEXT NOT NULL,
    "Prijmeni" TEXT NOT NULL,
    "Datum"    TEXT NOT NULL,
    "Spravne"  INTEGER NOT NULL,
    "Chyba"    INTEGER NOT NULL,
    "Pocet"    INTEGER NOT NULL,
    PRIMARY KEY ("Trida", "Prijmeni", "Datum", "Spravne", "Chyba")
) WITHOUT ROWID;
CREATE TRIGGER IF NOT EXISTS "SouhrnOdpovediVlozeni" AFTER INSERT ON "Odpovedi"
BEGIN
    INSERT INTO "SouhrnOdpovediTrid" VALUES (COALESCE(NEW."Trida", ''),
        COALESCE(NEW."Datum", ''), NEW."Velicina",
        CASE CASE WHEN NEW."Velicina" = 0 THEN NEW."PredponaA" + NEW."PredponaB" + CASE WHEN
        NEW."HodnotaA" * NEW."HodnotaB" >= 999999.0 THEN 2 WHEN NEW."HodnotaA" * NEW."HodnotaB"
        >= 999.999 THEN 1 WHEN NEW."HodnotaA" * NEW."HodnotaB" >= 0.1 THEN 0 ELSE -1 END ELSE
        NEW."PredponaB" - NEW."PredponaA" + CASE WHEN NEW."HodnotaB" >= 999.999 * NEW."HodnotaA"
        THEN 1 WHEN NEW."HodnotaB" >= 0.1 * NEW."HodnotaA" THEN 0 WHEN NEW."HodnotaB" >= 0.0001
        * NEW."HodnotaA" THEN -1 ELSE -2 END END WHEN NEW."PredponaA" THEN 0 WHEN
        NEW."PredponaB" THEN 0 WHEN NEW."PredponaA" + 1 THEN 1 WHEN NEW."PredponaA" - 1 THEN 1
        WHEN NEW."PredponaB" + 1 THEN 1 WHEN NEW."PredponaB" - 1 THEN 1 ELSE 2 END,
        NEW."Spravne", NEW."Chyba", 1)
    ON CONFLICT ("Trida", "Datum", "Velicina", "Krok", "Spravne", "Chyba")
    DO UPDATE SET "Pocet" = "Pocet" + 1;
    INSERT INTO "SouhrnOdpovediZaku" VALUES (COALESCE(NEW."Trida", ''), NEW."Prijmeni",
        COALESCE(NEW."Datum", ''), NEW."Spravne", NEW."Chyba", 1)
    ON CONFLICT ("Trida", "Prijmeni", "Datum", "Spravne", "Chyba")
    DO UPDATE SET "Pocet" = "Pocet" + 1;
END;
-- A renamed or moved run, or a changed answer: counted out where it was and in where it is.
CREATE TRIGGER IF NOT EXISTS "SouhrnOdpovediZmena" AFTER UPDATE OF "Velicina", "HodnotaA",
    "PredponaA", "HodnotaB", "PredponaB", "Spravne", "Chyba", "Prijmeni", "Trida", "Datum"
    ON "Odpovedi"
BEGIN
    UPDATE "SouhrnOdpovediTrid" SET "Pocet" = "Pocet" - 1
    WHERE "Trida" = COALESCE(OLD."Trida", '') AND "Datum" = COALESCE(OLD."Datum", '')
      AND "Velicina" = OLD."Velicina" AND "Spravne" = OLD."Spravne" AND "Chyba" = OLD."Chyba"
      AND "Krok" = (
        CASE CASE WHEN OLD."Velicina" = 0 THEN OLD."PredponaA" + OLD."PredponaB" + CASE WHEN
        OLD."HodnotaA" * OLD."HodnotaB" >= 999999.0 THEN 2 WHEN OLD."HodnotaA" * OLD."HodnotaB"
        >= 999.999 THEN 1 WHEN OLD."HodnotaA" * OLD."HodnotaB" >= 0.1 THEN 0 ELSE -1 END ELSE
        OLD."PredponaB" - OLD."PredponaA" + CASE WHEN OLD."HodnotaB" >= 999.999 * OLD."HodnotaA"
        THEN 1 WHEN OLD."HodnotaB" >= 0.1 * OLD."HodnotaA" THEN 0 WHEN OLD."HodnotaB" >= 0.0001
        * OLD."HodnotaA" THEN -1 ELSE -2 END END WHEN OLD."PredponaA" THEN 0 WHEN
        OLD."PredponaB" THEN 0 WHEN OLD."PredponaA" + 1 THEN 1 WHEN OLD."PredponaA" - 1 THEN 1
        WHEN OLD."PredponaB" + 1 THEN 1 WHEN OLD."PredponaB" - 1 THEN 1 ELSE 2 END);
    DELETE FROM "SouhrnOdpovediTrid" WHERE "Pocet" <= 0 AND "Trida" = COALESCE(OLD."Trida", '')
      AND "Datum" = COALESCE(OLD."Datum", '');
    UPDATE "SouhrnOdpovediZaku" SET "Pocet" = "Pocet" - 1
    WHERE "Trida" = COALESCE(OLD."Trida", '') AND "Prijmeni" = OLD."Prijmeni"
      AND "Datum" = COALESCE(OLD."Datum", '') AND "Spravne" = OLD."Spravne"
      AND "Chyba" = OLD."Chyba";
    DELETE FROM "SouhrnOdpovediZaku" WHERE "Pocet" <= 0 AND "Trida" = COALESCE(OLD."Trida", '')
      AND "Prijmeni" = OLD."Prijmeni" AND "Datum" = COALESCE(OLD."Datum", '');
    INSERT INTO "SouhrnOdpovediTrid" VALUES (COALESCE(NEW."Trida", ''),
        COALESCE(NEW."Datum", ''), NEW."Velicina",
        CASE CASE WHEN NEW."Velicina" = 0 THEN NEW."PredponaA" + NEW."PredponaB" + CASE WHEN
        NEW."HodnotaA" * NEW."HodnotaB" >= 999999.0 THEN 2 WHEN NEW."HodnotaA" * NEW."HodnotaB"
        >= 999.999 THEN 1 WHEN NEW."HodnotaA" * NEW."HodnotaB" >= 0.1 THEN 0 ELSE -1 END ELSE
        NEW."PredponaB" - NEW."PredponaA" + CASE WHEN NEW."HodnotaB" >= 999.999 * NEW."HodnotaA"
        THEN 1 WHEN NEW."HodnotaB" >= 0.1 * NEW."HodnotaA" THEN 0 WHEN NEW."HodnotaB" >= 0.0001
        * NEW."HodnotaA" THEN -1 ELSE -2 END END WHEN NEW."PredponaA" THEN 0 WHEN
        NEW."PredponaB" THEN 0 WHEN NEW."PredponaA" + 1 THEN 1 WHEN NEW."PredponaA" - 1 THEN 1
        WHEN NEW."PredponaB" + 1 THEN 1 WHEN NEW."PredponaB" - 1 THEN 1 ELSE 2 END,
        NEW."Spravne", NEW."Chyba", 1)
    ON CONFLICT ("Trida", "Datum", "Velicina", "Krok", "Spravne", "Chyba")
    DO UPDATE SET "Pocet" = "Pocet" + 1;
    INSERT INTO "SouhrnOdpovediZaku" VALUES (COALESCE(NEW."Trida", ''), NEW."Prijmeni",
        COALESCE(NEW."Datum", ''), NEW."Spravne", NEW."Chyba", 1)
    ON CONFLICT ("Trida", "Prijmeni", "Datum", "Spravne", "Chyba")
    DO UPDATE SET "Pocet" = "Pocet" + 1;
END;
CREATE TRIGGER IF NOT EXISTS "SouhrnOdpovediSmazani" AFTER DELETE ON "Odpovedi"
BEGIN
    UPDATE "SouhrnOdpovediTrid" SET "Pocet" = "Pocet" - 1
    WHERE "Trida" = COALESCE(OLD."Trida", '') AND "Datum" = COALESCE(OLD."Datum", '')
      AND "Velicina" = OLD."Velicina" AND "Spravne" = OLD."Spravne" AND "Chyba" = OLD."Chyba"
      AND "Krok" = (
        CASE CASE WHEN OLD."Velicina" = 0 THEN OLD."PredponaA" + OLD."PredponaB" + CASE WHEN
        OLD."HodnotaA" * OLD."HodnotaB" >= 999999.0 THEN 2 WHEN OLD."HodnotaA" * OLD."HodnotaB"
        >= 999.999 THEN 1 WHEN OLD."HodnotaA" * OLD."HodnotaB" >= 0.1 THEN 0 ELSE -1 END ELSE
        OLD."PredponaB" - OLD."PredponaA" + CASE WHEN OLD."HodnotaB" >= 999.999 * OLD."HodnotaA"
        THEN 1 WHEN OLD."HodnotaB" >= 0.1 * OLD."HodnotaA" THEN 0 WHEN OLD."HodnotaB" >= 0.0001
        * OLD."HodnotaA" THEN -1 ELSE -2 END END WHEN OLD."PredponaA" THEN 0 WHEN
        OLD."PredponaB" THEN 0 WHEN OLD."PredponaA" + 1 THEN 1 WHEN OLD."PredponaA" - 1 THEN 1
        WHEN OLD."PredponaB" + 1 THEN 1 WHEN OLD."PredponaB" - 1 THEN 1 ELSE 2 END);
    DELETE FROM "SouhrnOdpovediTrid" WHERE "Pocet" <= 0 AND "Trida" = COALESCE(OLD."Trida", '')
      AND "Datum" = COALESCE(OLD."Datum", '');
    UPDATE "SouhrnOdpovediZaku" SET "Pocet" = "Pocet" - 1
    WHERE "Trida" = COALESCE(OLD."Trida", '') AND "Prijmeni" = OLD."Prijmeni"
      AND "Datum" = COALESCE(OLD."Datum", '') AND "Spravne" = OLD."Spravne"
      AND "Chyba" = OLD."Chyba";
    DELETE FROM "SouhrnOdpovediZaku" WHERE "Pocet" <= 0 AND "Trida" = COALESCE(OLD."Trida", '')
      AND "Prijmeni" = OLD."Prijmeni" AND "Datum" = COALESCE(OLD."Datum", '');
END;
-- The answers of an older file, counted once when the tables are added to it.
INSERT INTO "SouhrnOdpovediTrid"
SELECT COALESCE("Trida", ''), COALESCE("Datum", ''), "Velicina",
        CASE CASE WHEN "Velicina" = 0 THEN "PredponaA" + "PredponaB" + CASE WHEN "HodnotaA" *
        "HodnotaB" >= 999999.0 THEN 2 WHEN "HodnotaA" * "HodnotaB" >= 999.999 THEN 1 WHEN
        "HodnotaA" * "HodnotaB" >= 0.1 THEN 0 ELSE -1 END ELSE "PredponaB" - "PredponaA" + CASE
        WHEN "HodnotaB" >= 999.999 * "HodnotaA" THEN 1 WHEN "HodnotaB" >= 0.1 * "HodnotaA" THEN
        0 WHEN "HodnotaB" >= 0.0001 * "HodnotaA" THEN -1 ELSE -2 END END WHEN "PredponaA" THEN 0
        WHEN "PredponaB" THEN 0 WHEN "PredponaA" + 1 THEN 1 WHEN "PredponaA" - 1 THEN 1 WHEN
        "PredponaB" + 1 THEN 1 WHEN "PredponaB" - 1 THEN 1 ELSE 2 END AS "Krok",
       "Spravne", "Chyba", COUNT(*)
FROM "Odpovedi" WHERE NOT EXISTS (SELECT 1 FROM "SouhrnOdpovediTrid")
GROUP BY 1, 2, 3, 4, 5, 6;
INSERT INTO "SouhrnOdpovediZaku"
SELECT COALESCE("Trida", ''), "Prijmeni", COALESCE("Datum", ''), "Spravne", "Chyba", COUNT(*)
FROM "Odpovedi" WHERE NOT EXISTS (SELECT 1 FROM "SouhrnOdpovediZaku")
GROUP BY 1, 2, 3, 4, 5;
