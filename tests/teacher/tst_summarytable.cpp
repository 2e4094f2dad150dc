// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/resultsdatabase.h"
#include "database/teacherdatabase.h"
#include "resultsfixture.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// The summaries read from the per-month table and the pages read from their first key give
// exactly what the statements over the runs alone give, on a school with ties, namesakes, runs
// without a class or counts, a run passing midnight and reports assigned and not; on SQLite
// and (with TESILKA_TEST_ENGINE=postgresql) on the test run's server.
class SummaryTableTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void summariesEqualTheRuns_data();
    void summariesEqualTheRuns();
    void pagesFromTheirKeyEqualCountedPages_data();
    void pagesFromTheirKeyEqualCountedPages();
    void jumpsInDayOrderFindTheWalkedRow_data();
    void jumpsInDayOrderFindTheWalkedRow();
    void runsWrittenBareAreCountedAtOnce();

private:
    void compareSummaries(const ResultFilter &filter);
    void exec(const QString &sql, const QVariantList &values = {});

    QTemporaryDir dir_;
    std::unique_ptr<TeacherDatabase> database_;
    std::unique_ptr<ResultsDatabase> results_;
    bool server_ = false;
};

void SummaryTableTest::exec(const QString &sql, const QVariantList &values)
{
    QSqlQuery query(database_->connection());
    QVERIFY2(query.prepare(sql), qPrintable(query.lastError().text()));
    for (const QVariant &value : values) {
        query.addBindValue(value);
    }
    QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
}

void SummaryTableTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    server_ = qEnvironmentVariable("TESILKA_TEST_ENGINE") == QLatin1String("postgresql");
    database_ = createResultsFixture(dir_.filePath(QStringLiteral("skola.db")));
    // Written before the views open it, as a pupil's program writes: the table is filled from
    // them (on a server by the schema, on a file when the teacher's program adds it).
    const QStringList surnames{QStringLiteral("Čech"),    QStringLiteral("Cech"),
                               QStringLiteral("Chalupa"), QStringLiteral("Hora"),
                               QStringLiteral("Šťastná"), QStringLiteral("Novák")};
    const QStringList classes{QStringLiteral("3A"), QStringLiteral("4B"), QStringLiteral("Ch1")};
    QSqlDatabase db = database_->connection();
    QVERIFY(db.transaction());
    for (int i = 0; i < 400; ++i) {
        // Days over four months, a few end times only: many rows tie on day and time.
        const QDate day = QDate(2026, 1, 20).addDays((i * 7) % 100);
        const QVariant right = i % 17 == 0 ? QVariant() : QVariant(i % 9);
        exec(QStringLiteral(R"(INSERT INTO "Prehled " ("Prijmeni", "Trida", "Spravne", "Chybne", )"
                            R"("CasStrt", "CasEnd", "Datum", "Prihlasenjako", "TypTesil") )"
                            R"(VALUES (?, ?, ?, ?, '10:00:00', ?, ?, 'zak', 1))"),
             {surnames.at(i % surnames.size()),
              i % 53 == 0 && !server_ ? QVariant() : QVariant(classes.at(i % classes.size())),
              right, i % 4, QStringLiteral("10:%1:00").arg(i % 3, 2, 10, QLatin1Char('0')),
              i % 97 == 5 ? QVariant() : QVariant(day.toString(Qt::ISODate))});
    }
    for (int i = 0; i < 30; ++i) {
        const QString day =
            QDate(2026, 2, 1).addDays(static_cast<qint64>(i) * 3).toString(Qt::ISODate);
        exec(QStringLiteral(R"(INSERT INTO "Zpravy" ("Student", "Trida", "Od", "Do", "Odpovedi", )"
                            R"("Spravne", "Chybne", "Text", "Blok", "Puvodni", "Vlozeno", )"
                            R"("ZakPrijmeni", "ZakTrida") VALUES (?, ?, ?, ?, ?, ?, ?, 't', ?, )"
                            R"('b', '2026-05-01 12:00:00', ?, ?))"),
             {surnames.at(i % surnames.size()), classes.at(i % 2), day + QStringLiteral(" 10:00"),
              i % 7 == 0 ? QVariant() : QVariant(day + QStringLiteral(" 10:01")), i % 5, i % 3,
              i % 5 - i % 3, QStringLiteral("g%1").arg(i),
              i % 3 == 0 ? QVariant() : QVariant(surnames.at(i % surnames.size())),
              i % 6 == 0 ? QVariant() : QVariant(classes.at(i % 2))});
    }
    QVERIFY(db.commit());
    results_ = std::make_unique<ResultsDatabase>(*database_);
    QVERIFY(results_->usesSummaryTable());
}

void SummaryTableTest::compareSummaries(const ResultFilter &filter)
{
    results_->usePlainStatements(true);
    const QList<PupilSummary> plainPupils = results_->pupilSummaries(filter, 55);
    const QList<PupilSummary> plainMarked = results_->pupilSummaries(filter, 55, true);
    const QList<ClassSummary> plainClasses = results_->classSummaries(filter, 55);
    results_->usePlainStatements(false);
    QVERIFY(!plainPupils.isEmpty());
    const QList<PupilSummary> pupils = results_->pupilSummaries(filter, 55);
    QCOMPARE(pupils.size(), plainPupils.size());
    for (qsizetype i = 0; i < pupils.size(); ++i) {
        const PupilSummary &a = pupils.at(i);
        const PupilSummary &b = plainPupils.at(i);
        QCOMPARE(std::tie(a.name, a.className, a.runs, a.answers, a.right, a.wrong, a.first, a.last,
                          a.marked, a.onList, a.unassignedReports),
                 std::tie(b.name, b.className, b.runs, b.answers, b.right, b.wrong, b.first, b.last,
                          b.marked, b.onList, b.unassignedReports));
    }
    QCOMPARE(results_->pupilSummaries(filter, 55, true).size(), plainMarked.size());
    const QList<ClassSummary> classes = results_->classSummaries(filter, 55);
    QCOMPARE(classes.size(), plainClasses.size());
    for (qsizetype i = 0; i < classes.size(); ++i) {
        const ClassSummary &a = classes.at(i);
        const ClassSummary &b = plainClasses.at(i);
        QCOMPARE(std::tie(a.className, a.listPupils, a.practised, a.withoutRuns, a.markedPupils,
                          a.runs, a.answers, a.right, a.wrong, a.unassignedReports),
                 std::tie(b.className, b.listPupils, b.practised, b.withoutRuns, b.markedPupils,
                          b.runs, b.answers, b.right, b.wrong, b.unassignedReports));
    }
}

void SummaryTableTest::summariesEqualTheRuns_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("whole school") << QString() << QString() << QDate() << QDate();
    QTest::newRow("a class") << QStringLiteral("3A") << QString() << QDate() << QDate();
    QTest::newRow("a namesake") << QStringLiteral("4B") << QStringLiteral("Novák") << QDate()
                                << QDate();
    QTest::newRow("mid-month to mid-month")
        << QString() << QString() << QDate(2026, 1, 25) << QDate(2026, 4, 10);
    QTest::newRow("whole months") << QString() << QString() << QDate(2026, 2, 1)
                                  << QDate(2026, 3, 31);
    QTest::newRow("within a month")
        << QStringLiteral("3A") << QString() << QDate(2026, 3, 3) << QDate(2026, 3, 5);
    QTest::newRow("two neighbouring months")
        << QString() << QString() << QDate(2026, 2, 14) << QDate(2026, 3, 10);
    QTest::newRow("to a month's last day")
        << QString() << QString() << QDate(2026, 2, 10) << QDate(2026, 2, 28);
    QTest::newRow("first day after the last")
        << QString() << QString() << QDate(2026, 3, 10) << QDate(2026, 2, 5);
    QTest::newRow("from a day on") << QString() << QString() << QDate(2026, 3, 5) << QDate();
    QTest::newRow("from a month's first day into it")
        << QStringLiteral("3A") << QString() << QDate(2026, 3, 1) << QDate(2026, 3, 12);
    QTest::newRow("from a month's first day on")
        << QString() << QString() << QDate(2026, 2, 1) << QDate();
    QTest::newRow("up to a day") << QString() << QString() << QDate() << QDate(2026, 2, 14);
    QTest::newRow("the day after midnight") << QStringLiteral("3A") << QStringLiteral("Novák")
                                            << QDate(2026, 3, 5) << QDate(2026, 3, 5);
}

namespace {
// The class, pupil and days of the current data row.
ResultFilter fetchedFilter()
{
    QFETCH(QString, className);
    QFETCH(QString, surname);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    ResultFilter filter;
    filter.className = className;
    filter.surname = surname;
    filter.from = from;
    filter.to = to;
    return filter;
}
} // namespace

void SummaryTableTest::summariesEqualTheRuns()
{
    ResultFilter filter = fetchedFilter();
    compareSummaries(filter);
    filter.sources = ResultFilter::Sources::School;
    compareSummaries(filter);
}

void SummaryTableTest::pagesFromTheirKeyEqualCountedPages_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<bool>("unassigned");
    for (int column = 0; column < resultColumnCount; ++column) {
        for (const bool descending : {false, true}) {
            QTest::addRow("column %d %s", column, descending ? "down" : "up")
                << column << descending << false;
        }
    }
    QTest::newRow("reports of nobody's by name")
        << static_cast<int>(ResultColumn::Name) << false << true;
}

void SummaryTableTest::pagesFromTheirKeyEqualCountedPages()
{
    QFETCH(int, column);
    QFETCH(bool, descending);
    QFETCH(bool, unassigned);
    ResultFilter filter;
    filter.unassigned = unassigned;
    const ResultSort sort{static_cast<ResultColumn>(column), descending};
    results_->usePlainStatements(true);
    const QList<ResultRow> all = results_->runs(filter, sort, 0, 100000);
    results_->usePlainStatements(false);
    QCOMPARE(all.size(), results_->countRuns(filter));
    // Page after page, each from the key the one before it gave.
    QList<ResultRow> paged;
    std::optional<ResultKey> next;
    do {
        const ResultRowsPage page = results_->runsFrom(filter, sort, next ? &*next : nullptr, 23);
        paged += page.rows;
        next = page.next;
    } while (next && paged.size() <= all.size());
    QCOMPARE(paged, all);
    // A jump deep into the table, and on from there.
    for (const qint64 skip : {qint64(0), all.size() / 2, all.size() - 1}) {
        const std::optional<ResultKey> key = results_->keyAfter(filter, sort, nullptr, skip);
        QVERIFY(key);
        QCOMPARE(results_->runsFrom(filter, sort, &*key, 5).rows, all.mid(skip, 5));
        const std::optional<ResultKey> further = results_->keyAfter(filter, sort, &*key, 3);
        QCOMPARE(further.has_value(), skip + 3 < all.size());
    }
    QVERIFY(!results_->keyAfter(filter, sort, nullptr, all.size()));
}

void SummaryTableTest::jumpsInDayOrderFindTheWalkedRow_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<int>("sources");
    QTest::addColumn<bool>("unassigned");
    const auto both = static_cast<int>(ResultFilter::Sources::Both);
    const auto school = static_cast<int>(ResultFilter::Sources::School);
    const auto mail = static_cast<int>(ResultFilter::Sources::Mail);
    QTest::newRow("whole school") << QString() << QString() << QDate() << QDate() << both << false;
    QTest::newRow("a class, school runs")
        << QStringLiteral("3A") << QString() << QDate() << QDate() << school << false;
    QTest::newRow("a namesake") << QStringLiteral("4B") << QStringLiteral("Novák") << QDate()
                                << QDate() << both << false;
    QTest::newRow("mid-month to mid-month")
        << QString() << QString() << QDate(2026, 1, 25) << QDate(2026, 4, 10) << both << false;
    QTest::newRow("within a month") << QStringLiteral("3A") << QString() << QDate(2026, 3, 3)
                                    << QDate(2026, 3, 20) << both << false;
    QTest::newRow("reports from a day on")
        << QString() << QString() << QDate(2026, 2, 10) << QDate() << mail << false;
    QTest::newRow("reports of nobody's")
        << QString() << QString() << QDate() << QDate() << both << true;
}

void SummaryTableTest::jumpsInDayOrderFindTheWalkedRow()
{
    QFETCH(int, sources);
    QFETCH(bool, unassigned);
    ResultFilter filter = fetchedFilter();
    filter.sources = static_cast<ResultFilter::Sources>(sources);
    filter.unassigned = unassigned;
    for (const bool descending : {true, false}) {
        const ResultSort sort{ResultColumn::Date, descending};
        results_->usePlainStatements(true);
        const QList<ResultRow> all = results_->runs(filter, sort, 0, 100000);
        results_->usePlainStatements(false);
        QVERIFY(!all.isEmpty());
        // Every few rows, so that jumps land on each month's first and last rows too.
        for (qint64 skip = 1; skip < all.size(); skip += 5) {
            const std::optional<ResultKey> key = results_->keyAfter(filter, sort, nullptr, skip);
            QVERIFY2(key, qPrintable(QString::number(skip)));
            const QList<ResultRow> rows = results_->runsFrom(filter, sort, &*key, 1).rows;
            QCOMPARE(rows.size(), 1);
            QCOMPARE(rows.first(), all.at(skip));
        }
        QVERIFY(results_->keyAfter(filter, sort, nullptr, all.size() - 1));
        QVERIFY(!results_->keyAfter(filter, sort, nullptr, all.size()));
    }
}

// An older pupil's program appends a bare row; the teacher's program renames and deletes.
void SummaryTableTest::runsWrittenBareAreCountedAtOnce()
{
    ResultFilter march;
    march.from = QDate(2026, 3, 1);
    march.to = QDate(2026, 3, 31);
    ResultFilter hora;
    hora.className = QStringLiteral("4B");
    hora.surname = QStringLiteral("Nová");
    const auto runsOf4B = [this] {
        for (const ClassSummary &line : results_->classSummaries({}, 50)) {
            if (line.className == QLatin1String("4B")) {
                return line.runs;
            }
        }
        return qint64(-1);
    };
    const qint64 before = runsOf4B();
    exec(QStringLiteral(R"(INSERT INTO "Prehled " VALUES ('Nová', '4B', 3, 2, '10:00:00', )"
                        R"('10:05:00', '2026-03-15', 'zak', 1, NULL))"));
    const QList<PupilSummary> added = results_->pupilSummaries(hora, 50);
    QCOMPARE(added.size(), 1);
    QCOMPARE(added.first().runs, 1);
    QCOMPARE(added.first().right, 3);
    QCOMPARE(added.first().first, QDate(2026, 3, 15));
    QCOMPARE(runsOf4B(), before + 1);
    compareSummaries(march);
    exec(QStringLiteral(R"(UPDATE "Prehled " SET "Prijmeni" = 'Hora' WHERE "Prijmeni" = 'Nová')"));
    compareSummaries(march);
    exec(QStringLiteral(R"(DELETE FROM "Prehled " WHERE "Prijmeni" = 'Čech' AND "Datum" < ?)"),
         {QStringLiteral("2026-03-10")});
    compareSummaries(march);
    compareSummaries({});
}

QTEST_GUILESS_MAIN(SummaryTableTest)
#include "tst_summarytable.moc"
