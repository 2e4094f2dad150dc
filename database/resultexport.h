// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/resultsdatabase.h"

#include <QDate>

#include <functional>
#include <string_view>

// One row of the results table for a file export: the values ResultsDatabase::forEachRun()
// gives, its texts as UTF-8 that stay valid only during the call.
struct ResultRowText
{
    ResultSource source = ResultSource::School;
    QDate date;
    std::string_view start;
    std::string_view end;
    std::string_view name;
    std::string_view className;
    int answers = 0;
    int right = 0;
    int wrong = 0;
    std::string_view reportedName;
    std::string_view reportedClass;
};

// Every row of the filter in order, as forEachRun() reads them, handed one by one to `row`,
// which returns false to stop. On SQLite the columns are read as the engine keeps them,
// without a QVariant or a QString per field: a million rows are exported at the speed of the
// statement. Returns false when stopped; failures throw DatabaseError.
// NOLINTNEXTLINE(modernize-use-nodiscard): the calls are the use
bool forEachRunText(const ResultsDatabase &results, const ResultFilter &filter,
                    const ResultSort &sort, const std::function<bool(const ResultRowText &)> &row);
