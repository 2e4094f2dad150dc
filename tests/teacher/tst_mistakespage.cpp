// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/sqlscript.h"
#include "teacher/mainwindow.h"
#include "teacher/mistakemodels.h"
#include "teacher/mistakescommand.h"
#include "teacher/mistakespage.h"
#include "teacher/resultfilterbar.h"

#include <QApplication>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// A teacher opens "Chyby" for a class in which one pupil swaps milli and micro and another
// divides where he should multiply: the page names both, and one pupil's page shows his alone.
class MistakesPageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageNamesWhomToHelp();
    void commandLine_data();
    void commandLine();

private:
    QTemporaryDir dir_;
    QString path_;
};

namespace {

// Ten answers each: Mikulová six wrong prefixes, Dělal six quotients for a voltage, Adámek
// all right; a week apart, so that the chart has two weeks.
QString answersOf(const QString &surname, int mistake, int wrongCount)
{
    QStringList rows;
    for (int i = 0; i < 10; ++i) {
        const bool wrong = i < wrongCount;
        rows << QStringLiteral("('%1-%2', %2, 0, 2, 0, 3, -1, 0.006, -1, %3, %4, %5, '%1', '8.B', "
                               "'%6')")
                    .arg(surname)
                    .arg(i + 1)
                    .arg(wrong ? 0 : 1)
                    .arg(wrong ? mistake : 0)
                    .arg(10 + i)
                    .arg(i < 5 ? QStringLiteral("2026-11-02") : QStringLiteral("2026-11-09"));
    }
    return rows.join(QStringLiteral(", "));
}

QString cell(const QAbstractItemModel &model, int row, int column)
{
    return model.index(row, column).data().toString();
}

} // namespace

void MistakesPageTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    QVERIFY(dir_.isValid());
    path_ = dir_.filePath(QStringLiteral("skola.db"));
    const ScratchConnection db(path_, QStringLiteral("fixture"));
    QVERIFY(
        runSqlFile(db.db(), QStringLiteral(TESILKA_DATABASE_SOURCE_DIR "/schema.sql")).isEmpty());
    QVERIFY(db.run(QStringLiteral(R"(INSERT INTO "Zaci" VALUES ('Mikulová', '8.B'), )"
                                  R"(('Dělal', '8.B'), ('Adámek', '8.B'))")));
    QVERIFY(db.run(
        QStringLiteral(
            R"(INSERT INTO "Odpovedi" ("Klic", "Poradi", "Velicina", "HodnotaA", "PredponaA", )"
            R"("HodnotaB", "PredponaB", "Odpoved", "PredponaOdpovedi", "Spravne", "Chyba", )"
            R"("Sekundy", "Prijmeni", "Trida", "Datum") VALUES )") +
        answersOf(QStringLiteral("Mikulová"), 1, 6) + u',' +
        answersOf(QStringLiteral("Dělal"), 3, 6) + u',' +
        answersOf(QStringLiteral("Adámek"), 0, 0)));
}

void MistakesPageTest::pageNamesWhomToHelp()
{
    const QString path = path_;
    QTemporaryDir dir;
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.openDatabase(DatabaseLocation::sqliteFile(path)));
    QTest::keyClick(&window, Qt::Key_Y, Qt::AltModifier);
    MistakesPage &page = *window.mistakesPage();
    QCOMPARE(window.tabs()->currentWidget(), &page);

    QCOMPARE(cell(*page.quantityModel(), 0, 0), QStringLiteral("napětí"));
    QCOMPARE(cell(*page.quantityModel(), 0, 3), QStringLiteral("60,00 %"));
    QCOMPARE(cell(*page.stepModel(), 0, 1), QStringLiteral("30"));
    QCOMPARE(cell(*page.kindModel(), 0, 0), QStringLiteral("špatná předpona"));
    QCOMPARE(cell(*page.kindModel(), 0, 1), QStringLiteral("6"));
    QCOMPARE(cell(*page.kindModel(), 2, 1), QStringLiteral("6"));
    QCOMPARE(cell(*page.kindModel(), 2, 2), QStringLiteral("50,00 %"));
    QVERIFY2(page.summaryLabel()->text().contains(QStringLiteral("chybné 12,5 s")),
             qPrintable(page.summaryLabel()->text()));
    const QString help = page.dominantLabel()->text();
    QVERIFY2(help.contains(QStringLiteral("Mikulová (8.B): špatná předpona")), qPrintable(help));
    QVERIFY2(help.contains(QStringLiteral("Dělal (8.B): dělení místo násobení")), qPrintable(help));
    QCOMPARE(page.pupilModel()->rowCount(), 3);
    QCOMPARE(cell(*page.pupilModel(), 0, 0), QStringLiteral("Adámek"));
    QVERIFY(!page.pupilModel()->isMarked(0));
    QVERIFY(page.pupilModel()->isMarked(1));
    QCOMPARE(cell(*page.pupilModel(), 1, pupilMedianColumn), QStringLiteral("14,5 s"));
    QCOMPARE(page.weekModel()->rowCount(), 2);
    QCOMPARE(page.chartView()->chart()->series().size(), 2 * mistakeKindCount);

    // One pupil: the same figures for him alone, on this page and the others.
    QComboBox *pupils = page.filterBar()->pupilBox();
    const int dela = pupils->findText(QStringLiteral("Dělal"), Qt::MatchStartsWith);
    QVERIFY(dela >= 0);
    pupils->setCurrentIndex(dela);
    QCOMPARE(page.pupilModel()->rowCount(), 1);
    QCOMPARE(cell(*page.kindModel(), 0, 1), QStringLiteral("0"));
    QCOMPARE(cell(*page.kindModel(), 2, 1), QStringLiteral("6"));
    QVERIFY(!page.dominantLabel()->text().contains(QStringLiteral("Mikulová")));

    const QString csv = dir.filePath(QStringLiteral("chyby.csv"));
    QVERIFY(!page.exportCsv(csv).isEmpty());
    QFile exported(csv);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const QByteArray bytes = exported.readAll();
    QCOMPARE(bytes.count("\r\n"), 2);
    QVERIFY(bytes.contains("Dělal;8.B;10;4;40,00;0;0;6;0;0;dělení místo násobení;14,50"));
    QVERIFY(window.printAction()->isEnabled());
    const QString pdf = dir.filePath(QStringLiteral("chyby.pdf"));
    QVERIFY(window.exportResultsPdf(pdf));
    QVERIFY(QFile(pdf).size() > 1000);
}

void MistakesPageTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("lines"); // of the file written, its header included
    QTest::newRow("class") << QStringList{"--class", "8.B"} << 0 << 4;
    QTest::newRow("pupil without class") << QStringList{"--pupil", "Dělal"} << 0 << 2;
    QTest::newRow("after the last answer") << QStringList{"--from", "2026-11-10"} << 0 << 1;
    QTest::newRow("unknown class") << QStringList{"--class", "9.A"} << 1 << 0;
    QTest::newRow("unknown pupil") << QStringList{"--pupil", "Nikdo"} << 1 << 0;
    QTest::newRow("bad date") << QStringList{"--to", "31.12.2026"} << 2 << 0;
    QTest::newRow("option of another export") << QStringList{"--source", "email"} << 2 << 0;
}

void MistakesPageTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(int, lines);
    const QString csv = dir_.filePath(QStringLiteral("%1.csv").arg(QTest::currentDataTag()));
    QBuffer out;
    QBuffer err;
    QVERIFY(out.open(QIODevice::WriteOnly) && err.open(QIODevice::WriteOnly));
    QCOMPARE(runMistakesExportCommand(QStringList{"--export-mistakes", csv} + arguments, path_, out,
                                      err),
             status);
    QFile file(csv);
    QCOMPARE(file.exists(), status == 0);
    QCOMPARE(err.data().isEmpty(), status == 0);
    if (file.open(QIODevice::ReadOnly)) {
        QCOMPARE(file.readAll().count("\r\n"), lines);
    }
}

QTEST_MAIN(MistakesPageTest)
#include "tst_mistakespage.moc"
