// SPDX-License-Identifier: GPL-3.0-or-later
// The mistakes views on both engines: run by ctest once against an SQLite file and once
// against the test run's PostgreSQL server (TESILKA_TEST_ENGINE), over the same answers.
#include "database/mistakesdatabase.h"
#include "database/teacherdatabase.h"
#include "support/sqlscript.h"
#include "support/testserver.h"

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
    for (const PupilMistakes &pupil : mistakes.pupils({}, true)) {
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

QTEST_GUILESS_MAIN(MistakesDatabaseTest)
#include "tst_mistakesdatabase.moc"
