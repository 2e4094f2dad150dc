// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsfixture.h"
#include "teacher/mainwindow.h"
#include "teacher/progresspage.h"
#include "teacher/resultfilterbar.h"
#include "teacher/resultspage.h"
#include "teacher/resulttablemodel.h"
#include "teacher/summarymodels.h"
#include "teacher/summarypage.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QHeaderView>
#include <QSettings>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

// A teacher looks through the results: filters a class, sorts by name, finds the pupils below
// the threshold, opens one pupil's progress, exports the table and prints the page to PDF.
class ResultPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void teacherGoesThroughTheResults();
    void filterListsWaitForTheirPageAndFollowChanges();
};

namespace {
void choose(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setFocus();
    box->setCurrentIndex(index);
}
} // namespace

void ResultPagesTest::teacherGoesThroughTheResults()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("skola.db"));
    createResultsFixture(path);

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.openDatabase(DatabaseLocation::sqliteFile(path)));
    QVERIFY(!window.printAction()->isEnabled());

    // Results: all nine runs, then class 3A alone, sorted by name.
    QTest::keyClick(&window, Qt::Key_K, Qt::AltModifier);
    ResultsPage &results = *window.resultsPage();
    QCOMPARE(window.tabs()->currentWidget(), &results);
    QCOMPARE(results.model()->rowCount(), 9);
    choose(results.filterBar()->classBox(), QStringLiteral("3A"));
    QCOMPARE(results.model()->rowCount(), 5);
    // By keyboard: the column to sort by, then ascending.
    QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), results.sortBox());
    choose(results.sortBox(), QStringLiteral("Žák"));
    QTest::keyClick(&window, Qt::Key_U, Qt::AltModifier);
    QCOMPARE(results.table()->horizontalHeader()->sortIndicatorSection(),
             static_cast<int>(ResultColumn::Name));
    QTRY_COMPARE(results.table()->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
    const auto cell = [&](int row, ResultColumn column) {
        return results.model()->index(row, static_cast<int>(column)).data().toString();
    };
    QCOMPARE(cell(0, ResultColumn::Name), QStringLiteral("Černá"));
    QCOMPARE(cell(0, ResultColumn::Date), QStringLiteral("28. 2. 2026"));
    QCOMPARE(cell(0, ResultColumn::Success), QStringLiteral("100,00 %"));
    QCOMPARE(cell(1, ResultColumn::Source), QStringLiteral("e-mail"));
    const QString csv = dir.filePath(QStringLiteral("3a.csv"));
    QVERIFY(!results.exportCsv(csv).isEmpty());
    QFile exported(csv);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll().count("\r\n"), 6);

    // Summaries: the same class (the filter is shared); the pupils below 60 % alone.
    QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
    SummaryPage &summary = *window.summaryPage();
    QCOMPARE(summary.filterBar()->classBox()->currentText(), QStringLiteral("3A"));
    QCOMPARE(summary.pupilModel()->rowCount(), 3);
    QVERIFY(window.printAction()->isEnabled());
    summary.thresholdBox()->setValue(60);
    summary.markedOnlyBox()->setChecked(true);
    QCOMPARE(summary.pupilModel()->rowCount(), 2);
    QCOMPARE(summary.pupilModel()->index(0, 0).data().toString(), QStringLiteral("Eva Malá"));
    QVERIFY(summary.pupilModel()->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
    QCOMPARE(QSettings().value(QStringLiteral("vysledky/hranice")).toDouble(), 60.0);
    const QString summaryPdf = dir.filePath(QStringLiteral("souhrn.pdf"));
    QVERIFY(window.exportResultsPdf(summaryPdf));

    // Progress: Novák of 3A by day, the chart's numbers beside it; printed with the chart.
    QTest::keyClick(&window, Qt::Key_J, Qt::AltModifier);
    ProgressPage &progress = *window.progressPage();
    choose(progress.filterBar()->pupilBox(), QStringLiteral("Novák (3A)"));
    QCOMPARE(progress.model()->rowCount(), 2);
    QCOMPARE(progress.model()->index(1, 0).data().toString(), QStringLiteral("5. 3. 2026"));
    QCOMPARE(progress.model()->index(1, 2).data(Qt::EditRole).toLongLong(), 18);
    QCOMPARE(progress.model()->index(1, 5).data().toString(), QStringLiteral("50,00 %"));
    // The bars, and the line in two pieces: nobody practised on 3. and 4. 3.
    QCOMPARE(progress.chartView()->chart()->series().size(), 3);
    const QString pupilPdf = dir.filePath(QStringLiteral("novak.pdf"));
    QVERIFY(window.exportResultsPdf(pupilPdf));

    for (const QString &pdf : {summaryPdf, pupilPdf}) {
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY2(bytes.contains("/Type /Page") || bytes.contains("/Type/Page"), qPrintable(pdf));
        QVERIFY(bytes.size() > 5000);
    }
}

// The window starts on the e-mail reports: the results' lists are read when a results page is
// first shown, and read again by every bar after a change.
void ResultPagesTest::filterListsWaitForTheirPageAndFollowChanges()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("skola.db"));
    createResultsFixture(path);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.openDatabase(DatabaseLocation::sqliteFile(path)));
    QComboBox *resultClasses = window.resultsPage()->filterBar()->classBox();
    QComboBox *summaryClasses = window.summaryPage()->filterBar()->classBox();
    QCOMPARE(resultClasses->count(), 1); // "všechny" alone, nothing read yet

    window.tabs()->setCurrentWidget(window.resultsPage());
    QCOMPARE(resultClasses->count(), 4);
    choose(resultClasses, QStringLiteral("5C"));
    QCOMPARE(window.resultsPage()->model()->rowCount(), 3);

    QSqlQuery query(window.database()->connection());
    QVERIFY(query.exec(QStringLiteral(
        R"(INSERT INTO "Prehled " ("Prijmeni", "Trida", "Spravne", "Chybne", "Datum", )"
        R"("Prihlasenjako", "TypTesil") VALUES ('Ťuk', '6D', 1, 1, '2026-03-03', 'zak', 1))")));
    window.databaseChanged();
    QCOMPARE(resultClasses->count(), 5);
    QCOMPARE(resultClasses->currentText(), QStringLiteral("5C")); // the choice is kept
    window.tabs()->setCurrentWidget(window.summaryPage());
    QCOMPARE(summaryClasses->findText(QStringLiteral("6D")), 4);
    QCOMPARE(summaryClasses->currentText(), QStringLiteral("5C"));
    QComboBox *summaryPupils = window.summaryPage()->filterBar()->pupilBox();
    QCOMPARE(summaryPupils->count(), 5); // "všichni", "nepřiřazené zprávy" and three of 5C
}

QTEST_MAIN(ResultPagesTest)
#include "tst_resultpages.moc"
