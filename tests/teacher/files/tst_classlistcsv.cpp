// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/files/classlistcsv.h"
#include "teacher/files/csvwriter.h"

#include <QStringEncoder>
#include <QTest>

class ClassListCsvTest : public QObject
{
    Q_OBJECT

private slots:
    void readsASpreadsheetExport();
    void guessesEncodingSeparatorAndHeader_data();
    void guessesEncodingSeparatorAndHeader();
    void writtenListReadsBack();
};

namespace {
QString rowsText(const ClassList &list)
{
    QStringList rows;
    for (const ClassListRow &row : list.rows) {
        rows << QStringLiteral("%1:%2|%3").arg(row.line).arg(row.surname, row.className);
    }
    return rows.join(u' ');
}

QString issuesText(const ClassList &list)
{
    QStringList issues;
    for (const ClassListIssue &issue : list.issues) {
        issues << QStringLiteral("%1:%2").arg(issue.line).arg(issue.reason);
    }
    return issues.join(u' ');
}
} // namespace

void ClassListCsvTest::readsASpreadsheetExport()
{
    const QByteArray file = "\xEF\xBB\xBF"
                            "\"Třída\";Jméno;\"Příjmení\"\r\n"       // 1: header, class first
                            "3.A;Jan;Novák\r\n"                      // 2
                            "\"3;B\";Eva;\"Černá \"\"Evka\"\"\"\r\n" // 3: ; and "" inside
                            "\r\n"                                   // 4: empty
                            "3.A;Jan; Novák \r\n"                    // 5: same as line 2
                            "3.B;Petr;\r\n"                          // 6: no surname
                            "4.C;\"Ota\r\nml.\";Šťastný\r\n"         // 7-8: line break in quotes
                            ";;\r\n"                                 // 9: empty fields only
                            "4.C;;Dvořák";                           // 10: no final line break
    const ClassListOptions options = guessClassListOptions(file);
    QCOMPARE(options.encoding, ClassListOptions::Encoding::Utf8);
    QCOMPARE(options.separator, QChar(u';'));
    QVERIFY(options.hasHeader);

    const ClassList list = parseClassList(file, options);
    QCOMPARE(rowsText(list), QStringLiteral("2:Novák|3.A 3:Černá \"Evka\"|3;B 7:Šťastný|4.C "
                                            "10:Dvořák|4.C"));
    QCOMPARE(issuesText(list), QStringLiteral("4:prázdný řádek 5:žák je v souboru už na řádku 2 "
                                              "6:chybí příjmení 9:prázdný řádek"));
}

void ClassListCsvTest::guessesEncodingSeparatorAndHeader_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("header");
    QTest::addColumn<QString>("rows");
    QStringEncoder windows1250("windows-1250");
    const auto w = [&](const QString &text) { return QByteArray(windows1250.encode(text)); };
    const int utf8 = static_cast<int>(ClassListOptions::Encoding::Utf8);
    const int cp1250 = static_cast<int>(ClassListOptions::Encoding::Windows1250);

    QTest::newRow("Windows-1250, commas, no header")
        << w(QStringLiteral("Kůň,2.A\nŘíha,2.A\n\"Nový, st.\",2.B\n")) << cp1250 << "," << false
        << QStringLiteral("1:Kůň|2.A 2:Říha|2.A 3:Nový, st.|2.B");
    QTest::newRow("UTF-8 tabs, plain header")
        << QStringLiteral("PRIJMENI\tTRIDA\nŽák, Jan\t1.A\n").toUtf8() << utf8 << "\t" << true
        << QStringLiteral("2:Žák, Jan|1.A");
    QTest::newRow("Windows-1250 header, semicolons, names with commas")
        << w(QStringLiteral("Příjmení;Třída\r\nČech, Jan;5.A\r\nŘeha, Petr;5.A\r\n")) << cp1250
        << ";" << true << QStringLiteral("2:Čech, Jan|5.A 3:Řeha, Petr|5.A");
}

void ClassListCsvTest::guessesEncodingSeparatorAndHeader()
{
    QFETCH(QByteArray, file);
    QFETCH(int, encoding);
    QFETCH(QString, separator);
    QFETCH(bool, header);
    QFETCH(QString, rows);
    const ClassListOptions options = guessClassListOptions(file);
    QCOMPARE(static_cast<int>(options.encoding), encoding);
    QCOMPARE(QString(options.separator), separator);
    QCOMPARE(options.hasHeader, header);
    const ClassList list = parseClassList(file, options);
    QCOMPARE(rowsText(list), rows);
    QVERIFY(list.issues.isEmpty());
}

void ClassListCsvTest::writtenListReadsBack()
{
    const QList<std::pair<QString, QString>> pupils{
        {QStringLiteral("Novák"), QStringLiteral("3.A")},
        {QStringLiteral("O\"Neill; ml."), QString()},
        {QStringLiteral("Dva\nřádky"), QStringLiteral("1")}};
    const QByteArray file = writeClassListCsv(pupils);
    QCOMPARE(file, QByteArray("\xEF\xBB\xBF"
                              "Příjmení;Třída\r\nNovák;3.A\r\n\"O\"\"Neill; ml.\";\r\n"
                              "\"Dva\nřádky\";1\r\n"));
    const ClassList list = parseClassList(file, guessClassListOptions(file));
    QCOMPARE(rowsText(list), QStringLiteral("2:Novák|3.A 3:O\"Neill; ml.| 4:Dva\nřádky|1"));
}

QTEST_GUILESS_MAIN(ClassListCsvTest)
#include "tst_classlistcsv.moc"
