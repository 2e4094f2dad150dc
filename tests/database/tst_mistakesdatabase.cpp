// SPDX-License-Identifier: GPL-3.0-or-later
// The mistakes views on both engines: run by ctest once against an SQLite file and once
// against the test run's PostgreSQL server (TESILKA_TEST_ENGINE), over the same answers.
#include "database/mistakesdatabase.h"
#include "database/schooldatabase.h"
#include "database/teacherdatabase.h"
#include "schoolanswers.h"
#include "support/sqlscript.h"
#include "support/testserver.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class MistakesDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void figures_data();
    void figures();
    void weeksAndPupils();
    void dominance_data();
    void dominance();
    void countsEqualTheAnswers() const;

private:
    bool server_ = qEnvironmentVariable("TESILKA_TEST_ENGINE") == QLatin1String("postgresql");
    QTemporaryDir dir_;
    std::unique_ptr<TeacherDatabase> database_;
};

namespace {

// Each answer's prefix step worked out by hand from the exercise's own rule (the right result
// brought to 0.1 ≤ number < 999.999): 2 · 3 m = 6 m, step 0; 500 k · 4 m = 2 k, 0;
// 0.5 · 0.5 = 0.25, 0; 0.2 · 0.3 = 60 m, 1; 5 / 10 k = 0.5 m, 1; 4 k / 2 µ = 2 G, 2;
// 0.4 / 800 = 0.5 m, 1; 900 k / 0.1 m = 9 G, 2; 1 · 1 = 1, 0. Kind 7 is one this program does
// not know: it counts as none of the named.
constexpr const char *answers =
    R"(INSERT INTO "Odpovedi" ("Klic", "Poradi", "Velicina", "HodnotaA", "PredponaA", )"
    R"("HodnotaB", "PredponaB", "Odpoved", "PredponaOdpovedi", "Spravne", "Chyba", "Sekundy", )"
    R"("Prijmeni", "Trida", "Datum") VALUES )"
    R"(('a', 1, 0, 2, 0, 3, -1, 0.006, -1, 1, 0, 10, 'Novák', '8.A', '2026-09-07'), )"
    R"(('a', 2, 0, 500, 1, 4, -1, 125000, 2, 0, 3, 20, 'Novák', '8.A', '2026-09-08'), )"
    R"(('a', 3, 0, 0.5, 0, 0.5, 0, 0.25, 0, 1, 0, 4, 'Novák', '8.A', '2026-09-09'), )"
    R"(('b', 1, 0, 0.2, 0, 0.3, 0, 0.00006, -2, 0, 1, 30, 'Novák', '8.A', '2026-09-14'), )"
    R"(('b', 2, 2, 10, 1, 5, 0, 0.0000005, -2, 0, 1, 12, 'Novák', '8.A', '2026-09-14'), )"
    R"(('c', 1, 1, 2, -2, 4, 1, 0.0000000005, -2, 0, 4, 6, 'Svoboda', '8.B', '2026-09-07'), )"
    R"(('c', 2, 2, 800, 0, 0.4, 0, 0.0005, -1, 1, 0, 8, 'Svoboda', '8.B', '2026-09-15'), )"
    R"(('d', 1, 1, 0.1, -1, 900, 1, 9000000000, 3, 1, 0, 14, 'Svoboda', '8.B', '2026-10-01'), )"
    R"(('d', 2, 0, 1, 0, 1, 0, 7, 0, 0, 7, 16, 'Svoboda', '8.B', '2026-10-02'))";

ResultFilter filterOf(const QString &className, const QString &surname, QDate from = {},
                      QDate to = {})
{
    ResultFilter filter;
    filter.className = className;
    filter.surname = surname;
    filter.from = from;
    filter.to = to;
    return filter;
}

QString sharesText(const auto &shares)
{
    QStringList parts;
    for (const AnswerShare &share : shares) {
        parts << QStringLiteral("%1/%2").arg(share.right).arg(share.answers);
    }
    return parts.join(u' ');
}

QString countsText(const MistakeCounts &counts)
{
    QStringList parts;
    for (const qint64 count : counts) {
        parts << QString::number(count);
    }
    return parts.join(u' ');
}

// Runs of 15 answers of eight pupils in three classes over three weeks, of values that sit on
// the bounds of the prefix steps as well as between them, and times that tie.
QString generatedAnswers(int firstRun, int runs)
{
    static constexpr std::array values{0.1, 0.2, 0.5, 1.0, 2.0, 12.5, 500.0, 999.999};
    static constexpr std::array kinds{0, 1, 2, 3, 4, 7};
    quint32 seed = 12345U + static_cast<quint32>(firstRun);
    const auto next = [&seed](quint32 range) {
        seed = seed * 1103515245U + 12345U;
        return (seed >> 8U) % range;
    };
    QStringList rows;
    for (int run = firstRun; run < firstRun + runs; ++run) {
        const int pupil = run % 8;
        const QString day = QDate(2026, 9, 7).addDays(run * 3 % 17).toString(Qt::ISODate);
        for (int order = 1; order <= 15; ++order) {
            const bool right = next(3) != 0;
            rows << QStringLiteral("('r%1', %2, %3, %4, %5, %6, %7, 1.5, 0, %8, %9, %10, 'P%11', "
                                   "'8.%12', '%13')")
                        .arg(run)
                        .arg(order)
                        .arg(next(3))
                        .arg(values.at(next(values.size())))
                        .arg(static_cast<int>(next(6)) - 2)
                        .arg(values.at(next(values.size())))
                        .arg(static_cast<int>(next(6)) - 2)
                        .arg(right ? 1 : 0)
                        .arg(right ? 0 : kinds.at(next(kinds.size())))
                        .arg(next(40) / 4.0)
                        .arg(pupil)
                        .arg(QChar(u'A' + pupil / 3))
                        .arg(day);
        }
    }
    return QStringLiteral(R"(INSERT INTO "Odpovedi" ("Klic", "Poradi", "Velicina", "HodnotaA", )"
                          R"("PredponaA", "HodnotaB", "PredponaB", "Odpoved", )"
                          R"("PredponaOdpovedi", "Spravne", "Chyba", "Sekundy", "Prijmeni", )"
                          R"("Trida", "Datum") VALUES )") +
           rows.join(QStringLiteral(", "));
}

// Runs statements on the file through a connection of their own; the first failure's text.
QString runOnFile(const QString &path, const QString &script)
{
    const ScratchConnection connection(path, QStringLiteral("edit"));
    for (const QString &statement : splitSqlStatements(script)) {
        QSqlQuery query(connection.db());
        if (!query.exec(statement)) {
            return query.lastError().text();
        }
    }
    return {};
}

void add(MistakeFigures &sum, const MistakeFigures &part)
{
    const auto addShare = [](AnswerShare &to, const AnswerShare &from) {
        to.answers += from.answers;
        to.right += from.right;
    };
    addShare(sum.all, part.all);
    for (int i = 0; i < askedQuantityCount; ++i) {
        addShare(sum.byQuantity.at(i), part.byQuantity.at(i));
    }
    for (int i = 0; i < prefixStepCount; ++i) {
        addShare(sum.byStep.at(i), part.byStep.at(i));
    }
    for (int i = 0; i < mistakeKindCount; ++i) {
        sum.wrongByKind.at(i) += part.wrongByKind.at(i);
    }
}

QString figuresText(const MistakeFigures &figures)
{
    return QStringLiteral("%1/%2 | %3 | %4 | %5")
        .arg(figures.all.right)
        .arg(figures.all.answers)
        .arg(sharesText(figures.byQuantity), sharesText(figures.byStep),
             countsText(figures.wrongByKind));
}

} // namespace

void MistakesDatabaseTest::initTestCase()
{
    DatabaseLocation location;
    if (server_) {
        QString error;
        const QString name = testserver::createDatabase(error);
        QVERIFY2(!name.isEmpty(), qPrintable(error));
        error = testserver::psql(name, QString::fromUtf8(answers));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        location = testserver::location(name, QStringLiteral("ucitel"));
    } else {
        QVERIFY(dir_.isValid());
        const QString file = dir_.filePath(QStringLiteral("chyby.db"));
        const ScratchConnection setup(file, QStringLiteral("setup"));
        const QString failure =
            runSqlFile(setup.db(), QStringLiteral(TESILKA_DATABASE_SOURCE_DIR "/schema.sql"));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(setup.run(QString::fromUtf8(answers)));
        location = DatabaseLocation::sqliteFile(file);
    }
    database_ = TeacherDatabase::open(location);
}

void MistakesDatabaseTest::figures_data()
{
    QTest::addColumn<ResultFilter>("filter");
    QTest::addColumn<QString>("all");
    QTest::addColumn<QString>("byQuantity"); // voltage, resistance, current
    QTest::addColumn<QString>("byStep");
    QTest::addColumn<QString>("kinds"); // none of the named, 1 … 4
    QTest::addColumn<double>("medianRight");
    QTest::addColumn<double>("medianWrong");

    QTest::newRow("school") << ResultFilter{} << "4/9"
                            << "2/5 1/2 1/2"
                            << "2/4 1/3 1/2"
                            << "1 2 0 1 1" << 9.0 << 16.0;
    QTest::newRow("class") << filterOf(QStringLiteral("8.A"), {}) << "2/5"
                           << "2/4 0/0 0/1"
                           << "2/3 0/2 0/0"
                           << "0 2 0 1 0" << 7.0 << 20.0;
    QTest::newRow("pupil and days") << filterOf(QStringLiteral("8.B"), QStringLiteral("Svoboda"),
                                                QDate(2026, 9, 10), QDate(2026, 10, 1))
                                    << "2/2"
                                    << "0/0 1/1 1/1"
                                    << "0/0 1/1 1/1"
                                    << "0 0 0 0 0" << 11.0 << noMedian;
    ResultFilter mail;
    mail.sources = ResultFilter::Sources::Mail;
    QTest::newRow("reports keep no answers") << mail << "0/0"
                                             << "0/0 0/0 0/0"
                                             << "0/0 0/0 0/0"
                                             << "0 0 0 0 0" << noMedian << noMedian;
    QTest::newRow("a quote is a value") << filterOf(QStringLiteral("8.A' OR '1'='1"), {}) << "0/0"
                                        << "0/0 0/0 0/0"
                                        << "0/0 0/0 0/0"
                                        << "0 0 0 0 0" << noMedian << noMedian;
}

void MistakesDatabaseTest::figures()
{
    QFETCH(ResultFilter, filter);
    QFETCH(QString, all);
    const MistakeFigures figures = MistakesDatabase(*database_).figures(filter);
    QCOMPARE(QStringLiteral("%1/%2").arg(figures.all.right).arg(figures.all.answers), all);
    QFETCH(QString, byQuantity);
    QFETCH(QString, byStep);
    QFETCH(QString, kinds);
    QFETCH(double, medianRight);
    QFETCH(double, medianWrong);
    QCOMPARE(sharesText(figures.byQuantity), byQuantity);
    QCOMPARE(sharesText(figures.byStep), byStep);
    QCOMPARE(countsText(figures.wrongByKind), kinds);
    QCOMPARE(figures.medianRightSeconds, medianRight);
    QCOMPARE(figures.medianWrongSeconds, medianWrong);
}

void MistakesDatabaseTest::weeksAndPupils()
{
    const MistakesDatabase mistakes(*database_);
    QStringList weeks;
    for (const MistakeWeek &week : mistakes.weeks({})) {
        weeks << week.monday.toString(Qt::ISODate) + u' ' + QString::number(week.answers) + u' ' +
                     countsText(week.wrongByKind);
    }
    QCOMPARE(weeks, (QStringList{"2026-09-07 4 0 0 0 1 1", "2026-09-14 3 0 2 0 0 0",
                                 "2026-09-28 2 1 0 0 0 0"}));

    QStringList pupils;
    for (const PupilMistakes &pupil : mistakes.pupils({}, Medians::Always)) {
        pupils << QStringLiteral("%1 %2 %3/%4 %5 %6")
                      .arg(pupil.name, pupil.className)
                      .arg(pupil.right)
                      .arg(pupil.answers)
                      .arg(countsText(pupil.wrongByKind))
                      .arg(pupil.medianSeconds);
    }
    QCOMPARE(pupils, (QStringList{"Novák 8.A 2/5 0 2 0 1 0 12", "Svoboda 8.B 2/4 1 0 0 0 1 11"}));
    // Without the median it is not read.
    QCOMPARE(mistakes.pupils(filterOf(QStringLiteral("8.B"), {})).value(0).medianSeconds, noMedian);
}

void MistakesDatabaseTest::dominance_data()
{
    QTest::addColumn<QList<qint64>>("wrongByKind"); // none of the named, 1 … 4
    QTest::addColumn<int>("kind");
    QTest::newRow("too few wrong") << QList<qint64>{0, 4, 0, 0, 0} << 0;
    QTest::newRow("wrong prefix, more than half") << QList<qint64>{1, 4, 0, 1, 0} << 1;
    QTest::newRow("exactly half, ahead of the rest") << QList<qint64>{1, 1, 0, 3, 1} << 3;
    QTest::newRow("two kinds tie") << QList<qint64>{0, 3, 3, 0, 0} << 0;
    QTest::newRow("unnamed as many") << QList<qint64>{3, 0, 0, 0, 3} << 0;
    QTest::newRow("under half") << QList<qint64>{2, 1, 0, 1, 3} << 0;
}

void MistakesDatabaseTest::dominance()
{
    QFETCH(QList<qint64>, wrongByKind);
    QFETCH(int, kind);
    PupilMistakes pupil;
    for (int i = 0; i < mistakeKindCount; ++i) {
        pupil.wrongByKind.at(i) = wrongByKind.at(i);
        pupil.answers += wrongByKind.at(i);
    }
    pupil.answers += 10;
    pupil.right = 10;
    QCOMPARE(dominantMistake(pupil), kind);
}

// The counts the triggers keep give the same figures as the answers themselves: counted once
// into a database that had answers before it had the counts, then kept through bare INSERTs
// of an older writer, a run of the pupil's program, a renamed pupil, a pupil moved to another
// class and a deleted run.
void MistakesDatabaseTest::countsEqualTheAnswers() const
{
    DatabaseLocation location;
    QString name;
    QTemporaryDir dir;
    const QString dropCounts = QStringLiteral(
        R"(DROP TRIGGER "SouhrnOdpovediVlozeni" %1; DROP TRIGGER "SouhrnOdpovediZmena" %1; )"
        R"(DROP TRIGGER "SouhrnOdpovediSmazani" %1; DROP TABLE "SouhrnOdpovediTrid"; )"
        R"(DROP TABLE "SouhrnOdpovediZaku")");
    const auto sql = [&](const QString &statement) {
        return server_ ? testserver::psql(name, statement) : runOnFile(location.path, statement);
    };
    if (server_) {
        QString error;
        name = testserver::createDatabase(error);
        QVERIFY2(!name.isEmpty(), qPrintable(error));
        QCOMPARE(
            sql(QStringLiteral(R"(DROP VIEW "SouhrnOdpovediTridVse", "SouhrnOdpovediZakuVse"; )"
                               R"(DROP TABLE "SouhrnOdpovediTridNove", "SouhrnOdpovediZakuNove")")),
            QString());
        QCOMPARE(sql(dropCounts.arg(QStringLiteral(R"(ON "Odpovedi")"))), QString());
        QCOMPARE(sql(generatedAnswers(0, 20)), QString());
        // Run again, the administrator's script adds the counts and counts what is there.
        error = testserver::psql(
            name, QStringLiteral(TESILKA_DATABASE_SOURCE_DIR "/schema-postgresql.sql"), true);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        location = testserver::location(name, QStringLiteral("ucitel"));
    } else {
        QVERIFY(dir.isValid());
        location = DatabaseLocation::sqliteFile(dir.filePath(QStringLiteral("souhrn.db")));
        {
            const ScratchConnection setup(location.path, QStringLiteral("older"));
            QCOMPARE(
                runSqlFile(setup.db(), QStringLiteral(TESILKA_DATABASE_SOURCE_DIR "/schema.sql")),
                QString());
        }
        QCOMPARE(sql(dropCounts.arg(QString())), QString());
        QCOMPARE(sql(generatedAnswers(0, 20)), QString());
        // The teacher's program adds the counts to the older file.
        (void)TeacherDatabase::open(location);
    }
    QCOMPARE(sql(generatedAnswers(20, 20)), QString());
    QCOMPARE(sql(QStringLiteral(R"(INSERT INTO "Zaci" ("Prijmeni", "Trida") VALUES ('P3', )"
                                R"('8.B'))")),
             QString());
    SchoolRun run;
    run.surname = QStringLiteral("P3");
    run.className = QStringLiteral("8.B");
    run.start = QTime::currentTime().addSecs(-600);
    run.correct = 4;
    run.wrong = 3;
    run.answers = answersFor(4, 3);
    const DatabaseLocation pupil =
        server_ ? testserver::location(name, QStringLiteral("zak")) : location;
    (void)SchoolDatabase(pupil.path).recordRunResult(run, QDateTime::currentDateTime());
    QCOMPARE(sql(QStringLiteral(R"(UPDATE "Odpovedi" SET "Prijmeni" = 'P9' WHERE "Klic" = 'r3')")),
             QString());
    QCOMPARE(sql(QStringLiteral(R"(UPDATE "Odpovedi" SET "Trida" = '8.A' )"
                                R"(WHERE "Prijmeni" = 'P4')")),
             QString());
    QCOMPARE(sql(QStringLiteral(R"(DELETE FROM "Odpovedi" WHERE "Klic" = 'r13')")), QString());

    const auto database = TeacherDatabase::open(location);
    const MistakesDatabase mistakes(*database);
    // Read as the server's pupils left them, then folded with a teacher's rename and delete
    // appended after the folding, then folded again.
    for (int pass = 0; pass < 3; ++pass) {
        if (pass > 0) {
            mistakes.foldCounts();
        }
        if (pass == 1) {
            QSqlQuery change(database->connection());
            QVERIFY(change.exec(
                QStringLiteral(R"(UPDATE "Odpovedi" SET "Prijmeni" = 'P9' WHERE "Klic" = 'r5')")));
            QVERIFY(change.exec(QStringLiteral(R"(DELETE FROM "Odpovedi" WHERE "Klic" = 'r6')")));
        }
        QList<std::pair<QString, QString>> pupils;
        {
            QSqlQuery query(database->connection());
            QVERIFY(query.exec(QStringLiteral(
                R"(SELECT DISTINCT "Trida", "Prijmeni" FROM "Odpovedi" ORDER BY 1, 2)")));
            while (query.next()) {
                pupils.append({query.value(0).toString(), query.value(1).toString()});
            }
        }
        QCOMPARE(pupils.size(), 9);
        const QDate from(2026, 9, 9); // a Wednesday: the weeks at the edges are partial
        const QDate to(2026, 9, 19);
        for (const QString &className : {QString(), QStringLiteral("8.A"), QStringLiteral("8.B")}) {
            for (const bool period : {false, true}) {
                const ResultFilter filter =
                    filterOf(className, {}, period ? from : QDate(), period ? to : QDate());
                // A pupil's figures are read from the answers themselves.
                MistakeFigures sum;
                QMap<QDate, qint64> weekAnswers;
                QStringList perPupil;
                for (const auto &[pupilClass, surname] : std::as_const(pupils)) {
                    if (!className.isEmpty() && pupilClass != className) {
                        continue;
                    }
                    const ResultFilter one = filterOf(pupilClass, surname, filter.from, filter.to);
                    const MistakeFigures own = mistakes.figures(one, Medians::None);
                    if (own.all.answers > 0) {
                        add(sum, own);
                        perPupil << QStringLiteral("%1 %2 %3/%4 %5")
                                        .arg(pupilClass, surname)
                                        .arg(own.all.right)
                                        .arg(own.all.answers)
                                        .arg(countsText(own.wrongByKind));
                    }
                    for (const MistakeWeek &week : mistakes.weeks(one)) {
                        weekAnswers[week.monday] += week.answers;
                    }
                }
                QVERIFY(sum.all.answers > 0);
                QCOMPARE(figuresText(mistakes.figures(filter, Medians::None)), figuresText(sum));
                QStringList listed;
                for (const PupilMistakes &each : mistakes.pupils(filter)) {
                    listed << QStringLiteral("%1 %2 %3/%4 %5")
                                  .arg(each.className, each.name)
                                  .arg(each.right)
                                  .arg(each.answers)
                                  .arg(countsText(each.wrongByKind));
                }
                perPupil.sort();
                listed.sort();
                QCOMPARE(listed, perPupil);
                QMap<QDate, qint64> weeks;
                for (const MistakeWeek &week : mistakes.weeks(filter)) {
                    weeks[week.monday] += week.answers;
                }
                QCOMPARE(weeks, weekAnswers);
            }
        }
    }
    // Row for row, with a class and a day missing too; no row left at nought.
    QCOMPARE(sql(QStringLiteral(
                 R"(INSERT INTO "Odpovedi" ("Klic", "Poradi", "Velicina", "HodnotaA", )"
                 R"("PredponaA", "HodnotaB", "PredponaB", "Odpoved", "PredponaOdpovedi", )"
                 R"("Spravne", "Chyba", "Sekundy", "Prijmeni") VALUES )"
                 R"(('x', 1, 0, 1, 0, 1, 0, 1, 0, 0, 2, 3, 'P0'))")),
             QString());
    QSqlQuery query(database->connection());
    QVERIFY(query.exec(
        QStringLiteral(
            R"(SELECT (SELECT COUNT(*) FROM (SELECT "Trida", "Datum", "Velicina", "Spravne", )"
            R"("Chyba", SUM("Pocet") FROM "SouhrnOdpovediTrid%1" GROUP BY 1, 2, 3, 4, 5 EXCEPT )"
            R"(SELECT COALESCE("Trida", ''), COALESCE("Datum", ''), "Velicina", "Spravne", "Chyba", )"
            R"(COUNT(*) FROM "Odpovedi" GROUP BY 1, 2, 3, 4, 5) AS "T"), )"
            R"((SELECT COUNT(*) FROM (SELECT "Trida", "Prijmeni", "Datum", "Spravne", "Chyba", )"
            R"("Pocet" FROM "SouhrnOdpovediZaku%1" EXCEPT SELECT COALESCE("Trida", ''), "Prijmeni", )"
            R"(COALESCE("Datum", ''), "Spravne", "Chyba", COUNT(*) FROM "Odpovedi" )"
            R"(GROUP BY 1, 2, 3, 4, 5) AS "Z"), )"
            R"((SELECT SUM("Pocet") FROM "SouhrnOdpovediTrid%1"), )"
            R"((SELECT SUM("Pocet") FROM "SouhrnOdpovediZaku%1"), (SELECT COUNT(*) FROM "Odpovedi"), )"
            R"((SELECT COUNT(*) FROM "SouhrnOdpovediTrid" WHERE "Pocet" <= 0) + )"
            R"((SELECT COUNT(*) FROM "SouhrnOdpovediZaku" WHERE "Pocet" <= 0))")
            .arg(server_ ? QStringLiteral("Vse") : QString())));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toLongLong(), 0);
    QCOMPARE(query.value(1).toLongLong(), 0);
    QCOMPARE(query.value(2).toLongLong(), query.value(4).toLongLong());
    QCOMPARE(query.value(3).toLongLong(), query.value(4).toLongLong());
    QCOMPARE(query.value(5).toLongLong(), 0);
    query = QSqlQuery();

    // A school of more answers than a median may read: the page is told they are left out;
    // a class's are taken.
    const QString many = QStringLiteral("INSERT INTO \"SouhrnOdpovediTrid\" VALUES "
                                        "('9.Z', '2026-09-07', 0, 0, 1, 0, %1)")
                             .arg(medianAnswersLimit);
    QCOMPARE(sql(many), QString());
    const MistakeFigures school = mistakes.figures({});
    QVERIFY(school.mediansLeftOut);
    QCOMPARE(school.medianRightSeconds, noMedian);
    QCOMPARE(mistakes.pupils({}, Medians::IfAffordable).value(0).medianSeconds, noMedian);
    const ResultFilter classA = filterOf(QStringLiteral("8.A"), {});
    const MistakeFigures one = mistakes.figures(classA);
    QVERIFY(!one.mediansLeftOut);
    QCOMPARE(one.medianRightSeconds, mistakes.medians(classA).rightSeconds);
    QVERIFY(one.medianRightSeconds >= 0);
    QVERIFY(mistakes.pupils(classA, Medians::IfAffordable).value(0).medianSeconds >= 0);
}

QTEST_GUILESS_MAIN(MistakesDatabaseTest)
#include "tst_mistakesdatabase.moc"
