// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/teacherdatabase.h" // NewPupil, LineIssue

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>

// Class lists exported from a spreadsheet or a school information system.
struct ClassListOptions
{
    enum class Encoding
    {
        Utf8,
        Windows1250
    } encoding = Encoding::Utf8;
    QChar separator = u';';
    bool hasHeader = false;
};

// A pupil of the list, with the 1-based line of the file where its row starts: the rows the
// school database takes as they are.
using ClassListRow = NewPupil;

// Czech, for the teacher: "prázdný řádek", "chybí příjmení", "žák je v souboru už na řádku 4".
using ClassListIssue = LineIssue;

struct ClassList
{
    QList<ClassListRow> rows;
    QList<ClassListIssue> issues;
};

// A BOM or valid UTF-8 means UTF-8, else Windows-1250; the separator (";", "," or tab) that
// most lines hold outside quotes; a header when the first line names the columns.
ClassListOptions guessClassListOptions(const QByteArray &data);
// Quoted fields as spreadsheets write them ("" inside, separators and line breaks allowed).
// The first column is the surname, the second the class, unless a header names them in
// another order. Empty lines, lines without a surname and repeated pupils (same surname and
// class after trimming) are reported by line and left out of the rows.
ClassList parseClassList(const QByteArray &data, const ClassListOptions &options);
