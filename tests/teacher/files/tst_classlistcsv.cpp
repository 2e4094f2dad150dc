// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/files/classlistcsv.h"
#include "teacher/files/csvwriter.h"

#include <QElapsedTimer>
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
    void missingClassesAndNamesakesAreReported();
    void headersInCzechSlovakAndEnglish();
    void hostileFileReadsInLinearTime();
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
        {QStringLiteral("O\"Neill; ml."), QStringLiteral("2.C")},
        {QStringLiteral("Dva\nřádky"), QStringLiteral("1")}};
    const QByteArray file = writeClassListCsv(pupils);
    QCOMPARE(file, QByteArray("\xEF\xBB\xBF"
                              "Příjmení;Třída\r\nNovák;3.A\r\n\"O\"\"Neill; ml.\";2.C\r\n"
                              "\"Dva\nřádky\";1\r\n"));
    const ClassList list = parseClassList(file, guessClassListOptions(file));
    QCOMPARE(rowsText(list), QStringLiteral("2:Novák|3.A 3:O\"Neill; ml.|2.C 4:Dva\nřádky|1"));
}

void ClassListCsvTest::missingClassesAndNamesakesAreReported()
{
    // A school system's list with first names: two Petr Nováks' namesakes in 8.B.
    const QByteArray withNames = "Příjmení;Jméno;Třída\n"
                                 "Novák;Petr;8.B\n"  // 2
                                 "Novák;Pavel;8.B\n" // 3: a namesake
                                 "Černá;Eva;\n"      // 4: no class
                                 ";Jan;\n"           // 5: neither
                                 "Novák;Petr;8.B\n"  // 6: line 2 again
                                 "Novák;Petr;9.A\n"; // 7: another class
    ClassListOptions options = guessClassListOptions(withNames);
    QVERIFY(options.joinFirstNames);
    ClassList list = parseClassList(withNames, options);
    QVERIFY(list.hasFirstNames && list.hasNamesakes);
    QCOMPARE(rowsText(list), QStringLiteral("2:Novák Petr|8.B 3:Novák Pavel|8.B 7:Novák Petr|9.A"));
    QCOMPARE(issuesText(list), QStringLiteral("4:chybí třída 5:chybí příjmení a třída "
                                              "6:žák je v souboru už na řádku 2"));

    // Without the first names the namesake is reported, not silently dropped.
    options.joinFirstNames = false;
    list = parseClassList(withNames, options);
    QCOMPARE(rowsText(list), QStringLiteral("2:Novák|8.B 7:Novák|9.A"));
    QCOMPARE(list.issues.size(), 4);
    QCOMPARE(list.issues.at(0).line, 3);
    QCOMPARE(list.issues.at(0).reason,
             QStringLiteral("žák „Novák“ ve třídě 8.B je v souboru už na řádku 2 (Petr, zde "
                            "Pavel): připojte jména k příjmení, jinak je nelze rozlišit"));
    QCOMPARE(list.issues.at(3).reason, QStringLiteral("žák je v souboru už na řádku 2"));

    // A list without first names cannot tell them apart: the teacher is told how to.
    const QByteArray plain = "Novák;8.B\nNovák;8.B\n";
    options = guessClassListOptions(plain);
    QVERIFY(!options.joinFirstNames);
    list = parseClassList(plain, options);
    QCOMPARE(rowsText(list), QStringLiteral("1:Novák|8.B"));
    QCOMPARE(issuesText(list),
             QStringLiteral("2:žák „Novák“ ve třídě 8.B je v souboru už na řádku 1: jsou-li to "
                            "dva žáci, přidejte sloupec Jméno, jinak je nelze rozlišit"));
}

void ClassListCsvTest::headersInCzechSlovakAndEnglish()
{
    // The same rows from any order of columns; a table of a sheet as a CSV.
    const QList<QStringList> slovak{{"Trieda", "Meno", "Priezvisko"}, {"7.A", "Ján", "Kováč"}};
    const QList<QStringList> english{{"First name", "Surname", "Class"}, {"Ján", "Kováč", "7.A"}};
    const QList<QStringList> wholeName{{"Žák", "Třída"}, {"Kováč Ján", "7.A"}};
    QCOMPARE(rowsText(parseClassListTable(slovak, true, true)), QStringLiteral("2:Kováč Ján|7.A"));
    QCOMPARE(rowsText(parseClassListTable(english, true, true)), QStringLiteral("2:Kováč Ján|7.A"));
    QCOMPARE(rowsText(parseClassListTable(english, true)), QStringLiteral("2:Kováč|7.A"));
    const ClassList whole = parseClassListTable(wholeName, true, true);
    QVERIFY(!whole.hasFirstNames);
    QCOMPARE(rowsText(whole), QStringLiteral("2:Kováč Ján|7.A"));
}

void ClassListCsvTest::hostileFileReadsInLinearTime()
{
    // A megabyte of quote marks after a blank, after a letter, and quoted fields one by one.
    for (const QByteArray &file : {" " + QByteArray(1 << 20, '"'), " x" + QByteArray(1 << 20, '"'),
                                   QByteArray(" \"a\";").repeated(1 << 18)}) {
        QElapsedTimer clock;
        clock.start();
        const ClassListOptions options = guessClassListOptions(file);
        const ClassList list = parseClassList(file, options);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    }
}

QTEST_GUILESS_MAIN(ClassListCsvTest)
#include "tst_classlistcsv.moc"
