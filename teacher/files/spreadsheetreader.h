// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What a file holds, told by its content, never by its name: a class list saved as XLSX under
// the name "trida.csv" is still a workbook.
enum class FileContent
{
    Text, // a CSV or other text, in any 8-bit encoding or UTF-16 with a byte order mark
    Xlsx,
    Ods,
    Other // a PDF, an image, an old XLS, a zip of something else, any other binary file
};
FileContent fileContent(const QByteArray &data);

// The Czech sentence for a file of FileContent::Other: what it seems to be and what to do,
// ending with "Uložte seznam jako CSV nebo XLSX."
QString refusedFileText(const QByteArray &data, const QString &fileName);

struct SpreadsheetTable
{
    // The first sheet, row by row from its row 1: the text of each cell as the sheet shows a
    // plain value (a whole number without ".0", a fraction with a decimal comma). Empty rows
    // between filled ones are kept, so that the index tells the row; empty rows and cells at
    // the end are left out.
    QList<QStringList> rows;
    QString failure; // a Czech sentence; empty when read
};

// Largest sheet read: a class list is far smaller, and a hostile file (a zip bomb, a row
// repeated a billion times) is refused within bounded memory. Cells beyond the last column
// read are ignored.
constexpr int spreadsheetMaxRows = 100000;
constexpr int spreadsheetMaxColumns = 64;

// The first sheet of an XLSX or ODS workbook; a damaged one, or any other file, gives the
// reason in `failure`.
SpreadsheetTable readSpreadsheet(const QByteArray &data, const QString &fileName);
