-- SPDX-License-Identifier: GPL-3.0-or-later
-- A few pupils to try the program with:
--   sqlite3 tesilka.db < sample-pupils.sql
-- The sign-in list sorts them as a Czech reader expects: Č after C, Ch after H.
INSERT INTO "Zaci" ("Prijmeni", "Trida") VALUES
    ('Novák', '3A'),
    ('Novák', '4B'),
    ('Čermák', '3A'),
    ('Cibulka', '3B'),
    ('Chalupová', '4A'),
    ('Hrubý', '4A'),
    ('Horáková', '3B'),
    ('Dvořák', '3A'),
    ('Řezníčková', '4B'),
    ('Růžička', '3B'),
    ('Šťastná', '4A'),
    ('Svoboda', '4B'),
    ('Žáková', '3A'),
    ('Zelenka', '4A');
