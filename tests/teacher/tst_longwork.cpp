// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/teacherdatabase.h"
#include "support/modaldriver.h"
#include "support/reportblocks.h"
#include "teacher/pupilspage.h"
#include "teacher/reportspage.h"
#include "teacher/reportstore.h"
#include "teacher/reporttablemodel.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

// Long work off the window's thread: the window keeps painting, and a cancel keeps nothing.
class LongWorkTest : public QObject
{
    Q_OBJECT

private slots:
    void aCancelledWriteLeavesTheDatabaseUnchanged();
    void theWindowPaintsWhileAMailboxIsRead();
    void aCancelledReadAddsNothing();
    void aCancelledImportFromTheWindowAddsNobody();

private:
    // A mailbox of many messages, each a block in a page of prose: seconds to read.
    QString bigMailbox();
    QTemporaryDir dir_;
};

namespace {
QList<NewPupil> classList(int count)
{
    QList<NewPupil> rows;
    for (int i = 0; i < count; ++i) {
        rows.append({i + 1, QStringLiteral("Žák %1").arg(i), QStringLiteral("%1.A").arg(i % 9)});
    }
    return rows;
}

// The largest pause between ticks of a timer of the window's thread while `work` runs.
qint64 largestPause(const std::function<void()> &work)
{
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 largest = 0;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        largest = std::max(largest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    clock.start();
    tick.start();
    work();
    return std::max(largest, clock.elapsed() - last);
}

// Cancels the progress dialog of `parent` once it shows.
void cancelWhenShown(QWidget *parent)
{
    auto *poll = new QTimer(parent);
    QObject::connect(poll, &QTimer::timeout, parent, [parent, poll] {
        if (auto *dialog = parent->findChild<QProgressDialog *>(QStringLiteral("workProgress"))) {
            dialog->cancel();
            poll->deleteLater();
        }
    });
    poll->start(20);
}
} // namespace

QString LongWorkTest::bigMailbox()
{
    QString path = dir_.filePath(QStringLiteral("posta.mbox"));
    if (QFile::exists(path)) {
        return path;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    const QByteArray prose =
        QByteArray("Dobrý den, posílám výsledky z dnešní hodiny a zdravím celou třídu.\n")
            .repeated(3000);
    for (int i = 0; i < 300; ++i) {
        file.write(
            "From zak@skola.cz Tue Dec  8 10:20:00 2026\nSubject: Vysledky\n\n" + prose +
            pupilReportBlock(QStringLiteral("Žák %1").arg(i), QStringLiteral("3.A"), 5, 1, i % 256)
                .toUtf8() +
            "\n\n");
    }
    return path;
}

void LongWorkTest::aCancelledWriteLeavesTheDatabaseUnchanged()
{
    const auto database = TeacherDatabase::create(
        DatabaseLocation::sqliteFile(dir_.filePath(QStringLiteral("skola.db"))), false);
    QCOMPARE(database->importPupils(classList(3)).added, 3);
    // Stopped half-way through: the rows written until then are rolled back with the rest.
    const auto halfWay = [](qsizetype done, qsizetype total) { return done < total / 2; };
    QVERIFY(database->importPupils(classList(2000), halfWay).cancelled);
    QCOMPARE(database->pupils().size(), 3);

    QList<DecodedReport> reports;
    for (int i = 0; i < 1000; ++i) {
        reports.append(decodeReportBlock(pupilReportBlock(
            QStringLiteral("Žák %1").arg(i), QStringLiteral("3.A"), 4, 1, i % 256, 1 + i % 28)));
    }
    QVERIFY(reports.front().isOk());
    QVERIFY(
        storeDecodedReports(*database, reports, QDateTime::currentDateTime(), halfWay).cancelled);
    QCOMPARE(database->storedReportCount(), 0);
    QVERIFY(!storeDecodedReports(*database, reports, QDateTime::currentDateTime()).cancelled);
    QVERIFY(database->storedReportCount() > 0);
}

void LongWorkTest::theWindowPaintsWhileAMailboxIsRead()
{
    const QString path = bigMailbox();
    QVERIFY(!path.isEmpty());
    ReportsPage page;
    page.show();
    QElapsedTimer reading;
    reading.start();
    const qint64 pause = largestPause([&] { page.addFiles({path}); });
    qInfo("reading took %lld ms; the window's longest pause was %lld ms",
          static_cast<long long>(reading.elapsed()), static_cast<long long>(pause));
    QCOMPARE(page.model()->goodCount(), 300);
    // A generous bound on a shared machine; the figure itself is printed above.
    QVERIFY2(pause < 400, qPrintable(QString::number(pause)));
}

void LongWorkTest::aCancelledReadAddsNothing()
{
    const QString path = bigMailbox();
    ReportsPage page;
    page.show();
    QSignalSpy status(&page, &ReportsPage::statusMessage);
    cancelWhenShown(&page);
    page.addFiles({path});
    QCOMPARE(page.model()->rowCount(), 0);
    QVERIFY(!status.isEmpty());
    QVERIFY(status.last().constFirst().toString().contains(QStringLiteral("zrušeno")));
}

void LongWorkTest::aCancelledImportFromTheWindowAddsNobody()
{
    const auto database = TeacherDatabase::create(
        DatabaseLocation::sqliteFile(dir_.filePath(QStringLiteral("import.db"))), false);
    const QString path = dir_.filePath(QStringLiteral("trida.csv"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray text = "Příjmení;Třída\r\n";
        for (int i = 0; i < 150'000; ++i) {
            text += "Novák" + QByteArray::number(i) + ";8.B\r\n";
        }
        file.write(text);
    }
    PupilsPage page;
    page.setDatabase(database.get());
    page.show();
    QSignalSpy status(&page, &PupilsPage::statusMessage);
    ModalDriver driver;
    driver.then(QStringLiteral("classListImport"),
                [](QWidget *dialog) { pressKey(dialog, Qt::Key_Return); });
    driver.then(QStringLiteral("workProgress"),
                [](QWidget *dialog) { qobject_cast<QProgressDialog *>(dialog)->cancel(); });
    driver.start();
    const qint64 pause = largestPause([&] { page.importClassList(path); });
    qInfo("the window's longest pause while the list was previewed and imported: %lld ms",
          static_cast<long long>(pause));
    QVERIFY2(driver.finished(), qPrintable(driver.pendingWindow()));
    QVERIFY2(pause < 400, qPrintable(QString::number(pause)));
    QCOMPARE(database->pupils().size(), 0);
    QCOMPARE(status.last().constFirst().toString(),
             QStringLiteral("Import zrušen, nic nebylo změněno."));
}

QTEST_MAIN(LongWorkTest)
#include "tst_longwork.moc"
