// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language.h"
#include "app/programend.h"
#include "app/sharedstate.h"
#include "app/windowflow.h"
#include "exercise/evaluation.h"
#include "exercise/exercisewindow.h"
#include "exercise/quantityformat.h"
#include "results/reportdecoder.h"
#include "results/reportencoder.h"
#include "support/modaldriver.h"
#include "support/sequencesource.h"
#include "support/sqlscript.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <optional>

class WholeRunTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void schoolServerRun();
    void emailRun();
    void runWithoutAnswers();
    void databaseLostDuringTheRun();

private:
    QTemporaryDir dir_;
    QString databasePath_;
};

namespace {
const QLocale czech(QLocale::Czech, QLocale::Czechia);
// The run speaks the language of the test's locale (ctest runs it in each one), as the
// program does; what it stores and sends stays Czech.
QLocale runLocale()
{
    static const QLocale locale = interfaceLocale();
    return locale;
}

QString translated(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text);
}

// " 2 příklady": the summary's count with the plural word of the run's language.
QString problemCount(int count)
{
    const char *word = count == 1                 ? " příklad"
                       : count >= 2 && count <= 4 ? " příklady"
                                                  : " příkladů";
    return u' ' + QString::number(count) + translated("Souhrn", word);
}

// One program run on real windows, driven step by step until the program ends.
struct Run
{
    explicit Run(const QString &databasePath)
        : flow(state, random, encoder, programEnd, runLocale(), databasePath)
    {
    }

    int exec()
    {
        QTimer::singleShot(0, &flow, [this] {
            flow.start();
            driver.start();
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(30000);
        return QCoreApplication::exec();
    }

    SharedState state;
    // Kind 0 (voltage), prefix index 0, mantissas drawn from their whole intervals.
    SequenceSource random{{0.1F, 0.4F, 0.2F, 0.01F, 0.2F, 0.3F}};
    ReportEncoder encoder{random};
    ProgramEnd programEnd;
    WindowFlow flow;
    ModalDriver driver;
};

// Types a value (in base units) into the exercise window as mantissa and prefix.
void typeAnswer(QWidget *start, double value)
{
    std::int16_t prefix = 0;
    normalizeToPrefix(value, prefix);
    auto *answer = start->findChild<QLineEdit *>(QStringLiteral("txtVysl"));
    answer->clear();
    QTest::keyClicks(answer, formatMantissa(value, czech));
    start->findChild<QComboBox *>(QStringLiteral("cmbPredp"))->setCurrentIndex(prefix + 2);
}

void createDatabase(const QString &path)
{
    const ScratchConnection setup(path, QStringLiteral("setup"));
    QVERIFY(setup.db().isOpen());
    const QString failure =
        runSqlFile(setup.db(), QStringLiteral(TESILKA_DATABASE_SOURCE_DIR "/schema.sql"));
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(setup.run(
        QStringLiteral("INSERT INTO \"Zaci\" (\"Prijmeni\", \"Trida\") VALUES ('Novák', '3A'), "
                       "('Černá', '4B')")));
    // an earlier run of a namesake in another class counts, a lower-case one does not
    QVERIFY(setup.run(QStringLiteral(
        "INSERT INTO \"Prehled \" (\"Prijmeni\", \"Trida\", \"Spravne\", \"Chybne\", "
        "\"TypTesil\") VALUES ('Novák', '4B', 10, 5, 1), ('novák', '3A', 100, 100, 1)")));
}

struct StoredRow
{
    QString surname, className, start, end, date, user;
    int right = -1, wrong = -1, type = -1;
};

// The stored answers of the last run, in their order: order, quantity, first given value and
// its prefix, the answer's prefix, right, mistake.
QStringList lastRunAnswers(const QString &path, double *longest)
{
    const ScratchConnection check(path, QStringLiteral("answers"));
    QSqlQuery query(check.db());
    QStringList rows;
    if (!query.exec(QStringLiteral(
            "SELECT o.\"Poradi\", o.\"Velicina\", o.\"HodnotaA\", o.\"PredponaA\", "
            "o.\"PredponaOdpovedi\", o.\"Spravne\", o.\"Chyba\", o.\"Sekundy\" "
            "FROM \"Odpovedi\" AS o WHERE o.\"Klic\" = (SELECT \"Klic\" FROM \"Prehled \" "
            "ORDER BY rowid DESC LIMIT 1) ORDER BY o.\"Poradi\""))) {
        return {query.lastError().text()};
    }
    *longest = -1.0;
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < 7; ++i) {
            fields << query.value(i).toString();
        }
        rows << fields.join(u' ');
        *longest = std::max(*longest, query.value(7).toDouble());
    }
    return rows;
}

std::optional<StoredRow> lastRow(const QString &path)
{
    const ScratchConnection check(path, QStringLiteral("check"));
    QSqlQuery query(check.db());
    if (!query.exec(QStringLiteral("SELECT \"Prijmeni\", \"Trida\", \"Spravne\", \"Chybne\", "
                                   "\"CasStrt\", \"CasEnd\", \"Datum\", \"Prihlasenjako\", "
                                   "\"TypTesil\" FROM \"Prehled \" ORDER BY rowid DESC LIMIT 1")) ||
        !query.next()) {
        return std::nullopt;
    }
    return StoredRow{
        query.value(0).toString(), query.value(1).toString(), query.value(4).toString(),
        query.value(5).toString(), query.value(6).toString(), query.value(7).toString(),
        query.value(2).toInt(),    query.value(3).toInt(),    query.value(8).toInt()};
}
} // namespace

void WholeRunTest::initTestCase()
{
    installTranslations(*QCoreApplication::instance(), runLocale(), {QStringLiteral("tesilka")});
}

void WholeRunTest::init()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir_.isValid());
    databasePath_ =
        dir_.filePath(QStringLiteral("skola-%1.db").arg(QDateTime::currentMSecsSinceEpoch()));
}

void WholeRunTest::schoolServerRun()
{
    createDatabase(databasePath_);
    Run run(databasePath_);
    qsizetype drawsBeforeDecline = 0;
    QString shownProblem;
    bool exerciseHiddenAtSummary = false;
    QStringList today;
    QStringList total;

    run.driver.then("frmSplash", [](QWidget *splash) { QTest::keyClick(splash, Qt::Key_Space); })
        .then("Welcome",
              [](QWidget *welcome) {
                  auto *users = welcome->findChild<QComboBox *>(QStringLiteral("Users"));
                  QCOMPARE(users->count(), 2);
                  users->setCurrentIndex(users->findText(QStringLiteral("Novák; 3A")));
                  clickButton(welcome, QStringLiteral("Command1"));
              })
        // a right answer, with Enter all the way
        .then("Start",
              [&run](QWidget *start) {
                  typeAnswer(start, correctResult(run.state));
                  QTest::keyClick(start->findChild<QLineEdit *>(QStringLiteral("txtVysl")),
                                  Qt::Key_Return);
              })
        .then("Zadal", [](QWidget *w) { pressKey(w, Qt::Key_Return); })
        .then("Good", [](QWidget *w) { pressKey(w, Qt::Key_Return); })
        // a wrong answer, first declined, then confirmed
        .then("Start",
              [&](QWidget *start) {
                  QCOMPARE(run.state.correctCount, 1);
                  drawsBeforeDecline = run.random.draws();
                  shownProblem = labelText(*start, QStringLiteral("lblHod0"));
                  // the right digits with a prefix one step off
                  typeAnswer(start, correctResult(run.state) / 1000);
                  clickButton(start, QStringLiteral("cmdJedeme"));
              })
        .then("Zadal", [](QWidget *w) { clickButton(w, QStringLiteral("cmdKonec")); })
        .then("Start",
              [&](QWidget *start) {
                  QCOMPARE(run.random.draws(), drawsBeforeDecline);
                  QCOMPARE(run.state.correctCount + run.state.wrongCount, 1);
                  QCOMPARE(labelText(*start, QStringLiteral("lblHod0")), shownProblem);
                  QVERIFY(
                      !start->findChild<QLineEdit *>(QStringLiteral("txtVysl"))->text().isEmpty());
                  pressKey(start, Qt::Key_Return);
              })
        .then("Zadal", [](QWidget *w) { clickButton(w, QStringLiteral("cmdOpravdu")); })
        .then("Bed",
              [](QWidget *bed) {
                  QCOMPARE(labelText(*bed, QStringLiteral("lblNadp2")),
                           translated("WrongWindow", "Napětí mělo být"));
                  pressKey(bed, Qt::Key_Escape);
              })
        .then("Souhrn", [&](QWidget *summary) {
            exerciseHiddenAtSummary = !run.flow.exerciseWindow()->isVisible();
            for (int i = 0; i < 3; ++i) {
                today << labelText(*summary, QStringLiteral("Dnes%1").arg(i));
                total << labelText(*summary, QStringLiteral("Celk%1").arg(i));
            }
            pressKey(summary, Qt::Key_Return);
        });

    QCOMPARE(run.exec(), 0);
    QVERIFY2(run.driver.finished(), qPrintable(run.driver.pendingWindow()));
    QVERIFY(run.programEnd.hasEnded());
    QVERIFY(exerciseHiddenAtSummary);
    QCOMPARE(run.state.correctCount, 1);
    QCOMPARE(run.state.wrongCount, 1);
    // the first problem and one after the right answer; none after the run ended
    QCOMPARE(run.random.draws(), 2 * 6);
    QCOMPARE(today, (QStringList{problemCount(2), problemCount(1), problemCount(1)}));
    // the earlier row of another class counts, the lower-case surname does not
    QCOMPARE(total, (QStringList{problemCount(17), problemCount(11), problemCount(6)}));
    QVERIFY(visibleWindow(QStringLiteral("Konec")) == nullptr);

    const auto row = lastRow(databasePath_);
    QVERIFY(row.has_value());
    QCOMPARE(row->surname, QStringLiteral("Novák"));
    QCOMPARE(row->className, QStringLiteral("3A"));
    QCOMPARE(row->right, 1);
    QCOMPARE(row->wrong, 1);
    QCOMPARE(row->type, 1);
    QCOMPARE(row->start, run.state.runStart.toString(QStringLiteral("HH:mm:ss")));
    QCOMPARE(row->date, QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(row->end.size(), 8);
    QVERIFY(!row->user.isEmpty());

    // Both answers with the run, the problems as shown: the right one with no mistake, the
    // wrong one with the prefix named (the confirmation declined once is not a third one).
    double longest = 0.0;
    QCOMPARE(lastRunAnswers(databasePath_, &longest),
             (QStringList{"1 0 10.098 0 3 1 0", "2 0 300.069 -1 2 0 1"}));
    QVERIFY2(longest >= 0.0 && longest < 30.0, qPrintable(QString::number(longest)));
}

void WholeRunTest::emailRun()
{
    Run run(dir_.filePath(QStringLiteral("missing.db")));
    const QString saved = dir_.filePath(QStringLiteral("Vysledky.txt"));
    QString clipboardText;
    QString shownBlock;
    QString savedBlock;
    QStringList celk;
    bool closeBoxKeptWindow = false;

    run.driver.then("frmSplash", [](QWidget *splash) { QTest::keyClick(splash, Qt::Key_A); })
        .then("Welcome",
              [](QWidget *welcome) {
                  QVERIFY(
                      !welcome->findChild<QRadioButton *>(QStringLiteral("conn0"))->isEnabled());
                  typeText(welcome->findChild<QLineEdit *>(QStringLiteral("Jm")),
                           QStringLiteral("Jana Dvořáková"));
                  typeText(welcome->findChild<QLineEdit *>(QStringLiteral("Tr")),
                           QStringLiteral("3.B"));
                  pressKey(welcome, Qt::Key_Return);
              })
        .then("Start",
              [&run](QWidget *start) {
                  typeAnswer(start, correctResult(run.state));
                  pressKey(start, Qt::Key_Return);
              })
        .then("Zadal", [](QWidget *w) { pressKey(w, Qt::Key_Return); })
        // ending from the feedback window would skip the quit question; go on instead
        .then("Good", [](QWidget *w) { clickButton(w, QStringLiteral("cmdPokrocit")); })
        .then("Start", [](QWidget *start) { pressKey(start, Qt::Key_Escape); })
        .then("Konec", [](QWidget *w) { pressKey(w, Qt::Key_Return); })
        .then("Start", [](QWidget *start) { start->close(); })
        .then("Konec", [](QWidget *w) { pressKey(w, Qt::Key_Escape); })
        .then("Souhrn",
              [&](QWidget *summary) {
                  for (int i = 0; i < 3; ++i) {
                      celk << labelText(*summary, QStringLiteral("Celk%1").arg(i));
                  }
                  clickButton(summary, QStringLiteral("Command1"));
              })
        .then("GenList",
              [&](QWidget *genList) {
                  closeBoxKeptWindow = run.flow.exerciseWindow() != nullptr &&
                                       !run.flow.exerciseWindow()->isVisible();
                  auto *data = genList->findChild<QPlainTextEdit *>(QStringLiteral("data"));
                  shownBlock = data->toPlainText();
                  data->setPlainText(QStringLiteral("přepsáno")); // must not reach the outputs
                  QGuiApplication::clipboard()->setText(QStringLiteral("staré"));
                  clickButton(genList, QStringLiteral("clipbrd"));
                  clipboardText = QGuiApplication::clipboard()->text();
                  clickButton(genList, QStringLiteral("txtfile"));
              })
        .then("CD",
              [&](QWidget *w) {
                  // the offered name and filter, in the folder the dialog shows
                  auto *dialog = qobject_cast<QFileDialog *>(w);
                  dialog->setDirectory(dir_.path());
                  static_cast<QDialog *>(dialog)->accept();
              })
        .then("GenList", [&](QWidget *genList) {
            QFile file(saved);
            if (file.open(QIODevice::ReadOnly)) {
                savedBlock = QString::fromLatin1(file.readAll());
            }
            clickButton(genList, QStringLiteral("final"));
        });

    QCOMPARE(run.exec(), 0);
    QVERIFY2(run.driver.finished(), qPrintable(run.driver.pendingWindow()));
    QVERIFY(closeBoxKeptWindow);
    QCOMPARE(run.state.reportName, QStringLiteral("Jana Dvořáková"));
    QCOMPARE(run.state.reportClass, QStringLiteral("3.B"));
    QCOMPARE(celk, QStringList(3, translated("SummaryWindow", "není k dispozici")));

    const QString block = run.encoder.reportBlockText();
    QVERIFY(block.startsWith(QStringLiteral("4b ")));
    // the text box shows the line breaks as plain line feeds
    QCOMPARE(shownBlock, QString(block).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(clipboardText, block);
    QCOMPARE(savedBlock, block + QStringLiteral("\r\n"));

    const DecodedReport report = decodeReportBlock(block);
    QVERIFY2(report.isCanonicalLayout, qPrintable(report.reason));
    const QStringList lines = report.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 9); // eight lines, each ended by CR LF
    QCOMPARE(lines.at(0), QStringLiteral("Student: Jana Dvořáková"));
    QCOMPARE(lines.at(1), QStringLiteral("Třída: 3.B"));
    QCOMPARE(lines.at(2), QStringLiteral("Tesilka: 1 - Ohmův zákon"));
    QCOMPARE(lines.at(3), QStringLiteral("Od: ") +
                              run.state.reportStart.toString(QStringLiteral("dd.MM.yyyy HH:mm")));
    QCOMPARE(lines.at(5), QStringLiteral("Celkem odpovědí: 1"));
    // the report's words stay Czech; its decimal separator is the pupil's locale's
    const QString point = runLocale().decimalPoint();
    QCOMPARE(lines.at(6), QStringLiteral("Z toho dobře: 1 (100") + point + QStringLiteral("00%)"));
    QCOMPARE(lines.at(7), QStringLiteral("špatně: 0 (0") + point + QStringLiteral("00%)"));
}

void WholeRunTest::runWithoutAnswers()
{
    createDatabase(databasePath_);
    Run run(databasePath_);
    QStringList today;
    run.driver.then("frmSplash", [](QWidget *splash) { QTest::keyClick(splash, Qt::Key_Return); })
        .then("Welcome",
              [](QWidget *welcome) {
                  auto *users = welcome->findChild<QComboBox *>(QStringLiteral("Users"));
                  users->setCurrentIndex(users->findText(QStringLiteral("Černá; 4B")));
                  pressKey(welcome, Qt::Key_Return);
              })
        .then("Start", [](QWidget *start) { clickButton(start, QStringLiteral("cmdKonec")); })
        .then("Konec", [](QWidget *w) { clickButton(w, QStringLiteral("cmdKonec")); })
        .then("Souhrn", [&](QWidget *summary) {
            for (int i = 0; i < 3; ++i) {
                today << labelText(*summary, QStringLiteral("Dnes%1").arg(i));
            }
            // a click on the surface ends the run: the row is already stored
            QTest::mouseClick(summary, Qt::LeftButton, {}, QPoint(5, summary->height() - 5));
        });
    QCOMPARE(run.exec(), 0);
    QVERIFY2(run.driver.finished(), qPrintable(run.driver.pendingWindow()));
    QCOMPARE(today, QStringList(3, problemCount(0)));
    const auto row = lastRow(databasePath_);
    QVERIFY(row.has_value());
    QCOMPARE(row->surname, QStringLiteral("Černá"));
    QCOMPARE(row->right, 0);
    QCOMPARE(row->wrong, 0);
}

void WholeRunTest::databaseLostDuringTheRun()
{
    createDatabase(databasePath_);
    Run run(databasePath_);
    QString shownBlock;
    run.driver.then("frmSplash", [](QWidget *splash) { QTest::keyClick(splash, Qt::Key_Space); })
        .then("Welcome",
              [](QWidget *welcome) {
                  auto *users = welcome->findChild<QComboBox *>(QStringLiteral("Users"));
                  users->setCurrentIndex(users->findText(QStringLiteral("Novák; 3A")));
                  pressKey(welcome, Qt::Key_Return);
              })
        .then("Start",
              [this](QWidget *start) {
                  QFile::remove(databasePath_); // the share went away
                  clickButton(start, QStringLiteral("cmdKonec"));
              })
        .then("Konec", [](QWidget *w) { pressKey(w, Qt::Key_Escape); })
        .then("databaseFailed", [](QWidget *w) { clickButton(w, QStringLiteral("useReport")); })
        .then("Souhrn",
              [](QWidget *summary) {
                  QCOMPARE(labelText(*summary, QStringLiteral("Celk0")),
                           translated("SummaryWindow", "není k dispozici"));
                  // in this state a click on the surface must not throw the report away
                  QTest::mouseClick(summary, Qt::LeftButton, {}, QPoint(5, summary->height() - 5));
              })
        .then("GenList", [&](QWidget *genList) {
            shownBlock =
                genList->findChild<QPlainTextEdit *>(QStringLiteral("data"))->toPlainText();
            pressKey(genList, Qt::Key_Escape);
        });
    QCOMPARE(run.exec(), 0);
    QVERIFY2(run.driver.finished(), qPrintable(run.driver.pendingWindow()));
    const DecodedReport report = decodeReportBlock(run.encoder.reportBlockText());
    QVERIFY2(report.isCanonicalLayout, qPrintable(report.reason));
    QVERIFY(report.text.startsWith(QStringLiteral("Student: Novák\r\nTřída: 3A\r\n")));
    QVERIFY(!shownBlock.isEmpty());
    QVERIFY(!QFile::exists(databasePath_));
}

QTEST_MAIN(WholeRunTest)
#include "tst_wholerun.moc"
