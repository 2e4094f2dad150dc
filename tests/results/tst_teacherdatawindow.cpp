// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/teacherdatawindow.h"

#include "results/reportdecoder.h"
#include "results/reportencoder.h"
#include "support/modaldriver.h"
#include "support/sequencesource.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

class TeacherDataWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsAndCopiesTheBlockNotTheTextBox();
    void savesTheBlockAndRewritesIt();
    void cancelledOrFailingSave();
    void everyWayOutAsksToQuit();
    void fullDiskIsReportedAndKeepsTheOldFile();
    void copiedButNotSavedAsksOnceBeforeEnding();

private:
    QTemporaryDir dir_;
};

namespace {
// 18 characters: two full lines, so the block itself ends with CR LF.
const QString report = QStringLiteral("Student: Ondřej 9A");

QString blockOf(ReportEncoder &encoder, const QString &text)
{
    encoder.beginReportBlock();
    encoder.encodeReportText(text);
    return encoder.reportBlockText();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// One save through the dialog: `choose` acts on the open dialog, `afterwards` on whatever the
// save opens next (an overwrite question, a failure message).
bool saveThroughDialog(QWidget &window, const std::function<void(QFileDialog &)> &choose,
                       const QString &nextWindow = {},
                       const std::function<void(QWidget *)> &afterwards = {})
{
    ModalDriver driver;
    driver.then("CD", [&](QWidget *w) { choose(*qobject_cast<QFileDialog *>(w)); });
    if (!nextWindow.isEmpty()) {
        driver.then(nextWindow, afterwards);
    }
    driver.start();
    clickButton(&window, QStringLiteral("txtfile"));
    return driver.finished();
}
} // namespace

void TeacherDataWindowTest::initTestCase()
{
    // Keeps the dialog's remembered folders and the tests' documents out of the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir_.isValid());
}

void TeacherDataWindowTest::showsAndCopiesTheBlockNotTheTextBox()
{
    SequenceSource random({0.3F});
    ReportEncoder encoder(random);
    const QString block = blockOf(encoder, report);

    TeacherDataWindow window(encoder);
    window.show();
    auto *data = window.findChild<QPlainTextEdit *>("data");
    QVERIFY(data != nullptr);
    QCOMPARE(data->toPlainText(),
             QString(block).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(data->font().family(), QStringLiteral("Liberation Mono"));
    QCOMPARE(data->font().pointSizeF(), 12.0);
    QCOMPARE(window.focusWidget(), data);

    // rich text and plain text on the clipboard before; only the block after
    auto *before = new QMimeData;
    before->setText(QStringLiteral("něco jiného"));
    before->setHtml(QStringLiteral("<b>něco jiného</b>"));
    QGuiApplication::clipboard()->setMimeData(before);
    data->selectAll();
    QTest::keyClicks(data, QStringLiteral("upraveno"));
    QCOMPARE(data->toPlainText(), QStringLiteral("upraveno"));
    clickButton(&window, QStringLiteral("clipbrd"));
    const QMimeData *after = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(after->text(), block);
    QVERIFY(!after->hasHtml());
    QCOMPARE(decodeReportBlock(after->text()).text, report);
}

void TeacherDataWindowTest::savesTheBlockAndRewritesIt()
{
    SequenceSource random({0.3F});
    ReportEncoder encoder(random);
    const QString block = blockOf(encoder, report);
    QVERIFY(block.endsWith(QStringLiteral("\r\n")));
    TeacherDataWindow window(encoder);
    window.show();
    window.findChild<QPlainTextEdit *>("data")->setPlainText(QStringLiteral("upraveno"));

    // the dialog as offered, accepted with its initial name in a folder of the test
    QString title;
    QStringList filters;
    QStringList filterPatterns;
    QString filter;
    QString suffix;
    QString offeredName;
    bool saving = false;
    const auto acceptOffered = [&](QFileDialog &dialog) {
        title = dialog.windowTitle();
        auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; types != nullptr && i < types->count(); ++i) {
            filters.append(types->itemText(i));
        }
        filterPatterns = dialog.nameFilters();
        filter = types != nullptr ? types->currentText() : QString();
        suffix = dialog.defaultSuffix();
        saving = dialog.acceptMode() == QFileDialog::AcceptSave;
        offeredName = QFileInfo(dialog.selectedFiles().value(0)).fileName();
        dialog.setDirectory(dir_.path());
        static_cast<QDialog &>(dialog).accept();
    };
    QVERIFY(saveThroughDialog(window, acceptOffered));
    QCOMPARE(title, QStringLiteral("Vyber umístění a jméno souboru"));
    QCOMPARE(filters, (QStringList{"Textové soubory (*.txt)", "Všechny soubory (*.*)"}));
    QCOMPARE(filter, filters.first());
    // "all files" must match names without a dot as well
    QVERIFY2(filterPatterns.value(1).endsWith(QStringLiteral("(*)")),
             qPrintable(filterPatterns.join(u'|')));
    QCOMPARE(suffix, QStringLiteral("txt"));
    QVERIFY(saving);
    // the offered name, with the default suffix the dialog adds
    QCOMPARE(offeredName, QStringLiteral("Vysledky.txt"));

    // the block and one more CR LF, so a block ending in CR LF leaves an empty last line
    const QString saved = dir_.filePath(QStringLiteral("Vysledky.txt"));
    const QByteArray expected = block.toLatin1() + "\r\n";
    QVERIFY(expected.endsWith("\r\n\r\n"));
    QCOMPARE(fileBytes(saved), expected);
    QCOMPARE(decodeReportBlock(QString::fromLatin1(fileBytes(saved)).chopped(2)).text, report);

    // the same name again, overwriting after the question: one copy, not two
    const bool again = saveThroughDialog(window, acceptOffered, QStringLiteral("class:QMessageBox"),
                                         [](QWidget *w) {
                                             auto *question = qobject_cast<QMessageBox *>(w);
                                             question->button(QMessageBox::Yes)->click();
                                         });
    QVERIFY(again);
    QCOMPARE(fileBytes(saved), expected);
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{"Vysledky.txt"});
}

void TeacherDataWindowTest::cancelledOrFailingSave()
{
    SequenceSource random({0.3F});
    ReportEncoder encoder(random);
    blockOf(encoder, QStringLiteral("x"));
    TeacherDataWindow window(encoder);
    window.show();

    QTemporaryDir cancelDir;
    QVERIFY(saveThroughDialog(window, [&](QFileDialog &dialog) {
        dialog.setDirectory(cancelDir.path());
        dialog.reject();
    }));
    QCOMPARE(QDir(cancelDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

    // the chosen folder vanishes before the file is written (a stick pulled out, say)
    const QString folder = dir_.filePath(QStringLiteral("flash"));
    QVERIFY(QDir().mkpath(folder));
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    const bool shown = saveThroughDialog(
        window,
        [&](QFileDialog &dialog) {
            dialog.setDirectory(folder);
            QDir(folder).removeRecursively();
            static_cast<QDialog &>(dialog).accept();
        },
        QStringLiteral("saveFailed"),
        [&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            text = box->text();
            icon = box->icon();
            box->accept();
        });
    QVERIFY2(shown, "no message after a failed save");
    QVERIFY2(text.contains(QDir::toNativeSeparators(folder + QStringLiteral("/Vysledky.txt"))),
             qPrintable(text));
    QCOMPARE(icon, QMessageBox::Warning);
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(window.isVisible());
}

void TeacherDataWindowTest::everyWayOutAsksToQuit()
{
    SequenceSource random;
    ReportEncoder encoder(random);
    blockOf(encoder, report);
    TeacherDataWindow window(encoder);
    window.show();
    QSignalSpy quit(&window, &TeacherDataWindow::quitRequested);

    QTest::keyClick(window.focusWidget(), Qt::Key_Escape);
    QCOMPARE(quit.count(), 1);
    // the close box asks too, and leaves the ending to the program
    QVERIFY(!window.close());
    QCOMPARE(quit.count(), 2);
    auto *final = window.findChild<QPushButton *>("final");
    QCOMPARE(final->text(), QStringLiteral("&Konec"));
    clickButton(&window, QStringLiteral("final"));
    QCOMPARE(quit.count(), 3);
    QVERIFY(window.isVisible());
}

void TeacherDataWindowTest::fullDiskIsReportedAndKeepsTheOldFile()
{
    SequenceSource random({0.3F});
    ReportEncoder encoder(random);
    const QString block = blockOf(encoder, report);
    TeacherDataWindow window(encoder);
    window.show();
    const QString folder = dir_.filePath(QStringLiteral("full"));
    QVERIFY(QDir().mkpath(folder));
    const auto acceptIn = [&](QFileDialog &dialog) {
        dialog.setDirectory(folder);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        static_cast<QDialog &>(dialog).accept();
    };
    QVERIFY(saveThroughDialog(window, acceptIn));
    const QString saved = folder + QStringLiteral("/Vysledky.txt");
    const QByteArray good = fileBytes(saved);
    QCOMPARE(good, block.toLatin1() + "\r\n");

    // A file size limit fails the write as a full disk does, at the buffered flush.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit tiny = previous;
    tiny.rlim_cur = 16;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool reported =
        saveThroughDialog(window, acceptIn, QStringLiteral("saveFailed"),
                          [](QWidget *w) { qobject_cast<QDialog *>(w)->accept(); });
    setrlimit(RLIMIT_FSIZE, &previous);
    QVERIFY2(reported, "a failed save was not reported");
    QCOMPARE(fileBytes(saved), good);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"Vysledky.txt"});
}

void TeacherDataWindowTest::copiedButNotSavedAsksOnceBeforeEnding()
{
    SequenceSource random;
    ReportEncoder encoder(random);
    blockOf(encoder, report);
    TeacherDataWindow window(encoder);
    window.show();
    QSignalSpy quit(&window, &TeacherDataWindow::quitRequested);
    clickButton(&window, QStringLiteral("clipbrd"));

    // the default answer goes back to the window
    ModalDriver driver;
    driver.then("pastedQuestion", [](QWidget *w) { pressKey(w, Qt::Key_Return); });
    driver.start();
    clickButton(&window, QStringLiteral("final"));
    QVERIFY(driver.finished());
    QCOMPARE(quit.count(), 0);
    // asked once only
    clickButton(&window, QStringLiteral("final"));
    QCOMPARE(quit.count(), 1);
}

QTEST_MAIN(TeacherDataWindowTest)
#include "tst_teacherdatawindow.moc"
