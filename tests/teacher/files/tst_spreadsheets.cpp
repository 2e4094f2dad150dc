// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/resultsdatabase.h"
#include "teacher/exportcommand.h"
#include "teacher/files/classlistcsv.h"
#include "teacher/files/spreadsheetreader.h"
#include "teacher/files/xlsxexport.h"
#include "teacher/importcommand.h"
#include "teacher/resultsfixture.h"
#include "teacher/summarymodels.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <quazip.h>
#include <quazipfile.h>

class SpreadsheetsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void readsClassListsFromWorkbooks();
    void readsOdsAsTheSheetShowsIt();
    void refusesHostileAndForeignFiles();
    void exportsWorkbooksWithRealCells();
    void streamsResultsAndKeepsTheOldFile();
    void importCommandTellsWhatWasLeftOut();

private:
    [[nodiscard]] QString path(const QString &name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

namespace {

QByteArray zipped(const QList<std::pair<QString, QByteArray>> &entries)
{
    QBuffer buffer;
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate)) {
        qFatal("zip");
    }
    for (const auto &[name, content] : entries) {
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(name))) {
            qFatal("zip entry");
        }
        file.write(content);
        file.close();
    }
    zip.close();
    return buffer.data();
}

QByteArray entryOf(const QString &zipPath, const QString &name)
{
    QuaZip zip(zipPath);
    if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(name)) {
        return {};
    }
    QuaZipFile file(&zip);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray ods(const QByteArray &rows)
{
    const QByteArray content =
        R"(<?xml version="1.0" encoding="UTF-8"?>)"
        R"(<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0")"
        R"( xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0")"
        R"( xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0")"
        R"( office:version="1.3"><office:body><office:spreadsheet>)"
        R"(<table:table table:name="Třída"><table:table-column table:number-columns-repeated="3"/>)" +
        rows +
        R"(</table:table><table:table table:name="Jiný"><table:table-row><table:table-cell )"
        R"(office:value-type="string"><text:p>Nečíst</text:p></table:table-cell></table:table-row>)"
        R"(</table:table></office:spreadsheet></office:body></office:document-content>)";
    return zipped({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet"},
                   {QStringLiteral("content.xml"), content}});
}

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

// The cells of a written sheet by reference: "A2" → `<c …>…</c>`.
QHash<QString, QString> sheetCells(const QByteArray &sheet)
{
    QHash<QString, QString> cells;
    static const QRegularExpression cell(
        QStringLiteral(R"re(<c r="([A-Z]+\d+)"[^>]*?(/>|>.*?</c>))re"));
    for (const auto &match : cell.globalMatch(QString::fromUtf8(sheet))) {
        cells.insert(match.captured(1), match.captured(0));
    }
    return cells;
}

bool isNumberCell(const QString &cell, const QString &value)
{
    return !cell.contains(QStringLiteral(" t=\"")) &&
           cell.contains(QStringLiteral("<v>%1</v>").arg(value));
}

} // namespace

void SpreadsheetsTest::readsClassListsFromWorkbooks()
{
    // As a spreadsheet saves it: shared strings (one of them in runs), the first sheet named
    // by the workbook, cells by reference with gaps, a class typed as a number. Saved under a
    // CSV's name: told by its content.
    const QByteArray main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const QByteArray workbook =
        R"(<workbook xmlns=")" + main +
        R"(" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
        R"(<sheets><sheet name="8.B" sheetId="3" r:id="rId7"/><sheet name="Jiný" sheetId="1" )"
        R"(r:id="rId1"/></sheets></workbook>)";
    const QByteArray relations =
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="x/worksheet" Target="worksheets/sheet1.xml"/>)"
        R"(<Relationship Id="rId7" Type="x/worksheet" Target="/xl/worksheets/trida.xml"/>)"
        R"(<Relationship Id="rId9" Type="x/sharedStrings" Target="strings.xml"/></Relationships>)";
    const QByteArray strings =
        R"(<sst xmlns=")" + main +
        R"("><si><t>Příjmení</t></si><si><t>Jméno</t></si><si><t>Třída</t></si>)"
        R"(<si><r><t>Řezní</t></r><r><rPr><b/></rPr><t>ček</t></r><rPh><t>x</t></rPh></si>)"
        R"(<si><t>Novák</t></si><si><t>8.B</t></si></sst>)";
    const auto c = [](const char *reference, const char *value, const char *type = "s") {
        return QByteArray(R"(<c r=")") + reference + R"(" t=")" + type + R"("><v>)" + value +
               "</v></c>";
    };
    const QByteArray sheet =
        R"(<worksheet xmlns=")" + main + R"("><sheetData><row r="1">)" + c("A1", "0") +
        c("B1", "1") + c("C1", "2") + R"(</row><row r="2">)" + c("A2", "3") +
        R"(<c r="B2" t="inlineStr"><is><t>Šimon</t></is></c>)" + c("C2", "5") +
        R"(</row><row r="3">)" + c("A3", "4") +
        R"(<c r="B3" t="inlineStr"><is><t>Petr</t></is></c>)" + c("C3", "5") +
        R"(</row><row r="4">)" + c("A4", "4") +
        R"(<c r="B4" t="inlineStr"><is><t>Pavel</t></is></c>)" + c("C4", "5") +
        R"(</row><row r="5"><c r="A5" t="inlineStr"><is><t>Žluťoučká</t></is></c></row>)"
        R"(<row r="7"><c r="A7" t="inlineStr"><is><t>Dvořák</t></is></c><c r="C7" s="2">)"
        R"(<v>9</v></c><c r="D7"><f>1/3</f><v>0.33333333333333331</v></c></row>)"
        R"(</sheetData></worksheet>)";
    const QString file = path(QStringLiteral("trida.csv"));
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(zipped({{QStringLiteral("[Content_Types].xml"), "<Types/>"},
                          {QStringLiteral("xl/workbook.xml"), workbook},
                          {QStringLiteral("xl/_rels/workbook.xml.rels"), relations},
                          {QStringLiteral("xl/strings.xml"), strings},
                          {QStringLiteral("xl/worksheets/sheet1.xml"), "<worksheet/>"},
                          {QStringLiteral("xl/worksheets/trida.xml"), sheet}}));
    }
    ClassListSource source;
    QCOMPARE(readClassListFile(file, source), QString());
    QCOMPARE(source.spreadsheetFormat, QStringLiteral("XLSX"));
    QCOMPARE(source.cells.value(6), QStringList({"Dvořák", "", "9", "0,333333333333333"}));
    const ClassListOptions options = guessClassListOptions(source);
    QVERIFY(options.hasHeader);
    QVERIFY(options.joinFirstNames); // two Nováks in 8.B
    const ClassList list = parseClassList(source, options);
    QCOMPARE(rowsText(list), QStringLiteral("2:Řezníček Šimon|8.B 3:Novák Petr|8.B "
                                            "4:Novák Pavel|8.B 7:Dvořák|9"));
    QCOMPARE(issuesText(list), QStringLiteral("5:chybí třída 6:prázdný řádek"));
}

void SpreadsheetsTest::readsOdsAsTheSheetShowsIt()
{
    // Two equal rows written as one, a covered cell, spaces and a comment, a class as a
    // number, and the empty rest of the sheet as LibreOffice writes it.
    const QByteArray data = ods(
        R"(<table:table-header-rows><table:table-row>)"
        R"(<table:table-cell office:value-type="string"><text:p>Příjmení</text:p></table:table-cell>)"
        R"(<table:table-cell office:value-type="string"><text:p>Jméno</text:p></table:table-cell>)"
        R"(<table:table-cell office:value-type="string"><text:p>Třída</text:p></table:table-cell>)"
        R"(</table:table-row></table:table-header-rows>)"
        R"(<table:table-row table:number-rows-repeated="2">)"
        R"(<table:table-cell><text:p>Novák</text:p></table:table-cell>)"
        R"(<table:table-cell><text:p>Petr</text:p></table:table-cell>)"
        R"(<table:table-cell office:value-type="float" office:value="6">)"
        R"(<text:p>6,00</text:p></table:table-cell></table:table-row>)"
        R"(<table:table-row table:number-rows-repeated="3"><table:table-cell )"
        R"(table:number-columns-repeated="1024"/></table:table-row>)"
        R"(<table:table-row><table:table-cell table:number-columns-spanned="2">)"
        R"(<office:annotation><text:p>přišla v září</text:p></office:annotation>)"
        R"(<text:p>Nová<text:s text:c="2"/><text:span>Dvořáková</text:span></text:p>)"
        R"(</table:table-cell><table:covered-table-cell/><table:table-cell )"
        R"(table:number-columns-repeated="2"><text:p>6.A</text:p></table:table-cell></table:table-row>)"
        R"(<table:table-row table:number-rows-repeated="1048570"><table:table-cell )"
        R"(table:number-columns-repeated="1024"/></table:table-row>)");
    ClassListSource source;
    QCOMPARE(classListSource(data, QStringLiteral("trida.ods"), source), QString());
    QCOMPARE(source.spreadsheetFormat, QStringLiteral("ODS"));
    QCOMPARE(source.cells, QList<QStringList>({{"Příjmení", "Jméno", "Třída"},
                                               {"Novák", "Petr", "6"},
                                               {"Novák", "Petr", "6"},
                                               {},
                                               {},
                                               {},
                                               {"Nová  Dvořáková", "", "6.A", "6.A"}}));
    const ClassList list = parseClassList(source, guessClassListOptions(source));
    QCOMPARE(rowsText(list), QStringLiteral("2:Novák|6 7:Nová  Dvořáková|6.A"));
    QCOMPARE(list.issues.size(), 4); // line 3 twice, 4 to 6 empty
    QCOMPARE(list.issues.at(0).reason, QStringLiteral("žák je v souboru už na řádku 2"));
}

void SpreadsheetsTest::refusesHostileAndForeignFiles()
{
    // A row repeated a billion times, cells repeated beyond any sheet: bounded, and quick.
    QElapsedTimer clock;
    clock.start();
    const SpreadsheetTable huge = readSpreadsheet(
        ods(R"(<table:table-row table:number-rows-repeated="1000000000"><table:table-cell>)"
            R"(<text:p>Novák</text:p></table:table-cell></table:table-row>)"),
        QStringLiteral("velky.ods"));
    QVERIFY2(huge.failure.contains(QStringLiteral("přes 100\u00A0000 řádků")),
             qPrintable(huge.failure));
    const SpreadsheetTable wide = readSpreadsheet(
        ods(R"(<table:table-row><table:table-cell table:number-columns-repeated="2000000000">)"
            R"(<text:p>x</text:p></table:table-cell></table:table-row>)"),
        QStringLiteral("siroky.ods"));
    QCOMPARE(wide.failure, QString());
    QCOMPARE(wide.rows.size(), 1);
    QCOMPARE(wide.rows.at(0).size(), spreadsheetMaxColumns);
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));

    // Whatever its name, a file that is no class list says so and what to do.
    const QList<std::pair<const char *, QByteArray>> foreign{
        {"dokument PDF", QByteArray("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n1 0 obj\n")},
        {"obrázek", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)},
        {"archiv ZIP", zipped({{QStringLiteral("readme.txt"), "ahoj"}})},
        {"starém formátu", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0", 10)},
        {"binární soubor", QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8)}};
    for (const auto &[what, bytes] : foreign) {
        ClassListSource source;
        const QString refusal = classListSource(bytes, QStringLiteral("trida.csv"), source);
        QVERIFY2(refusal.startsWith(QStringLiteral("Soubor „trida.csv“ je")), qPrintable(refusal));
        QVERIFY2(refusal.contains(QString::fromUtf8(what)), qPrintable(refusal));
        QVERIFY2(refusal.endsWith(QStringLiteral("Uložte seznam jako CSV nebo XLSX.")),
                 qPrintable(refusal));
    }
    // A damaged workbook is not read as text either.
    const QByteArray damaged = zipped({{QStringLiteral("xl/workbook.xml"), "<workbook/>"},
                                       {QStringLiteral("xl/worksheets/sheet1.xml"),
                                        "<worksheet><sheetData><row><c t=\"s\"><v>7</v></c>"}});
    ClassListSource source;
    QVERIFY(classListSource(damaged, QStringLiteral("x.xlsx"), source).contains(u"poškozený"));

    // UTF-16 text, as a spreadsheet saves "Unicode text", is text.
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    const QByteArray unicode = utf16(QStringLiteral("Příjmení\tTřída\r\nŠťastná\t8.A\r\n"));
    QCOMPARE(classListSource(unicode, QStringLiteral("trida.txt"), source), QString());
    QCOMPARE(rowsText(parseClassList(source, guessClassListOptions(source))),
             QStringLiteral("2:Šťastná|8.A"));
}

void SpreadsheetsTest::exportsWorkbooksWithRealCells()
{
    ValueTableModel model({QStringLiteral("Den"), QStringLiteral("Úspěšnost (%)"),
                           QStringLiteral("Běhy"), QStringLiteral("Žák"),
                           QStringLiteral("Poznámka")});
    model.setRows({{QDate(2026, 3, 3), 66.625, 3, QStringLiteral("=1+1"), QVariant()}});
    const QString file = path(QStringLiteral("souhrn.xlsx"));
    QCOMPARE(modelXlsx(model, file, QStringLiteral("Souhrn")), QString());

    const QByteArray sheet = entryOf(file, QStringLiteral("xl/worksheets/sheet1.xml"));
    const QHash<QString, QString> cells = sheetCells(sheet);
    QVERIFY2(isNumberCell(cells.value("A2"), QStringLiteral("46084")),
             qPrintable(cells.value("A2")));
    QVERIFY2(isNumberCell(cells.value("B2"), QStringLiteral("66.625")),
             qPrintable(cells.value("B2")));
    QVERIFY2(isNumberCell(cells.value("C2"), QStringLiteral("3")), qPrintable(cells.value("C2")));
    QVERIFY(cells.value("D2").contains(QStringLiteral("t=\"inlineStr\"><is><t>=1+1</t>")));
    QVERIFY(!cells.contains(QStringLiteral("E2")));
    QVERIFY(!sheet.contains("<f>"));
    QVERIFY(sheet.contains(R"(<pane ySplit="1")"));
    QVERIFY(sheet.contains("<cols>"));
    const QByteArray styles = entryOf(file, QStringLiteral("xl/styles.xml"));
    QVERIFY(styles.contains("<b/>"));
    QVERIFY(styles.contains(R"(formatCode="d.m.yyyy")"));
    QVERIFY(styles.contains(R"(formatCode="0.00")"));

    // Read back as a class list would be: the header and the formula as a text.
    QFile back(file);
    QVERIFY(back.open(QIODevice::ReadOnly));
    const SpreadsheetTable table = readSpreadsheet(back.readAll(), QStringLiteral("souhrn.xlsx"));
    QCOMPARE(table.rows.value(0), QStringList({"Den", "Úspěšnost (%)", "Běhy", "Žák", "Poznámka"}));
    QCOMPARE(table.rows.value(1), QStringList({"46084", "66,625", "3", "=1+1"}));

    const QString nowhere = path(QStringLiteral("neni/souhrn.xlsx"));
    QVERIFY(
        modelXlsx(model, nowhere)
            .startsWith(
                QStringLiteral("Soubor „%1“ nelze uložit").arg(QDir::toNativeSeparators(nowhere))));
}

void SpreadsheetsTest::streamsResultsAndKeepsTheOldFile()
{
    const auto database = createResultsFixture(path(QStringLiteral("vysledky.db")));
    const ResultsDatabase results(*database);
    ResultFilter filter;
    filter.className = QStringLiteral("5C");
    const QString file = path(QStringLiteral("vysledky.xlsx"));
    const ExportOutcome outcome = exportResultsXlsx(results, filter, {}, file);
    QCOMPARE(outcome.failure, QString());
    QCOMPARE(outcome.rows, 3);
    const QHash<QString, QString> cells =
        sheetCells(entryOf(file, QStringLiteral("xl/worksheets/sheet1.xml")));
    QVERIFY(cells.value("A1").contains(QStringLiteral("Datum")));
    QVERIFY(isNumberCell(cells.value("A2"), QStringLiteral("46084")));
    QVERIFY(isNumberCell(cells.value("F3"), QStringLiteral("3")));
    QVERIFY(isNumberCell(cells.value("I3"), QStringLiteral("66.67")));
    QVERIFY(!cells.contains(QStringLiteral("I2"))); // no success without answers
    QVERIFY(cells.value("D4").contains(QStringLiteral("t=\"inlineStr\"><is><t>=1+1</t>")));

    // Cancelled: the old file stays, and nothing of the new one is left beside it.
    QFile old(file);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("starý");
    old.close();
    const ExportOutcome cancelled =
        exportResultsXlsx(results, {}, {}, file, [](qint64) { return false; });
    QVERIFY(cancelled.cancelled);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("starý"));
    QCOMPARE(QDir(dir_.path())
                 .entryList(QDir::Files | QDir::Hidden)
                 .filter(QStringLiteral("vysledky.xlsx")),
             QStringList({"vysledky.xlsx"}));

    // The command line writes a workbook by the name.
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const QString summary = path(QStringLiteral("souhrn.xlsx"));
    QCOMPARE(
        runSummaryExportCommand({"--export-summary", summary}, database->location().path, out, err),
        0);
    QVERIFY(entryOf(summary, QStringLiteral("xl/worksheets/sheet1.xml")).contains("Novák"));
    QVERIFY(entryOf(summary, QStringLiteral("xl/workbook.xml")).contains("Souhrn"));
}

void SpreadsheetsTest::importCommandTellsWhatWasLeftOut()
{
    const QString databasePath = path(QStringLiteral("skola.db"));
    TeacherDatabase::create(DatabaseLocation::sqliteFile(databasePath), false);
    const auto run = [&](const QStringList &arguments, QString *errText = nullptr) {
        QBuffer out;
        QBuffer err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        const int status = runImportCommand(arguments, databasePath, out, err);
        if (errText != nullptr) {
            *errText = QString::fromUtf8(err.data());
        }
        return status;
    };
    const auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly)) {
            qFatal("write");
        }
        file.write(bytes);
        return file.fileName();
    };

    QCOMPARE(run({"--import-pupils", write("a.csv", "Příjmení;Třída\nMalá;1.A\nVelký;1.A\n")}), 0);
    // Namesakes with first names are joined; the pupil without a class is left out.
    QString err;
    const QString withGaps =
        write("b.ods", ods(R"(<table:table-row>)"
                           R"(<table:table-cell><text:p>Příjmení</text:p></table:table-cell>)"
                           R"(<table:table-cell><text:p>Jméno</text:p></table:table-cell>)"
                           R"(<table:table-cell><text:p>Třída</text:p></table:table-cell>)"
                           R"(</table:table-row><table:table-row>)"
                           R"(<table:table-cell><text:p>Novák</text:p></table:table-cell>)"
                           R"(<table:table-cell><text:p>Petr</text:p></table:table-cell>)"
                           R"(<table:table-cell><text:p>8.B</text:p></table:table-cell>)"
                           R"(</table:table-row><table:table-row>)"
                           R"(<table:table-cell><text:p>Novák</text:p></table:table-cell>)"
                           R"(<table:table-cell><text:p>Pavel</text:p></table:table-cell>)"
                           R"(<table:table-cell><text:p>8.B</text:p></table:table-cell>)"
                           R"(</table:table-row><table:table-row>)"
                           R"(<table:table-cell><text:p>Bez</text:p></table:table-cell>)"
                           R"(</table:table-row>)"));
    QCOMPARE(run({"--database", databasePath, "--import-pupils", withGaps}, &err), 1);
    QCOMPARE(err, QStringLiteral("Řádek 4: chybí třída\n"));
    // Again: everything is there already.
    QCOMPARE(run({"--import-pupils", withGaps}, &err), 1);
    QVERIFY2(err.contains(QStringLiteral("Řádek 2: ")) && err.contains(QStringLiteral("Řádek 3: ")),
             qPrintable(err));
    QStringList stored;
    for (const PupilRecord &pupil :
         TeacherDatabase::open(DatabaseLocation::sqliteFile(databasePath))->pupils()) {
        stored << pupil.surname + u'|' + pupil.className;
    }
    QCOMPARE(stored, QStringList({"Malá|1.A", "Novák Pavel|8.B", "Novák Petr|8.B", "Velký|1.A"}));

    QCOMPARE(run({"--import-pupils", write("c.pdf", "%PDF-1.4\n")}, &err), 2);
    QVERIFY(err.endsWith(QStringLiteral("Uložte seznam jako CSV nebo XLSX.\n")));
    QCOMPARE(run({"--import-pupils", path(QStringLiteral("neni.csv"))}), 2);
    QCOMPARE(run({"--import-pupils"}), 2);
    QCOMPARE(run({"--import-pupils", withGaps, "--class", "8.B"}), 2);
}

QTEST_GUILESS_MAIN(SpreadsheetsTest)
#include "tst_spreadsheets.moc"
