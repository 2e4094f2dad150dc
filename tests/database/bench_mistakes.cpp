// SPDX-License-Identifier: GPL-3.0-or-later
// The mistakes views over a school year of answers: 2,000 pupils in classes of 30, a run of
// 26 answers every school day (about ten million answers), on an SQLite file and, with
// --server, on a throwaway PostgreSQL server. Each figure for one class and one month and for
// the whole school and year, timed through the program and as the same statement run by
// sqlite3 (or psql) alone, alternately; the medians of the repeats and their ratio.
//   bench_mistakes [--answers N] [--file FILE] [--server-answers N] [--server | --server-only]
//                  [--repeats N]
//   bench_mistakes --demo FILE   a small class with known mistakes, for trying the window
#include "app/sharedstate.h"
#include "database/mistakesdatabase.h"
#include "database/schooldatabase.h"
#include "database/teacherdatabase.h"
#include "exercise/evaluation.h"
#include "exercise/mistakes.h"
#include "exercise/problemgenerator.h"
#include "exercise/quantityformat.h"
#include "support/sqlscript.h"
#include "support/testserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int pupilsPerClass = 30;
constexpr int schoolDays = 190; // 38 weeks from Monday 1 September 2025
constexpr int answersPerDay = 26;

void say(const QString &text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

// The answers of pupil i / (days × 26), day (i mod days × 26) / 26, as one statement for either
// engine; the values are spread by multiplicative hashing of i, so that the file is the same at
// every run. A wrong answer's kind is one of 0 to 4 in turn.
QString fillStatement(bool server, qint64 answers)
{
    const qint64 perPupil = static_cast<qint64>(schoolDays) * answersPerDay;
    const QString day = QStringLiteral("(i %% %1 / %2)").arg(perPupil).arg(answersPerDay);
    const QString offset = QStringLiteral("(%1 / 5 * 7 + %1 %% 5)").arg(day);
    const QString date =
        server ? QStringLiteral("to_char(date '2025-09-01' + %1::int, 'YYYY-MM-DD')").arg(offset)
               : QStringLiteral("date('2025-09-01', '+' || %1 || ' days')").arg(offset);
    const QString hash = QStringLiteral("(i * 2654435761 %% 1000003)");
    QString select =
        QStringLiteral("SELECT (i / %1) || '-' || %2, i %% %3 + 1, %4 %% 3, 0.1 + (i * 48271 %% "
                       "999899) / 1000.0, "
                       "%4 / 3 %% 6 - 2, 0.1 + (i * 69621 %% 999899) / 1000.0, %4 / 18 %% 6 - 2, "
                       "0.1 + (i * 48271 %% 999899) / 1000.0, %4 / 108 %% 6 - 2, "
                       "CASE WHEN i * 7919 %% 100 < 70 THEN 1 ELSE 0 END, "
                       "CASE WHEN i * 7919 %% 100 < 70 THEN 0 ELSE i * 104729 %% 1000 %% 5 END, "
                       "2 + (i * 31337 %% 900) / 10.0, 'Zak' || (i / %1), 'T' || (i / %1 / %5), %6")
            .arg(perPupil)
            .arg(day)
            .arg(answersPerDay)
            .arg(hash)
            .arg(pupilsPerClass)
            .arg(date);
    select.replace(QStringLiteral("%%"), QStringLiteral("%"));
    const QString columns = QStringLiteral(
        R"(INSERT INTO "Odpovedi" ("Klic", "Poradi", "Velicina", "HodnotaA", "PredponaA", )"
        R"("HodnotaB", "PredponaB", "Odpoved", "PredponaOdpovedi", "Spravne", "Chyba", )"
        R"("Sekundy", "Prijmeni", "Trida", "Datum") )");
    if (server) {
        return columns + select +
               QStringLiteral(" FROM generate_series(0::bigint, %1) AS i").arg(answers - 1);
    }
    return QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n "
                          "WHERE i < %1) ")
               .arg(answers - 1) +
           columns + select + QStringLiteral(" FROM n");
}

// As testserver::psql, without its minute's limit: filling the server takes longer.
QString psqlAtLength(const QString &database, const QString &sql)
{
    QProcess process;
    process.start(QStringLiteral("psql"),
                  {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                   QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"),
                   testserver::socketDirectory(), QStringLiteral("-p"), testserver::port(),
                   QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("-d"), database,
                   QStringLiteral("-c"), sql});
    if (!process.waitForFinished(-1)) {
        return QStringLiteral("psql did not finish");
    }
    return process.exitCode() == 0 ? QString() : QString::fromUtf8(process.readAllStandardError());
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : (values[(n - 1) / 2] + values[n / 2]) / 2;
}

// The time the engine's own client reports for a statement, in ms; negative on failure.
double anchorMs(bool server, const QString &target, const QString &statement)
{
    QProcess client;
    if (server) {
        client.start(QStringLiteral("psql"),
                     {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-h"),
                      testserver::socketDirectory(), QStringLiteral("-p"), testserver::port(),
                      QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("-d"),
                      target, QStringLiteral("-o"), QStringLiteral("/dev/null"),
                      QStringLiteral("-c"), QStringLiteral("\\timing on"), QStringLiteral("-c"),
                      statement});
    } else {
        client.start(QStringLiteral("sqlite3"), {target});
        client.write(
            (QStringLiteral(".output /dev/null\n.timer on\n") + statement + QStringLiteral(";\n"))
                .toUtf8());
        client.closeWriteChannel();
    }
    if (!client.waitForFinished(600000)) {
        return -1;
    }
    const QString output =
        QString::fromUtf8(client.readAllStandardOutput() + client.readAllStandardError());
    static const QRegularExpression sqliteTime(QStringLiteral(R"(Run Time: real ([0-9.]+))"));
    static const QRegularExpression psqlTime(QStringLiteral(R"(Time: ([0-9.,]+) ms)"));
    const QRegularExpressionMatch match = (server ? psqlTime : sqliteTime).match(output);
    if (!match.hasMatch()) {
        say(QStringLiteral("  anchor failed: %1").arg(output.left(300)));
        return -1;
    }
    const double value = match.captured(1).replace(u',', u'.').toDouble();
    return server ? value : 1000 * value;
}

struct Figure
{
    const char *name;
    MistakesDatabase::MistakeView view;
    std::function<void(const MistakesDatabase &, const ResultFilter &)> call;
};

void measure(const TeacherDatabase &database, bool server, const QString &target, int repeats)
{
    const MistakesDatabase mistakes(database);
    {
        QSqlQuery rows(database.connection());
        if (rows.exec(QStringLiteral(R"(SELECT (SELECT COUNT(*) FROM "SouhrnOdpovediTrid"), )"
                                     R"((SELECT COUNT(*) FROM "SouhrnOdpovediZaku"))")) &&
            rows.next()) {
            say(QStringLiteral("rows of the counts: per class and day %1, per pupil and day %2")
                    .arg(rows.value(0).toLongLong())
                    .arg(rows.value(1).toLongLong()));
        }
    }
    const std::vector<Figure> figures{
        {"figures (quantity, step, kinds)", MistakesDatabase::MistakeView::Figures,
         [](const MistakesDatabase &m, const ResultFilter &f) {
             (void)m.figures(f, Medians::None);
         }},
        {"medians right and wrong", MistakesDatabase::MistakeView::FigureMedians,
         [](const MistakesDatabase &m, const ResultFilter &f) { (void)m.medians(f); }},
        {"weeks (kinds per week)", MistakesDatabase::MistakeView::Weeks,
         [](const MistakesDatabase &m, const ResultFilter &f) { (void)m.weeks(f); }},
        {"pupils (dominant kind)", MistakesDatabase::MistakeView::Pupils,
         [](const MistakesDatabase &m, const ResultFilter &f) { (void)m.pupils(f); }},
        {"pupils with median (export)", MistakesDatabase::MistakeView::PupilsWithMedian,
         [](const MistakesDatabase &m, const ResultFilter &f) {
             (void)m.pupils(f, Medians::Always);
         }},
    };
    ResultFilter classMonth;
    classMonth.className = QStringLiteral("T5");
    classMonth.from = QDate(2026, 3, 1);
    classMonth.to = QDate(2026, 3, 31);
    ResultFilter schoolYear;
    schoolYear.from = QDate(2025, 9, 1);
    schoolYear.to = QDate(2026, 8, 31);
    for (const auto &[label, filter] :
         {std::pair{"class T5, March", classMonth}, std::pair{"school, year", schoolYear}}) {
        say(QStringLiteral("%1 (%2):")
                .arg(QString::fromUtf8(label),
                     server ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite")));
        double pageMs = 0;
        for (const Figure &figure : figures) {
            QString statement = mistakes.statementText(figure.view, filter);
            // The client alone has no median of the program's: the same pass, counting.
            statement.replace(QStringLiteral("tesilka_median("), QStringLiteral("count("));
            std::vector<double> program;
            std::vector<double> anchor;
            for (int i = 0; i < repeats; ++i) {
                QElapsedTimer timer;
                timer.start();
                figure.call(mistakes, filter);
                program.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
                anchor.push_back(anchorMs(server, target, statement));
            }
            const double ms = median(program);
            const double alone = median(anchor);
            // The page takes the medians only where they are affordable.
            const bool medians = figure.view == MistakesDatabase::MistakeView::FigureMedians ||
                                 figure.view == MistakesDatabase::MistakeView::PupilsWithMedian;
            if (!medians || mistakes.mediansAffordable(filter)) {
                pageMs += ms;
            }
            say(QStringLiteral("  %1: %2 ms, alone %3 ms, ratio %4")
                    .arg(QString::fromUtf8(figure.name), -42)
                    .arg(ms, 8, 'f', 1)
                    .arg(alone, 8, 'f', 1)
                    .arg(alone > 0 ? ms / alone : 0, 0, 'f', 2));
        }
        QElapsedTimer page;
        page.start();
        (void)mistakes.figures(filter);
        (void)mistakes.weeks(filter);
        (void)mistakes.pupils(filter, Medians::IfAffordable);
        say(QStringLiteral("  the page (its statements summed): %1 ms; the page once: %2 ms; "
                           "medians %3")
                .arg(pageMs, 0, 'f', 1)
                .arg(static_cast<double>(page.nsecsElapsed()) / 1e6, 0, 'f', 1)
                .arg(mistakes.mediansAffordable(filter) ? QStringLiteral("taken")
                                                        : QStringLiteral("left out")));
    }
}

int sqliteBench(qint64 answers, int repeats, QString file)
{
    QTemporaryDir dir;
    if (file.isEmpty()) {
        file = dir.filePath(QStringLiteral("mistakes.db"));
    }
    if (!QFileInfo::exists(file)) {
        const ScratchConnection db(file, QStringLiteral("fill"));
        const QString failure =
            runSqlFile(db.db(), QStringLiteral(TESILKA_DATABASE_SOURCE_DIR "/schema.sql"));
        QElapsedTimer timer;
        timer.start();
        if (!failure.isEmpty() || !db.run(QStringLiteral("PRAGMA cache_size = -262144")) ||
            !db.run(QStringLiteral("BEGIN")) || !db.run(fillStatement(false, answers)) ||
            !db.run(QStringLiteral("COMMIT"))) {
            say(QStringLiteral("filling the file failed %1").arg(failure));
            return 1;
        }
        say(QStringLiteral("SQLite: %1 answers made in %2 s, file %3 MB")
                .arg(answers)
                .arg(static_cast<double>(timer.elapsed()) / 1000, 0, 'f', 1)
                .arg(QFileInfo(file).size() / 1000000));
    }
    try {
        const auto database = TeacherDatabase::open(DatabaseLocation::sqliteFile(file));
        measure(*database, false, file, repeats);
    } catch (const DatabaseError &error) {
        say(QString::fromUtf8(error.what()));
        return 1;
    }
    return 0;
}

int serverBench(qint64 answers, int repeats)
{
    const QString script = QStringLiteral(TESILKA_TEST_SERVER_SCRIPT);
    const QString state = QStringLiteral(TESILKA_TEST_SERVER_STATE);
    if (QProcess::execute(script, {QStringLiteral("start"), state}) != 0) {
        say(QStringLiteral("the test server did not start"));
        return 1;
    }
    int status = 0;
    QString error;
    const QString name = testserver::createDatabase(error);
    QElapsedTimer timer;
    timer.start();
    if (name.isEmpty() || !(error = psqlAtLength(name, fillStatement(true, answers))).isEmpty() ||
        !(error = psqlAtLength(name, QStringLiteral(R"(VACUUM ANALYZE "Odpovedi")"))).isEmpty()) {
        say(QStringLiteral("filling the server failed: %1").arg(error));
        status = 1;
    } else {
        say(QStringLiteral("PostgreSQL: %1 answers made in %2 s")
                .arg(answers)
                .arg(static_cast<double>(timer.elapsed()) / 1000, 0, 'f', 1));
        // As the page does when it is refreshed: the fill's appended counts folded, once.
        timer.restart();
        error = psqlAtLength(name, QStringLiteral(R"(SELECT "tesilka_slouceni_odpovedi"())"));
        say(QStringLiteral("the fill's counts folded in %1 s%2")
                .arg(static_cast<double>(timer.elapsed()) / 1000, 0, 'f', 1)
                .arg(error.isEmpty() ? QString() : u' ' + error));
        // The server's autovacuum would clear the folded rows soon after.
        (void)psqlAtLength(name,
                           QStringLiteral(R"(VACUUM ANALYZE "SouhrnOdpovediTrid", )"
                                          R"("SouhrnOdpovediZaku", "SouhrnOdpovediTridNove", )"
                                          R"("SouhrnOdpovediZakuNove")"));
        try {
            const auto database =
                TeacherDatabase::open(testserver::location(name, QStringLiteral("ucitel")));
            measure(*database, true, name, repeats);
        } catch (const DatabaseError &failure) {
            say(QString::fromUtf8(failure.what()));
            status = 1;
        }
    }
    QProcess::execute(script, {QStringLiteral("stop"), state});
    return status;
}

// A pupil of the demonstration class: how he answers a problem whose right result is known.
enum class Habit
{
    Good,        // right nine times in ten, otherwise off by a third
    MilliMicro,  // swaps milli and micro whenever the answer needs one of them
    DividesForU, // divides where the voltage needs a product
};

// A class "8.B" of six pupils over four weeks, written as the pupil's program writes its runs.
int demo(const QString &file)
{
    {
        const ScratchConnection db(file, QStringLiteral("demo"));
        const QString failure =
            runSqlFile(db.db(), QStringLiteral(TESILKA_DATABASE_SOURCE_DIR "/schema.sql"));
        if (!failure.isEmpty()) {
            say(failure);
            return 1;
        }
        db.run(QStringLiteral(
            R"(INSERT INTO "Zaci" VALUES ('Mikulová', '8.B'), ('Dělal', '8.B'), )"
            R"(('Adámek', '8.B'), ('Černá', '8.B'), ('Horák', '8.B'), ('Šimek', '8.B'))"));
    }
    const QList<std::pair<QString, Habit>> pupils{{QStringLiteral("Mikulová"), Habit::MilliMicro},
                                                  {QStringLiteral("Dělal"), Habit::DividesForU},
                                                  {QStringLiteral("Adámek"), Habit::Good},
                                                  {QStringLiteral("Černá"), Habit::Good},
                                                  {QStringLiteral("Horák"), Habit::Good},
                                                  {QStringLiteral("Šimek"), Habit::Good}};
    QRandomGenerator random(2026);
    const SchoolDatabase school(file);
    const QDate monday(2026, 11, 2);
    for (int dayIndex = 0; dayIndex < 20; ++dayIndex) {
        const QDate day = monday.addDays(dayIndex / 5 * 7 + dayIndex % 5);
        for (const auto &[surname, habit] : pupils) {
            SchoolRun run;
            run.surname = surname;
            run.className = QStringLiteral("8.B");
            run.start = QTime(9, 0);
            for (int order = 1; order <= 15; ++order) {
                SharedState state;
                state.problemKind = static_cast<std::uint8_t>(random.bounded(3));
                state.prefixA = static_cast<std::int16_t>(random.bounded(6) - 2);
                state.mantissaA = static_cast<float>(random.bounded(1, 999999) / 1000.0);
                state.prefixB = static_cast<std::int16_t>(random.bounded(6) - 2);
                state.mantissaB = static_cast<float>(random.bounded(1, 999999) / 1000.0);
                double value = correctResult(state);
                if (!(value > 1e-7 && value < 1e11)) {
                    --order;
                    continue;
                }
                std::int16_t prefix = 0;
                normalizeToPrefix(value, prefix);
                double answer = correctResult(state);
                if (habit == Habit::MilliMicro && (prefix == -1 || prefix == -2)) {
                    const std::int16_t swapped = prefix == -1 ? -2 : -1;
                    answer = value * prefixFactor(swapped);
                    prefix = swapped;
                } else if (habit == Habit::DividesForU && state.problemKind == 0) {
                    answer = static_cast<double>(state.mantissaA) * prefixFactor(state.prefixA) /
                             (static_cast<double>(state.mantissaB) * prefixFactor(state.prefixB));
                    double shown = answer;
                    prefix = 0;
                    normalizeToPrefix(shown, prefix);
                } else if (random.bounded(10) == 0) {
                    answer *= 1.35;
                }
                state.answerInBaseUnits = answer;
                state.answerPrefix = prefix;
                state.answerMantissa = answer / prefixFactor(prefix);
                SharedState judged = state;
                const bool right = evaluateAnswer(judged);
                const Mistake mistake = right ? Mistake{} : classifyMistake(judged);
                run.answers.append({.order = order,
                                    .quantity = state.problemKind,
                                    .givenA = static_cast<double>(state.mantissaA),
                                    .prefixA = state.prefixA,
                                    .givenB = static_cast<double>(state.mantissaB),
                                    .prefixB = state.prefixB,
                                    .answer = answer,
                                    .answerPrefix = prefix,
                                    .right = right,
                                    .mistake = static_cast<int>(mistake.kind),
                                    .seconds = 8 + random.bounded(400) / 10.0});
                (right ? run.correct : run.wrong) += 1;
            }
            try {
                (void)school.recordRunResult(run, QDateTime(day, QTime(9, 30)));
            } catch (const DatabaseError &error) {
                say(QString::fromUtf8(error.what()));
                return 1;
            }
        }
    }
    say(QStringLiteral("%1: class 8.B, 6 pupils, 20 school days from %2")
            .arg(file, monday.toString(Qt::ISODate)));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const auto option = [&](const char *name, qint64 fallback) {
        const qsizetype at = arguments.indexOf(QString::fromUtf8(name));
        return at > 0 && at + 1 < arguments.size() ? arguments.at(at + 1).toLongLong() : fallback;
    };
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--demo"));
        at > 0 && at + 1 < arguments.size()) {
        return demo(arguments.at(at + 1));
    }
    const int repeats = static_cast<int>(option("--repeats", 3));
    const qint64 pupils = 2000;
    // --file keeps the SQLite file, and takes it as it is when it exists.
    const qsizetype at = arguments.indexOf(QStringLiteral("--file"));
    int status = 0;
    if (!arguments.contains(QStringLiteral("--server-only"))) {
        status =
            sqliteBench(option("--answers", pupils * schoolDays * answersPerDay), repeats,
                        at > 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString());
    }
    if (arguments.contains(QStringLiteral("--server")) ||
        arguments.contains(QStringLiteral("--server-only"))) {
        status |=
            serverBench(option("--server-answers", pupils * schoolDays * answersPerDay), repeats);
    }
    return status;
}
