// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/mainwindow.h"

#include "database/teacherdatabase.h"
#include "support/modaldriver.h"
#include "support/reportblocks.h"
#include "teacher/pupilspage.h"
#include "teacher/pupiltablemodel.h"
#include "teacher/reportspage.h"
#include "teacher/reporttablemodel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStringEncoder>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// A teacher's session, driven by keyboard where a teacher would use it.
class TeacherWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pastedMailIsStoredOnceAndPupilsComeFromCsv();
    void refusedFileLeavesTheOpenDatabaseAndIsRemembered();
    void droppedMailFilesAreRead();
    void unstoredReportsAreNotLostOnClose();

private:
    QTemporaryDir dir_;
};

namespace {
QString statusText(const MainWindow &window)
{
    return window.statusBar()->currentMessage();
}

// A pupil's e-mail: two reports in a reply, one of them damaged by the way, one re-wrapped.
QString mailWithThreeBlocks()
{
    const QString good =
        pupilReportBlock(QStringLiteral("Jana Dvořáková"), QStringLiteral("8.B"), 7, 2);
    const QString other =
        pupilReportBlock(QStringLiteral("Petr Šťastný"), QStringLiteral("8.B"), 5, 5, 3);
    const QString third =
        pupilReportBlock(QStringLiteral("Eva Malá"), QStringLiteral("8.A"), 4, 0, 200);
    QString quoted = QStringLiteral("> ") +
                     QString(other).replace(QStringLiteral("\r\n"), QStringLiteral("\n> "));
    return QStringLiteral("Dobrý den, posílám výsledky.\n\n") + good +
           QStringLiteral("\n\nA za Petra:\n") + quoted + QStringLiteral("\n\nA Eva:\n") +
           damagedBlock(third) + QStringLiteral("\n-- \nJana\n");
}
} // namespace

void TeacherWindowTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    QVERIFY(dir_.isValid());
}

void TeacherWindowTest::pastedMailIsStoredOnceAndPupilsComeFromCsv()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.createDatabase(dir_.filePath(QStringLiteral("skola.db")), false));
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("skola.db – ")));

    ReportsPage &reports = *window.reportsPage();
    QApplication::clipboard()->setText(mailWithThreeBlocks());
    reports.table()->setFocus();
    QTest::keyClick(reports.table(), Qt::Key_V, Qt::ControlModifier);
    const ReportTableModel &model = *reports.model();
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.badCount(), 1);
    const auto cell = [&](int row, int column) {
        return model.index(row, column).data().toString();
    };
    QCOMPARE(cell(0, ReportTableModel::FirstFieldColumn), QStringLiteral("Jana Dvořáková"));
    QCOMPARE(cell(0, ReportTableModel::FirstFieldColumn + 2), QStringLiteral("7.12.2026 9:55"));
    QCOMPARE(cell(1, ReportTableModel::FirstFieldColumn + 7), QStringLiteral("50,00"));
    // The damaged block's row says why, across the columns of the fields.
    QVERIFY(cell(2, ReportTableModel::FirstFieldColumn).startsWith(QStringLiteral("Poškozená")));
    QCOMPARE(reports.table()->columnSpan(2, ReportTableModel::FirstFieldColumn), 8);
    QVERIFY(model.index(2, 1).data(Qt::BackgroundRole).isValid());

    QTest::keyClick(reports.table(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(statusText(window), QStringLiteral("Uloženy 2 zprávy; 1 vadný blok nebyl uložen."));
    // The same mail pasted again is known as stored: nothing to store, nothing to lose.
    QTest::keyClick(reports.table(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(model.rowCount(), 6);
    QCOMPARE(statusText(window),
             QStringLiteral("schránka: 2 zprávy, 1 vadný blok (2 už jsou v databázi)."));
    QCOMPARE(model.unstoredGoodCount(), 0);
    QVERIFY(!reports.storeAction()->isEnabled());
    QCOMPARE(window.database()->storedReportCount(), 2);

    // A class list from a school system: Windows-1250, commas, a header, one line without a
    // surname and one pupil already in the table.
    window.database()->addPupil(QStringLiteral("Řezáč"), QStringLiteral("8.B"));
    const QString csv = QStringLiteral("Příjmení,Třída\r\nŘezáč,8.B\r\nŠťastná,8.B\r\n,8.B\r\n"
                                       "\"Chalupa, ml.\",8.A\r\nČech,8.A\r\n");
    const QString csvPath = dir_.filePath(QStringLiteral("trida.csv"));
    {
        QFile file(csvPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QStringEncoder windows1250("windows-1250");
        file.write(windows1250(csv));
    }
    QStringList previewIssues;
    ModalDriver driver;
    driver.then(QStringLiteral("classListImport"), [&](QWidget *dialog) {
        QCOMPARE(dialog->findChild<QComboBox *>(QStringLiteral("encoding"))->currentText(),
                 QStringLiteral("Windows-1250"));
        QCOMPARE(dialog->findChild<QComboBox *>(QStringLiteral("separator"))->currentIndex(), 1);
        QVERIFY(dialog->findChild<QCheckBox *>(QStringLiteral("header"))->isChecked());
        const auto *preview = dialog->findChild<QTableView *>(QStringLiteral("preview"));
        QCOMPARE(preview->model()->rowCount(), 3);
        const auto *issues = dialog->findChild<QAbstractItemView *>(QStringLiteral("issues"));
        for (int row = 0; row < issues->model()->rowCount(); ++row) {
            previewIssues.append(issues->model()->index(row, 0).data().toString());
        }
        pressKey(dialog, Qt::Key_Return);
    });
    driver.start();
    window.pupilsPage()->importClassList(csvPath);
    QVERIFY(driver.finished());
    QCOMPARE(previewIssues.size(), 2);
    QVERIFY2(previewIssues.at(0).startsWith(QStringLiteral("Řádek 2: ")),
             qPrintable(previewIssues.at(0)));
    QVERIFY2(previewIssues.at(1).startsWith(QStringLiteral("Řádek 4: ")),
             qPrintable(previewIssues.at(1)));
    QCOMPARE(statusText(window), QStringLiteral("Importováni 3 žáci, 2 řádky přeskočeny."));
    const PupilTableModel &pupils = *window.pupilsPage()->model();
    QStringList order;
    for (int row = 0; row < pupils.rowCount(); ++row) {
        order.append(pupils.pupilAt(row).surname);
    }
    QCOMPARE(order, QStringList({"Čech", "Chalupa, ml.", "Řezáč", "Šťastná"}));

    // Written back as a spreadsheet opens it.
    const QString exported = dir_.filePath(QStringLiteral("export.csv"));
    window.pupilsPage()->exportClassList(exported);
    QFile back(exported);
    QVERIFY(back.open(QIODevice::ReadOnly));
    QCOMPARE(back.readAll(), QStringLiteral("\uFEFFPříjmení;Třída\r\nČech;8.A\r\nChalupa, ml.;"
                                            "8.A\r\nŘezáč;8.B\r\nŠťastná;8.B\r\n")
                                 .toUtf8());
}

void TeacherWindowTest::droppedMailFilesAreRead()
{
    // An .eml whose text part is quoted-printable (lines count in the text of the mail), and a
    // file that holds no report.
    const QString block = pupilReportBlock(QStringLiteral("Eva"), QStringLiteral("7.C"), 1, 1);
    const QString eml = dir_.filePath(QStringLiteral("eva.eml"));
    const QString empty = dir_.filePath(QStringLiteral("prazdny.txt"));
    {
        QFile mail(eml);
        QVERIFY(mail.open(QIODevice::WriteOnly));
        mail.write("From: eva@example.org\r\nMIME-Version: 1.0\r\n"
                   "Content-Type: text/plain; charset=utf-8\r\n"
                   "Content-Transfer-Encoding: quoted-printable\r\n\r\n"
                   "V=C3=BDsledek:\r\n");
        mail.write(block.toLatin1());
        QFile other(empty);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("nic\n");
    }
    MainWindow window;
    window.show();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(eml), QUrl::fromLocalFile(empty)});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the page: outside a real drag, QApplication does not deliver a drop.
    static_cast<QObject *>(window.reportsPage())->event(&drop);
    QCOMPARE(window.reportsPage()->model()->goodCount(), 1);
    QCOMPARE(window.reportsPage()->model()->index(0, 0).data().toString(),
             QStringLiteral("eva.eml, ř. 2"));
    QCOMPARE(statusText(window),
             QStringLiteral("Přečteny 2 soubory: 1 zpráva. Bez zprávy: prazdny.txt."));
}

void TeacherWindowTest::refusedFileLeavesTheOpenDatabaseAndIsRemembered()
{
    const QString good = dir_.filePath(QStringLiteral("skola.db"));
    const QString text = dir_.filePath(QStringLiteral("dopis.txt"));
    {
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("Toto není databáze.\n").repeated(200));
    }
    MainWindow window;
    window.show();
    // The previous test left this file as the last one opened.
    window.openInitialDatabase();
    QVERIFY(window.database() != nullptr);
    QCOMPARE(window.database()->location().path, good);

    QString message;
    ModalDriver driver;
    driver.then(QStringLiteral("teacherMessage"), [&](QWidget *box) {
        message = labelText(*box, QStringLiteral("qt_msgbox_label"));
        pressKey(box, Qt::Key_Return);
    });
    driver.start();
    QVERIFY(!window.openDatabase(DatabaseLocation::sqliteFile(text)));
    QVERIFY(driver.finished());
    QVERIFY2(message.contains(QStringLiteral("soubor není databáze")), qPrintable(message));
    QCOMPARE(window.database()->location().path, good);
    QCOMPARE(window.pupilsPage()->model()->rowCount(), 4);
}

void TeacherWindowTest::unstoredReportsAreNotLostOnClose()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.createDatabase(dir_.filePath(QStringLiteral("zavrit.db")), false));
    window.database()->addPupil(QStringLiteral("Dvořáková"), QStringLiteral("8.B"));
    window.reportsPage()->addText(QStringLiteral("schránka"), mailWithThreeBlocks());
    // Matched before it is stored, and shown so.
    QCOMPARE(window.reportsPage()
                 ->model()
                 ->index(0, ReportTableModel::PupilColumn)
                 .data()
                 .toString(),
             QStringLiteral("Dvořáková (8.B)"));

    // Escape stays, Enter stores and closes: Ctrl+Q, Alt+F4 and the close box all come here.
    QStringList asked;
    ModalDriver driver;
    driver.then(QStringLiteral("unstoredQuestion"), [&](QWidget *box) {
        asked << labelText(*box, QStringLiteral("qt_msgbox_label"));
        pressKey(box, Qt::Key_Escape);
    });
    driver.start();
    QVERIFY(!window.close());
    QVERIFY(driver.finished());
    QVERIFY(window.isVisible());
    QCOMPARE(asked.value(0),
             QStringLiteral("V seznamu jsou 2 zprávy, které nejsou uložené v databázi."));

    driver.then(QStringLiteral("unstoredQuestion"),
                [&](QWidget *box) { pressKey(box, Qt::Key_Return); });
    driver.start();
    QVERIFY(window.close());
    QVERIFY(driver.finished());
    QCOMPARE(window.database()->storedReportCount(), 2);
    const QString block = window.reportsPage()->model()->report(0).canonicalBlock;
    QCOMPARE(window.database()->reportAssignments({block}).value(block).surname,
             QStringLiteral("Dvořáková"));
}

QTEST_MAIN(TeacherWindowTest)
#include "tst_teacherwindow.moc"
