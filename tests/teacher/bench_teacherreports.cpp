// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/reportblocks.h"
#include "teacher/reportspage.h"
#include "teacher/reporttablemodel.h"

#include <QTableView>
#include <QTest>

// Ten thousand reports pasted at once, as a long thread of mails: decoded and shown.
class TeacherReportsBench : public QObject
{
    Q_OBJECT

private slots:
    void pasteTenThousandReports();
};

void TeacherReportsBench::pasteTenThousandReports()
{
    constexpr int reports = 10000;
    QString text;
    for (int i = 0; i < reports; ++i) {
        text += QStringLiteral("\r\nOd: zak%1@skola.example.org\r\nPředmět: Tesilka\r\n\r\n"
                               "Dobrý den, posílám výsledek dnešního procvičování.\r\n\r\n")
                    .arg(i);
        text += pupilReportBlock(QStringLiteral("Žák číslo %1 Novotný").arg(i),
                                 QStringLiteral("%1.B").arg(6 + i % 4), 1000 + i % 97, i % 13,
                                 i % 256, 1 + i % 28);
    }
    qInfo("%d reports, %.1f MB of text", reports, static_cast<double>(text.toUtf8().size()) / 1e6);
    ReportsPage page;
    page.resize(1000, 600);
    page.show();
    QBENCHMARK
    {
        page.clearList();
        page.addText(QStringLiteral("schránka"), text);
        QCoreApplication::processEvents();
    }
    QCOMPARE(page.model()->goodCount(), reports);
    QCOMPARE(page.model()->rowCount(), reports);
}

QTEST_MAIN(TeacherReportsBench)
#include "bench_teacherreports.moc"
