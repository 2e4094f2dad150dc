// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/databaselocation.h"

// The pieces of the mistakes views' statements that differ between engines; the statements
// are put together in mistakesdatabase.cpp and are otherwise the same for both.
namespace mistakesql {

struct Statements
{
    // The median of the seconds of the answers of a group, right (1) or wrong (0) or all,
    // counted in tenths of a second: over ten million answers it must not sort them all, and
    // a tenth is finer than a teacher reads.
    const char *medianRight;
    const char *medianWrong;
    const char *medianAll;
    // Ends the subquery of each answer's prefix step: SQLite would otherwise copy the step's
    // long expression into every sum that reads it and work it out once per sum; with a
    // limit it hands each row on once computed.
    const char *computeOnce;
    // The answers counted per class and day, and per pupil and day. The server's triggers
    // append to tables of their own, read together with the summaries through these views.
    const char *classDays;
    const char *pupilDays;
};

// SQLite has no median: "tesilka_median" is registered on the teacher's connection
// (mistakesdatabase.cpp) and keeps a count per tenth, so it reads each answer once, in any
// order, in memory bounded by the longest time.
inline constexpr Statements sqlite{
    .medianRight = R"(tesilka_median(CASE WHEN "O"."Spravne" = 1 THEN "O"."Sekundy" END))",
    .medianWrong = R"(tesilka_median(CASE WHEN "O"."Spravne" = 0 THEN "O"."Sekundy" END))",
    .medianAll = R"(tesilka_median("O"."Sekundy"))",
    .computeOnce = " LIMIT -1",
    .classDays = R"("SouhrnOdpovediTrid")",
    .pupilDays = R"("SouhrnOdpovediZaku")",
};

// The server's own median of the same tenths: the middle value, or the mean of the two.
inline constexpr Statements postgresql{
    .medianRight = R"(percentile_cont(0.5) WITHIN GROUP (ORDER BY round("O"."Sekundy" * 10)) )"
                   R"(FILTER (WHERE "O"."Spravne" = 1) / 10)",
    .medianWrong = R"(percentile_cont(0.5) WITHIN GROUP (ORDER BY round("O"."Sekundy" * 10)) )"
                   R"(FILTER (WHERE "O"."Spravne" = 0) / 10)",
    .medianAll = R"(percentile_cont(0.5) WITHIN GROUP (ORDER BY round("O"."Sekundy" * 10)) / 10)",
    .computeOnce = "",
    .classDays = R"("SouhrnOdpovediTridVse")",
    .pupilDays = R"("SouhrnOdpovediZakuVse")",
};

inline const Statements &statementsFor(DatabaseLocation::Engine engine)
{
    return engine == DatabaseLocation::Engine::Postgresql ? postgresql : sqlite;
}

// The prefix the right answer is shown with: the givens' prefixes added (a product) or the
// second's less the first's (a quotient), moved by the thousands the product or quotient of
// the shown numbers spans, as the exercise brings a value to 0.1 ≤ number < 999.999.
inline constexpr const char *neededPrefix =
    R"(CASE WHEN "Odpovedi"."Velicina" = 0 THEN "Odpovedi"."PredponaA" + "Odpovedi"."PredponaB" + )"
    R"(CASE WHEN "Odpovedi"."HodnotaA" * "Odpovedi"."HodnotaB" >= 999999.0 THEN 2 )"
    R"(WHEN "Odpovedi"."HodnotaA" * "Odpovedi"."HodnotaB" >= 999.999 THEN 1 )"
    R"(WHEN "Odpovedi"."HodnotaA" * "Odpovedi"."HodnotaB" >= 0.1 THEN 0 ELSE -1 END )"
    R"(ELSE "Odpovedi"."PredponaB" - "Odpovedi"."PredponaA" + )"
    R"(CASE WHEN "Odpovedi"."HodnotaB" >= 999.999 * "Odpovedi"."HodnotaA" THEN 1 )"
    R"(WHEN "Odpovedi"."HodnotaB" >= 0.1 * "Odpovedi"."HodnotaA" THEN 0 )"
    R"(WHEN "Odpovedi"."HodnotaB" >= 0.0001 * "Odpovedi"."HodnotaA" THEN -1 ELSE -2 END END)";

} // namespace mistakesql
