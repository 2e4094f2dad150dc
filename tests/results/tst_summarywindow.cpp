// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/summarywindow.h"
#include "results/teacherdatawindow.h"

#include "app/sharedstate.h"
#include "database/ansicodepage.h"
#include "results/reportdecoder.h"
#include "results/reportencoder.h"
#include "support/sqlscript.h"
#include "results/teacherreport.h"
#include "support/modaldriver.h"
#include "support/sequencesource.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class SummaryWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void schoolServerTallies();
    void emailReportBuiltWhileLoading();
    void keysAndSurface();
    void databaseFailureRetried();
    void databaseFailureFallsBackToReport();
    void profileReportAcrossMidnight();
    void teacherDataOutputs();
    void saveCancelledOrFailing();

private:
    QTemporaryDir dir_;
    QString databasePath_;
};

namespace {
const QLocale czech(QLocale::Czech, QLocale::Czechia);

QStringList row(QWidget &window, const QString &array)
{
    QStringList texts;
    for (int i = 0; i < 3; ++i) {
        texts << labelText(window, array + QString::number(i));
    }
    return texts;
}

int countRows(const QString &path)
{
    const ScratchConnection count(path, QStringLiteral("count"));
    const QVariant rows = count.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Prehled \""));
    return rows.isValid() ? rows.toInt() : -1;
}

SharedState serverRun(int right, int wrong)
{
    SharedState s;
    s.pupilSurname = QStringLiteral("Novák");
    s.pupilClass = QStringLiteral("3A");
    s.runStart = QTime(8, 15, 0);
    s.correctCount = right;
    s.wrongCount = wrong;
    return s;
}
} // namespace

void SummaryWindowTest::init()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir_.isValid());
    databasePath_ =
        dir_.filePath(QStringLiteral("db-%1.sqlite").arg(QDateTime::currentMSecsSinceEpoch()));
    const ScratchConnection setup(databasePath_, QStringLiteral("setup"));
    QVERIFY(setup.db().isOpen());
    const QString failure =
        runSqlFile(setup.db(), QStringLiteral(TESILKA_DATABASE_SOURCE_DIR "/schema.sql"));
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(setup.run(QStringLiteral(
        "INSERT INTO \"Prehled \" (\"Prijmeni\", \"Trida\", \"Spravne\", \"Chybne\") "
        "VALUES ('Novák', '3A', 4, 1), ('Novák', '4B', 6, 4)")));
}

void SummaryWindowTest::schoolServerTallies()
{
    SharedState state = serverRun(3, 2);
    SequenceSource random;
    ReportEncoder encoder(random);
    SummaryWindow summary(state, encoder, databasePath_, czech);
    QCOMPARE(summary.windowTitle(), QStringLiteral("Souhrn"));
    QVERIFY(!summary.offersTeacherReport());
    QCOMPARE(row(summary, "Dnes"), (QStringList{" 5 příkladů", " 3 příklady", " 2 příklady"}));
    QCOMPARE(row(summary, "Celk"), (QStringList{" 20 příkladů", " 13 příkladů", " 7 příkladů"}));
    QCOMPARE(countRows(databasePath_), 3);
    QCOMPARE(labelText(summary, "Label3"), QStringLiteral("Dnes jsi spočítal: "));
    QCOMPARE(summary.findChild<QLabel *>("Dnes1")->palette().color(QPalette::WindowText),
             QColor(0, 128, 0));
    QCOMPARE(summary.findChild<QLabel *>("Celk2")->palette().color(QPalette::WindowText),
             QColor(128, 0, 0));
}

void SummaryWindowTest::emailReportBuiltWhileLoading()
{
    SharedState state;
    state.emailMode = true;
    state.reportName = QStringLiteral("Eva Šťastná");
    state.reportClass = QStringLiteral("2.C");
    state.reportStart = QDateTime::currentDateTime().addSecs(-600);
    state.correctCount = 2;
    state.wrongCount = 1;
    SequenceSource random({0.75F});
    ReportEncoder encoder(random);
    encoder.initReportEncoder();
    const QString signInBlock = encoder.reportBlockText();

    SummaryWindow summary(state, encoder, databasePath_, czech);
    QVERIFY(summary.offersTeacherReport());
    QCOMPARE(row(summary, "Dnes"), (QStringList{" 3 příklady", " 2 příklady", " 1 příklad"}));
    QCOMPARE(row(summary, "Celk"), QStringList(3, QStringLiteral("není k dispozici")));
    QCOMPARE(countRows(databasePath_), 2);

    // a fresh block, with the report as its only content
    const QString block = encoder.reportBlockText();
    QVERIFY(block != signInBlock);
    const DecodedReport report = decodeReportBlock(block);
    QVERIFY2(report.isCanonicalLayout, qPrintable(report.reason));
    QCOMPARE(report.salt, std::uint8_t{192});
    QVERIFY(report.text.startsWith(QStringLiteral("Student: Eva Šťastná\r\nTřída: 2.C\r\n")));
    QVERIFY(report.text.endsWith(QStringLiteral(
        "Celkem odpovědí: 3\r\nZ toho dobře: 2 (66,67%)\r\nšpatně: 1 (33,33%)\r\n")));
}

void SummaryWindowTest::keysAndSurface()
{
    SharedState state = serverRun(0, 0);
    SequenceSource random;
    ReportEncoder encoder(random);
    SummaryWindow summary(state, encoder, databasePath_, czech);
    QSignalSpy ok(&summary, &SummaryWindow::okPressed);
    QSignalSpy surface(&summary, &SummaryWindow::surfaceClicked);
    summary.show();
    QTest::keyClick(&summary, Qt::Key_Return);
    QTest::keyClick(&summary, Qt::Key_Escape);
    QCOMPARE(ok.count(), 2);
    QVERIFY(summary.isVisible());
    // on a label: nothing; on the bare surface: the signal
    auto *label = summary.findChild<QLabel *>("Dnes0");
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(surface.count(), 0);
    QTest::mouseClick(&summary, Qt::LeftButton, {}, QPoint(3, summary.height() - 3));
    QCOMPARE(surface.count(), 1);
    QCOMPARE(row(summary, "Dnes"), QStringList(3, QStringLiteral(" 0 příkladů")));
}

void SummaryWindowTest::databaseFailureRetried()
{
    // The share is away for a moment; the pupil retries once it is back.
    const QString away = databasePath_ + QStringLiteral(".away");
    QVERIFY(QFile::rename(databasePath_, away));
    SharedState state = serverRun(1, 0);
    SequenceSource random;
    ReportEncoder encoder(random);
    QString message;
    ModalDriver driver;
    driver.then("databaseFailed", [&](QWidget *w) {
        message = qobject_cast<QMessageBox *>(w)->informativeText();
        QFile::rename(away, databasePath_);
        clickButton(w, QStringLiteral("retry"));
    });
    driver.start();
    SummaryWindow summary(state, encoder, databasePath_, czech);
    QVERIFY(driver.finished());
    QVERIFY2(message.contains(QFileInfo(databasePath_).fileName()), qPrintable(message));
    QVERIFY(!summary.offersTeacherReport());
    QCOMPARE(countRows(databasePath_), 3);
    QCOMPARE(labelText(summary, "Celk0"), QStringLiteral(" 16 příkladů"));
}

void SummaryWindowTest::databaseFailureFallsBackToReport()
{
    QFile::remove(databasePath_); // gone since the sign-in
    SharedState state = serverRun(2, 2);
    SequenceSource random;
    ReportEncoder encoder(random);
    int asked = 0;
    ModalDriver driver;
    driver
        .then("databaseFailed",
              [&](QWidget *w) {
                  ++asked;
                  clickButton(w, QStringLiteral("retry"));
              })
        .then("databaseFailed", [&](QWidget *w) {
            ++asked;
            clickButton(w, QStringLiteral("useReport"));
        });
    driver.start();
    SummaryWindow summary(state, encoder, databasePath_, czech);
    QCOMPARE(asked, 2);
    QVERIFY(summary.offersTeacherReport());
    QVERIFY(!QFile::exists(databasePath_)); // never created by the program
    QCOMPARE(row(summary, "Celk"), QStringList(3, QStringLiteral("není k dispozici")));
    QCOMPARE(row(summary, "Dnes"), (QStringList{" 4 příklady", " 2 příklady", " 2 příklady"}));
    const DecodedReport report = decodeReportBlock(encoder.reportBlockText());
    QVERIFY2(report.isCanonicalLayout, qPrintable(report.reason));
    QVERIFY(report.text.startsWith(QStringLiteral("Student: Novák\r\nTřída: 3A\r\n")));
    QVERIFY(report.text.contains(QStringLiteral("Z toho dobře: 2 (50,00%)")));
}

void SummaryWindowTest::profileReportAcrossMidnight()
{
    SharedState state = serverRun(1, 1);
    state.runStart = QTime(23, 50);
    const QDateTime now(QDate(2026, 12, 8), QTime(0, 10));
    QCOMPARE(reportStateForProfile(state, now).reportStart,
             QDateTime(QDate(2026, 12, 7), QTime(23, 50)));
    state.runStart = QTime(0, 5);
    QCOMPARE(reportStateForProfile(state, now).reportStart,
             QDateTime(QDate(2026, 12, 8), QTime(0, 5)));
    QCOMPARE(reportStateForProfile(state, now).reportName, QStringLiteral("Novák"));
}

void SummaryWindowTest::teacherDataOutputs()
{
    SequenceSource random({0.3F});
    ReportEncoder encoder(random);
    encoder.beginReportBlock();
    encoder.encodeReportText(QStringLiteral("Student: Ondřej\r\nTřída: 9.A\r\n"));
    const QString block = encoder.reportBlockText();

    TeacherDataWindow window(encoder);
    QCOMPARE(window.windowTitle(), QStringLiteral("Generované informace pro vyučujícího"));
    auto *data = window.findChild<QPlainTextEdit *>("data");
    QCOMPARE(data->toPlainText(),
             QString(block).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(data->font().family(), QStringLiteral("Liberation Mono"));
    QCOMPARE(window.findChild<QPushButton *>("clipbrd")->text(),
             QStringLiteral("&Vložit do schránky"));
    QCOMPARE(window.findChild<QPushButton *>("txtfile")->text(),
             QStringLiteral("&Uložit do textového souboru"));
    window.show();
    data->setPlainText(QStringLiteral("upraveno"));

    QGuiApplication::clipboard()->setText(QStringLiteral("něco jiného"));
    clickButton(&window, QStringLiteral("clipbrd"));
    QCOMPARE(QGuiApplication::clipboard()->text(), block);

    // saved twice under the offered name: one copy, block + CR LF, single bytes
    const QString saved = dir_.filePath(QStringLiteral("Vysledky.txt"));
    QString title;
    for (int attempt = 0; attempt < 2; ++attempt) {
        ModalDriver driver;
        driver.then("CD", [&](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            title = dialog->windowTitle();
            dialog->setDirectory(dir_.path());
            static_cast<QDialog *>(dialog)->accept();
        });
        if (attempt == 1) {
            driver.then("class:QMessageBox", [](QWidget *w) {
                auto *overwrite = qobject_cast<QMessageBox *>(w);
                overwrite->button(QMessageBox::Yes)->click();
            });
        }
        driver.start();
        clickButton(&window, QStringLiteral("txtfile"));
        QVERIFY(driver.finished());
    }
    QCOMPARE(title, QStringLiteral("Vyber umístění a jméno souboru"));
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes, block.toLatin1() + "\r\n");
    QCOMPARE(teacherFileContents(block), bytes);

    QSignalSpy quit(&window, &TeacherDataWindow::quitRequested);
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.close());
    clickButton(&window, QStringLiteral("final"));
    QCOMPARE(quit.count(), 3);
    QVERIFY(window.isVisible());
}

void SummaryWindowTest::saveCancelledOrFailing()
{
    SequenceSource random({0.3F});
    ReportEncoder encoder(random);
    encoder.beginReportBlock();
    encoder.encodeReportText(QStringLiteral("x"));
    TeacherDataWindow window(encoder);
    window.show();
    QDir(dir_.path()).mkdir(QStringLiteral("cancel"));
    const QString cancelDir = dir_.filePath(QStringLiteral("cancel"));

    ModalDriver cancel;
    cancel.then("CD", [&](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        dialog->setDirectory(cancelDir);
        dialog->reject();
    });
    cancel.start();
    clickButton(&window, QStringLiteral("txtfile"));
    QVERIFY(cancel.finished());
    QCOMPARE(QDir(cancelDir).entryList(QDir::Files), QStringList());

    // a folder that cannot take a file, not even from root: a message instead of silence
    QString message;
    ModalDriver failing;
    failing
        .then("CD",
              [&](QWidget *w) {
                  auto *dialog = qobject_cast<QFileDialog *>(w);
                  dialog->setDirectory(QStringLiteral("/sys"));
                  static_cast<QDialog *>(dialog)->accept();
              })
        .then("saveFailed", [&](QWidget *w) {
            message = qobject_cast<QMessageBox *>(w)->text();
            qobject_cast<QMessageBox *>(w)->accept();
        });
    failing.start();
    clickButton(&window, QStringLiteral("txtfile"));
    QVERIFY2(failing.finished(), qPrintable(failing.pendingWindow()));
    QVERIFY2(message.contains(QStringLiteral("/sys/Vysledky.txt")), qPrintable(message));
    QVERIFY(!QFile::exists(QStringLiteral("/sys/Vysledky.txt")));
}

QTEST_MAIN(SummaryWindowTest)
#include "tst_summarywindow.moc"
