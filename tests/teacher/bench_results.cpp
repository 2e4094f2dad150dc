// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/resultsdatabase.h"
#include "database/teacherdatabase.h"
#include "teacher/mainwindow.h"
#include "teacher/resultformat.h"
#include "teacher/resulttablemodel.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The results views over a million school runs of 2,000 pupils in 80 classes (and a thousand
// e-mailed reports): the table's first page, a filtered and a name-sorted page, the summaries,
// a pupil's progress, and the export of every row.
class ResultsBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tableFirstPage();
    void tableSortedByName();
    // The engine's own order over the same rows, for comparison with the Czech one.
    void tableSortedByAnswers();
    void tableClassThisMonth();
    void tableMiddlePage();
    void pupilSummaryOfClass();
    void pupilSummaryOfSchool();
    void classSummaries();
    void pupilProgressByWeek();
    void exportAllRows();
    void firstPaintOfTeacherWindow();

private:
    QTemporaryDir dir_;
    std::unique_ptr<TeacherDatabase> database_;
    std::unique_ptr<ResultsDatabase> results_;
};

void ResultsBench::initTestCase()
{
    QVERIFY(dir_.isValid());
    database_ = TeacherDatabase::create(
        DatabaseLocation::sqliteFile(dir_.filePath(QStringLiteral("velka.db"))), false);
    QSqlQuery fill(database_->connection());
    QVERIFY(fill.exec(QStringLiteral("BEGIN")));
    QVERIFY2(
        fill.exec(QStringLiteral(
            R"(WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 999999) )"
            R"(INSERT INTO "Prehled " SELECT 'Žák ' || (i % 2000), 'T' || ((i % 2000) / 25), )"
            R"((i * 7) % 13, (i * 3) % 5, '10:00:00', printf('%02d:%02d:00', 10 + i % 8, i % 60), )"
            R"(date('2025-09-01', '+' || ((i / 2000) % 400) || ' days'), 'zak', 1, NULL FROM n)")),
        qPrintable(fill.lastError().text()));
    QVERIFY(fill.exec(QStringLiteral(
        R"(WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 999) )"
        R"(INSERT INTO "Zpravy" SELECT 'Žák ' || (i % 2000), 'T' || ((i % 2000) / 25), )"
        R"(date('2025-09-01', '+' || (i % 400) || ' days') || ' 10:00', )"
        R"(date('2025-09-01', '+' || (i % 400) || ' days') || ' 10:20', 10, 6, 4, 't', )"
        R"('b' || i, 'b' || i, '2026-01-01 00:00:00', 'Žák ' || (i % 2000), )"
        R"('T' || ((i % 2000) / 25), 0 FROM n)")));
    QVERIFY(fill.exec(QStringLiteral("COMMIT")));
    results_ = std::make_unique<ResultsDatabase>(*database_);
}

void ResultsBench::tableFirstPage()
{
    ResultTableModel model;
    QBENCHMARK_ONCE
    {
        model.setSource(results_.get(), {});
        QVERIFY(model.data(model.index(0, 3), Qt::DisplayRole).isValid());
    }
    QCOMPARE(model.rowCount(), 1001000);
}

void ResultsBench::tableSortedByName()
{
    ResultTableModel model;
    model.setSource(results_.get(), {});
    QBENCHMARK_ONCE
    {
        model.sort(static_cast<int>(ResultColumn::Name), Qt::AscendingOrder);
        QVERIFY(model.data(model.index(0, 3), Qt::DisplayRole).isValid());
    }
}

void ResultsBench::tableSortedByAnswers()
{
    ResultTableModel model;
    model.setSource(results_.get(), {});
    QBENCHMARK_ONCE
    {
        model.sort(static_cast<int>(ResultColumn::Answers), Qt::AscendingOrder);
        QVERIFY(model.data(model.index(0, 3), Qt::DisplayRole).isValid());
    }
}

void ResultsBench::tableClassThisMonth()
{
    ResultFilter filter;
    filter.className = QStringLiteral("T42");
    std::tie(filter.from, filter.to) = datePeriodRange(DatePeriod::ThisMonth, QDate(2026, 3, 15));
    ResultTableModel model;
    QBENCHMARK_ONCE
    {
        model.setSource(results_.get(), filter);
        QVERIFY(model.data(model.index(0, 3), Qt::DisplayRole).isValid());
    }
}

void ResultsBench::tableMiddlePage()
{
    ResultTableModel model;
    model.setSource(results_.get(), {});
    QBENCHMARK_ONCE
    {
        QVERIFY(model.data(model.index(500000, 3), Qt::DisplayRole).isValid());
    }
}

void ResultsBench::pupilSummaryOfClass()
{
    ResultFilter filter;
    filter.className = QStringLiteral("T42");
    QList<PupilSummary> pupils;
    QBENCHMARK_ONCE
    {
        pupils = results_->pupilSummaries(filter, 50);
    }
    QCOMPARE(pupils.size(), 25);
}

void ResultsBench::pupilSummaryOfSchool()
{
    QList<PupilSummary> pupils;
    QBENCHMARK_ONCE
    {
        pupils = results_->pupilSummaries({}, 50);
    }
    QCOMPARE(pupils.size(), 2000);
}

void ResultsBench::classSummaries()
{
    QList<ClassSummary> classes;
    QBENCHMARK_ONCE
    {
        classes = results_->classSummaries({}, 50);
    }
    QCOMPARE(classes.size(), 80);
}

void ResultsBench::pupilProgressByWeek()
{
    ResultFilter filter;
    filter.className = QStringLiteral("T42");
    filter.surname = QStringLiteral("Žák 1050");
    QList<ProgressPoint> points;
    QBENCHMARK_ONCE
    {
        points = results_->progress(filter, ProgressPeriod::Week);
    }
    QVERIFY(!points.isEmpty());
}

void ResultsBench::exportAllRows()
{
    ExportOutcome outcome;
    QBENCHMARK_ONCE
    {
        outcome = exportResultsCsv(*results_, {}, {}, dir_.filePath(QStringLiteral("vse.csv")));
    }
    QCOMPARE(outcome.rows, 1001000);
}

namespace {

// Milliseconds from making the window until its first paint.
template <typename Make> double msToFirstPaint(Make make)
{
    struct PaintWatch : QObject
    {
        bool painted = false;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            painted = painted || event->type() == QEvent::Paint;
            return QObject::eventFilter(watched, event);
        }
    } watch;
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QMainWindow> window = make();
    window->installEventFilter(&watch);
    window->show();
    while (!watch.painted && clock.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    window->removeEventFilter(&watch);
    return watch.painted ? ms : -1;
}

} // namespace

// The teacher's window with the million runs open against an empty window: the filter bars'
// lists wait until a results page is shown.
void ResultsBench::firstPaintOfTeacherWindow()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString path = database_->location().path;
    // A first window of each kind pays for Qt's own start; the second one is measured.
    for (int round = 0; round < 2; ++round) {
        const double empty = msToFirstPaint([] { return std::make_unique<QMainWindow>(); });
        const double teacher = msToFirstPaint([&path] {
            auto window = std::make_unique<MainWindow>();
            window->openDatabase(DatabaseLocation::sqliteFile(path));
            return window;
        });
        QVERIFY(empty > 0 && teacher > 0);
        if (round == 1) {
            qInfo("first paint: empty window %.1f ms, teacher's window %.1f ms (%.1f x)", empty,
                  teacher, teacher / empty);
        }
    }
}

QTEST_MAIN(ResultsBench)
#include "bench_results.moc"
