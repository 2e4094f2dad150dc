// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/schooldatabase.h"

#include "schoolanswers.h"
#include "support/sqlscript.h"

#include <QTemporaryDir>
#include <QTest>

// Appending a run of 20 answers and totalling the pupil's history, on results tables of growing
// size whose every run has 20 answers as well.
class RecordRunResultBenchmark : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recordRunResult_data();
    void recordRunResult();

private:
    QTemporaryDir dir_;
};

namespace {
constexpr int distinctSurnames = 2000;
constexpr int answersPerRun = 20;

QString surname(int i)
{
    return QStringLiteral("Žák%1").arg(i, 4, 10, QLatin1Char('0'));
}

// Fills "Prehled " with `rows` runs spread over the surnames, and "Odpovedi" with their
// answers, in one transaction. The keys are made in order, so that filling stays quick; the
// runs appended afterwards have random ones, as in a school.
bool populate(const QString &path, int rows)
{
    const ScratchConnection db(path, QStringLiteral("populate"));
    const QString failure =
        runSqlFile(db.db(), QStringLiteral(TESILKA_DATABASE_SOURCE_DIR "/schema.sql"));
    if (!failure.isEmpty()) {
        qWarning("%s", qPrintable(failure));
        return false;
    }
    if (!db.run(QStringLiteral("PRAGMA cache_size = -262144")) ||
        !db.run(QStringLiteral("BEGIN"))) {
        return false;
    }
    QSqlQuery insert(db.db());
    QSqlQuery answer(db.db());
    if (!insert.prepare(QStringLiteral(
            R"(INSERT INTO "Prehled " ("Prijmeni", "Trida", "Spravne", "Chybne", "CasStrt", )"
            R"("CasEnd", "Datum", "Prihlasenjako", "TypTesil", "Klic") )"
            R"(VALUES (?, '3A', ?, ?, '08:00:00', '08:45:00', '2020-09-01', 'zak', 1, ?))")) ||
        !answer.prepare(QStringLiteral(
            R"(INSERT INTO "Odpovedi" ("Klic", "Poradi", "Velicina", "HodnotaA", "PredponaA", )"
            R"("HodnotaB", "PredponaB", "Odpoved", "PredponaOdpovedi", "Spravne", "Chyba", )"
            R"("Sekundy", "Prijmeni", "Trida", "Datum") )"
            R"(VALUES (?, ?, 0, 12.5, 0, 3.25, -1, 0.040625, -1, ?, 0, 9.5, ?, '3A', )"
            R"('2020-09-01'))"))) {
        return false;
    }
    for (int i = 0; i < rows; ++i) {
        const QString key =
            QStringLiteral("00000000-0000-4000-8000-%1").arg(i, 12, 10, QLatin1Char('0'));
        insert.bindValue(0, surname(i % distinctSurnames));
        insert.bindValue(1, i % 7);
        insert.bindValue(2, i % 3);
        insert.bindValue(3, key);
        if (!insert.exec()) {
            qWarning("%s", qPrintable(insert.lastError().text()));
            return false;
        }
        for (int order = 1; order <= answersPerRun; ++order) {
            answer.bindValue(0, key);
            answer.bindValue(1, order);
            answer.bindValue(2, order % 2);
            answer.bindValue(3, surname(i % distinctSurnames));
            if (!answer.exec()) {
                qWarning("%s", qPrintable(answer.lastError().text()));
                return false;
            }
        }
    }
    return db.run(QStringLiteral("COMMIT"));
}
} // namespace

void RecordRunResultBenchmark::initTestCase()
{
    QVERIFY(dir_.isValid());
}

void RecordRunResultBenchmark::recordRunResult_data()
{
    QTest::addColumn<int>("rows");
    QTest::newRow("10^4 rows") << 10'000;
    QTest::newRow("10^5 rows") << 100'000;
    QTest::newRow("10^6 rows") << 1'000'000;
}

void RecordRunResultBenchmark::recordRunResult()
{
    QFETCH(int, rows);
    const QString path = dir_.filePath(QStringLiteral("bench-%1.db").arg(rows));
    if (!QFileInfo::exists(path)) {
        QVERIFY(populate(path, rows));
    }
    const SchoolDatabase database(path);
    SchoolRun state;
    state.surname = surname(1234);
    state.className = QStringLiteral("3A");
    state.correct = 15;
    state.wrong = 5;
    state.answers = answersFor(15, 5);
    state.start = QTime(8, 0);
    RunTotals totals;
    QBENCHMARK
    {
        totals = database.recordRunResult(state, QDateTime::currentDateTime());
    }
    QVERIFY(totals.totalCorrect > 0);
}

QTEST_GUILESS_MAIN(RecordRunResultBenchmark)
#include "bench_recordrunresult.moc"
