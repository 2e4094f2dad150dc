// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/schooldatabase.h"

#include "support/sqlscript.h"

#include <QTemporaryDir>
#include <QTest>

// Appending a run and totalling the pupil's history, on results tables of growing size.
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

QString surname(int i)
{
    return QStringLiteral("Žák%1").arg(i, 4, 10, QLatin1Char('0'));
}

// Fills "Prehled " with `rows` runs spread over the surnames, in one transaction.
bool populate(const QString &path, int rows)
{
    const ScratchConnection db(path, QStringLiteral("populate"));
    const QString failure =
        runSqlFile(db.db(), QStringLiteral(TESILKA_DATABASE_SOURCE_DIR "/schema.sql"));
    if (!failure.isEmpty()) {
        qWarning("%s", qPrintable(failure));
        return false;
    }
    if (!db.run(QStringLiteral("BEGIN"))) {
        return false;
    }
    QSqlQuery insert(db.db());
    if (!insert.prepare(QStringLiteral(
            R"(INSERT INTO "Prehled " ("Prijmeni", "Trida", "Spravne", "Chybne", "CasStrt", )"
            R"("CasEnd", "Datum", "Prihlasenjako", "TypTesil") )"
            R"(VALUES (?, '3A', ?, ?, '08:00:00', '08:45:00', '2020-09-01', 'zak', 1))"))) {
        return false;
    }
    for (int i = 0; i < rows; ++i) {
        insert.bindValue(0, surname(i % distinctSurnames));
        insert.bindValue(1, i % 7);
        insert.bindValue(2, i % 3);
        if (!insert.exec()) {
            qWarning("%s", qPrintable(insert.lastError().text()));
            return false;
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
    state.correct = 5;
    state.wrong = 2;
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
