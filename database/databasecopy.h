// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class TeacherDatabase;

struct CopyResult
{
    int pupils = 0;
    int runs = 0;
    int reports = 0;        // stored reports copied
    int reportsAlready = 0; // blocks the server held already
};

// Copies an SQLite school database (pupils, results and stored e-mail reports) into a school
// database on a server, in one transaction, so that a school moves without losing its
// history. The server must hold no pupils and no results yet. Throws DatabaseError (a Czech
// sentence naming both and the cause); the server is then unchanged. The file is only read.
CopyResult copySchoolDatabase(const QString &sqliteFile, const TeacherDatabase &server);
