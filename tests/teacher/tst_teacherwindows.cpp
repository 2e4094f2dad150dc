// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsfixture.h"
#include "teacher/czechdateedit.h"
#include "teacher/helpwindow.h"
#include "teacher/mainwindow.h"
#include "teacher/progresschart.h"
#include "teacher/progresspage.h"
#include "teacher/qttexts.h"
#include "teacher/resultfilterbar.h"
#include "teacher/resultspage.h"
#include "teacher/resulttablemodel.h"
#include "teacher/summarypage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAreaSeries>
#include <QCalendarWidget>
#include <QChart>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

// The teacher's windows as a teacher uses them by keyboard on a small screen: dates typed the
// Czech way, Tab through the results, an access key for every filter, the progress chart on a
// time axis, the help on F1, and Qt's own texts in Czech.
class TeacherWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void datesAreTypedTheCzechWay_data();
    void datesAreTypedTheCzechWay();
    void calendarOpensByKeyboard();
    void emptyPeriodIsSaid();
    void tabGoesThroughTheResultsPage();
    void everyFilterHasItsOwnKeyOnEachPage();
    void progressChartRunsOnTime();
    void helpOpensWithF1AndNamesEveryTab();

private:
    QTemporaryDir dir_;
    QString path_;
};

namespace {

void choose(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
}

QList<ProgressPoint> pointsOn(const QList<QDate> &days)
{
    QList<ProgressPoint> points;
    for (const QDate &day : days) {
        points.append({day, 1, 10, 7, 3});
    }
    return points;
}

// Alt and a letter, as a keyboard sends it (with its text: "Ž" is no Latin-1 letter).
void pressAccessKey(QWidget *window, const QKeySequence &key)
{
    const Qt::Key code = key[0].key();
    const QString text = QString(QChar(static_cast<char16_t>(code))).toLower();
    QTest::sendKeyEvent(QTest::Press, window, code, text, key[0].keyboardModifiers());
    QTest::sendKeyEvent(QTest::Release, window, code, text, key[0].keyboardModifiers());
}

QDateTimeAxis *timeAxisOf(const QChart &chart)
{
    const QList<QAbstractAxis *> axes = chart.axes(Qt::Horizontal);
    return axes.size() == 1 ? qobject_cast<QDateTimeAxis *>(axes.first()) : nullptr;
}

QList<QLineSeries *> successLines(const QChart &chart)
{
    QList<QLineSeries *> lines;
    for (QAbstractSeries *series : chart.series()) {
        if (auto *line = qobject_cast<QLineSeries *>(series)) {
            lines.append(line);
        }
    }
    return lines;
}

} // namespace

void TeacherWindowsTest::initTestCase()
{
    installCzechQtTexts(*QCoreApplication::instance());
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    QVERIFY(dir_.isValid());
    path_ = dir_.filePath(QStringLiteral("skola.db"));
    createResultsFixture(path_);

    // Qt's own texts: the file dialog's type of a folder, the buttons of a dialog.
    QCOMPARE(QFileIconProvider().type(QFileInfo(dir_.path())), QStringLiteral("Složka"));
    QDialogButtonBox buttons(QDialogButtonBox::Close | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Close)->text(), QStringLiteral("Zavřít"));
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Zrušit"));
}

void TeacherWindowsTest::datesAreTypedTheCzechWay_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("leave"); // the key that ends the typing
    QTest::addColumn<QDate>("date");
    const QDate before(2026, 12, 8);
    QTest::newRow("with blanks") << QStringLiteral("1. 9. 2026") << "tab" << QDate(2026, 9, 1);
    QTest::newRow("without") << QStringLiteral("1.9.2026") << "enter" << QDate(2026, 9, 1);
    QTest::newRow("two digits") << QStringLiteral("01.09.2026") << "tab" << QDate(2026, 9, 1);
    QTest::newRow("end of year") << QStringLiteral("30. 12. 2026") << "enter"
                                 << QDate(2026, 12, 30);
    QTest::newRow("no year yet") << QStringLiteral("1. 9.") << "tab" << before;
    QTest::newRow("no such day") << QStringLiteral("31. 2. 2026") << "tab" << before;
    QTest::newRow("letters refused") << QStringLiteral("1.x9.2026") << "tab" << QDate(2026, 9, 1);
    QTest::newRow("keypad commas") << QStringLiteral("1,9,2026") << "enter" << QDate(2026, 9, 1);
}

void TeacherWindowsTest::datesAreTypedTheCzechWay()
{
    QFETCH(QString, typed);
    QFETCH(QString, leave);
    QFETCH(QDate, date);
    ResultFilterBar bar;
    choose(bar.periodBox(), QStringLiteral("vlastní"));
    bar.fromEdit()->setDate(QDate(2026, 12, 8));
    bar.show();
    QApplication::setActiveWindow(&bar);
    QVERIFY(QTest::qWaitForWindowActive(&bar));
    bar.periodBox()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), bar.fromEdit());
    QTest::keyClicks(bar.fromEdit(), typed);
    QTest::keyClick(bar.fromEdit(), leave == QLatin1String("tab") ? Qt::Key_Tab : Qt::Key_Return);
    QCOMPARE(bar.fromEdit()->date(), date);
    QCOMPARE(bar.fromEdit()->text(), date.toString(QStringLiteral("d. M. yyyy")));
    // Tab leaves the field at once, not after its day, month and year.
    if (leave == QLatin1String("tab")) {
        QCOMPARE(QApplication::focusWidget(), bar.toEdit());
    }
}

void TeacherWindowsTest::calendarOpensByKeyboard()
{
    ResultFilterBar bar;
    choose(bar.periodBox(), QStringLiteral("vlastní"));
    bar.toEdit()->setDate(QDate(2026, 12, 8));
    bar.show();
    QApplication::setActiveWindow(&bar);
    QVERIFY(QTest::qWaitForWindowActive(&bar));
    bar.toEdit()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(bar.toEdit(), Qt::Key_F4);
    QCalendarWidget *calendar = bar.toEdit()->calendarWidget();
    QTRY_VERIFY(calendar->isVisible());
    // Czech month names: the default locale is Czech.
    QCOMPARE(calendar->locale().standaloneMonthName(12), QStringLiteral("prosinec"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!calendar->isVisible());
    QCOMPARE(bar.toEdit()->date(), QDate(2026, 12, 9));
}

void TeacherWindowsTest::emptyPeriodIsSaid()
{
    ResultFilterBar bar;
    bar.show();
    choose(bar.periodBox(), QStringLiteral("vlastní"));
    bar.toEdit()->setDate(QDate(2026, 9, 30));
    bar.fromEdit()->setDate(QDate(2026, 10, 1));
    QVERIFY(bar.rangeNote()->isVisible());
    QCOMPARE(bar.rangeNote()->text(), QStringLiteral("Období je prázdné: „Od“ je po „Do“."));
    // The dates stay as typed: the teacher may be about to move "Do".
    QCOMPARE(bar.filter().from, QDate(2026, 10, 1));
    bar.toEdit()->setDate(QDate(2026, 10, 31));
    QVERIFY(!bar.rangeNote()->isVisible());

    // The same on another page's bar that is only shown the filter.
    ResultFilterBar other;
    other.show();
    ResultFilter wrong;
    wrong.from = QDate(2026, 10, 2);
    wrong.to = QDate(2026, 10, 1);
    other.setFilter(wrong, DatePeriod::Range);
    QVERIFY(other.rangeNote()->isVisible());
    other.setFilter(wrong, DatePeriod::All);
    QVERIFY(!other.rangeNote()->isVisible());
}

void TeacherWindowsTest::tabGoesThroughTheResultsPage()
{
    MainWindow window;
    window.resize(1024, 700);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.openDatabase(DatabaseLocation::sqliteFile(path_)));
    window.tabs()->setCurrentWidget(window.resultsPage());
    ResultsPage &page = *window.resultsPage();
    QVERIFY(page.model()->rowCount() > 1);

    // The sort controls come before the table, as they stand above it.
    page.sortBox()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(page.sortBox(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), page.table());
    QTest::keyClick(page.table(), Qt::Key_Down);
    QCOMPARE(page.table()->currentIndex().row(), 1);
    // One Tab leaves the table, Shift+Tab goes back to "Sestupně".
    QTest::keyClick(page.table(), Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != page.table());
    page.table()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(page.table(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("sortDescending"));

    // A date shows whole at its widest.
    const int date = static_cast<int>(ResultColumn::Date);
    QVERIFY(page.table()->columnWidth(date) >
            page.table()->fontMetrics().horizontalAdvance(QStringLiteral("30. 12. 2026")));
}

void TeacherWindowsTest::everyFilterHasItsOwnKeyOnEachPage()
{
    MainWindow window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.openDatabase(DatabaseLocation::sqliteFile(path_)));
    QStringList everywhere; // the tabs and the menus work from every page
    for (int tab = 0; tab < window.tabs()->count(); ++tab) {
        everywhere << window.tabs()->tabText(tab);
    }
    for (QAction *menu : window.menuBar()->actions()) {
        everywhere << menu->text();
    }
    for (ResultPage *page :
         QList<ResultPage *>{window.resultsPage(), window.summaryPage(), window.progressPage()}) {
        window.tabs()->setCurrentWidget(page);
        choose(page->filterBar()->periodBox(), QStringLiteral("vlastní"));
        QStringList texts = everywhere;
        QList<QLabel *> filterLabels;
        for (QLabel *label : page->findChildren<QLabel *>()) {
            if (label->buddy() != nullptr) {
                texts << label->text();
                if (page->filterBar()->isAncestorOf(label)) {
                    filterLabels << label;
                }
            }
        }
        for (QAbstractButton *button : page->findChildren<QAbstractButton *>()) {
            if (!button->text().isEmpty()) {
                texts << button->text();
            }
        }
        QCOMPARE(filterLabels.size(), 6);
        QMap<QString, QString> owners;
        for (const QString &text : texts) {
            const QString key = QKeySequence::mnemonic(text).toString();
            if (key.isEmpty()) {
                continue;
            }
            QVERIFY2(!owners.contains(key),
                     qPrintable(QStringLiteral("%1: %2 and %3 on %4")
                                    .arg(key, owners.value(key), text, page->objectName())));
            owners.insert(key, text);
        }
        // Each filter's key takes the teacher to its field.
        for (QLabel *label : filterLabels) {
            const QKeySequence key = QKeySequence::mnemonic(label->text());
            QVERIFY2(!key.isEmpty(), qPrintable(label->text()));
            window.tabs()->setFocus();
            pressAccessKey(&window, key);
            QVERIFY2(QApplication::focusWidget() == label->buddy(), qPrintable(label->text()));
        }
    }
}

void TeacherWindowsTest::progressChartRunsOnTime()
{
    // Two days with two days between them: a place for each, and the line broken there.
    std::unique_ptr<QChart> days(buildProgressChart(
        pointsOn({QDate(2026, 3, 2), QDate(2026, 3, 5)}), ProgressPeriod::Day, QString()));
    QDateTimeAxis *axis = timeAxisOf(*days);
    QVERIFY(axis != nullptr);
    QCOMPARE(axis->format(), QStringLiteral("d. M."));
    QCOMPARE(axis->titleText(), QStringLiteral("den (2026)"));
    QCOMPARE(axis->min(), QDateTime(QDate(2026, 3, 1), QTime(12, 0)));
    QCOMPARE(axis->max(), QDateTime(QDate(2026, 3, 6), QTime(12, 0)));
    QCOMPARE(axis->tickCount(), 6); // a date under every day
    QList<QLineSeries *> lines = successLines(*days);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0)->at(0).x(),
             static_cast<qreal>(QDateTime(QDate(2026, 3, 2), QTime(12, 0)).toMSecsSinceEpoch()));
    QCOMPARE(lines.at(1)->at(0).y(), 70.0);

    // A school year by weeks, without the two weeks of Christmas: Mondays under the chart, few
    // enough to read, the years in the title.
    QList<QDate> mondays;
    for (QDate monday(2026, 9, 7); monday <= QDate(2027, 6, 21); monday = monday.addDays(7)) {
        if (monday != QDate(2026, 12, 21) && monday != QDate(2026, 12, 28)) {
            mondays << monday;
        }
    }
    std::unique_ptr<QChart> year(
        buildProgressChart(pointsOn(mondays), ProgressPeriod::Week, QString()));
    axis = timeAxisOf(*year);
    QVERIFY(axis != nullptr);
    QCOMPARE(axis->format(), QStringLiteral("d. M."));
    QCOMPARE(axis->titleText(), QStringLiteral("týden od (2026–2027)"));
    const QDate first = axis->min().date();
    const QDate last = axis->max().date();
    const int intervals = axis->tickCount() - 1;
    QVERIFY2(intervals >= 4 && intervals <= 10, qPrintable(QString::number(intervals)));
    QCOMPARE(first, QDate(2026, 9, 7));
    QCOMPARE(first.daysTo(last) % (7 * intervals), 0);
    QVERIFY(last >= QDate(2027, 6, 28));
    QCOMPARE(successLines(*year).size(), 2);
    auto *bars = qobject_cast<QAreaSeries *>(year->series().first());
    QVERIFY(bars != nullptr);
    QCOMPARE(bars->upperSeries()->count(), 4 * mondays.size());

    // Years of results: the year in every date, fewer of them.
    std::unique_ptr<QChart> years(buildProgressChart(
        pointsOn({QDate(2023, 9, 4), QDate(2026, 6, 1)}), ProgressPeriod::Week, QString()));
    axis = timeAxisOf(*years);
    QCOMPARE(axis->format(), QStringLiteral("d. M. yyyy"));
    QVERIFY(axis->tickCount() - 1 <= 6);
    QVERIFY(axis->max().date() >= QDate(2026, 6, 8));
}

void TeacherWindowsTest::helpOpensWithF1AndNamesEveryTab()
{
    MainWindow window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    QVERIFY(window.helpWindow() != nullptr);
    QTRY_VERIFY(window.helpWindow()->isVisible());
    const QString text = window.helpWindow()->browser()->toPlainText();
    for (int tab = 0; tab < window.tabs()->count(); ++tab) {
        const QString name = window.tabs()->tabText(tab).remove(u'&');
        QVERIFY2(text.contains(QStringLiteral("„%1“").arg(name)), qPrintable(name));
    }
    for (const char *words :
         {"nepřiřazeno", "bez běhu", "Pod hranicí", "Přiřadit žákovi…", "--decode", "--store",
          "--export-results", "--export-summary", "--import-pupils", "--copy-to-server"}) {
        QVERIFY2(text.contains(QString::fromUtf8(words)), words);
    }
    // Escape closes it; F1 brings the same window back.
    HelpWindow *help = window.helpWindow();
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_F1);
    QCOMPARE(window.helpWindow(), help);
    QTRY_VERIFY(help->isVisible());
}

QTEST_MAIN(TeacherWindowsTest)
#include "tst_teacherwindows.moc"
