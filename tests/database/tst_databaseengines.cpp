// SPDX-License-Identifier: GPL-3.0-or-later
// The data-access layer's behaviour, the same on both engines: run by ctest once against an
// SQLite file and once against the test run's PostgreSQL server (TESILKA_TEST_ENGINE).
#include "database/schooldatabase.h"
#include "database/teacherdatabase.h"
#include "schoolanswers.h"
#include "support/sqlscript.h"
#include "support/testserver.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>
#include <vector>

class DatabaseEnginesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pupilsListedAndRunsTotalled();
    void teacherKeepsPupilsAndReports();
    void answersGoWithTheirRunsWhenRenamedOrDeleted();
    void missingTableIsNamed();
    void twentyPupilsFinishingAtOnceAllLand();

private:
    // Runs SQL as the database's owner: set-up that no program of the school does.
    bool administer(const QString &sql);
    [[nodiscard]] QString pupilLocation() const;
    [[nodiscard]] DatabaseLocation teacherLocation() const;

    bool server_ = qEnvironmentVariable("TESILKA_TEST_ENGINE") == QLatin1String("postgresql");
    QTemporaryDir dir_;
    QString file_;     // SQLite
    QString database_; // PostgreSQL
};

namespace {

SchoolRun run(const QString &surname, int right, int wrong)
{
    SchoolRun state;
    state.surname = surname;
    state.className = QStringLiteral("3A");
    state.correct = right;
    state.wrong = wrong;
    state.answers = answersFor(right, wrong);
    state.start = QTime(8, 15, 30);
    return state;
}

int appendWorker(const QString &location, const QString &surname)
{
    try {
        const RunTotals totals = SchoolDatabase(location).recordRunResult(
            run(surname, 2, 1), QDateTime::currentDateTime());
        std::printf("%d %d\n", totals.totalCorrect, totals.totalWrong);
    } catch (const DatabaseError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

} // namespace

bool DatabaseEnginesTest::administer(const QString &sql)
{
    if (server_) {
        const QString error = testserver::psql(database_, sql);
        if (!error.isEmpty()) {
            qWarning("%s", qPrintable(error));
        }
        return error.isEmpty();
    }
    const ScratchConnection db(file_, QStringLiteral("admin"));
    return db.run(sql);
}

QString DatabaseEnginesTest::pupilLocation() const
{
    // On the server the pupil's program has only a pupil's rights.
    return server_ ? testserver::location(database_, QStringLiteral("zak")).path : file_;
}

DatabaseLocation DatabaseEnginesTest::teacherLocation() const
{
    return server_ ? testserver::location(database_, QStringLiteral("ucitel"))
                   : DatabaseLocation::sqliteFile(file_);
}

void DatabaseEnginesTest::init()
{
    if (server_) {
        QString error;
        database_ = testserver::createDatabase(error);
        QVERIFY2(!database_.isEmpty(), qPrintable(error));
        return;
    }
    QVERIFY(dir_.isValid());
    file_ = dir_.filePath(QStringLiteral("%1.db").arg(QTest::currentTestFunction()));
    const ScratchConnection setup(file_, QStringLiteral("setup"));
    const QString failure =
        runSqlFile(setup.db(), QStringLiteral(TESILKA_DATABASE_SOURCE_DIR "/schema.sql"));
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void DatabaseEnginesTest::pupilsListedAndRunsTotalled()
{
    QVERIFY(administer(QStringLiteral(
        R"(INSERT INTO "Zaci" ("Prijmeni", "Trida") VALUES ('Šťastná', '3A'), ('Čermák', '3A'), )"
        R"(('Novák', '4B'), ('Novák', '3A'))")));
    QVERIFY(administer(QStringLiteral(
        R"(INSERT INTO "Prehled " ("Prijmeni", "Trida", "Spravne", "Chybne") VALUES )"
        R"(('Novák', '4B', 6, 4), ('novák', '3A', 100, 100))")));
    const SchoolDatabase database(pupilLocation());
    QStringList entries;
    for (const PupilProfile &pupil : database.loadPupilList().pupils) {
        entries.append(pupil.entryText());
    }
    entries.sort();
    QCOMPARE(entries, (QStringList{"Novák; 3A", "Novák; 4B", "Čermák; 3A", "Šťastná; 3A"}));

    // Namesakes of another class share their totals; another case does not count. A server
    // takes only a run that ends now.
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime end(now.date(),
                        QTime(now.time().hour(), now.time().minute(), now.time().second()));
    RunTotals totals = database.recordRunResult(run(QStringLiteral("Novák"), 3, 2), end);
    QCOMPARE(totals.totalCorrect, 9);
    QCOMPARE(totals.totalWrong, 6);
    totals = database.recordRunResult(run(QStringLiteral("Čermák"), 1, 0), end);
    QCOMPARE(totals.totalCorrect, 1);
    QCOMPARE(totals.totalWrong, 0);

    // The row as the teacher reads it: the same text on both engines.
    const auto teacher = TeacherDatabase::open(teacherLocation());
    QSqlQuery row(teacher->connection());
    QVERIFY(row.exec(
        QStringLiteral(R"(SELECT "CasStrt", "CasEnd", "Datum", "TypTesil" FROM "Prehled " )"
                       R"(WHERE "Prijmeni" = 'Čermák')")));
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toString(), QStringLiteral("08:15:30"));
    QCOMPARE(row.value(1).toString(), end.time().toString(QStringLiteral("HH:mm:ss")));
    QCOMPARE(row.value(2).toString(), end.date().toString(QStringLiteral("yyyy-MM-dd")));
    QCOMPARE(row.value(3).toInt(), 1);
}

void DatabaseEnginesTest::teacherKeepsPupilsAndReports()
{
    const auto teacher = TeacherDatabase::open(teacherLocation());
    const qint64 first = teacher->addPupil(QStringLiteral("Hrubý"), QStringLiteral("3A"));
    const qint64 second = teacher->addPupil(QStringLiteral("Hrubý"), QStringLiteral("4B"));
    teacher->addPupil(QStringLiteral("Chalupa"), QStringLiteral("3A"));
    teacher->addPupil(QStringLiteral("Cibulka"), QStringLiteral("3A"));
    QVERIFY(first != second);
    teacher->updatePupil({second, QStringLiteral("Hrubá"), QStringLiteral("4B")});
    teacher->deletePupil(first);
    QStringList names;
    for (const PupilRecord &pupil : teacher->pupils()) {
        names.append(pupil.surname);
    }
    QCOMPARE(names, (QStringList{"Cibulka", "Hrubá", "Chalupa"}));
    QVERIFY_THROWS_EXCEPTION(DatabaseError,
                             teacher->addPupil(QStringLiteral("Cibulka"), QStringLiteral("3A")));

    ReportRow report;
    report.student = QStringLiteral("Žofie Šťastná");
    report.className = QStringLiteral("3A");
    report.from = QDateTime(QDate(2026, 3, 2), QTime(10, 5));
    report.text = QStringLiteral("Student: Žofie Šťastná");
    report.canonicalBlock = report.originalText = QStringLiteral("AB CD");
    const QDateTime now(QDate(2026, 3, 3), QTime(7, 0));
    ReportStoreResult stored = teacher->storeReports({report, report}, now);
    QCOMPARE(stored.added, 1);
    QCOMPARE(stored.alreadyStored, 1);
    QCOMPARE(teacher->storedReportCount(), 1);
}

void DatabaseEnginesTest::answersGoWithTheirRunsWhenRenamedOrDeleted()
{
    QVERIFY(administer(QStringLiteral(
        R"(INSERT INTO "Zaci" ("Prijmeni", "Trida") VALUES ('Novák', '3A'), ('Kos', '3A'))")));
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime end(now.date(),
                        QTime(now.time().hour(), now.time().minute(), now.time().second()));
    const SchoolDatabase pupil(pupilLocation());
    const SchoolRun first = run(QStringLiteral("Novák"), 2, 1);
    pupil.recordRunResult(first, end);
    pupil.recordRunResult(run(QStringLiteral("Novák"), 1, 0), end);
    pupil.recordRunResult(run(QStringLiteral("Kos"), 0, 1), end);
    // A run of a pupil's program from before answers were kept: no key.
    QVERIFY(administer(QStringLiteral(R"(INSERT INTO "Prehled " ("Prijmeni", "Trida", )"
                                      R"("Spravne", "Chybne", "CasEnd") VALUES )"
                                      R"(('Novák', '3A', 5, 5, '07:00:00'))")));

    const auto teacher = TeacherDatabase::open(teacherLocation());
    const auto scalar = [&](const QString &sql) {
        QSqlQuery query(teacher->connection());
        return query.exec(sql) && query.next() ? query.value(0) : QVariant();
    };
    // The answers as the teacher reads them, the same on both engines.
    {
        QSqlQuery rows(teacher->connection());
        QVERIFY(rows.exec(QStringLiteral(R"(SELECT %1, o."Trida", o."Datum" FROM "Odpovedi" AS o )"
                                         R"(JOIN "Prehled " AS p ON p."Klic" = o."Klic" )"
                                         R"(WHERE p."Spravne" = 2 ORDER BY o."Poradi")")
                              .arg(QLatin1String(answerFieldsSql))));
        QStringList expected = answerLines(first.answers);
        for (QString &line : expected) {
            line += QStringLiteral(" 3A ") + end.date().toString(QStringLiteral("yyyy-MM-dd"));
        }
        QCOMPARE(rowLines(rows, 13), expected);
    }

    // Renamed with the pupil.
    qint64 novak = 0;
    for (const PupilRecord &record : teacher->pupils()) {
        novak = record.surname == QStringLiteral("Novák") ? record.key : novak;
    }
    teacher->updatePupil({novak, QStringLiteral("Nováková"), QStringLiteral("3B")});
    QCOMPARE(scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "Odpovedi" WHERE "Prijmeni" = )"
                                   R"('Nováková' AND "Trida" = '3B')"))
                 .toInt(),
             4);

    // Deleted with the run: the first run's answers and the keyless run go, the rest stays.
    const QString key = server_ ? QStringLiteral("ctid") : QStringLiteral("rowid");
    QList<TeacherDatabase::SchoolRun> doomed;
    QSqlQuery runs(teacher->connection());
    QVERIFY(runs.exec(QStringLiteral(R"(SELECT CAST(%1 AS TEXT), "CasEnd" FROM "Prehled " )"
                                     R"(WHERE "Spravne" IN (2, 5))")
                          .arg(key)));
    while (runs.next()) {
        doomed.append({runs.value(0).toString(), QStringLiteral("Nováková"), QStringLiteral("3B"),
                       runs.value(1).toString()});
    }
    QCOMPARE(doomed.size(), 2);
    teacher->deleteRuns(doomed, {});
    QCOMPARE(scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "Prehled ")")).toInt(), 2);
    QCOMPARE(scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "Odpovedi")")).toInt(), 2);
    QCOMPARE(scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "Odpovedi" WHERE "Prijmeni" = )"
                                   R"('Nováková' AND "Spravne" = 1)"))
                 .toInt(),
             1);
}

void DatabaseEnginesTest::missingTableIsNamed()
{
    QVERIFY(administer(QStringLiteral(R"(DROP TABLE "Prehled ")")));
    try {
        (void)SchoolDatabase(pupilLocation()).loadPupilList();
        QFAIL("a database without its results table was accepted");
    } catch (const DatabaseError &error) {
        const QString message = QString::fromUtf8(error.what());
        QVERIFY2(message.contains(QStringLiteral("chybí v ní tabulka „Prehled “")),
                 qPrintable(message));
        QVERIFY2(message.contains(server_ ? database_ : QFileInfo(file_).fileName()),
                 qPrintable(message));
    }
}

void DatabaseEnginesTest::twentyPupilsFinishingAtOnceAllLand()
{
    constexpr int processes = 20;
    // A server takes runs of the pupils on its list only.
    QStringList pupils;
    for (int i = 0; i < processes; ++i) {
        pupils << QStringLiteral("('Žák %1', '3A')").arg(i);
    }
    QVERIFY(administer(QStringLiteral(R"(INSERT INTO "Zaci" ("Prijmeni", "Trida") VALUES )") +
                       pupils.join(u',')));
    std::vector<std::unique_ptr<QProcess>> workers;
    for (int i = 0; i < processes; ++i) {
        auto worker = std::make_unique<QProcess>();
        worker->setProgram(QCoreApplication::applicationFilePath());
        worker->setArguments(
            {QStringLiteral("--append-worker"), pupilLocation(), QStringLiteral("Žák %1").arg(i)});
        workers.push_back(std::move(worker));
    }
    for (auto &worker : workers) {
        worker->start();
    }
    for (auto &worker : workers) {
        QVERIFY(worker->waitForFinished(120000));
        QVERIFY2(worker->exitCode() == 0, worker->readAllStandardError().constData());
        QCOMPARE(worker->readAllStandardOutput().trimmed(), QByteArray("2 1"));
    }
    const auto teacher = TeacherDatabase::open(teacherLocation());
    QSqlQuery count(teacher->connection());
    QVERIFY(count.exec(QStringLiteral(R"(SELECT COUNT(*) FROM "Prehled ")")) && count.next());
    QCOMPARE(count.value(0).toInt(), processes);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--append-worker") == 0) {
        return appendWorker(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    DatabaseEnginesTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_databaseengines.moc"
