// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/mistakesdatabase.h"

#include "database/czechorder.h"
#include "database/databaseconnection.h"
#include "database/mistakequeries.h"
#include "database/sqliteerror.h"
#include "database/teacherdatabase.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

#include <cmath>
#include <map>
#include <vector>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(MistakesDatabase)
};

// Statement text with its bound values in the order of their "?".
struct Sql
{
    QString text;
    QVariantList values;

    Sql &operator<<(const char *piece)
    {
        text += QString::fromUtf8(piece);
        return *this;
    }
    Sql &operator<<(const QString &piece)
    {
        text += piece;
        return *this;
    }
    void append(const Sql &other)
    {
        text += other.text;
        values += other.values;
    }
};

// Only the school runs keep their answers.
bool findsAnswers(const ResultFilter &filter)
{
    return !filter.unassigned && filter.sources != ResultFilter::Sources::Mail;
}

// Where a view reads its rows: the answers, or the counts kept of them, whose rows stand for
// "Pocet" answers each and keep a missing class or date as ''.
struct Source
{
    const char *table;
    const char *count;  // the answers of a group
    const char *weight; // what one row adds to a sum
    bool summary;
};
constexpr Source answers{R"("Odpovedi")", "COUNT(*)", "1", false};
constexpr Source classDays(const mistakesql::Statements &s)
{
    return {s.classDays, R"(SUM("O"."Pocet"))", R"("O"."Pocet")", true};
}
constexpr Source pupilDays(const mistakesql::Statements &s)
{
    return {s.pupilDays, R"(SUM("O"."Pocet"))", R"("O"."Pocet")", true};
}

// The filter as the WHERE clause over the rows named `table`. The answers carry their run's
// surname, class and day, so the index "OdpovediTridaZak" serves a class and a pupil; the
// counts' keys begin with the class.
Sql whereClause(const ResultFilter &filter, const QString &table, bool summary = false)
{
    Sql sql;
    QStringList conditions;
    const auto column = [&](const char *name) {
        return table + QStringLiteral(".\"") + QString::fromUtf8(name) + u'"';
    };
    if (!filter.className.isEmpty()) {
        conditions << column("Trida") + QStringLiteral(" = ?");
        sql.values << filter.className;
    }
    if (!filter.surname.isEmpty()) {
        conditions << column("Prijmeni") + QStringLiteral(" = ?");
        sql.values << filter.surname;
    }
    // Days are text 'YYYY-MM-DD' on both engines: bound as the same text.
    if (filter.from.isValid()) {
        conditions << column("Datum") + QStringLiteral(" >= ?");
        sql.values << filter.from.toString(Qt::ISODate);
    }
    if (filter.to.isValid()) {
        conditions << column("Datum") + QStringLiteral(" < ?");
        sql.values << filter.to.addDays(1).toString(Qt::ISODate);
        // An answer without a day is before no day.
        if (summary && !filter.from.isValid()) {
            conditions << column("Datum") + QStringLiteral(" <> ''");
        }
    }
    if (!conditions.isEmpty()) {
        sql << " WHERE " << conditions.join(QStringLiteral(" AND "));
    }
    return sql;
}

// The wrong answers of the named kinds, 1 to 4, as columns of a select list over "O".
QString namedKindColumns(const Source &source = answers)
{
    QString columns;
    for (int kind = 1; kind < mistakeKindCount; ++kind) {
        columns += QStringLiteral(R"(, SUM(CASE WHEN "O"."Spravne" = 0 AND "O"."Chyba" = %1 )"
                                  R"(THEN %2 ELSE 0 END))")
                       .arg(kind)
                       .arg(QString::fromUtf8(source.weight));
    }
    return columns;
}

// Reads the named kinds from `first` on; what is wrong and none of them is kind 0.
MistakeCounts kindsOf(const QSqlQuery &query, int first, qint64 wrong)
{
    MistakeCounts counts{};
    qint64 named = 0;
    for (int kind = 1; kind < mistakeKindCount; ++kind) {
        counts.at(kind) = query.value(first + kind - 1).toLongLong();
        named += counts.at(kind);
    }
    counts[0] = wrong - named;
    return counts;
}

double medianOf(const QVariant &value)
{
    return value.isNull() ? noMedian : value.toDouble();
}

[[noreturn]] void fail(const TeacherDatabase &database, const QSqlError &error)
{
    const DatabaseFailure failure = describeFailure(error, database.location());
    QString message = Texts::tr("Chyby žáků nelze načíst z databáze %1: %2.")
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

// The median of SQLite's "tesilka_median": a count per tenth of a second, the first hour in
// an array and anything longer in a map, so that ten million answers take no more memory than
// their distinct times.
struct TenthsHistogram
{
    static constexpr qint64 arrayTenths = 36000;
    std::vector<qint64> counts;
    std::map<qint64, qint64> longer;
    qint64 total = 0;

    void add(double seconds)
    {
        if (!(seconds >= 0) || !std::isfinite(seconds)) {
            return;
        }
        const qint64 tenths = std::llround(seconds * 10);
        if (tenths < arrayTenths) {
            if (static_cast<qint64>(counts.size()) <= tenths) {
                counts.resize(static_cast<std::size_t>(tenths) + 1);
            }
            ++counts[static_cast<std::size_t>(tenths)];
        } else {
            ++longer[tenths];
        }
        ++total;
    }

    // The tenth at 0-based position `rank` in order.
    [[nodiscard]] qint64 at(qint64 rank) const
    {
        for (std::size_t tenths = 0; tenths < counts.size(); ++tenths) {
            if (rank < counts[tenths]) {
                return static_cast<qint64>(tenths);
            }
            rank -= counts[tenths];
        }
        for (const auto &[tenths, count] : longer) {
            if (rank < count) {
                return tenths;
            }
            rank -= count;
        }
        return 0;
    }

    [[nodiscard]] double median() const
    {
        return static_cast<double>(at((total - 1) / 2) + at(total / 2)) / 20.0;
    }

    // SQLite's memory of one group, zeroed when it is first asked for.
    struct Slot
    {
        TenthsHistogram *histogram;
    };

    static void step(sqlite3_context *context, int /*count*/, sqlite3_value **values)
    {
        if (sqlite3_value_type(values[0]) == SQLITE_NULL) {
            return;
        }
        auto *slot = static_cast<Slot *>(sqlite3_aggregate_context(context, sizeof(Slot)));
        if (slot == nullptr) {
            sqlite3_result_error_nomem(context);
            return;
        }
        if (slot->histogram == nullptr) {
            slot->histogram = new TenthsHistogram;
        }
        slot->histogram->add(sqlite3_value_double(values[0]));
    }

    // Also called when a statement stops early: the histogram goes in every case.
    static void finish(sqlite3_context *context)
    {
        auto *slot = static_cast<Slot *>(sqlite3_aggregate_context(context, 0));
        if (slot == nullptr || slot->histogram == nullptr) {
            sqlite3_result_null(context);
            return;
        }
        if (slot->histogram->total == 0) {
            sqlite3_result_null(context);
        } else {
            sqlite3_result_double(context, slot->histogram->median());
        }
        delete slot->histogram;
        slot->histogram = nullptr;
    }
};

Sql figuresSql(const mistakesql::Statements &s, const ResultFilter &filter)
{
    // One pass, without a GROUP BY that would sort: each figure a conditional sum. The last
    // step is what the others leave. A pupil's answers are few and found by the index, and the
    // counts per class keep no pupil: a pupil's figures come from the answers themselves.
    const Source source = filter.surname.isEmpty() ? classDays(s) : answers;
    const QString weight = QString::fromUtf8(source.weight);
    Sql sql;
    sql << "SELECT " << source.count << R"(, SUM("O"."Spravne" * )" << weight << ")";
    for (int quantity = 0; quantity < askedQuantityCount; ++quantity) {
        sql << QStringLiteral(R"(, SUM(CASE "O"."Velicina" WHEN %1 THEN %2 ELSE 0 END), )"
                              R"(SUM(CASE "O"."Velicina" WHEN %1 THEN "O"."Spravne" * %2 )"
                              R"(ELSE 0 END))")
                   .arg(quantity)
                   .arg(weight);
    }
    for (int step = 0; step + 1 < prefixStepCount; ++step) {
        sql << QStringLiteral(R"(, SUM(CASE "O"."Krok" WHEN %1 THEN %2 ELSE 0 END), )"
                              R"(SUM(CASE "O"."Krok" WHEN %1 THEN "O"."Spravne" * %2 ELSE 0 END))")
                   .arg(step)
                   .arg(weight);
    }
    sql << namedKindColumns(source);
    if (source.summary) {
        sql << " FROM " << source.table << R"( AS "O")";
        sql.append(whereClause(filter, QStringLiteral("\"O\""), true));
        return sql;
    }
    // The step of the prefix: 0 when the right answer's prefix is one of the givens', 1 when
    // it is one step of 1000 from the nearer of them, 2 for more. The triggers of the counts
    // work it out the same way.
    sql << R"( FROM (SELECT "Odpovedi"."Velicina" AS "Velicina", "Odpovedi"."Spravne" AS "Spravne", )"
        << R"("Odpovedi"."Chyba" AS "Chyba", CASE )" << mistakesql::neededPrefix
        << R"( WHEN "Odpovedi"."PredponaA" THEN 0 WHEN "Odpovedi"."PredponaB" THEN 0 )"
        << R"(WHEN "Odpovedi"."PredponaA" + 1 THEN 1 WHEN "Odpovedi"."PredponaA" - 1 THEN 1 )"
        << R"(WHEN "Odpovedi"."PredponaB" + 1 THEN 1 WHEN "Odpovedi"."PredponaB" - 1 THEN 1 )"
        << R"(ELSE 2 END AS "Krok" FROM "Odpovedi")";
    sql.append(whereClause(filter, QStringLiteral("\"Odpovedi\"")));
    sql << s.computeOnce << R"() AS "O")";
    return sql;
}

Sql mediansSql(const mistakesql::Statements &s, const ResultFilter &filter)
{
    Sql sql;
    sql << "SELECT " << s.medianRight << ", " << s.medianWrong << R"( FROM "Odpovedi" AS "O")";
    sql.append(whereClause(filter, QStringLiteral("\"O\"")));
    return sql;
}

Sql weeksSql(const mistakesql::Statements &s, const ResultFilter &filter)
{
    // Per day in SQL, a few hundred rows for a school year; the days are put into their weeks
    // here rather than a date function run for every row.
    const Source source = filter.surname.isEmpty() ? classDays(s) : pupilDays(s);
    Sql sql;
    sql << R"(SELECT "O"."Datum", SUM("O"."Pocet"), SUM((1 - "O"."Spravne") * "O"."Pocet"))"
        << namedKindColumns(source) << " FROM " << source.table << R"( AS "O")";
    sql.append(whereClause(filter, QStringLiteral("\"O\""), true));
    // A server's day whose answers were all deleted since the folding sums to 0.
    sql << R"( GROUP BY "O"."Datum" HAVING SUM("O"."Pocet") <> 0 ORDER BY "O"."Datum")";
    return sql;
}

Sql pupilsSql(const mistakesql::Statements &s, const ResultFilter &filter)
{
    // In the order of the key, so that the groups need no sort.
    Sql sql;
    sql << R"(SELECT "O"."Trida", "O"."Prijmeni", SUM("O"."Pocet"), )"
        << R"(SUM("O"."Spravne" * "O"."Pocet"))" << namedKindColumns(pupilDays(s)) << " FROM "
        << s.pupilDays << R"( AS "O")";
    sql.append(whereClause(filter, QStringLiteral("\"O\""), true));
    sql << R"( GROUP BY "O"."Trida", "O"."Prijmeni" HAVING SUM("O"."Pocet") <> 0)";
    return sql;
}

// Each pupil's median, in the order of the index "OdpovediTridaZak".
Sql pupilMediansSql(const mistakesql::Statements &s, const ResultFilter &filter)
{
    Sql sql;
    sql << R"(SELECT "O"."Trida", "O"."Prijmeni", )" << s.medianAll << R"( FROM "Odpovedi" AS "O")";
    sql.append(whereClause(filter, QStringLiteral("\"O\"")));
    sql << R"( GROUP BY "O"."Trida", "O"."Prijmeni")";
    return sql;
}

} // namespace

int dominantMistake(const PupilMistakes &pupil)
{
    const qint64 wrong = pupil.wrong();
    if (wrong < dominanceLeastWrong) {
        return 0;
    }
    int best = 0;
    bool tie = false;
    for (int kind = 1; kind < mistakeKindCount; ++kind) {
        const qint64 count = pupil.wrongByKind.at(kind);
        if (best == 0 || count > pupil.wrongByKind.at(best)) {
            best = kind;
            tie = false;
        } else if (count == pupil.wrongByKind.at(best)) {
            tie = true;
        }
    }
    // Half of the wrong ones, and more than the answers no kind explains.
    const qint64 count = pupil.wrongByKind.at(best);
    if (tie || 2 * count < wrong || count <= pupil.wrongByKind[0]) {
        return 0;
    }
    return best;
}

MistakesDatabase::MistakesDatabase(const TeacherDatabase &database) : database_(database)
{
    const QVariant handle = database_.connection().driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        auto *sqlite = *static_cast<sqlite3 *const *>(handle.data());
        if (sqlite3_create_function_v2(
                sqlite, "tesilka_median", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, nullptr,
                &TenthsHistogram::step, &TenthsHistogram::finish, nullptr) != SQLITE_OK) {
            throw DatabaseError(
                Texts::tr("Chyby žáků nelze spočítat: SQLite odmítlo funkci mediánu.")
                    .toStdString());
        }
    }
}

void MistakesDatabase::foldCounts() const
{
    if (database_.location().engine != DatabaseLocation::Engine::Postgresql) {
        return;
    }
    Sql sql;
    sql << R"(SELECT "tesilka_slouceni_odpovedi"())";
    QSqlQuery query = run(database_, sql);
    checkEnd(database_, query);
}

MistakeFigures MistakesDatabase::figures(const ResultFilter &filter, Medians medians) const
{
    MistakeFigures figures;
    if (!findsAnswers(filter)) {
        return figures;
    }
    const Sql sql = figuresSql(mistakesql::statementsFor(database_.location().engine), filter);
    QSqlQuery query = run(database_, sql);
    if (query.next()) {
        int column = 0;
        const auto next = [&] { return query.value(column++).toLongLong(); };
        figures.all.answers = next();
        figures.all.right = next();
        for (AnswerShare &share : figures.byQuantity) {
            share.answers = next();
            share.right = next();
        }
        AnswerShare rest = figures.all;
        for (int step = 0; step + 1 < prefixStepCount; ++step) {
            AnswerShare &share = figures.byStep.at(step);
            share.answers = next();
            share.right = next();
            rest.answers -= share.answers;
            rest.right -= share.right;
        }
        figures.byStep.back() = rest;
        figures.wrongByKind = kindsOf(query, column, figures.all.answers - figures.all.right);
    }
    checkEnd(database_, query);
    query = QSqlQuery();
    if (figures.all.answers == 0) {
        return figures;
    }
    if (medians == Medians::Always ||
        (medians == Medians::IfAffordable && mediansAffordable(filter))) {
        const AnswerMedians seconds = this->medians(filter);
        figures.medianRightSeconds = seconds.rightSeconds;
        figures.medianWrongSeconds = seconds.wrongSeconds;
    } else {
        figures.mediansLeftOut = true;
    }
    return figures;
}

AnswerMedians MistakesDatabase::medians(const ResultFilter &filter) const
{
    AnswerMedians medians;
    if (!findsAnswers(filter)) {
        return medians;
    }
    QSqlQuery query =
        run(database_, mediansSql(mistakesql::statementsFor(database_.location().engine), filter));
    if (query.next()) {
        medians.rightSeconds = medianOf(query.value(0));
        medians.wrongSeconds = medianOf(query.value(1));
    }
    checkEnd(database_, query);
    return medians;
}

bool MistakesDatabase::mediansAffordable(const ResultFilter &filter) const
{
    // A class's or a pupil's answers are found by the index. Otherwise the school's answers
    // are counted from at most as many rows of the counts as the limit: each holds one or more.
    if (!filter.className.isEmpty() || !filter.surname.isEmpty()) {
        return true;
    }
    Sql sql;
    sql << R"(SELECT COALESCE(SUM("C"."Pocet"), 0) FROM (SELECT "Pocet" FROM )"
        << mistakesql::statementsFor(database_.location().engine).classDays
        << R"( LIMIT ?) AS "C")";
    sql.values << medianAnswersLimit + 1;
    QSqlQuery query = run(database_, sql);
    const qint64 count = query.next() ? query.value(0).toLongLong() : 0;
    checkEnd(database_, query);
    return count <= medianAnswersLimit;
}

QList<MistakeWeek> MistakesDatabase::weeks(const ResultFilter &filter) const
{
    QList<MistakeWeek> weeks;
    if (!findsAnswers(filter)) {
        return weeks;
    }
    const Sql sql = weeksSql(mistakesql::statementsFor(database_.location().engine), filter);
    QSqlQuery query = run(database_, sql);
    while (query.next()) {
        const QDate day = QDate::fromString(query.value(0).toString().left(10), Qt::ISODate);
        if (!day.isValid()) {
            continue; // an answer without a day has no place on a time line
        }
        const QDate monday = day.addDays(1 - day.dayOfWeek());
        if (weeks.isEmpty() || weeks.constLast().monday != monday) {
            weeks.append({monday, 0, {}});
        }
        MistakeWeek &week = weeks.last();
        week.answers += query.value(1).toLongLong();
        const MistakeCounts counts = kindsOf(query, 3, query.value(2).toLongLong());
        for (int kind = 0; kind < mistakeKindCount; ++kind) {
            week.wrongByKind.at(kind) += counts.at(kind);
        }
    }
    checkEnd(database_, query);
    return weeks;
}

QList<PupilMistakes> MistakesDatabase::pupils(const ResultFilter &filter, Medians medians) const
{
    QList<PupilMistakes> pupils;
    if (!findsAnswers(filter)) {
        return pupils;
    }
    {
        QSqlQuery query = run(
            database_, pupilsSql(mistakesql::statementsFor(database_.location().engine), filter));
        while (query.next()) {
            PupilMistakes pupil;
            pupil.className = query.value(0).toString();
            pupil.name = query.value(1).toString();
            pupil.answers = query.value(2).toLongLong();
            pupil.right = query.value(3).toLongLong();
            pupil.wrongByKind = kindsOf(query, 4, pupil.wrong());
            pupils.append(pupil);
        }
        checkEnd(database_, query);
    }
    if (!pupils.isEmpty() && (medians == Medians::Always ||
                              (medians == Medians::IfAffordable && mediansAffordable(filter)))) {
        // Both statements group by class and surname in the same order of the same keys; a
        // missing class is '' in the counts.
        QHash<std::pair<QString, QString>, double> seconds;
        QSqlQuery query =
            run(database_,
                pupilMediansSql(mistakesql::statementsFor(database_.location().engine), filter));
        while (query.next()) {
            seconds.insert({query.value(0).toString(), query.value(1).toString()},
                           medianOf(query.value(2)));
        }
        checkEnd(database_, query);
        for (PupilMistakes &pupil : pupils) {
            pupil.medianSeconds = seconds.value({pupil.className, pupil.name}, noMedian);
        }
    }
    // Two thousand pupils at most: put in Czech order here.
    sortInCzechOrder(pupils, &PupilMistakes::className, &PupilMistakes::name);
    return pupils;
}

QString MistakesDatabase::statementText(MistakeView view, const ResultFilter &filter) const
{
    const auto &s = mistakesql::statementsFor(database_.location().engine);
    Sql sql;
    switch (view) {
    case MistakeView::Figures:
        sql = figuresSql(s, filter);
        break;
    case MistakeView::FigureMedians:
        sql = mediansSql(s, filter);
        break;
    case MistakeView::Weeks:
        sql = weeksSql(s, filter);
        break;
    case MistakeView::Pupils:
        sql = pupilsSql(s, filter);
        break;
    case MistakeView::PupilsWithMedian:
        sql = pupilMediansSql(s, filter);
        break;
    }
    // Every bound value is a text or a number; none holds a "?" that is not one of them.
    QString text;
    qsizetype value = 0;
    for (const QChar c : sql.text) {
        if (c == u'?' && value < sql.values.size()) {
            text += u'\'' + sql.values.at(value++).toString().replace(u'\'', QStringLiteral("''")) +
                    u'\'';
        } else {
            text += c;
        }
    }
    return text;
}
