// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/resultformat.h" // ExportOutcome, ResultFilter, ResultSort

#include <QString>

#include <functional>

class QAbstractItemModel;

// Workbooks for a spreadsheet, beside the CSV exports: one sheet with a bold header row that
// stays in view, columns as wide as their contents, and real cells: a date is a date cell
// shown d.m.yyyy, a fraction a number shown with two decimals, a whole number a number, and
// everything else a text (never a formula, whatever it starts with). The file is written
// beside `path` and takes its place only when complete: a failed or cancelled export keeps the
// old file.

// True for a file name the teacher chose as a workbook (".xlsx", any case).
bool isWorkbookPath(const QString &path);

// The header and every row of a table model (its Qt::EditRole values). Returns the Czech
// failure sentence, or an empty text.
QString modelXlsx(const QAbstractItemModel &model, const QString &path,
                  const QString &sheetName = {});

// The results table of the filter as exportResultsCsv() writes it, row by row in constant
// memory however many runs there are; `progress` is called now and then with the rows written
// and cancels when it returns false. More rows than a sheet holds are a failure, not a cut.
ExportOutcome exportResultsXlsx(const ResultsDatabase &database, const ResultFilter &filter,
                                const ResultSort &sort, const QString &path,
                                const std::function<bool(qint64)> &progress = {});
