// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/resultsdatabase.h"
#include "resultsfixture.h"
#include "teacher/resultformat.h"

#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// The results views' figures against hand-counted runs in a real SQLite file, their filters,
// the CSV bytes and the command line that writes them.
class ResultsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pupilsAreSurnamesInClassesFromBothSources();
    void filterListsSkipFromClassToClass();
    void classesCountRunsAndMarkedPupils();
    void progressPerDayAndWeek();
    void filtersIncludeBothEndDays();
    void namesSortInCzechOrderAndPagesJoin();
    void periodsOfTheCalendar();
    void exportWritesTheSpreadsheetBytes();
    void exportCommandRunsWithoutDisplay();
    // Last: it adds a pupil and reports, and deletes runs.
    void everyListPupilAndReportsOfNobodyCount();
    void runsAndReportsDeleteInOneTransaction();

private:
    QTemporaryDir dir_;
    std::unique_ptr<TeacherDatabase> database_;
    std::unique_ptr<ResultsDatabase> results_;
};

void ResultsTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    database_ = createResultsFixture(dir_.filePath(QStringLiteral("skola.db")));
    results_ = std::make_unique<ResultsDatabase>(*database_);
}

void ResultsTest::pupilsAreSurnamesInClassesFromBothSources()
{
    const QList<PupilSummary> pupils = results_->pupilSummaries({}, 50);
    QStringList names;
    for (const PupilSummary &pupil : pupils) {
        names << pupil.className + u' ' + pupil.name;
    }
    QCOMPARE(names, QStringList({"3A Černá", "3A Eva Malá", "3A Novák", "4B Novák", "5C =1+1",
                                 "5C Hruška \"Béďa\"", "5C Chalupa"}));
    const PupilSummary &novak = pupils.at(2);
    QCOMPARE(novak.runs, qint64(3)); // two school runs and one e-mailed report
    QCOMPARE(novak.answers, qint64(28));
    QCOMPARE(novak.right, qint64(16));
    QCOMPARE(novak.wrong, qint64(12));
    QCOMPARE(novak.first, QDate(2026, 3, 2));
    QCOMPARE(novak.last, QDate(2026, 3, 5)); // the run past midnight counts on its end day
    QCOMPARE(successPercent(novak.right, novak.answers), 57.14);
    QVERIFY(!novak.marked);
    QVERIFY(pupils.at(3).marked);  // the namesake in 4B: 10 %
    QVERIFY(!pupils.at(1).marked); // exactly 50 % is not below 50 %
    QVERIFY(!pupils.at(6).marked); // no answers: nothing to judge

    QCOMPARE(results_->pupilSummaries({}, 60).at(2).marked, true);
    const QList<PupilSummary> marked = results_->pupilSummaries({}, 50, true);
    QCOMPARE(marked.size(), 1);
    QCOMPARE(marked.first().className, QStringLiteral("4B"));
}

// Runs of pupils who are not on the list, a namesake's many runs and a run without a class:
// the lists jump over the index from one class and surname to the next.
void ResultsTest::filterListsSkipFromClassToClass()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto database = createResultsFixture(dir.filePath(QStringLiteral("seznamy.db")));
    QSqlQuery query(database->connection());
    const auto addRun = [&query](const QString &surname, const QVariant &className) {
        QVERIFY(query.prepare(QStringLiteral(
            R"(INSERT INTO "Prehled " ("Prijmeni", "Trida", "Spravne", "Chybne", "Datum", )"
            R"("Prihlasenjako", "TypTesil") VALUES (?, ?, 1, 1, '2026-03-03', 'zak', 1))")));
        query.addBindValue(surname);
        query.addBindValue(className);
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
    };
    for (const char *surname : {"Ťuk", "Žák", "Ťuk", "Adam", "Ťuk"}) {
        addRun(QString::fromUtf8(surname), QStringLiteral("6D"));
    }
    addRun(QStringLiteral("Bez třídy"), QVariant(QMetaType::fromType<QString>()));
    ResultsDatabase results(*database);

    QCOMPARE(results.classes(), QStringList({"3A", "4B", "5C", "6D"}));
    using Pupils = QList<std::pair<QString, QString>>;
    QCOMPARE(results.pupils(QStringLiteral("6D")),
             Pupils({{"Adam", "6D"}, {"Ťuk", "6D"}, {"Žák", "6D"}}));
    QCOMPARE(results.pupils(QStringLiteral("4B")), Pupils({{"Novák", "4B"}}));
    QCOMPARE(results.pupils(QStringLiteral("9Z")), Pupils());
    const Pupils school = results.pupils({});
    QCOMPARE(school.size(), 10);
    QVERIFY(school.contains(std::pair(QStringLiteral("Adam"), QStringLiteral("6D"))));
    QCOMPARE(school.last(), std::pair(QStringLiteral("Žák"), QStringLiteral("6D")));

    // The bars' lists stay as read until the window says the database changed.
    QCOMPARE(results.filterLists().pupils, school);
    addRun(QStringLiteral("Nový"), QStringLiteral("7E"));
    QVERIFY(!results.filterLists().classes.contains(QStringLiteral("7E")));
    results.forgetFilterLists();
    QCOMPARE(results.filterLists().classes.last(), QStringLiteral("7E"));
    QVERIFY(results.filterLists().pupils.contains(
        std::pair(QStringLiteral("Nový"), QStringLiteral("7E"))));
}

void ResultsTest::classesCountRunsAndMarkedPupils()
{
    const QList<ClassSummary> classes = results_->classSummaries({}, 50);
    QCOMPARE(classes.size(), 3);
    const ClassSummary &a = classes.at(0);
    QCOMPARE(a.className, QStringLiteral("3A"));
    QCOMPARE(a.listPupils, qint64(3));
    QCOMPARE(a.practised, qint64(3));
    QCOMPARE(a.runs, qint64(5));
    QCOMPARE(a.answers, qint64(43));
    QCOMPARE(a.right, qint64(26));
    QCOMPARE(a.markedPupils, qint64(0));
    QCOMPARE(classes.at(1).markedPupils, qint64(1));
    QCOMPARE(results_->classSummaries({}, 60).at(0).markedPupils,
             qint64(2)); // Novák 57 %, Malá 50 %
}

void ResultsTest::progressPerDayAndWeek()
{
    ResultFilter filter;
    filter.className = QStringLiteral("3A");
    const QList<ProgressPoint> days = results_->progress(filter, ProgressPeriod::Day);
    QCOMPARE(days.size(), 4);
    QCOMPARE(days.at(0).period, QDate(2026, 2, 28));
    QCOMPARE(days.at(1).period, QDate(2026, 3, 1));
    QCOMPARE(days.at(3).period, QDate(2026, 3, 5));
    QCOMPARE(days.at(3).runs, qint64(2)); // the run past midnight and the e-mailed report
    QCOMPARE(days.at(3).answers, qint64(18));
    QCOMPARE(days.at(3).right, qint64(9));

    const QList<ProgressPoint> weeks = results_->progress(filter, ProgressPeriod::Week);
    QCOMPARE(weeks.size(), 2);
    QCOMPARE(weeks.at(0).period, QDate(2026, 2, 23)); // Saturday and Sunday: week of Monday 23rd
    QCOMPARE(weeks.at(0).runs, qint64(2));
    QCOMPARE(weeks.at(0).answers, qint64(15));
    QCOMPARE(weeks.at(1).period, QDate(2026, 3, 2));
    QCOMPARE(weeks.at(1).answers, qint64(28));

    filter.surname = QStringLiteral("Novák");
    filter.className = QStringLiteral("4B");
    QCOMPARE(results_->progress(filter, ProgressPeriod::Day).size(), 1);
}

void ResultsTest::filtersIncludeBothEndDays()
{
    ResultFilter filter;
    filter.from = QDate(2026, 3, 1);
    filter.to = QDate(2026, 3, 4);
    // 1.3. (e-mail), 2.3., three runs of 3.3.; the run that ended on 5.3. is out
    QCOMPARE(results_->countRuns(filter), qint64(5));
    filter.to = QDate(2026, 3, 5);
    QCOMPARE(results_->countRuns(filter), qint64(7));
    filter.from = QDate(2026, 3, 5);
    QCOMPARE(results_->countRuns(filter),
             qint64(2)); // the e-mailed report of 10:30 on the last day

    ResultFilter sources;
    sources.sources = ResultFilter::Sources::Mail;
    QCOMPARE(results_->countRuns(sources), qint64(2));
    const ResultRow report = results_->runs(sources, {}, 0, 10).first();
    QCOMPARE(report.source, ResultSource::Mail);
    // Its times to the minute, in the school runs' form: one column, one form.
    QCOMPARE(report.start, QStringLiteral("10:00:00"));
    QCOMPARE(report.end, QStringLiteral("10:30:00"));
    sources.sources = ResultFilter::Sources::School;
    sources.className = QStringLiteral("3A");
    QCOMPARE(results_->countRuns(sources), qint64(3));

    ResultFilter pasted;
    pasted.className = QStringLiteral("3A' OR '1'='1");
    QCOMPARE(results_->countRuns(pasted), qint64(0));
    QCOMPARE(results_->runs(pasted, {}, 0, 10).size(), 0);
}

void ResultsTest::namesSortInCzechOrderAndPagesJoin()
{
    const QList<ResultRow> byDate = results_->runs({}, {}, 0, 100);
    QCOMPARE(byDate.size(), 9);
    QCOMPARE(byDate.first().date, QDate(2026, 3, 9));
    QCOMPARE(byDate.last().date, QDate(2026, 2, 28));

    const ResultSort byName{ResultColumn::Name, false};
    const QList<ResultRow> all = results_->runs({}, byName, 0, 100);
    QStringList names;
    for (const ResultRow &row : all) {
        names << row.name;
    }
    QVERIFY2(names.indexOf(QStringLiteral("Hruška \"Béďa\"")) <
                 names.indexOf(QStringLiteral("Chalupa")),
             qPrintable(names.join(u'|')));
    QVERIFY(names.indexOf(QStringLiteral("Černá")) < names.indexOf(QStringLiteral("Eva Malá")));
    QCOMPARE(names.last(), QStringLiteral("Novák"));
    QCOMPARE(results_->runs({}, byName, 0, 4) + results_->runs({}, byName, 4, 100), all);
}

void ResultsTest::periodsOfTheCalendar()
{
    const QDate thursday(2026, 1, 1);
    QCOMPARE(datePeriodRange(DatePeriod::ThisWeek, thursday),
             std::make_pair(QDate(2025, 12, 29), QDate(2026, 1, 4)));
    QCOMPARE(datePeriodRange(DatePeriod::ThisMonth, QDate(2024, 2, 10)),
             std::make_pair(QDate(2024, 2, 1), QDate(2024, 2, 29)));
    QCOMPARE(datePeriodRange(DatePeriod::SchoolYear, QDate(2026, 8, 31)),
             std::make_pair(QDate(2025, 9, 1), QDate(2026, 8, 31)));
    QCOMPARE(datePeriodRange(DatePeriod::SchoolYear, QDate(2026, 9, 1)),
             std::make_pair(QDate(2026, 9, 1), QDate(2027, 8, 31)));
}

void ResultsTest::exportWritesTheSpreadsheetBytes()
{
    ResultFilter filter;
    filter.className = QStringLiteral("5C");
    const QString path = dir_.filePath(QStringLiteral("5c.csv"));
    const ExportOutcome outcome = exportResultsCsv(*results_, filter, {}, path);
    QVERIFY2(outcome.failure.isEmpty(), qPrintable(outcome.failure));
    QCOMPARE(outcome.rows, qint64(3));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), class5cCsv());
    file.close();

    // Stopped half way: the file written before stays as it was.
    const ExportOutcome stopped =
        exportResultsCsv(*results_, {}, {}, path, [](qint64) { return false; });
    QVERIFY(stopped.cancelled);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), class5cCsv());
}

void ResultsTest::exportCommandRunsWithoutDisplay()
{
    const auto runCommand = [](const QStringList &arguments, QByteArray *err = nullptr) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("DISPLAY"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TESILKA_TEACHER_PROGRAM), arguments);
        process.waitForFinished();
        if (err != nullptr) {
            *err = process.readAllStandardError();
        }
        return process.exitCode();
    };
    const QString database = database_->location().path; // a file or a server
    const QString out = dir_.filePath(QStringLiteral("prikaz.csv"));
    QCOMPARE(runCommand({"--database", database, "--export-results", out, "--class", "5C", "--from",
                         "2026-03-03", "--to", "2026-03-03"}),
             0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), class5cCsv());

    QByteArray err;
    const QString other = dir_.filePath(QStringLiteral("jiny.csv"));
    QCOMPARE(
        runCommand({"--database", database, "--export-results", other, "--from", "3.3.2026"}, &err),
        2);
    QVERIFY(QString::fromUtf8(err).contains(QStringLiteral("RRRR-MM-DD")));
    QCOMPARE(runCommand({"--database", dir_.filePath(QStringLiteral("neni.db")), "--export-results",
                         other},
                        &err),
             1);
    QVERIFY(QString::fromUtf8(err).contains(QStringLiteral("nelze otevřít")));
    QVERIFY(!QFile::exists(other));
}

void ResultsTest::everyListPupilAndReportsOfNobodyCount()
{
    database_->addPupil(QStringLiteral("Dvořák"), QStringLiteral("3A"));
    // Stored as the reports page stores them: one of nobody's in 3A, one whose class is
    // nowhere on the list.
    QList<ReportRow> reports(2);
    reports[0] = {.student = QStringLiteral("Petr Neznámý"),
                  .className = QStringLiteral("3.a"),
                  .from = QDateTime(QDate(2026, 3, 4), QTime(9, 0)),
                  .to = QDateTime(QDate(2026, 3, 4), QTime(9, 30)),
                  .answers = 4,
                  .correct = 1,
                  .wrong = 3,
                  .text = QStringLiteral("t"),
                  .canonicalBlock = QStringLiteral("nikoho-3A"),
                  .originalText = QStringLiteral("b"),
                  .pupilSurname = {},
                  .pupilClass = QStringLiteral("3A")};
    reports[1] = reports[0];
    reports[1].className = QStringLiteral("9Z");
    reports[1].canonicalBlock = QStringLiteral("nikoho");
    reports[1].pupilClass.clear();
    const ReportStoreResult stored = database_->storeReports(reports, QDateTime::currentDateTime());
    QCOMPARE(stored.added, 2);
    QCOMPARE(stored.unassigned, 2);

    ResultFilter filter;
    filter.className = QStringLiteral("3A");
    QStringList rows;
    for (const PupilSummary &pupil : results_->pupilSummaries(filter, 50)) {
        rows << QStringLiteral("%1 %2 %3%4")
                    .arg(pupil.name)
                    .arg(pupil.runs)
                    .arg(pupil.withoutRuns() ? QStringLiteral("!") : QString(),
                         pupil.unassignedReports ? QStringLiteral("?") : QString());
    }
    QCOMPARE(rows, QStringList({"Černá 1 ", "Dvořák 0 !", "Eva Malá 1 ", "Novák 3 ", " 1 ?"}));
    QStringList marked;
    for (const PupilSummary &pupil : results_->pupilSummaries(filter, 50, true)) {
        marked << pupil.name;
    }
    QCOMPARE(marked, QStringList{QStringLiteral("Dvořák")});

    const ClassSummary a = results_->classSummaries(filter, 50).value(0);
    QCOMPARE(a.listPupils, qint64(4));
    QCOMPARE(a.practised, qint64(3));
    QCOMPARE(a.withoutRuns, qint64(1));
    QCOMPARE(a.runs, qint64(6)); // the five runs of the pupils and the report of nobody's
    QCOMPARE(a.unassignedReports, qint64(1));
    QCOMPARE(results_->countRuns(filter), a.runs);

    ResultFilter nobody;
    nobody.unassigned = true;
    QCOMPARE(results_->countRuns(nobody), qint64(2));
    nobody.className = QStringLiteral("3A");
    const QList<ResultRow> nobodys = results_->runs(nobody, {}, 0, 10);
    QCOMPARE(nobodys.size(), 1);
    QVERIFY(nobodys.first().unassigned());
    QCOMPARE(nobodys.first().reportedClass, QStringLiteral("3.a"));
    QVERIFY(results_->classes().contains(QStringLiteral("3A")));
}

void ResultsTest::runsAndReportsDeleteInOneTransaction()
{
    ResultFilter novak;
    novak.className = QStringLiteral("4B");
    novak.surname = QStringLiteral("Novák");
    const ResultRow run = results_->runs(novak, {}, 0, 1).value(0);
    ResultFilter nobody;
    nobody.unassigned = true;
    const QList<ResultRow> reports = results_->runs(nobody, {}, 0, 10);
    QCOMPARE(reports.size(), 2);
    const qint64 before = results_->countRuns({});

    // A run not as it was shown: nothing at all is deleted.
    TeacherDatabase::SchoolRun stale{run.key, run.name, run.className, QStringLiteral("99:99")};
    QVERIFY_THROWS_EXCEPTION(DatabaseError, database_->deleteRuns({stale}, {reports.at(0).key}));
    QCOMPARE(results_->countRuns({}), before);

    database_->deleteRuns({{run.key, run.name, run.className, run.end}},
                          {reports.at(0).key, reports.at(1).key});
    QCOMPARE(results_->countRuns({}), before - 3);
    QCOMPARE(results_->countRuns(novak), qint64(0));
    QCOMPARE(results_->countRuns(nobody), qint64(0));
}

QTEST_GUILESS_MAIN(ResultsTest)
#include "tst_results.moc"
