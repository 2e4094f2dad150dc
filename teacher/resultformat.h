// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/resultsdatabase.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <utility>

class QAbstractItemModel;

// The periods a teacher picks for the results views.
enum class DatePeriod
{
    All,
    Today,
    ThisWeek, // Monday to Sunday
    ThisMonth,
    SchoolYear, // 1 September to 31 August
    Range       // the teacher's own dates
};
// First and last day of the period around `today`; invalid dates for All and Range.
std::pair<QDate, QDate> datePeriodRange(DatePeriod period, const QDate &today);

// Texts of the results views.
QStringList resultColumnTitles();
QString sourceText(ResultSource source);
// "66,67 %" (the interface's decimal separator), or an empty text without answers.
QString percentText(double percent);
// "7. 12. 2026" in Czech and Slovak, the short date of another interface language
QString dayText(const QDate &day);
// What a filter covers, for a printed page: "Třída 8.B od 1. 9. 2026 do 30. 9. 2026".
QString filterDescription(const ResultFilter &filter);

// A row's values as a spreadsheet should get them: dates as QDate, counts as numbers, success
// as a number (null without answers), texts as texts.
QVariantList resultRowValues(const ResultRow &row);
// One value as a field of the CSV: a date as d.M.yyyy, a whole number as digits, a fraction
// with a decimal comma and two places, a text made safe from formulas.
QString csvField(const QVariant &value);

// The header line and every row of a table model (its Qt::EditRole values), as CSV for a
// Czech spreadsheet: UTF-8 with a BOM.
QByteArray modelCsv(const QAbstractItemModel &model);

struct ExportOutcome
{
    qint64 rows = 0;
    bool cancelled = false;
    QString failure; // a Czech sentence; empty on success
};
// Writes the results table of the filter to `path` as the window shows it, row by row, or
// nothing at all: the old file stays when it fails or `progress` (called now and then with the
// rows written) returns false.
ExportOutcome exportResultsCsv(const ResultsDatabase &database, const ResultFilter &filter,
                               const ResultSort &sort, const QString &path,
                               const std::function<bool(qint64)> &progress = {});
