// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/resultsdatabase.h"
#include "database/teacherdatabase.h"
#include "teacher/files/csvwriter.h"
#include "teacher/resultformat.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// The results export reads the engine's columns as bytes; it must write exactly what the
// QVariant of every field (resultRowValues() through csvField(), as the window's table
// exports) gives, whatever a pupil's program or a hand-made file put in the rows.
class ResultExportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameBytesAsTheFieldsOfEveryRow_data();
    void sameBytesAsTheFieldsOfEveryRow();

private:
    QTemporaryDir dir_;
    std::unique_ptr<TeacherDatabase> database_;
    std::unique_ptr<ResultsDatabase> results_;
};

void ResultExportTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    database_ = TeacherDatabase::create(
        DatabaseLocation::sqliteFile(dir_.filePath(QStringLiteral("skola.db"))), false);
    QSqlQuery fill(database_->connection());
    // Names a spreadsheet would run, separators and quotes, line breaks, diacritics, a NULL
    // class, bytes that are not UTF-8, numbers stored where texts belong and a fraction where a
    // count belongs, a day that is no date, and ordinary rows of many days.
    const QStringList statements{
        R"(INSERT INTO "Prehled " VALUES ('=1+1', '5.A', 3, 1, '10:00:00', '10:20:00',
           '2026-03-02', 'zak', 1, NULL))",
        R"(INSERT INTO "Prehled " VALUES ('Novák; Jan', '5"A', 0, 0, '-1', '@x', '2026-03-02',
           'zak', 1, NULL))",
        R"(INSERT INTO "Prehled " VALUES ('Řehoř' || char(10) || 'Čech', NULL, NULL, 2,
           '+10:00', char(13) || 'x', '2026-03-03', 'zak', 1, NULL))",
        R"(INSERT INTO "Prehled " VALUES (CAST(x'c3a9e282ac80ff41' AS TEXT), 42, 2.5, 1,
           '10:00:00', '11:00:00', '2026-03-04', 'zak', 1, NULL))",
        R"(INSERT INTO "Prehled " VALUES ('"Uvozovky"', '6.B', '7', 'x', NULL, NULL,
           '2026-3-5', 'zak', 1, NULL))",
        R"(INSERT INTO "Prehled " VALUES ('Žluťoučký kůň', '6.B', 2, 1, '10:00:00',
           '10:01:00', 'nic', 'zak', 1, NULL))",
        R"(WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 299)
           INSERT INTO "Prehled " SELECT 'Žák ' || (i % 7), '7.' || (i % 3), i % 5, i % 4,
           '09:00:00', printf('%02d:%02d:00', 9 + i % 5, i % 60),
           date('2025-12-30', '+' || (i % 40) || ' days'), 'zak', 1, NULL FROM n)",
        R"(INSERT INTO "Zpravy" VALUES ('=Jméno', 'třída;5', '2026-03-02 10:00',
           '2026-03-02 10:30', 4, 3, 1, 't', 'b1', 'b1', '2026-03-03 00:00:00', NULL, NULL, 0))",
        R"(INSERT INTO "Zpravy" VALUES ('Petr "P"', '5.A', '2026-03-02 09:00', NULL, 0, 0, 0,
           't', 'b2', 'b2', '2026-03-03 00:00:00', 'Novák; Jan', '5.A', 1))",
    };
    for (const QString &statement : statements) {
        QVERIFY2(fill.exec(statement), qPrintable(fill.lastError().text()));
    }
    results_ = std::make_unique<ResultsDatabase>(*database_);
}

void ResultExportTest::sameBytesAsTheFieldsOfEveryRow_data()
{
    QTest::addColumn<ResultFilter>("filter");
    QTest::addColumn<ResultSort>("sort");
    QTest::newRow("all, newest first") << ResultFilter{} << ResultSort{};
    QTest::newRow("by name") << ResultFilter{} << ResultSort{ResultColumn::Name, false};
    QTest::newRow("by reported class")
        << ResultFilter{} << ResultSort{ResultColumn::ReportedClass, true};
    ResultFilter period;
    period.from = QDate(2026, 1, 5);
    period.to = QDate(2026, 1, 20);
    period.className = QStringLiteral("7.1");
    QTest::newRow("a class in a period") << period << ResultSort{ResultColumn::Success, false};
    ResultFilter mail;
    mail.sources = ResultFilter::Sources::Mail;
    QTest::newRow("reports only") << mail << ResultSort{};
}

void ResultExportTest::sameBytesAsTheFieldsOfEveryRow()
{
    QFETCH(ResultFilter, filter);
    QFETCH(ResultSort, sort);
    QByteArray expected =
        QByteArrayLiteral("\xEF\xBB\xBF") + csvLine(resultColumnTitles()).toUtf8();
    qint64 rows = 0;
    QVERIFY(results_->forEachRun(filter, sort, [&](const ResultRow &row) {
        QStringList fields;
        for (const QVariant &value : resultRowValues(row)) {
            fields << csvField(value);
        }
        expected += csvLine(fields).toUtf8();
        ++rows;
        return true;
    }));
    QVERIFY(rows > 0);
    const QString path = dir_.filePath(QStringLiteral("vysledky.csv"));
    const ExportOutcome outcome = exportResultsCsv(*results_, filter, sort, path);
    QVERIFY2(outcome.failure.isEmpty(), qPrintable(outcome.failure));
    QCOMPARE(outcome.rows, rows);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    if (written != expected) {
        // The first line that differs, to read.
        const QList<QByteArray> got = written.split('\n');
        const QList<QByteArray> want = expected.split('\n');
        for (qsizetype i = 0; i < std::min(got.size(), want.size()); ++i) {
            QCOMPARE(got.at(i), want.at(i));
        }
    }
    QCOMPARE(written, expected);
}

QTEST_GUILESS_MAIN(ResultExportTest)
#include "tst_resultexport.moc"
