// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/resultsdatabase.h"

#include "database/czechorder.h"
#include "database/databaseconnection.h"
#include "database/isoday.h"
#include "database/resultqueries.h"
#include "database/sqliteerror.h"
#include "database/sqlstatements.h"
#include "database/teacherdatabase.h"

#include <QCollator>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QMap>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

#include "schemasql.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <unordered_map>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(ResultsDatabase)
};

// Statement text with its bound values in the order of their "?".
struct Sql
{
    QString text;
    QVariantList values;

    Sql &operator<<(const QString &piece)
    {
        text += piece;
        return *this;
    }
    Sql &operator<<(const char *piece)
    {
        text += QString::fromUtf8(piece);
        return *this;
    }
    void append(const Sql &other)
    {
        text += other.text;
        values += other.values;
    }
};

enum class Table
{
    School,
    Mail
};

bool includes(const ResultFilter &filter, Table table)
{
    if (table == Table::School && filter.unassigned) {
        return false; // only reports have nobody
    }
    return filter.sources == ResultFilter::Sources::Both ||
           (filter.sources == ResultFilter::Sources::School) == (table == Table::School);
}

// The filter as conditions on one table, joined by AND (empty for none). A report counts for
// the pupil and the class it is assigned to, not for the names typed into it.
Sql filterConditions(const resultsql::Statements &statements, Table table,
                     const ResultFilter &filter)
{
    const bool school = table == Table::School;
    Sql sql;
    QStringList conditions;
    if (!filter.className.isEmpty()) {
        conditions << (school ? R"("Prehled "."Trida" = ?)" : R"("Zpravy"."ZakTrida" = ?)");
        sql.values << filter.className;
    }
    if (filter.unassigned && !school) {
        conditions << R"("Zpravy"."ZakPrijmeni" IS NULL)";
    } else if (!filter.surname.isEmpty()) {
        conditions << (school ? R"("Prehled "."Prijmeni" = ?)" : R"("Zpravy"."ZakPrijmeni" = ?)");
        sql.values << filter.surname;
    }
    const QString day = QString::fromUtf8(school ? statements.schoolDay : statements.mailDay);
    if (filter.from.isValid()) {
        conditions << day + QStringLiteral(" >= ?");
        sql.values << filter.from;
    }
    if (filter.to.isValid()) {
        conditions << day + QStringLiteral(" < ?");
        sql.values << filter.to.addDays(1);
    }
    sql.text = conditions.join(QStringLiteral(" AND "));
    return sql;
}

// Conditions joined by AND as a WHERE clause; none for no condition.
Sql whereOf(const QList<Sql> &parts)
{
    Sql sql;
    for (const Sql &part : parts) {
        if (part.text.isEmpty()) {
            continue;
        }
        sql << (sql.text.isEmpty() ? " WHERE (" : " AND (");
        sql.append(part);
        sql << ")";
    }
    return sql;
}

Sql whereClause(const resultsql::Statements &statements, Table table, const ResultFilter &filter)
{
    return whereOf({filterConditions(statements, table, filter)});
}

// The pupils of the list the filter covers, as a WHERE clause of "Zaci"; none for the reports
// of nobody's.
std::optional<Sql> listClause(const ResultFilter &filter)
{
    if (filter.unassigned) {
        return std::nullopt;
    }
    Sql sql;
    QStringList conditions;
    if (!filter.className.isEmpty()) {
        conditions << R"("Zaci"."Trida" = ?)";
        sql.values << filter.className;
    }
    if (!filter.surname.isEmpty()) {
        conditions << R"("Zaci"."Prijmeni" = ?)";
        sql.values << filter.surname;
    }
    if (!conditions.isEmpty()) {
        sql << " WHERE " << conditions.join(QStringLiteral(" AND "));
    }
    return sql;
}

// The columns of the runs' rows, in this order in every arm: the source, ResultColumn's
// columns, the row key, the table's row order and the rank of a name sorted by.
constexpr int rowOrderColumn = 13;
constexpr int rankColumn = 14;
constexpr const char *columnNames[] = {
    R"("Zdroj")",         R"("Den")",           R"("Zacatek")", R"("Konec")",  R"("Jmeno")",
    R"("Trida")",         R"("Odpovedi")",      R"("Spravne")", R"("Chybne")", R"("Uspesnost")",
    R"("VeZpraveJmeno")", R"("VeZpraveTrida")", R"("Klic")",    R"("Poradi")", R"("Razeni")"};

int columnOf(ResultColumn column)
{
    static constexpr int columns[resultColumnCount] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 10, 11};
    return columns[static_cast<int>(column)];
}

// How a sort orders the rows. `ranked`: by the rank of the name or class instead of the name.
struct Order
{
    QList<int> terms; // columns, each in the sort's direction
    bool descending = true;
    bool ranked = false;
};

// The sort's column, then the day and time the run ended, then the row itself: a total order,
// so that a page begins exactly where the one before it ended. `tieBroken` false: the order
// without the row, as the export has always written it.
Order orderOf(const ResultSort &sort, bool ranked, bool tieBroken = true)
{
    Order order;
    order.descending = sort.descending;
    order.ranked = ranked;
    QList<int> terms{ranked ? rankColumn : columnOf(sort.column), 1, 3};
    if (tieBroken) {
        terms << rowOrderColumn << 0;
    }
    for (const int term : terms) {
        if (!order.terms.contains(term)) {
            order.terms << term;
        }
    }
    return order;
}

QString orderByOf(const Order &order)
{
    const QString direction = order.descending ? QStringLiteral(" DESC") : QStringLiteral(" ASC");
    QStringList terms;
    for (const int term : order.terms) {
        // Names and classes carry the Czech collation from the select list.
        terms << QString::fromUtf8(columnNames[term]) + direction;
    }
    return QStringLiteral(" ORDER BY ") + terms.join(QStringLiteral(", "));
}

// One SELECT over one table: its column expressions, FROM and the conditions it adds.
struct Arm
{
    Table table;
    QStringList columns;
    QString from;
    QString condition;
};

QList<Arm> armsOf(const resultsql::Statements &s, const ResultFilter &filter, const Order &order,
                  ResultColumn sorted)
{
    const auto text = [](const char *piece) { return QString::fromUtf8(piece); };
    const QString collate = u' ' + text(s.czechOrder);
    QList<Arm> arms;
    if (includes(filter, Table::School)) {
        const QString right = QStringLiteral(R"(COALESCE("Prehled "."Spravne", 0))");
        const QString wrong = QStringLiteral(R"(COALESCE("Prehled "."Chybne", 0))");
        Arm arm{Table::School,
                {QStringLiteral("1"), text(s.schoolDay), text(s.schoolStart), text(s.schoolEnd),
                 QStringLiteral(R"("Prehled "."Prijmeni")") + collate,
                 QStringLiteral(R"("Prehled "."Trida")") + collate,
                 right + QStringLiteral(" + ") + wrong, right, wrong,
                 QStringLiteral("CASE WHEN %1 + %2 > 0 THEN 100.0 * %1 / (%1 + %2) END")
                     .arg(right, wrong),
                 QStringLiteral("CAST(NULL AS TEXT)") + collate,
                 QStringLiteral("CAST(NULL AS TEXT)") + collate, text(s.schoolKey),
                 text(s.schoolRow), QStringLiteral("NULL")},
                QStringLiteral(R"("Prehled ")"),
                {}};
        if (order.ranked) {
            // Walked in the order of the ranks, each name's runs from the index "PrehledJmeno"
            // (a class's from "PrehledTridaZak"): the first page reads only its own rows.
            const bool byName = sorted == ResultColumn::Name;
            arm.columns[rankColumn] = QStringLiteral(R"("R"."Poradi")");
            arm.from = QStringLiteral(R"(temp."Poradi" AS "R" CROSS JOIN "Prehled " ON )") +
                       (byName ? QStringLiteral(R"("Prehled "."Prijmeni")")
                               : QStringLiteral(R"("Prehled "."Trida")")) +
                       QStringLiteral(R"( = "R"."Nazev")");
            arms << arm;
            if (!byName) {
                // The runs of no class have no rank.
                arm.columns[rankColumn] = QStringLiteral("NULL");
                arm.from = QStringLiteral(R"("Prehled ")");
                arm.condition = QStringLiteral(R"("Prehled "."Trida" IS NULL)");
                arms << arm;
            }
        } else {
            arms << arm;
        }
    }
    if (includes(filter, Table::Mail)) {
        Arm arm{Table::Mail,
                {QStringLiteral("2"), text(s.mailDay), text(s.mailStart), text(s.mailEnd),
                 QStringLiteral(R"("Zpravy"."ZakPrijmeni")") + collate,
                 QStringLiteral(R"("Zpravy"."ZakTrida")") + collate,
                 QStringLiteral(R"("Zpravy"."Odpovedi")"), QStringLiteral(R"("Zpravy"."Spravne")"),
                 QStringLiteral(R"("Zpravy"."Chybne")"),
                 QStringLiteral(R"(CASE WHEN "Zpravy"."Odpovedi" > 0 THEN 100.0 * )"
                                R"("Zpravy"."Spravne" / "Zpravy"."Odpovedi" END)"),
                 QStringLiteral(R"("Zpravy"."Student")") + collate,
                 QStringLiteral(R"("Zpravy"."Trida")") + collate,
                 QStringLiteral(R"("Zpravy"."Blok")"), text(s.mailRow), QStringLiteral("NULL")},
                QStringLiteral(R"("Zpravy")"),
                {}};
        if (order.ranked) {
            arm.columns[rankColumn] = QStringLiteral(R"("R"."Poradi")");
            arm.from =
                QStringLiteral(R"("Zpravy" LEFT JOIN temp."Poradi" AS "R" ON "R"."Nazev" = )") +
                (sorted == ResultColumn::Name ? QStringLiteral(R"("Zpravy"."ZakPrijmeni")")
                                              : QStringLiteral(R"("Zpravy"."ZakTrida")"));
        }
        arms << arm;
    }
    return arms;
}

// The rows at or after `key` in the order, as alternatives of which each makes an arm of its
// own: the first column's bound is then a range an index seeks to, with the rows where it is
// NULL (first or last, as the engine sorts them) apart.
QList<Sql> boundOf(const resultsql::Statements &s, const Arm &arm, const Order &order,
                   const ResultKey &key, bool nullsSmallest, bool inclusive = true)
{
    const bool ascending = !order.descending;
    // NULLs come first in this direction.
    const bool nullsFirst = nullsSmallest == ascending;
    const QString after = ascending ? QStringLiteral(" > ") : QStringLiteral(" < ");
    const auto valueOf = [&](int term) {
        return order.terms.at(term) == rowOrderColumn ? QString::fromUtf8(s.rowValue)
                                                      : QStringLiteral("?");
    };
    const auto expression = [&](int term) { return arm.columns.at(order.terms.at(term)); };
    // Rows past the key in the terms from `term` on, or equal in all of them.
    std::function<Sql(int)> rest = [&](int term) -> Sql {
        Sql sql;
        if (term >= order.terms.size()) {
            sql << (inclusive ? "1 = 1" : "1 = 0");
            return sql;
        }
        const QString e = expression(term);
        const QVariant value = key.value(term);
        Sql past;
        Sql equal;
        if (value.isNull()) {
            past << (nullsFirst ? e + QStringLiteral(" IS NOT NULL") : QStringLiteral("1 = 0"));
            equal << e + QStringLiteral(" IS NULL");
        } else {
            past << (nullsFirst ? QString() : e + QStringLiteral(" IS NULL OR ")) << e << after
                 << valueOf(term);
            past.values << value;
            equal << e << " = " << valueOf(term);
            equal.values << value;
        }
        sql << "(";
        sql.append(past);
        sql << ") OR (";
        sql.append(equal);
        sql << " AND (";
        sql.append(rest(term + 1));
        sql << "))";
        return sql;
    };
    const QString lead = expression(0);
    const QVariant first = key.value(0);
    QList<Sql> alternatives;
    if (first.isNull()) {
        Sql nulls;
        nulls << lead << " IS NULL AND (";
        nulls.append(rest(1));
        nulls << ")";
        alternatives << nulls;
        if (nullsFirst) {
            Sql values;
            values << lead << " IS NOT NULL";
            alternatives << values;
        }
    } else {
        Sql values;
        values << lead << " IS NOT NULL AND " << lead << (ascending ? " >= " : " <= ") << valueOf(0)
               << " AND (" << lead << after << valueOf(0) << " OR (";
        values.values << first << first;
        values.append(rest(1));
        values << "))";
        alternatives << values;
        if (!nullsFirst) {
            Sql nulls;
            nulls << lead << " IS NULL";
            alternatives << nulls;
        }
    }
    return alternatives;
}

// Whether two keys read by `order` name the same place in it: NULL equals only NULL, and a
// server's exact success rate is equal whatever number of trailing zeros it was written with.
bool sameKey(const Order &order, const ResultKey &left, const ResultKey &right)
{
    const auto exact = [](QString number) {
        if (number.contains(u'.')) {
            while (number.endsWith(u'0')) {
                number.chop(1);
            }
            if (number.endsWith(u'.')) {
                number.chop(1);
            }
        }
        return number;
    };
    for (qsizetype term = 0; term < order.terms.size(); ++term) {
        const QVariant &a = left.at(term);
        const QVariant &b = right.at(term);
        if (a.isNull() || b.isNull()) {
            if (a.isNull() != b.isNull()) {
                return false;
            }
        } else if (order.terms.at(term) == columnOf(ResultColumn::Success)) {
            if (exact(a.toString()) != exact(b.toString())) {
                return false;
            }
        } else if (a != b) {
            return false;
        }
    }
    return true;
}

// Where a compound begins or ends: the rows at or after `key` in `order` (only after it unless
// `inclusive`).
struct Bound
{
    const Order *order;
    ResultKey key;
    bool inclusive = true;
};

// The runs of either table as one compound ordered by `order`: every column (or with
// `keysOnly` the order's columns alone), within `bounds`. With `armLimit`, on an engine whose
// planner cannot merge arms that have conditions of their own (PostgreSQL keeps such an arm
// apart and sorts every row of it), each arm is ordered and cut to that many rows itself, so
// that it follows its index and the compound merges the arms' first rows.
Sql runsUnion(const resultsql::Statements &s, const ResultFilter &filter, const Order &order,
              ResultColumn sorted, const QList<Bound> &bounds = {}, bool nullsSmallest = true,
              bool keysOnly = false, std::optional<qint64> armLimit = std::nullopt)
{
    const bool limitArms = armLimit.has_value() && s.limitsEachArm;
    int armNumber = 0;
    Sql sql;
    for (const Arm &arm : armsOf(s, filter, order, sorted)) {
        const Sql conditions = filterConditions(s, arm.table, filter);
        Sql extra;
        extra << arm.condition;
        // Each bound is one or two alternatives: one arm for each way of meeting all of them.
        QList<QList<Sql>> combinations{{conditions, extra}};
        for (const Bound &bound : bounds) {
            QList<QList<Sql>> more;
            for (const Sql &alternative :
                 boundOf(s, arm, *bound.order, bound.key, nullsSmallest, bound.inclusive)) {
                for (QList<Sql> combination : combinations) {
                    combination << alternative;
                    more << combination;
                }
            }
            combinations = more;
        }
        for (const QList<Sql> &combination : combinations) {
            if (!sql.text.isEmpty()) {
                sql << " UNION ALL ";
            }
            // Each column is named in every arm: the first one is the only one when the
            // other table is filtered out.
            QStringList select;
            if (keysOnly) {
                for (const int term : order.terms) {
                    select << arm.columns.at(term) + QStringLiteral(" AS ") +
                                  QString::fromUtf8(columnNames[term]);
                }
            } else {
                for (qsizetype column = 0; column < arm.columns.size(); ++column) {
                    select << arm.columns.at(column) + QStringLiteral(" AS ") +
                                  QString::fromUtf8(columnNames[column]);
                }
            }
            if (limitArms) {
                sql << "SELECT * FROM (";
            }
            sql << "SELECT " << select.join(QStringLiteral(", ")) << " FROM " << arm.from;
            sql.append(whereOf(combination));
            if (limitArms) {
                sql << orderByOf(order) << " LIMIT ?) AS "
                    << QStringLiteral(R"("Cast%1")").arg(++armNumber);
                sql.values << *armLimit;
            }
        }
    }
    if (sql.text.isEmpty()) {
        // Nothing to read (both sources filtered out): an empty set of the same shape.
        QStringList select;
        for (const char *name : columnNames) {
            select << QStringLiteral("NULL AS ") + QString::fromUtf8(name);
        }
        sql << "SELECT " << select.join(QStringLiteral(", ")) << " WHERE 1 = 0";
    }
    return sql;
}

// The rows of "Souhrn" of the filter's class and pupil, of the months after `after` and before
// `before` ('YYYY-MM'; empty: open).
Sql summaryMonths(const ResultFilter &filter, const QString &after, const QString &before)
{
    Sql conditions;
    QStringList terms;
    if (!filter.className.isEmpty()) {
        terms << QStringLiteral(R"("Souhrn"."Trida" = ?)");
        conditions.values << filter.className;
    }
    if (!filter.surname.isEmpty()) {
        terms << QStringLiteral(R"("Souhrn"."Prijmeni" = ?)");
        conditions.values << filter.surname;
    }
    if (!after.isEmpty()) {
        terms << QStringLiteral(R"("Souhrn"."Mesic" > ?)");
        conditions.values << after;
    }
    if (!before.isEmpty()) {
        terms << QStringLiteral(R"("Souhrn"."Mesic" < ?)");
        conditions.values << before;
    }
    conditions.text = terms.join(QStringLiteral(" AND "));
    return conditions;
}

// Per pupil (surname in a class) of both tables and of the list, before the threshold; the
// reports of nobody's make one row per class with "Nikoho" set.
Sql pupilTotals(const resultsql::Statements &s, const ResultFilter &filter, bool summary)
{
    Sql sql;
    sql << R"(SELECT "Jmeno", "Trida", SUM("Behy") AS "Behy", SUM("Odpovedi") AS "Odpovedi", )"
        << R"(SUM("Spravne") AS "Spravne", SUM("Chybne") AS "Chybne", MIN("Prvni") AS "Prvni", )"
        << R"(MAX("Posledni") AS "Posledni", MAX("NaSeznamu") AS "NaSeznamu", )"
        << R"(MAX("Nikoho") AS "Nikoho" FROM ()";
    QStringList arms;
    const auto schoolRuns = [&](const ResultFilter &days) {
        Sql arm;
        arm << R"(SELECT "Prehled "."Prijmeni" AS "Jmeno", "Prehled "."Trida" AS "Trida", )"
            << R"(COUNT(*) AS "Behy", )"
            << R"(SUM(COALESCE("Prehled "."Spravne", 0) + COALESCE("Prehled "."Chybne", 0)) )"
            << R"(AS "Odpovedi", SUM(COALESCE("Prehled "."Spravne", 0)) AS "Spravne", )"
            << R"(SUM(COALESCE("Prehled "."Chybne", 0)) AS "Chybne", MIN()" << s.schoolDay
            << R"() AS "Prvni", MAX()" << s.schoolDay << R"() AS "Posledni", )"
            << R"(0 AS "NaSeznamu", 0 AS "Nikoho" FROM "Prehled ")";
        arm.append(whereOf({filterConditions(s, Table::School, days)}));
        arm << R"( GROUP BY "Prehled "."Trida", "Prehled "."Prijmeni")";
        if (!arms.isEmpty()) {
            sql << " UNION ALL ";
        }
        sql.append(arm);
        arms << QString();
    };
    if (includes(filter, Table::School) && !summary) {
        schoolRuns(filter);
    } else if (includes(filter, Table::School)) {
        // The months wholly inside the filter from the table of each pupil's months; the
        // months a filter's first or last day falls in from the runs of those days. A day's
        // text begins with its month's, so a month after the first day's month holds only
        // days after the first day, and one before the day after the last only days before it.
        // A filter from a month's first day takes that month whole as well.
        const bool fromMonthStart = filter.from.isValid() && filter.from.day() == 1;
        const QString first = filter.from.isValid()
                                  ? (fromMonthStart ? filter.from.addMonths(-1) : filter.from)
                                        .toString(QStringLiteral("yyyy-MM"))
                                  : QString();
        const QString end = filter.to.isValid()
                                ? filter.to.addDays(1).toString(QStringLiteral("yyyy-MM"))
                                : QString();
        Sql arm;
        arm << R"(SELECT "Souhrn"."Prijmeni" AS "Jmeno", "Souhrn"."Trida" AS "Trida", )"
            << R"(SUM("Souhrn"."Behy") AS "Behy", SUM("Souhrn"."Spravne" + "Souhrn"."Chybne") )"
            << R"(AS "Odpovedi", SUM("Souhrn"."Spravne") AS "Spravne", SUM("Souhrn"."Chybne") )"
            << R"(AS "Chybne", MIN("Souhrn"."Prvni") AS "Prvni", MAX("Souhrn"."Posledni") AS )"
            << R"("Posledni", 0 AS "NaSeznamu", 0 AS "Nikoho" FROM "Souhrn")";
        arm.append(whereOf({summaryMonths(filter, first, end)}));
        arm << R"( GROUP BY "Souhrn"."Trida", "Souhrn"."Prijmeni")";
        sql.append(arm);
        arms << QString();
        // Each edge month's days of the filter as one range of its own: with the filter's
        // other end (or an OR of both edges) the index reads every day between the edges.
        if (!first.isEmpty() && first == end) {
            schoolRuns(filter); // within one month: all the filter's days
        } else {
            if (!first.isEmpty() && !fromMonthStart) {
                ResultFilter days = filter;
                const QDate monthEnd =
                    QDate(filter.from.year(), filter.from.month(), 1).addMonths(1).addDays(-1);
                days.to = filter.to.isValid() ? std::min(filter.to, monthEnd) : monthEnd;
                schoolRuns(days);
            }
            if (!end.isEmpty() && filter.to.addDays(1).day() != 1) {
                ResultFilter days = filter;
                const QDate monthStart(filter.to.year(), filter.to.month(), 1);
                days.from = filter.from.isValid() ? std::max(filter.from, monthStart) : monthStart;
                schoolRuns(days);
            }
        }
    }
    if (includes(filter, Table::Mail)) {
        if (!arms.isEmpty()) {
            sql << " UNION ALL ";
        }
        Sql arm;
        arm << R"(SELECT "Zpravy"."ZakPrijmeni" AS "Jmeno", "Zpravy"."ZakTrida" AS "Trida", )"
            << R"(COUNT(*) AS "Behy", SUM("Zpravy"."Odpovedi") AS "Odpovedi", )"
            << R"(SUM("Zpravy"."Spravne") AS "Spravne", SUM("Zpravy"."Chybne") AS "Chybne", )"
            << "MIN(" << s.mailDay << R"() AS "Prvni", MAX()" << s.mailDay
            << R"() AS "Posledni", 0 AS "NaSeznamu", )"
            << R"(CASE WHEN "Zpravy"."ZakPrijmeni" IS NULL THEN 1 ELSE 0 END AS "Nikoho" )"
            << R"(FROM "Zpravy")";
        arm.append(whereClause(s, Table::Mail, filter));
        arm << R"( GROUP BY "Zpravy"."ZakTrida", "Zpravy"."ZakPrijmeni")";
        sql.append(arm);
        arms << QString();
    }
    // Every pupil of the list, also one who never practised.
    if (const std::optional<Sql> list = listClause(filter)) {
        if (!arms.isEmpty()) {
            sql << " UNION ALL ";
        }
        Sql arm;
        arm << R"(SELECT "Zaci"."Prijmeni" AS "Jmeno", "Zaci"."Trida" AS "Trida", )"
            << R"(0 AS "Behy", 0 AS "Odpovedi", 0 AS "Spravne", 0 AS "Chybne", )"
            << R"(CAST(NULL AS TEXT) AS "Prvni", CAST(NULL AS TEXT) AS "Posledni", )"
            << R"(1 AS "NaSeznamu", 0 AS "Nikoho" FROM "Zaci")";
        arm.append(*list);
        sql.append(arm);
        arms << QString();
    }
    if (arms.isEmpty()) {
        // Nothing to read: an empty set of the same shape.
        sql << R"(SELECT CAST(NULL AS TEXT) AS "Jmeno", CAST(NULL AS TEXT) AS "Trida", 0 AS "Behy", )"
            << R"(0 AS "Odpovedi", 0 AS "Spravne", 0 AS "Chybne", CAST(NULL AS TEXT) AS "Prvni", )"
            << R"(CAST(NULL AS TEXT) AS "Posledni", 0 AS "NaSeznamu", 0 AS "Nikoho" WHERE 1 = 0)";
    }
    sql << R"() AS "Behy" GROUP BY "Trida", "Jmeno")";
    return sql;
}

// A pupil below the threshold: with answers, and right answers under that share of them.
constexpr char belowThreshold[] = R"("Odpovedi" > 0 AND 100 * "Spravne" < ? * "Odpovedi")";

QDate dayOf(const QVariant &value)
{
    return isoDayOf(value.toString());
}

} // namespace

double successPercent(qint64 right, qint64 answers)
{
    if (answers <= 0) {
        return -1;
    }
    return std::round(10000.0 * static_cast<double>(right) / static_cast<double>(answers)) / 100.0;
}

// Czech order for SQLite, which has none of its own. Sort keys are kept per name: a sort of
// many rows compares the same few thousand names again and again.
struct ResultsDatabase::Collation
{
    QCollator collator{QLocale(QLocale::Czech, QLocale::CzechRepublic)};
    std::unordered_map<std::string, QCollatorSortKey> keys;

    const QCollatorSortKey &keyOf(const void *data, int size)
    {
        std::string bytes(static_cast<const char *>(data), static_cast<std::size_t>(size));
        auto found = keys.find(bytes);
        if (found == keys.end()) {
            constexpr std::size_t most = 100000;
            if (keys.size() >= most) {
                keys.clear();
            }
            found = keys.emplace(bytes, collator.sortKey(QString::fromUtf8(
                                            static_cast<const char *>(data), size)))
                        .first;
        }
        return found->second;
    }

    static int compare(void *self, int sizeA, const void *a, int sizeB, const void *b)
    {
        if (sizeA == sizeB &&
            std::equal(static_cast<const char *>(a), static_cast<const char *>(a) + sizeA,
                       static_cast<const char *>(b))) {
            return 0;
        }
        auto *collation = static_cast<Collation *>(self);
        const int order = collation->keyOf(a, sizeA).compare(collation->keyOf(b, sizeB));
        if (order != 0) {
            return order;
        }
        // Names that Czech order holds equal still differ: keep them apart, always alike.
        const int common = std::min(sizeA, sizeB);
        const int bytes = std::char_traits<char>::compare(static_cast<const char *>(a),
                                                          static_cast<const char *>(b),
                                                          static_cast<std::size_t>(common));
        return bytes != 0 ? bytes : sizeA - sizeB;
    }

    static void destroy(void *self) { delete static_cast<Collation *>(self); }
};

namespace {

[[noreturn]] void fail(const TeacherDatabase &database, const QSqlError &error)
{
    const DatabaseFailure failure = describeFailure(error, database.location());
    QString message = Texts::tr("Výsledky nelze načíst z databáze %1: %2.")
                          .arg(quotedName(database.location().displayName()), failure.cause);
    if (!failure.detail.isEmpty()) {
        message += u' ' + failure.detail;
    }
    throw DatabaseError(message.toStdString());
}

QSqlQuery run(const TeacherDatabase &database, const Sql &sql, bool exact = false)
{
    QSqlQuery query(database.connection());
    query.setForwardOnly(true);
    if (exact) {
        // A key's value is bound again as it was read: a server's numeric stays exact.
        query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    }
    if (!query.prepare(sql.text)) {
        fail(database, query.lastError());
    }
    for (const QVariant &value : sql.values) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        fail(database, query.lastError());
    }
    return query;
}

// One snapshot of an SQLite file from the ranks' refresh to the end of the query that uses
// them; nothing is written to the file, so the end only lets go of it.
class RankedRead
{
public:
    RankedRead(const TeacherDatabase &database, bool active)
        : database_(active ? &database : nullptr)
    {
        if (database_ != nullptr) {
            run(*database_, Sql{QString::fromUtf8(resultsql::sqliteRankedReadBegin), {}});
        }
    }
    RankedRead(const RankedRead &) = delete;
    RankedRead &operator=(const RankedRead &) = delete;
    ~RankedRead()
    {
        if (database_ != nullptr) {
            QSqlQuery(database_->connection())
                .exec(QString::fromUtf8(resultsql::sqliteRankedReadEnd));
        }
    }

private:
    const TeacherDatabase *database_;
};

void checkEnd(const TeacherDatabase &database, const QSqlQuery &query)
{
    if (query.lastError().isValid()) {
        fail(database, query.lastError());
    }
}

// The runs of one month the filter covers, and the filter narrowed to that month.
struct MonthCount
{
    qint64 runs = 0;
    ResultFilter filter;
};

// The filter's runs per month in the order of the days: the school's from "Souhrn" (the months
// the filter's first or last day cuts, from the runs), the reports directly. `undated`: the
// reports with no day, which no month holds.
QList<MonthCount> monthCounts(const TeacherDatabase &database, const resultsql::Statements &s,
                              const ResultFilter &filter, bool descending, qint64 &undated)
{
    const QString monthFormat = QStringLiteral("yyyy-MM");
    const QString first = filter.from.isValid() ? filter.from.toString(monthFormat) : QString();
    const QString last = filter.to.isValid() ? filter.to.toString(monthFormat) : QString();
    const auto narrowed = [&](const QString &month) {
        ResultFilter within = filter;
        const QDate start = QDate::fromString(month + QStringLiteral("-01"), Qt::ISODate);
        const QDate end = start.addMonths(1).addDays(-1);
        within.from = filter.from.isValid() && filter.from > start ? filter.from : start;
        within.to = filter.to.isValid() && filter.to < end ? filter.to : end;
        return within;
    };
    QMap<QString, qint64> counts;
    undated = 0;
    if (includes(filter, Table::School)) {
        Sql sql;
        sql << R"(SELECT "Mesic", SUM("Behy") FROM "Souhrn")";
        sql.append(whereOf({summaryMonths(
            filter,
            filter.from.isValid() ? filter.from.addMonths(-1).toString(monthFormat) : QString(),
            filter.to.isValid() ? filter.to.addMonths(1).toString(monthFormat) : QString())}));
        sql << R"( GROUP BY "Mesic")";
        QSqlQuery query = run(database, sql);
        while (query.next()) {
            if (query.value(0).isNull()) {
                undated += query.value(1).toLongLong(); // runs of no day
            } else {
                counts[query.value(0).toString()] += query.value(1).toLongLong();
            }
        }
        checkEnd(database, query);
        // A month the filter cuts is counted from its runs instead of as a whole.
        for (const QString &month : QSet<QString>{first, last}) {
            if (month.isEmpty() || !counts.contains(month)) {
                continue;
            }
            Sql edge;
            edge << R"(SELECT COUNT(*) FROM "Prehled ")";
            edge.append(whereClause(s, Table::School, narrowed(month)));
            QSqlQuery exact = run(database, edge);
            counts[month] = exact.next() ? exact.value(0).toLongLong() : 0;
            checkEnd(database, exact);
        }
    }
    if (includes(filter, Table::Mail)) {
        Sql sql;
        sql << "SELECT substr(" << s.mailDay << R"(, 1, 7), COUNT(*) FROM "Zpravy")";
        sql.append(whereClause(s, Table::Mail, filter));
        sql << " GROUP BY 1";
        QSqlQuery query = run(database, sql);
        while (query.next()) {
            if (query.value(0).isNull()) {
                undated += query.value(1).toLongLong();
            } else {
                counts[query.value(0).toString()] += query.value(1).toLongLong();
            }
        }
        checkEnd(database, query);
    }
    QList<MonthCount> months;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > 0) {
            months.append(MonthCount{it.value(), narrowed(it.key())});
        }
    }
    if (descending) {
        std::reverse(months.begin(), months.end());
    }
    return months;
}

ResultRow rowOf(const QSqlQuery &query)
{
    ResultRow row;
    row.source = query.value(0).toInt() == 2 ? ResultSource::Mail : ResultSource::School;
    row.date = dayOf(query.value(1));
    row.start = query.value(2).toString();
    row.end = query.value(3).toString();
    row.name = query.value(4).toString();
    row.className = query.value(5).toString();
    row.answers = query.value(6).toInt();
    row.right = query.value(7).toInt();
    row.wrong = query.value(8).toInt();
    // 9 is the success, for ordering only
    row.reportedName = query.value(10).toString();
    row.reportedClass = query.value(11).toString();
    row.key = query.value(12).toString();
    return row;
}

} // namespace

ResultsDatabase::ResultsDatabase(const TeacherDatabase &database) : database_(database)
{
    const QSqlDatabase db = database_.connection();
    const auto &statements = resultsql::statementsFor(database_.location().engine);
    QSqlQuery indexes(db);
    // A file that cannot be written is read without what it lacks.
    for (const char *const *statement = statements.indexes;
         !database_.isReadOnly() && *statement != nullptr; ++statement) {
        if (!indexes.exec(QString::fromUtf8(*statement))) {
            fail(database_, indexes.lastError());
        }
    }
    for (const char *const *statement = statements.oldIndexes;
         !database_.isReadOnly() && *statement != nullptr; ++statement) {
        if (!indexes.exec(QString::fromUtf8(*statement))) {
            fail(database_, indexes.lastError());
        }
    }

    const QVariant handle = db.driver()->handle();
    const bool sqlite = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0;
    if (sqlite) {
        auto *sqliteHandle = *static_cast<sqlite3 *const *>(handle.data());
        auto *collation = new Collation;
        if (sqlite3_create_collation_v2(sqliteHandle, "tesilka_cs", SQLITE_UTF8, collation,
                                        &Collation::compare, &Collation::destroy) != SQLITE_OK) {
            delete collation;
            throw DatabaseError(
                Texts::tr("Výsledky nelze řadit podle české abecedy: SQLite odmítlo řazení.")
                    .toStdString());
        }
        collation_ = collation;
    }

    QSqlQuery present(db);
    if (!present.exec(QString::fromUtf8(statements.summaryPresent))) {
        fail(database_, present.lastError());
    }
    summaryTable_ = present.next();
    present.finish();
    if (!summaryTable_ && sqlite && !database_.isReadOnly()) {
        // An older file gets the table, its triggers and its rows in one transaction; a file
        // that cannot be written keeps being read from its runs.
        QSqlDatabase writable = db;
        if (!writable.transaction()) {
            fail(database_, writable.lastError());
        }
        QSqlQuery add(db);
        bool added = true;
        for (const QString &statement : splitSqlStatements(QString::fromUtf8(schoolSchemaSql))) {
            if (statement.contains(QStringLiteral(R"("Souhrn")")) ||
                statement.contains(QStringLiteral(R"("PrehledJmeno")"))) {
                added = added && add.exec(statement);
            }
        }
        added = added && add.exec(QString::fromUtf8(resultsql::sqliteFillSummary));
        if (!added) {
            const QSqlError error = add.lastError();
            writable.rollback();
            fail(database_, error);
        }
        if (!writable.commit()) {
            fail(database_, writable.lastError());
        }
        summaryTable_ = true;
    }
    if (sqlite) {
        QSqlQuery ranks(db);
        if (!ranks.exec(QString::fromUtf8(resultsql::sqliteRankTable))) {
            fail(database_, ranks.lastError());
        }
    }
}

bool ResultsDatabase::jumpsByCounts(const ResultSort &sort) const
{
    return usesSummaryTable() && sort.column == ResultColumn::Date;
}

bool ResultsDatabase::ranked(const ResultSort &sort) const
{
    return collation_ != nullptr && !plain_ &&
           (sort.column == ResultColumn::Name || sort.column == ResultColumn::Class);
}

// The ranks of the names as they stand now: a pupil's machine may have written a new one.
// Reading the distinct names skips through the indexes; the table is written only when they
// changed.
void ResultsDatabase::refreshRanks() const
{
    QSqlQuery read = run(database_, Sql{QString::fromUtf8(resultsql::sqliteRankedNames), {}});
    QStringList names;
    while (read.next()) {
        names.append(read.value(0).toString());
    }
    checkEnd(database_, read);
    read.finish();
    std::sort(names.begin(), names.end());
    if (names == rankedNames_) {
        return;
    }
    QStringList ordered = names;
    std::sort(ordered.begin(), ordered.end(), [this](const QString &a, const QString &b) {
        const QByteArray left = a.toUtf8();
        const QByteArray right = b.toUtf8();
        return Collation::compare(collation_, static_cast<int>(left.size()), left.constData(),
                                  static_cast<int>(right.size()), right.constData()) < 0;
    });
    QSqlQuery clear = run(database_, Sql{QString::fromUtf8(resultsql::sqliteClearRanks), {}});
    clear.finish();
    QSqlQuery fill =
        run(database_, Sql{QString::fromUtf8(resultsql::sqliteFillRanks),
                           {QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(ordered))
                                                  .toJson(QJsonDocument::Compact))}});
    fill.finish();
    rankedNames_ = names;
}

qint64 ResultsDatabase::countRuns(const ResultFilter &filter) const
{
    const auto &s = resultsql::statementsFor(database_.location().engine);
    qint64 total = 0;
    for (const Table table : {Table::School, Table::Mail}) {
        if (!includes(filter, table)) {
            continue;
        }
        Sql sql;
        sql << (table == Table::School ? R"(SELECT COUNT(*) FROM "Prehled ")"
                                       : R"(SELECT COUNT(*) FROM "Zpravy")");
        sql.append(whereClause(s, table, filter));
        QSqlQuery query = run(database_, sql);
        if (query.next()) {
            total += query.value(0).toLongLong();
        }
        checkEnd(database_, query);
    }
    return total;
}

QList<ResultRow> ResultsDatabase::runs(const ResultFilter &filter, const ResultSort &sort,
                                       qint64 offset, int limit) const
{
    const auto &s = resultsql::statementsFor(database_.location().engine);
    const Order order = orderOf(sort, false);
    // The compound itself is ordered, not a query around it: SQLite then merges its arms, each
    // read in the order of an index, and the first page comes at once.
    Sql sql = runsUnion(s, filter, order, sort.column);
    sql << orderByOf(order) << " LIMIT ? OFFSET ?";
    sql.values << limit << offset;
    QList<ResultRow> rows;
    rows.reserve(limit);
    QSqlQuery query = run(database_, sql);
    while (query.next()) {
        rows.append(rowOf(query));
    }
    checkEnd(database_, query);
    return rows;
}

ResultRowsPage ResultsDatabase::runsFrom(const ResultFilter &filter, const ResultSort &sort,
                                         const ResultKey *first, int limit) const
{
    const auto &s = resultsql::statementsFor(database_.location().engine);
    const bool byRank = ranked(sort);
    const RankedRead snapshot(database_, byRank);
    if (byRank) {
        refreshRanks();
    }
    const Order order = orderOf(sort, byRank);
    const bool nullsSmallest = database_.location().engine == DatabaseLocation::Engine::Sqlite;
    QList<Bound> bounds;
    if (first != nullptr) {
        bounds << Bound{&order, *first};
    }
    // One row more: where the next page begins.
    Sql sql = runsUnion(s, filter, order, sort.column, bounds, nullsSmallest, false, limit + 1);
    sql << orderByOf(order) << " LIMIT ?";
    sql.values << limit + 1;
    ResultRowsPage page;
    page.rows.reserve(limit);
    QSqlQuery query = run(database_, sql, true);
    while (query.next()) {
        if (page.rows.size() == limit) {
            ResultKey key;
            for (const int term : order.terms) {
                key << query.value(term);
            }
            page.next = key;
            break;
        }
        page.rows.append(rowOf(query));
    }
    checkEnd(database_, query);
    return page;
}

std::optional<ResultKey> ResultsDatabase::keyAfter(const ResultFilter &filter,
                                                   const ResultSort &sort, const ResultKey *from,
                                                   qint64 skip) const
{
    const auto &s = resultsql::statementsFor(database_.location().engine);
    const bool byRank = ranked(sort);
    const RankedRead snapshot(database_, byRank);
    if (byRank) {
        refreshRanks();
    }
    const Order order = orderOf(sort, byRank);
    const bool nullsSmallest = database_.location().engine == DatabaseLocation::Engine::Sqlite;
    QList<Bound> bounds;
    if (from != nullptr) {
        bounds << Bound{&order, *from};
    }
    // The order's columns alone of `count` rows from `offset`, read from an index without the
    // rows.
    const auto keysAt = [&](const Order &by, const QList<Bound> &within, qint64 offset,
                            qint64 count, const ResultFilter &rows) {
        Sql sql = runsUnion(s, rows, by, sort.column, within, nullsSmallest, true, offset + count);
        sql << orderByOf(by) << " LIMIT ? OFFSET ?";
        sql.values << count << offset;
        QSqlQuery query = run(database_, sql, true);
        QList<ResultKey> keys;
        while (query.next()) {
            ResultKey values;
            for (qsizetype term = 0; term < by.terms.size(); ++term) {
                values << query.value(static_cast<int>(term));
            }
            keys << values;
        }
        checkEnd(database_, query);
        return keys;
    };
    const auto keyAt = [&](const Order &by, const QList<Bound> &within, qint64 offset,
                           const ResultFilter &rows) -> std::optional<ResultKey> {
        const QList<ResultKey> keys = keysAt(by, within, offset, 1, rows);
        if (keys.isEmpty()) {
            return std::nullopt;
        }
        return keys.first();
    };
    // Whole months counted instead of walked: the walk is then only within the month holding
    // the row sought, which is exactly that month's rows in the same order.
    ResultFilter rows = filter;
    qint64 left = skip;
    if (jumpsByCounts(sort) && from == nullptr && skip > 0) {
        qint64 undated = 0;
        const QList<MonthCount> months =
            monthCounts(database_, s, filter, order.descending, undated);
        // Rows of no day come first where the engine sorts them so: then the rows are walked.
        const bool undatedFirst = nullsSmallest != order.descending;
        if (!undatedFirst || undated == 0) {
            bool found = false;
            for (const MonthCount &month : months) {
                if (left < month.runs) {
                    rows = month.filter;
                    found = true;
                    break;
                }
                left -= month.runs;
            }
            if (!found && undated == 0) {
                return std::nullopt;
            }
            if (!found) {
                left = skip; // among the rows of no day, after every month
            }
        }
    }
    if (database_.location().engine != DatabaseLocation::Engine::Postgresql || left == 0) {
        return keyAt(order, bounds, left, rows);
    }
    // A server's index holds the sort's columns but not the row: walking by them alone is an
    // index-only scan, sorting every row by the row as well is not. So: the sort's columns of
    // the row sought, where the rows sharing them begin, and the rest within those few rows.
    Order values = order;
    values.terms = order.terms.mid(0, std::max<qsizetype>(1, order.terms.indexOf(rowOrderColumn)));
    // The same walk reads the few rows before the row sought: where a short group begins is
    // seen there, and only a longer one needs its earlier rows counted.
    const qint64 back = std::min<qint64>(left, 64);
    const QList<ResultKey> window = keysAt(values, bounds, left - back, back + 1, rows);
    if (window.size() != back + 1) {
        return std::nullopt;
    }
    const ResultKey group = window.last();
    qint64 equal = 0;
    while (equal < window.size() && sameKey(values, window[window.size() - 1 - equal], group)) {
        ++equal;
    }
    Order backwards = values;
    backwards.descending = !values.descending;
    const auto within = bounds + QList<Bound>{Bound{&values, group}, Bound{&backwards, group}};
    if (equal <= back || back == left) {
        return keyAt(order, within, equal - 1, rows);
    }
    Sql count;
    count << "SELECT COUNT(*) FROM (";
    count.append(runsUnion(s, rows, values, sort.column,
                           bounds + QList<Bound>{Bound{&backwards, group, false}}, nullsSmallest,
                           true));
    count << R"() AS "Pred")";
    QSqlQuery before = run(database_, count, true);
    const qint64 earlier = before.next() ? before.value(0).toLongLong() : 0;
    checkEnd(database_, before);
    before.finish();
    return keyAt(order, within, left - earlier, rows);
}

bool ResultsDatabase::forEachRun(const ResultFilter &filter, const ResultSort &sort,
                                 const std::function<bool(const ResultRow &)> &row) const
{
    const auto &s = resultsql::statementsFor(database_.location().engine);
    const Order order = orderOf(sort, false, false);
    Sql sql = runsUnion(s, filter, order, sort.column);
    sql << orderByOf(order);
    QSqlQuery query = run(database_, sql);
    while (query.next()) {
        if (!row(rowOf(query))) {
            return false;
        }
    }
    checkEnd(database_, query);
    return true;
}

ResultsDatabase::Statement ResultsDatabase::runsStatement(const ResultFilter &filter,
                                                          const ResultSort &sort) const
{
    // The statement of forEachRun, column for column.
    const Order order = orderOf(sort, false, false);
    Sql sql = runsUnion(resultsql::statementsFor(database_.location().engine), filter, order,
                        sort.column);
    sql << orderByOf(order);
    return {sql.text, sql.values};
}

QList<PupilSummary> ResultsDatabase::pupilSummaries(const ResultFilter &filter, double threshold,
                                                    bool markedOnly) const
{
    const auto &s = resultsql::statementsFor(database_.location().engine);
    Sql sql;
    sql << R"(SELECT "Jmeno", "Trida", "Behy", "Odpovedi", "Spravne", "Chybne", "Prvni", )"
        << R"("Posledni", CASE WHEN )" << belowThreshold
        << R"( THEN 1 ELSE 0 END, "NaSeznamu", "Nikoho" FROM ()";
    sql.values << threshold;
    sql.append(pupilTotals(s, filter, usesSummaryTable()));
    sql << R"() AS "Zaci")";
    if (markedOnly) {
        // Those who need the teacher: below the threshold, or on the list and never practised.
        sql << R"( WHERE "Nikoho" = 0 AND ()" << belowThreshold
            << R"( OR ("Behy" = 0 AND "NaSeznamu" = 1)))";
        sql.values << threshold;
    }
    QList<PupilSummary> list;
    QSqlQuery query = run(database_, sql);
    while (query.next()) {
        PupilSummary pupil{query.value(0).toString(),   query.value(1).toString(),
                           query.value(2).toLongLong(), query.value(3).toLongLong(),
                           query.value(4).toLongLong(), query.value(5).toLongLong(),
                           dayOf(query.value(6)),       dayOf(query.value(7))};
        pupil.unassignedReports = query.value(10).toInt() == 1;
        pupil.marked = !pupil.unassignedReports && query.value(8).toInt() == 1;
        pupil.onList = query.value(9).toInt() == 1;
        list.append(pupil);
    }
    checkEnd(database_, query);
    // A few thousand pupils at most: put in Czech order here, a class's reports of nobody's
    // after its pupils.
    sortInCzechOrder(
        list, &PupilSummary::className,
        [](const PupilSummary &pupil) {
            return pupil.unassignedReports ? QStringLiteral("1") : QStringLiteral("0");
        },
        &PupilSummary::name);
    return list;
}

QList<ClassSummary> ResultsDatabase::classSummaries(const ResultFilter &filter,
                                                    double threshold) const
{
    const auto &s = resultsql::statementsFor(database_.location().engine);
    Sql sql;
    sql << R"(SELECT "Trida", SUM("NaSeznamu"), )"
        << R"(SUM(CASE WHEN "Nikoho" = 0 AND "Behy" > 0 THEN 1 ELSE 0 END), )"
        << R"(SUM(CASE WHEN "Nikoho" = 0 AND "Behy" = 0 THEN 1 ELSE 0 END), )"
        << R"(SUM(CASE WHEN "Nikoho" = 0 AND )" << belowThreshold << R"( THEN 1 ELSE 0 END), )"
        << R"(SUM("Behy"), SUM("Odpovedi"), SUM("Spravne"), SUM("Chybne"), )"
        << R"(SUM(CASE WHEN "Nikoho" = 1 THEN "Behy" ELSE 0 END) FROM ()";
    sql.values << threshold;
    sql.append(pupilTotals(s, filter, usesSummaryTable()));
    sql << R"() AS "Zaci" GROUP BY "Trida")";
    QList<ClassSummary> list;
    QSqlQuery query = run(database_, sql);
    while (query.next()) {
        list.append({query.value(0).toString(), query.value(1).toLongLong(),
                     query.value(2).toLongLong(), query.value(3).toLongLong(),
                     query.value(4).toLongLong(), query.value(5).toLongLong(),
                     query.value(6).toLongLong(), query.value(7).toLongLong(),
                     query.value(8).toLongLong(), query.value(9).toLongLong()});
    }
    checkEnd(database_, query);
    sortInCzechOrder(list, &ClassSummary::className);
    return list;
}

QList<ProgressPoint> ResultsDatabase::progress(const ResultFilter &filter,
                                               ProgressPeriod period) const
{
    const auto &s = resultsql::statementsFor(database_.location().engine);
    const bool weeks = period == ProgressPeriod::Week;
    Sql sql;
    sql << R"(SELECT "Obdobi", SUM("Behy"), SUM("Odpovedi"), SUM("Spravne"), SUM("Chybne") )"
        << "FROM (";
    bool any = false;
    if (includes(filter, Table::School)) {
        Sql arm;
        arm << "SELECT " << (weeks ? s.schoolWeek : s.schoolDay) << R"( AS "Obdobi", )"
            << R"(COUNT(*) AS "Behy", )"
            << R"(SUM(COALESCE("Prehled "."Spravne", 0) + COALESCE("Prehled "."Chybne", 0)) )"
            << R"(AS "Odpovedi", SUM(COALESCE("Prehled "."Spravne", 0)) AS "Spravne", )"
            << R"(SUM(COALESCE("Prehled "."Chybne", 0)) AS "Chybne" FROM "Prehled ")";
        arm.append(whereClause(s, Table::School, filter));
        arm << " GROUP BY 1";
        sql.append(arm);
        any = true;
    }
    if (includes(filter, Table::Mail)) {
        if (any) {
            sql << " UNION ALL ";
        }
        Sql arm;
        arm << "SELECT " << (weeks ? s.mailWeek : s.mailDay)
            << R"( AS "Obdobi", COUNT(*) AS "Behy", SUM("Zpravy"."Odpovedi") AS "Odpovedi", )"
            << R"(SUM("Zpravy"."Spravne") AS "Spravne", SUM("Zpravy"."Chybne") AS "Chybne" )"
            << R"(FROM "Zpravy")";
        arm.append(whereClause(s, Table::Mail, filter));
        arm << " GROUP BY 1";
        sql.append(arm);
    }
    sql << R"() AS "Obdobi" GROUP BY "Obdobi" ORDER BY "Obdobi")";
    QList<ProgressPoint> points;
    QSqlQuery query = run(database_, sql);
    while (query.next()) {
        const QDate day = dayOf(query.value(0));
        if (!day.isValid()) {
            continue; // a report without dates has no place on a time line
        }
        points.append({day, query.value(1).toLongLong(), query.value(2).toLongLong(),
                       query.value(3).toLongLong(), query.value(4).toLongLong()});
    }
    checkEnd(database_, query);
    return points;
}

namespace {

// The classes of the school runs by a loose scan of the index "PrehledTridaZak": each step
// jumps to the next class, a few dozen index lookups instead of reading every run.
constexpr const char *runClasses =
    R"("T"("Trida") AS (SELECT MIN("Trida") FROM "Prehled " UNION ALL )"
    R"(SELECT (SELECT MIN("Prehled "."Trida") FROM "Prehled " WHERE "Prehled "."Trida" > "T"."Trida") )"
    R"(FROM "T" WHERE "T"."Trida" IS NOT NULL))";

} // namespace

QStringList ResultsDatabase::classes() const
{
    Sql sql;
    sql << "WITH RECURSIVE " << runClasses
        << R"( SELECT "T"."Trida" FROM "T" WHERE "T"."Trida" IS NOT NULL )"
        << R"(UNION SELECT "Zpravy"."ZakTrida" FROM "Zpravy" )"
        << R"(UNION SELECT "Zaci"."Trida" FROM "Zaci")";
    QStringList list;
    QSqlQuery query = run(database_, sql);
    while (query.next()) {
        if (!query.value(0).isNull()) {
            list.append(query.value(0).toString());
        }
    }
    checkEnd(database_, query);
    sortInCzechOrder(list, std::identity{});
    return list;
}

QList<std::pair<QString, QString>> ResultsDatabase::pupils(const QString &className) const
{
    ResultFilter filter;
    filter.className = className;
    Sql sql;
    // The classes, then within each class from one surname to the next, both over the index.
    sql << "WITH RECURSIVE ";
    if (className.isEmpty()) {
        sql << runClasses;
    } else {
        sql << R"("T"("Trida") AS (SELECT MIN("Trida") FROM "Prehled " WHERE "Trida" = ?))";
        sql.values << className;
    }
    sql << R"(, "Z"("Trida", "Prijmeni") AS (SELECT "T"."Trida", (SELECT MIN("Prehled "."Prijmeni") )"
        << R"(FROM "Prehled " WHERE "Prehled "."Trida" = "T"."Trida") FROM "T" )"
        << R"(WHERE "T"."Trida" IS NOT NULL UNION ALL SELECT "Z"."Trida", )"
        << R"((SELECT MIN("Prehled "."Prijmeni") FROM "Prehled " WHERE "Prehled "."Trida" = "Z"."Trida" )"
        << R"(AND "Prehled "."Prijmeni" > "Z"."Prijmeni") FROM "Z" WHERE "Z"."Prijmeni" IS NOT NULL) )"
        << R"(SELECT "Z"."Prijmeni", "Z"."Trida" FROM "Z" WHERE "Z"."Prijmeni" IS NOT NULL UNION )"
        << R"(SELECT "Zaci"."Prijmeni", "Zaci"."Trida" FROM "Zaci")";
    sql.append(*listClause(filter));
    QList<std::pair<QString, QString>> list;
    QSqlQuery query = run(database_, sql);
    while (query.next()) {
        list.append({query.value(0).toString(), query.value(1).toString()});
    }
    checkEnd(database_, query);
    sortInCzechOrder(list, &std::pair<QString, QString>::first,
                     &std::pair<QString, QString>::second);
    return list;
}

const ResultsDatabase::FilterLists &ResultsDatabase::filterLists() const
{
    if (!filterLists_) {
        FilterLists lists{classes(), pupils(QString())};
        filterLists_ = std::move(lists);
    }
    return *filterLists_;
}
