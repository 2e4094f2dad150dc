// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/files/mailtext.h"
#include "results/reportdecoder.h"
#include "results/reportencoder.h"
#include "results/teacherreport.h"

#include "app/sharedstate.h"
#include "support/sequencesource.h"

#include <QRandomGenerator>
#include <QTest>

// Finding and decoding the reports of a whole class year pasted at once.
class ReportDecoderBenchmark : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void findReportBlocks();
    void readableTextAndBlocks();

private:
    QString pasted_;
};

namespace {
constexpr int reports = 10'000;
} // namespace

void ReportDecoderBenchmark::initTestCase()
{
    QRandomGenerator random(2026);
    const QLocale czech(QLocale::Czech, QLocale::Czechia);
    SequenceSource salts;
    ReportEncoder encoder(salts);
    for (int i = 0; i < reports; ++i) {
        SharedState state;
        state.reportName = QStringLiteral("Žák Příjmení-%1").arg(i);
        state.reportClass = QStringLiteral("%1.%2").arg(1 + i % 9).arg(QChar(u'A' + i % 4));
        state.correctCount = random.bounded(200);
        state.wrongCount = random.bounded(200);
        state.reportStart = QDateTime(QDate(2026, 9, 1).addDays(i % 300), QTime(8, 0));
        salts.setValues({static_cast<float>(random.bounded(1.0))});
        encoder.beginReportBlock();
        encoder.encodeReportText(buildTeacherReport(state, state.reportStart.addSecs(2700), czech));
        pasted_ += QStringLiteral("Posílám výsledky, %1\r\n").arg(i) + encoder.reportBlockText() +
                   QStringLiteral("\r\n");
    }
    qInfo("%lld characters", static_cast<long long>(pasted_.size()));
}

void ReportDecoderBenchmark::findReportBlocks()
{
    QList<DecodedReport> found;
    QBENCHMARK
    {
        found = ::findReportBlocks(pasted_);
    }
    QCOMPARE(found.size(), reports);
    QVERIFY(found.back().isOk());
}

void ReportDecoderBenchmark::readableTextAndBlocks()
{
    const QByteArray file = pasted_.toUtf8();
    QList<DecodedReport> found;
    QBENCHMARK
    {
        found = ::findReportBlocks(readableMailText(file));
    }
    QCOMPARE(found.size(), reports);
}

QTEST_GUILESS_MAIN(ReportDecoderBenchmark)
#include "bench_reportdecoder.moc"
