// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/resultsdatabase.h"

#include "database/czechorder.h"
#include "database/databaseconnection.h"
#include "database/resultqueries.h"
#include "database/sqliteerror.h"
#include "database/teacherdatabase.h"

#include <QCollator>
#include <QCoreApplication>
#include <QLocale>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

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

// The filter as the WHERE clause of one table. A report counts for the pupil and the class it
// is assigned to, not for the names typed into it.
Sql whereClause(const resultsql::Statements &statements, Table table, const ResultFilter &filter)
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
    if (!conditions.isEmpty()) {
        sql << " WHERE " << conditions.join(QStringLiteral(" AND "));
    }
    return sql;
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

// One row per run of either table, with the columns of ResultColumn (and the source first).
Sql runsUnion(const resultsql::Statements &s, const ResultFilter &filter)
{
    Sql sql;
    if (includes(filter, Table::School)) {
        Sql arm;
        arm << R"(SELECT 1 AS "Zdroj", )" << s.schoolDay << R"( AS "Den", )" << s.schoolStart
            << R"( AS "Zacatek", )" << s.schoolEnd << R"( AS "Konec", )"
            << R"("Prehled "."Prijmeni" )" << s.czechOrder << R"( AS "Jmeno", )"
            << R"("Prehled "."Trida" )" << s.czechOrder << R"( AS "Trida", )"
            << R"(COALESCE("Prehled "."Spravne", 0) + COALESCE("Prehled "."Chybne", 0) )"
            << R"(AS "Odpovedi", COALESCE("Prehled "."Spravne", 0) AS "Spravne", )"
            << R"(COALESCE("Prehled "."Chybne", 0) AS "Chybne", )"
            << R"(CASE WHEN COALESCE("Prehled "."Spravne", 0) + COALESCE("Prehled "."Chybne", 0))"
            << R"( > 0 THEN 100.0 * COALESCE("Prehled "."Spravne", 0) / )"
            << R"((COALESCE("Prehled "."Spravne", 0) + COALESCE("Prehled "."Chybne", 0)) END )"
            << R"(AS "Uspesnost", CAST(NULL AS TEXT) )" << s.czechOrder
            << R"( AS "VeZpraveJmeno", CAST(NULL AS TEXT) )" << s.czechOrder
            << R"( AS "VeZpraveTrida", )" << s.schoolKey << R"( AS "Klic" FROM "Prehled ")";
        arm.append(whereClause(s, Table::School, filter));
        sql.append(arm);
    }
    if (includes(filter, Table::Mail)) {
        if (!sql.text.isEmpty()) {
            sql << " UNION ALL ";
        }
        Sql arm;
        // Named like the first arm's columns: it is the only one when the school runs are
        // filtered out.
        arm << R"(SELECT 2 AS "Zdroj", )" << s.mailDay << R"( AS "Den", )" << s.mailStart
            << R"( AS "Zacatek", )" << s.mailEnd << R"( AS "Konec", )"
            << R"("Zpravy"."ZakPrijmeni" )" << s.czechOrder << R"( AS "Jmeno", )"
            << R"("Zpravy"."ZakTrida" )" << s.czechOrder
            << R"( AS "Trida", "Zpravy"."Odpovedi" AS "Odpovedi", )"
            << R"("Zpravy"."Spravne" AS "Spravne", )"
            << R"("Zpravy"."Chybne" AS "Chybne", CASE WHEN "Zpravy"."Odpovedi" > 0 )"
            << R"(THEN 100.0 * "Zpravy"."Spravne" / "Zpravy"."Odpovedi" END AS "Uspesnost", )"
            << R"("Zpravy"."Student" )" << s.czechOrder << R"( AS "VeZpraveJmeno", )"
            << R"("Zpravy"."Trida" )" << s.czechOrder << R"( AS "VeZpraveTrida", )"
            << R"("Zpravy"."Blok" AS "Klic" FROM "Zpravy")";
        arm.append(whereClause(s, Table::Mail, filter));
        sql.append(arm);
    }
    return sql;
}

QString orderBy(const ResultSort &sort)
{
    static const char *const names[resultColumnCount] = {
        R"("Den")",       R"("Zacatek")",  R"("Konec")",         R"("Jmeno")",
        R"("Trida")",     R"("Odpovedi")", R"("Spravne")",       R"("Chybne")",
        R"("Uspesnost")", R"("Zdroj")",    R"("VeZpraveJmeno")", R"("VeZpraveTrida")"};
    const auto column = static_cast<int>(sort.column);
    const QString direction = sort.descending ? QStringLiteral(" DESC") : QStringLiteral(" ASC");
    // Names and classes carry the Czech collation from the select list.
    const QString first = QString::fromUtf8(names[column]);
    // Ties in the order of the day and time the run ended, so that pages follow one another.
    QString order = QStringLiteral(" ORDER BY ") + first + direction;
    if (sort.column != ResultColumn::Date) {
        order += QStringLiteral(R"(, "Den")") + direction;
    }
    order += QStringLiteral(R"(, "Konec")") + direction;
    return order;
}

// Per pupil (surname in a class) of both tables and of the list, before the threshold; the
// reports of nobody's make one row per class with "Nikoho" set.
Sql pupilTotals(const resultsql::Statements &s, const ResultFilter &filter)
{
    Sql sql;
    sql << R"(SELECT "Jmeno", "Trida", SUM("Behy") AS "Behy", SUM("Odpovedi") AS "Odpovedi", )"
        << R"(SUM("Spravne") AS "Spravne", SUM("Chybne") AS "Chybne", MIN("Prvni") AS "Prvni", )"
        << R"(MAX("Posledni") AS "Posledni", MAX("NaSeznamu") AS "NaSeznamu", )"
        << R"(MAX("Nikoho") AS "Nikoho" FROM ()";
    QStringList arms;
    if (includes(filter, Table::School)) {
        Sql arm;
        arm << R"(SELECT "Prehled "."Prijmeni" AS "Jmeno", "Prehled "."Trida" AS "Trida", )"
            << R"(COUNT(*) AS "Behy", )"
            << R"(SUM(COALESCE("Prehled "."Spravne", 0) + COALESCE("Prehled "."Chybne", 0)) )"
            << R"(AS "Odpovedi", SUM(COALESCE("Prehled "."Spravne", 0)) AS "Spravne", )"
            << R"(SUM(COALESCE("Prehled "."Chybne", 0)) AS "Chybne", MIN()" << s.schoolDay
            << R"() AS "Prvni", MAX()" << s.schoolDay << R"() AS "Posledni", )"
            << R"(0 AS "NaSeznamu", 0 AS "Nikoho" FROM "Prehled ")";
        arm.append(whereClause(s, Table::School, filter));
        arm << R"( GROUP BY "Prehled "."Trida", "Prehled "."Prijmeni")";
        sql.append(arm);
        arms << QString();
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

// 'YYYY-MM-DD' (with or without a time after it) read by hand: it is done for every row.
QDate dayOf(const QVariant &value)
{
    const QString text = value.toString();
    if (text.size() < 10 || text.at(4) != u'-' || text.at(7) != u'-') {
        return {};
    }
    bool yearOk = false;
    bool monthOk = false;
    bool dayOk = false;
    const int year = QStringView(text).mid(0, 4).toInt(&yearOk);
    const int month = QStringView(text).mid(5, 2).toInt(&monthOk);
    const int day = QStringView(text).mid(8, 2).toInt(&dayOk);
    return yearOk && monthOk && dayOk ? QDate(year, month, day) : QDate();
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

QSqlQuery run(const TeacherDatabase &database, const Sql &sql)
{
    QSqlQuery query(database.connection());
    query.setForwardOnly(true);
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

void checkEnd(const TeacherDatabase &database, const QSqlQuery &query)
{
    if (query.lastError().isValid()) {
        fail(database, query.lastError());
    }
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
    for (const char *const *statement = statements.indexes; *statement != nullptr; ++statement) {
        if (!indexes.exec(QString::fromUtf8(*statement))) {
            fail(database_, indexes.lastError());
        }
    }

    const QVariant handle = db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        auto *sqlite = *static_cast<sqlite3 *const *>(handle.data());
        auto *collation = new Collation;
        if (sqlite3_create_collation_v2(sqlite, "tesilka_cs", SQLITE_UTF8, collation,
                                        &Collation::compare, &Collation::destroy) != SQLITE_OK) {
            delete collation;
            throw DatabaseError(
                Texts::tr("Výsledky nelze řadit podle české abecedy: SQLite odmítlo řazení.")
                    .toStdString());
        }
    }
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
    // The compound itself is ordered, not a query around it: SQLite then merges its arms, each
    // read in the order of an index, and the first page comes at once.
    Sql sql = runsUnion(s, filter);
    sql << orderBy(sort) << " LIMIT ? OFFSET ?";
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

bool ResultsDatabase::forEachRun(const ResultFilter &filter, const ResultSort &sort,
                                 const std::function<bool(const ResultRow &)> &row) const
{
    const auto &s = resultsql::statementsFor(database_.location().engine);
    Sql sql = runsUnion(s, filter);
    sql << orderBy(sort);
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
    Sql sql = runsUnion(resultsql::statementsFor(database_.location().engine), filter);
    sql << orderBy(sort);
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
    sql.append(pupilTotals(s, filter));
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
    sql.append(pupilTotals(s, filter));
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
