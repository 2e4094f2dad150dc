// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/databaselocation.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>
#include <QVariantList>

#include <chrono>
#include <cstdint>
#include <stdexcept>

// One pupil of table Zaci, as the sign-in list shows it.
struct PupilProfile
{
    QString surname;   // field Prijmeni, as stored
    QString className; // field Trida, as stored
    // Prijmeni + "; " + Trida: the text of the list entry.
    [[nodiscard]] QString entryText() const;
};

// The pupils that can be offered at sign-in, and how many rows of Zaci had to be left out
// because they have no surname: their result could not be stored.
struct PupilList
{
    QList<PupilProfile> pupils;
    int withoutSurname = 0;
};

// One judged answer of a school run, as a row of "Odpovedi" keeps it. Plain numbers: the
// caller knows what the quantities and the kinds of mistake are.
struct SchoolAnswer
{
    std::int32_t order = 0;    // 1, 2, … within the run
    std::int32_t quantity = 0; // the quantity asked for
    double givenA = 0.0;       // the first given value's mantissa, as shown
    std::int32_t prefixA = 0;
    double givenB = 0.0;
    std::int32_t prefixB = 0;
    double answer = 0.0; // the pupil's answer in base units
    std::int32_t answerPrefix = 0;
    bool right = false;
    std::int32_t mistake = 0; // 0: none, or none that could be named
    double seconds = 0.0;     // from the problem's first showing to the confirmation
};

// One finished school run, as a row of "Prehled " keeps it, with its answers.
struct SchoolRun
{
    QString surname;   // as chosen at sign-in
    QString className; // as chosen at sign-in
    QTime start;       // the sign-in
    std::int32_t correct = 0;
    std::int32_t wrong = 0;
    QList<SchoolAnswer> answers;
};

struct RunTotals
{
    std::int32_t totalCorrect = 0;
    std::int32_t totalWrong = 0;
    // The server's totals did not fit the program's counters: these are the largest that do.
    bool capped = false;
};

// A school database that exists but cannot be used. what() is a Czech sentence naming the
// file and the cause, ready to be shown to the pupil.
class DatabaseError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The shared school database with the tables "Zaci" and "Prehled ": an SQLite file, or a
// PostgreSQL server when the path is a libpq URI or connection string (DatabaseLocation).
// On a file every operation opens its own connection and closes it before returning. On a
// server the connection of the sign-in is kept, idle, for the summary (one per process).
class SchoolDatabase
{
public:
    explicit SchoolDatabase(QString path);

    [[nodiscard]] const QString &path() const { return path_; }

    // The rows of Zaci with a surname, in the table's own order. Throws DatabaseError.
    [[nodiscard]] PupilList loadPupilList() const;

    // Appends this run's row to "Prehled " (finished at `now`) and its answers to "Odpovedi"
    // under a new key of the run, and returns the totals of every row with the same Prijmeni,
    // the new one included. A file without "Odpovedi" or the key field (one the teacher's
    // program has not opened since) keeps the row alone, as before. Throws DatabaseError, and
    // then stores nothing: in a file also when the totals or their sum do not fit the
    // program's counters. On a server the totals are 64-bit and such totals come back capped:
    // one row written there by anyone must not stop every later run of the same surname.
    // NOLINTNEXTLINE(modernize-use-nodiscard): the append alone is a use
    RunTotals recordRunResult(const SchoolRun &run, const QDateTime &now) const;

    // How long an operation waits for another machine's lock before it gives up.
    void setBusyTimeout(std::chrono::milliseconds timeout) { busyTimeout_ = timeout; }

private:
    // A server is reached straight through libpq: one connection, one round trip.
    [[nodiscard]] PupilList loadFromServer() const;
    [[nodiscard]] RunTotals recordOnServer(const QVariantList &values, const SchoolRun &run) const;

    QString path_;
    DatabaseLocation location_;
    std::chrono::milliseconds busyTimeout_{30000};
};

// Each byte's Windows-1250 code lowered by one, read back as text.
QString unscrambleString(QByteArrayView scrambled);
// The built-in path of the school database, unscrambled afresh at every call.
QString schoolDatabasePath();
// True when anything (file or folder) exists at the path.
bool fileExists(const QString &path);
// Whether school-server mode can be offered for the built-in location: a file that exists, or
// a server, which only the attempt to read the pupils can test.
bool schoolDatabaseMayExist(const QString &location);

// The name of the system user the program runs under, in a 128-character buffer: the name,
// a NUL, then blanks.
QString readUserName();
// Drops the buffer's last character, then the run of blanks and NULs that ends the rest.
QString trimNameBuffer(const QString &buffer);
