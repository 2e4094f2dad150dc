// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QIODevice;
class ResultsDatabase;
struct ResultFilter;

// tesilka-ucitel [--database FILE] --export-results OUT.csv [--class C] [--pupil SURNAME]
// [--source skola|email] [--from YYYY-MM-DD] [--to YYYY-MM-DD]: the results table as the window
// exports it; a name ending in .xlsx gives a workbook instead of CSV. A pupil without --class must
// be the only one of that surname. `arguments` are all of the command line's options;
// `defaultDatabase` is used without --database. Returns 0 when written, 1 when the database or the
// file failed or the class or pupil is not in the database, 2 for wrong options.
int runExportCommand(const QStringList &arguments, const QString &defaultDatabase, QIODevice &out,
                     QIODevice &err);

// tesilka-ucitel [--database FILE] --export-summary OUT.csv (or .xlsx) with the same filter options
// and
// [--threshold N] (per cent, 50 without it): the per-pupil table of "Souhrny" as the window
// exports it, every pupil of the list and the lines of reports of nobody's included. Returns
// as runExportCommand.
int runSummaryExportCommand(const QStringList &arguments, const QString &defaultDatabase,
                            QIODevice &out, QIODevice &err);

// The class and the pupil of an export must be in the database: a misspelt one would give an
// empty file that looks like a class that never practised. A pupil (a surname) without a class
// gets the one class that surname is in; `filter` then names them. Returns the reason when not,
// else an empty text.
QString resolveExportFilter(const ResultsDatabase &results, ResultFilter &filter,
                            const QString &pupil);
