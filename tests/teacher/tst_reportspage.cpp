// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/teacherdatabase.h"
#include "support/reportblocks.h"
#include "teacher/reportspage.h"
#include "teacher/reporttablemodel.h"

#include <QDir>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

// The reports page reading a mailbox as a teacher keeps it: where each row came from, a block
// quoted twice, a report from the future.
class ReportsPageTest : public QObject
{
    Q_OBJECT

private slots:
    void mailboxRowsSayWhereAndWarnOfTheFuture();
};

namespace {
QString blockEndingAt(const QDateTime &end, const QString &name, int salt)
{
    SharedState state;
    state.reportName = name;
    state.reportClass = QStringLiteral("8.B");
    state.correctCount = 2;
    state.wrongCount = 1;
    state.reportStart = end.addSecs(-1200);
    const QString report =
        buildTeacherReport(state, end, QLocale(QLocale::Czech, QLocale::CzechRepublic));
    SequenceSource random({(static_cast<float>(salt) + 0.5F) / 256.0F});
    ReportEncoder encoder(random);
    encoder.beginReportBlock();
    encoder.encodeReportText(report);
    return encoder.reportBlockText();
}

QString quoted(const QString &block)
{
    return QStringLiteral("> ") +
           QString(block).replace(QStringLiteral("\r\n"), QStringLiteral("\r\n> "));
}
} // namespace

void ReportsPageTest::mailboxRowsSayWhereAndWarnOfTheFuture()
{
    QTemporaryDir dir;
    const QDateTime now = QDateTime::currentDateTime();
    const QString past = blockEndingAt(now.addDays(-1), QStringLiteral("Adam"), 10);
    const QString future = blockEndingAt(now.addDays(2), QStringLiteral("Běla"), 20);
    const QByteArray separator = "From zak@example.org Mon Dec  7 10:25:00 2026\n";
    const QString reply = quoted(past) + QStringLiteral("\n>\n") + quoted(quoted(past)) +
                          QStringLiteral("\n\n") + future + u'\n';
    const QByteArray mbox =
        separator +
        "From: adam@example.org\nContent-Type: text/plain\nContent-Transfer-Encoding: base64\n\n" +
        past.toLatin1().toBase64() + "\n\n" + separator +
        "From: bela@example.org\nSubject: Re: Re\n\n" + reply.toLatin1() + "\n" + separator +
        "From: cyril@example.org\n\n" + damagedBlock(past).toLatin1() + "\n";
    const QString path = dir.filePath(QStringLiteral("posta-8B.mbox"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(mbox);
    }

    ReportsPage page;
    QSignalSpy status(&page, &ReportsPage::statusMessage);
    page.addFiles({path});
    const ReportTableModel &model = *page.model();
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(status.last().at(0).toString(),
             QStringLiteral("Přečten 1 soubor (3 e-maily): 2 zprávy, 1 vadný blok, 1 s koncem "
                            "práce v budoucnosti. 2 opakované bloky vynechány."));
    const auto cell = [&](int row, int column, int role = Qt::DisplayRole) {
        return model.index(row, column).data(role).toString();
    };
    QCOMPARE(cell(0, ReportTableModel::SourceColumn),
             QStringLiteral("posta-8B.mbox, e-mail 1, ř. 1"));
    const auto futureLine = reply.left(reply.indexOf(future)).count(u'\n') + 1;
    QCOMPARE(cell(1, ReportTableModel::SourceColumn),
             QStringLiteral("posta-8B.mbox, e-mail 2, ř. %1").arg(futureLine));
    QCOMPARE(cell(2, ReportTableModel::SourceColumn, Qt::ToolTipRole),
             QDir::toNativeSeparators(path) + QStringLiteral(", e-mail 3, ř. 1"));
    QVERIFY(page.table()->columnWidth(ReportTableModel::SourceColumn) >
            page.table()->fontMetrics().horizontalAdvance(cell(1, ReportTableModel::SourceColumn)));

    // The future is pointed out, and the report is still stored when asked.
    QVERIFY(!model.endsInFuture(0) && model.endsInFuture(1));
    QCOMPARE(model.futureCount(), 1);
    QVERIFY(model.index(1, ReportTableModel::FirstFieldColumn).data(Qt::BackgroundRole).isValid());
    QVERIFY(!model.index(0, ReportTableModel::FirstFieldColumn).data(Qt::BackgroundRole).isValid());
    QVERIFY(cell(1, ReportTableModel::FirstFieldColumn + 3).startsWith(u'⚠'));
    QVERIFY(cell(1, ReportTableModel::FirstFieldColumn, Qt::ToolTipRole)
                .contains(QStringLiteral("v budoucnosti")));
    const auto database = TeacherDatabase::create(
        DatabaseLocation::sqliteFile(dir.filePath(QStringLiteral("s.db"))), false);
    page.setDatabase(database.get());
    QVERIFY(page.storeRows());
    QCOMPARE(database->storedReportCount(), 2);

    // Pasted, the same block quoted twice in one reply is one row.
    page.addText(QStringLiteral("schránka"), future + QStringLiteral("\r\n\r\n") + quoted(future));
    QCOMPARE(model.rowCount(), 4);
}

QTEST_MAIN(ReportsPageTest)
#include "tst_reportspage.moc"
