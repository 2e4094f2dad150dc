// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/teacherdatabase.h" // NewPupil, LineIssue

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// Class lists exported from a spreadsheet or a school information system: CSV text, or the first
// sheet of an XLSX or ODS workbook. Both go through the same rows and checks.
struct ClassListOptions
{
    enum class Encoding
    {
        Utf8,
        Windows1250
    } encoding = Encoding::Utf8;
    QChar separator = u';';
    bool hasHeader = false;
    // With a first-name column: "Příjmení Jméno" as the surname, so that namesakes of a class
    // stay apart (and the sign-in list tells them apart).
    bool joinFirstNames = false;
};

// A pupil of the list, with the 1-based line of the file (the row of the sheet) where its row
// starts: the rows the school database takes as they are.
using ClassListRow = NewPupil;

// Czech, for the teacher: "prázdný řádek", "chybí příjmení", "žák je v souboru už na řádku 4".
using ClassListIssue = LineIssue;

struct ClassList
{
    QList<ClassListRow> rows;
    QList<ClassListIssue> issues;
    bool hasFirstNames = false; // the header names a first-name column beside the surname
    bool hasNamesakes = false;  // one surname twice in a class, with different first names
};

// A class list file as read: the text of a CSV, or the cells of a workbook's first sheet.
struct ClassListSource
{
    QByteArray text;
    QList<QStringList> cells;
    QString spreadsheetFormat; // "XLSX" or "ODS"; empty for text
    [[nodiscard]] bool isSpreadsheet() const { return !spreadsheetFormat.isEmpty(); }
};

// The bytes of a class list file, known by their content (an XLSX named .csv is a workbook):
// text (UTF-16 made UTF-8), or the first sheet of XLSX or ODS. Any other file is refused.
// Returns the Czech reason, or an empty text with `source` filled.
QString classListSource(const QByteArray &data, const QString &fileName, ClassListSource &source);
// The same, from a file on disk; a file too large for a class list is refused unread.
QString readClassListFile(const QString &path, ClassListSource &source);

// A BOM or valid UTF-8 means UTF-8, else Windows-1250; the separator (";", "," or tab) that
// most lines hold outside quotes; a header when the first line names the columns; first names
// joined when the list has namesakes.
ClassListOptions guessClassListOptions(const QByteArray &data);
ClassListOptions guessClassListOptions(const ClassListSource &source);
// Quoted fields as spreadsheets write them ("" inside, separators and line breaks allowed).
ClassList parseClassList(const QByteArray &data, const ClassListOptions &options);
// The rows of a sheet, row 1 first. The first column is the surname, the second the class,
// unless a header ("Příjmení"/"Priezvisko"/"Surname", "Třída"/"Trieda"/"Class", "Jméno"/
// "Meno"/"First name") names them in another order. Empty lines and lines without a surname or
// a class are reported by line and left out, and so are repeated pupils (same surname and
// class after trimming), with a word on namesakes the file could tell apart.
ClassList parseClassListTable(const QList<QStringList> &rows, bool hasHeader,
                              bool joinFirstNames = false);
ClassList parseClassList(const ClassListSource &source, const ClassListOptions &options);
