// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/resultsdatabase.h"
#include "database/teacherdatabase.h"
#include "support/reportblocks.h"
#include "teacher/decodecommand.h"
#include "teacher/files/csvwriter.h"
#include "teacher/resultformat.h"

#include <QBuffer>
#include <QFile>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

// Every CSV the teacher's program writes, fed names that a spreadsheet would run as formulas:
// each must come out as text.
class CsvExportsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }
    void noExportPlantsAFormula();

private:
    QTemporaryDir dir_;
};

namespace {

const QStringList hostileTexts{QStringLiteral("=1+1"), QStringLiteral("+cmd"),
                               QStringLiteral("-1+1"), QStringLiteral("@SUM(A1:A3)"),
                               QStringLiteral("=HYPERLINK(\"http://x\",\"y\")")};

// The fields of a ";" file as a spreadsheet reads them: quotes removed, doubled quotes single.
QStringList csvFields(const QByteArray &file)
{
    QString text = QString::fromUtf8(file);
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == u';' || c == u'\n') {
            fields << field;
            field.clear();
        } else if (c != u'\r') {
            field += c;
        }
    }
    return fields;
}

} // namespace

void CsvExportsTest::noExportPlantsAFormula()
{
    QList<std::pair<QString, QString>> classList;
    QStandardItemModel model(0, 1);
    QByteArray mail;
    QList<ReportRow> reports;
    for (const QString &text : hostileTexts) {
        classList.append({text, text});
        model.appendRow(new QStandardItem(text));
        mail +=
            pupilReportBlock(text, QStringLiteral("5C"), 2, 1, 10 + int(reports.size())).toUtf8() +
            "\n\n";
        ReportRow row;
        row.student = row.pupilSurname = text;
        row.className = row.pupilClass = QStringLiteral("5C");
        row.from = QDateTime(QDate(2026, 3, 3), QTime(9, 0));
        row.to = row.from.addSecs(600);
        row.answers = 3;
        row.correct = 2;
        row.wrong = 1;
        row.text = row.canonicalBlock = row.originalText = QStringLiteral("blok ") + text;
        reports << row;
    }

    const QString mailPath = dir_.filePath(QStringLiteral("posta.txt"));
    QFile mailFile(mailPath);
    QVERIFY(mailFile.open(QIODevice::WriteOnly));
    mailFile.write(mail);
    mailFile.close();
    QBuffer decoded;
    QBuffer errors;
    decoded.open(QIODevice::WriteOnly);
    errors.open(QIODevice::WriteOnly);
    QCOMPARE(runDecodeCommand({mailPath}, decoded, errors), 0);

    const auto database = TeacherDatabase::create(
        DatabaseLocation::sqliteFile(dir_.filePath(QStringLiteral("skola.mdb"))), false);
    for (const QString &text : hostileTexts) {
        database->addPupil(text, QStringLiteral("5C"));
    }
    database->storeReports(reports, QDateTime(QDate(2026, 3, 4), QTime(8, 0)));
    const ResultsDatabase results(*database);
    const QString resultsPath = dir_.filePath(QStringLiteral("vysledky.csv"));
    QVERIFY(exportResultsCsv(results, {}, {}, resultsPath).failure.isEmpty());
    QFile resultsFile(resultsPath);
    QVERIFY(resultsFile.open(QIODevice::ReadOnly));

    const QList<std::pair<const char *, QByteArray>> exports{
        {"seznam třídy", writeClassListCsv(classList)},
        {"--decode", decoded.data()},
        {"výsledky", resultsFile.readAll()},
        {"tabulka", modelCsv(model)}};
    for (const auto &[name, file] : exports) {
        const QStringList fields = csvFields(file);
        for (const QString &field : fields) {
            QVERIFY2(field.isEmpty() || !QStringLiteral("=+-@\t\r").contains(field.front()),
                     qPrintable(QStringLiteral("%1: %2").arg(QString::fromUtf8(name), field)));
        }
        for (const QString &text : hostileTexts) {
            QVERIFY2(fields.contains(u'\'' + text),
                     qPrintable(QStringLiteral("%1: %2").arg(QString::fromUtf8(name), text)));
        }
    }
}

QTEST_GUILESS_MAIN(CsvExportsTest)
#include "tst_csvexports.moc"
