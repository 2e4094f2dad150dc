-- SPDX-License-Identifier: GPL-3.0-or-later
-- Brings a school database on a server made with an older schema-postgresql.sql up to date.
-- The administrator runs it once, as the server's superuser (the teacher's login does not own
-- the tables and may not change them); running it again changes nothing:
--   psql -v ON_ERROR_STOP=1 -d tesilka -f - < upgrade-postgresql.sql

BEGIN;

-- Each e-mailed report belongs to a pupil of "Zaci" (or to none yet).
ALTER TABLE "Zpravy" ADD COLUMN IF NOT EXISTS "ZakPrijmeni" text;
ALTER TABLE "Zpravy" ADD COLUMN IF NOT EXISTS "ZakTrida" text;
ALTER TABLE "Zpravy" ADD COLUMN IF NOT EXISTS "Prirazeno" integer NOT NULL DEFAULT 0;
CREATE INDEX IF NOT EXISTS "ZpravyZak" ON "Zpravy" ("ZakTrida", "ZakPrijmeni", "Do");

COMMIT;
