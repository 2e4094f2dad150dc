// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/files/spreadsheetreader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QMap>
#include <QXmlStreamReader>

#include <quazip.h>
#include <quazipfile.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(SpreadsheetReader)
};

// An entry of the zip is read whole, up to this size: a class list's sheet is a few hundred
// kilobytes, and a zip bomb stops here.
constexpr qint64 maxEntrySize = 32 * 1024 * 1024;
// Bytes looked at to tell text from a binary file.
constexpr qsizetype sniffSize = 64 * 1024;
// Spaces a single <text:s text:c="…"/> of ODS may stand for.
constexpr qint64 maxRepeatedSpaces = 1000;

const QByteArray zipMagic = QByteArrayLiteral("PK\x03\x04");
const QByteArray oleMagic = QByteArrayLiteral("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");

const QString odsMime = QStringLiteral("application/vnd.oasis.opendocument.spreadsheet");
const QString tableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString officeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString textNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");

enum class EntryStatus
{
    Read,
    Missing,
    TooBig,
    Damaged
};

// The zip held in memory.
class Zip
{
public:
    explicit Zip(const QByteArray &data) : buffer_(), zip_(&buffer_)
    {
        buffer_.setData(data);
        open_ = zip_.open(QuaZip::mdUnzip);
    }
    [[nodiscard]] bool isOpen() const { return open_; }

    EntryStatus read(const QString &name, QByteArray &content)
    {
        content.clear();
        if (!open_ || !zip_.setCurrentFile(name, QuaZip::csInsensitive)) {
            return EntryStatus::Missing;
        }
        QuaZipFile file(&zip_);
        if (!file.open(QIODevice::ReadOnly)) {
            return EntryStatus::Damaged;
        }
        char chunk[65536];
        for (;;) {
            const qint64 got = file.read(chunk, sizeof chunk);
            if (got < 0) {
                return EntryStatus::Damaged;
            }
            if (got == 0) {
                break;
            }
            if (content.size() + got > maxEntrySize) {
                return EntryStatus::TooBig;
            }
            content.append(chunk, got);
        }
        file.close();
        // A wrong checksum is a damaged file, not a sheet with holes.
        return file.getZipError() == UNZ_OK ? EntryStatus::Read : EntryStatus::Damaged;
    }

    bool has(const QString &name)
    {
        return open_ && zip_.setCurrentFile(name, QuaZip::csInsensitive);
    }

private:
    QBuffer buffer_;
    QuaZip zip_;
    bool open_ = false;
};

// A number of a sheet as the teacher typed it: "8" for 8.0, "1,5" for 1.5; text that is no
// number stays as it is.
QString numberText(QStringView value)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(value.trimmed(), &ok);
    if (!ok || !std::isfinite(number)) {
        return value.toString();
    }
    if (number == std::floor(number) && std::fabs(number) < 1e15) {
        return QString::number(static_cast<qint64>(number));
    }
    return QString::number(number, 'g', 15).replace(u'.', u',');
}

// Builds the table of a sheet from its cells, bounded in rows and columns.
class TableBuilder
{
public:
    // Sets a cell by its 0-based row and column; false when the row is beyond the bounds.
    bool set(qint64 row, qint64 column, const QString &text)
    {
        if (text.isEmpty() || row < 0 || column < 0 || column >= spreadsheetMaxColumns) {
            return true;
        }
        if (row >= spreadsheetMaxRows) {
            return false;
        }
        QStringList &cells = rows_[static_cast<int>(row)];
        while (cells.size() <= column) {
            cells.append(QString());
        }
        cells[column] = text;
        return true;
    }

    [[nodiscard]] QList<QStringList> rows() const
    {
        QList<QStringList> table;
        if (rows_.isEmpty()) {
            return table;
        }
        table.resize(rows_.lastKey() + 1);
        for (auto it = rows_.cbegin(); it != rows_.cend(); ++it) {
            table[it.key()] = it.value();
        }
        return table;
    }

private:
    QMap<int, QStringList> rows_;
};

QString tooManyRows(const QString &fileName)
{
    return Texts::tr("Na prvním listu sešitu „%1“ je přes %2 řádků, takový seznam třídy není. "
                     "Uložte seznam jako CSV nebo XLSX.")
        .arg(fileName, QLocale().toString(spreadsheetMaxRows));
}

QString damaged(const QString &fileName, const QString &format)
{
    return Texts::tr(
               "Sešit %1 „%2“ je poškozený a nelze ho přečíst. Otevřete ho v tabulkovém procesoru "
               "a uložte seznam jako CSV nebo XLSX.")
        .arg(format, fileName);
}

QString entryFailure(EntryStatus status, const QString &fileName, const QString &format)
{
    if (status == EntryStatus::TooBig) {
        return Texts::tr(
                   "Sešit %1 „%2“ je na seznam třídy příliš velký. Uložte seznam jako CSV nebo "
                   "XLSX.")
            .arg(format, fileName);
    }
    return damaged(fileName, format);
}

// ---- XLSX ----

// The text of <si> or <is>: its <t>, or the <t> of its runs; phonetic hints (<rPh>) are not
// part of it.
QString richText(QXmlStreamReader &xml)
{
    QString text;
    const QString end = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == end) {
            break;
        }
        if (xml.isStartElement()) {
            if (xml.name() == u"rPh") {
                xml.skipCurrentElement();
            } else if (xml.name() == u"t") {
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        }
    }
    return text;
}

std::optional<QStringList> sharedStrings(const QByteArray &content)
{
    QStringList strings;
    QXmlStreamReader xml(content);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si") {
            strings.append(richText(xml));
        }
    }
    if (xml.hasError()) {
        return std::nullopt;
    }
    return strings;
}

// "B12" → column 1, row 11; a part that is missing stays as it was.
void cellReference(QStringView reference, qint64 &row, qint64 &column)
{
    qint64 letters = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference.at(i).isLetter() && i < 4; ++i) {
        letters = letters * 26 + (reference.at(i).toUpper().unicode() - u'A' + 1);
    }
    if (letters > 0) {
        column = letters - 1;
    }
    bool ok = false;
    const qint64 number = reference.sliced(i).toLongLong(&ok);
    if (ok && number > 0) {
        row = number - 1;
    }
}

// The first sheet named in the workbook, as a path in the zip.
QString firstSheetPath(Zip &zip, QString &sharedStringsPath)
{
    QString sheetPath = QStringLiteral("xl/worksheets/sheet1.xml");
    sharedStringsPath = QStringLiteral("xl/sharedStrings.xml");
    QByteArray content;
    if (zip.read(QStringLiteral("xl/workbook.xml"), content) != EntryStatus::Read) {
        return sheetPath;
    }
    QString firstId;
    for (QXmlStreamReader xml(content); !xml.atEnd() && firstId.isEmpty();) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"sheet") {
            for (const QXmlStreamAttribute &attribute : xml.attributes()) {
                // r:id, not sheetId
                if (attribute.name() == u"id") {
                    firstId = attribute.value().toString();
                }
            }
        }
    }
    if (zip.read(QStringLiteral("xl/_rels/workbook.xml.rels"), content) != EntryStatus::Read) {
        return sheetPath;
    }
    const auto inZip = [](QStringView target) {
        return target.startsWith(u'/') ? QDir::cleanPath(target.sliced(1).toString())
                                       : QDir::cleanPath(QStringLiteral("xl/") + target.toString());
    };
    for (QXmlStreamReader xml(content); !xml.atEnd();) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"Relationship") {
            const QXmlStreamAttributes attributes = xml.attributes();
            const QStringView target = attributes.value(QStringLiteral("Target"));
            if (!firstId.isEmpty() && attributes.value(QStringLiteral("Id")) == firstId) {
                sheetPath = inZip(target);
            } else if (attributes.value(QStringLiteral("Type")).endsWith(u"/sharedStrings")) {
                sharedStringsPath = inZip(target);
            }
        }
    }
    return sheetPath;
}

SpreadsheetTable readXlsx(Zip &zip, const QString &fileName)
{
    SpreadsheetTable table;
    const QString format = QStringLiteral("XLSX");
    QString stringsPath;
    const QString sheetPath = firstSheetPath(zip, stringsPath);
    QByteArray content;
    QStringList strings;
    if (const EntryStatus status = zip.read(stringsPath, content); status == EntryStatus::Read) {
        std::optional<QStringList> read = sharedStrings(content);
        if (!read) {
            table.failure = damaged(fileName, format);
            return table;
        }
        strings = std::move(*read);
    } else if (status != EntryStatus::Missing) {
        table.failure = entryFailure(status, fileName, format);
        return table;
    }
    if (const EntryStatus status = zip.read(sheetPath, content); status != EntryStatus::Read) {
        table.failure = entryFailure(status, fileName, format);
        return table;
    }

    TableBuilder builder;
    QXmlStreamReader xml(content);
    qint64 row = -1;
    qint64 column = -1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == u"row") {
            ++row;
            bool ok = false;
            const qint64 number = xml.attributes().value(QStringLiteral("r")).toLongLong(&ok);
            if (ok && number > 0) {
                row = number - 1;
            }
            column = -1;
        } else if (xml.name() == u"c") {
            ++column;
            const QXmlStreamAttributes attributes = xml.attributes();
            cellReference(attributes.value(QStringLiteral("r")), row, column);
            const QString type = attributes.value(QStringLiteral("t")).toString();
            QString value;
            QString inlineText;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isEndElement() && xml.name() == u"c") {
                    break;
                }
                if (!xml.isStartElement()) {
                    continue;
                }
                if (xml.name() == u"v") {
                    value = xml.readElementText(QXmlStreamReader::SkipChildElements);
                } else if (xml.name() == u"is") {
                    inlineText = richText(xml);
                } else {
                    // a formula: its last value is in <v>
                    xml.skipCurrentElement();
                }
            }
            QString text;
            if (type == u"s") {
                bool ok = false;
                const qsizetype index = value.trimmed().toLongLong(&ok);
                if (!ok || index < 0 || index >= strings.size()) {
                    table.failure = damaged(fileName, format);
                    return table;
                }
                text = strings.at(index);
            } else if (type == u"inlineStr") {
                text = inlineText;
            } else if (type.isEmpty() || type == u"n") {
                text = numberText(value);
            } else {
                text = value; // str (a formula's text), b, e, d: as stored
            }
            if (!builder.set(row, column, text)) {
                table.failure = tooManyRows(fileName);
                return table;
            }
        }
    }
    if (xml.hasError()) {
        table.failure = damaged(fileName, format);
        return table;
    }
    table.rows = builder.rows();
    return table;
}

// ---- ODS ----

qint64 repeated(const QXmlStreamAttributes &attributes, const QString &name)
{
    bool ok = false;
    const qint64 count = attributes.value(tableNs, name).toLongLong(&ok);
    return ok && count > 1 ? count : 1;
}

// The text of a <text:p> or of an element inside it.
void paragraphText(QXmlStreamReader &xml, QString &text)
{
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            return;
        }
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement()) {
            if (xml.namespaceUri() == textNs && xml.name() == u"s") {
                bool ok = false;
                const qint64 count =
                    xml.attributes().value(textNs, QStringLiteral("c")).toLongLong(&ok);
                text += QString(static_cast<qsizetype>(
                                    ok ? std::clamp<qint64>(count, 1, maxRepeatedSpaces) : 1),
                                u' ');
                xml.skipCurrentElement();
            } else if (xml.namespaceUri() == textNs && xml.name() == u"tab") {
                text += u'\t';
                xml.skipCurrentElement();
            } else if (xml.namespaceUri() == textNs && xml.name() == u"line-break") {
                text += u'\n';
                xml.skipCurrentElement();
            } else if (xml.namespaceUri() == officeNs && xml.name() == u"annotation") {
                xml.skipCurrentElement();
            } else {
                paragraphText(xml, text); // a span, a link: their text
            }
        }
    }
}

// The text of a cell; the reader stands at its start and ends at its end.
QString odsCellText(QXmlStreamReader &xml)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    const QStringView type = attributes.value(officeNs, QStringLiteral("value-type"));
    const bool number = type == u"float" || type == u"percentage" || type == u"currency";
    QStringList paragraphs;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() &&
            (xml.name() == u"table-cell" || xml.name() == u"covered-table-cell") &&
            xml.namespaceUri() == tableNs) {
            break;
        }
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.namespaceUri() == textNs && xml.name() == u"p") {
            QString paragraph;
            paragraphText(xml, paragraph);
            paragraphs.append(paragraph);
        } else if (xml.namespaceUri() == officeNs && xml.name() == u"annotation") {
            xml.skipCurrentElement(); // a comment, not the cell's value
        }
    }
    if (number) {
        return numberText(attributes.value(officeNs, QStringLiteral("value")));
    }
    return paragraphs.join(u'\n');
}

SpreadsheetTable readOds(Zip &zip, const QString &fileName)
{
    SpreadsheetTable table;
    const QString format = QStringLiteral("ODS");
    QByteArray content;
    if (const EntryStatus status = zip.read(QStringLiteral("content.xml"), content);
        status != EntryStatus::Read) {
        table.failure = entryFailure(status, fileName, format);
        return table;
    }
    QXmlStreamReader xml(content);
    // To the first sheet.
    while (!xml.atEnd() &&
           !(xml.isStartElement() && xml.namespaceUri() == tableNs && xml.name() == u"table")) {
        xml.readNext();
    }
    // Repeated rows and cells are common: LibreOffice writes two equal rows, or the empty
    // rest of a sheet, as one element. Empty ones are only counted, so that a sheet's million
    // empty rows cost nothing; filled ones are copied, within the bounds.
    QList<QStringList> rows;
    qint64 emptyRows = 0;
    int depth = 0;
    while (!xml.atEnd() && !xml.hasError()) {
        xml.readNext();
        if (xml.isEndElement()) {
            if (depth-- == 0) {
                break; // the end of the first sheet
            }
            continue;
        }
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.namespaceUri() != tableNs || xml.name() != u"table-row") {
            if (xml.namespaceUri() == tableNs && xml.name() == u"table") {
                xml.skipCurrentElement(); // a table inside a cell of this one
            } else {
                ++depth; // header rows, row groups: their rows count as the sheet's
            }
            continue;
        }
        const qint64 rowRepeat = repeated(xml.attributes(), QStringLiteral("number-rows-repeated"));
        QStringList cells;
        qint64 emptyCells = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.name() == u"table-row") {
                break;
            }
            if (!xml.isStartElement()) {
                continue;
            }
            if (xml.namespaceUri() != tableNs ||
                (xml.name() != u"table-cell" && xml.name() != u"covered-table-cell")) {
                xml.skipCurrentElement();
                continue;
            }
            const qint64 cellRepeat =
                repeated(xml.attributes(), QStringLiteral("number-columns-repeated"));
            const QString text = odsCellText(xml);
            if (text.isEmpty()) {
                emptyCells += cellRepeat;
                continue;
            }
            const qint64 start = cells.size() + emptyCells;
            emptyCells = 0;
            if (start >= spreadsheetMaxColumns) {
                continue;
            }
            while (cells.size() < start) {
                cells.append(QString());
            }
            for (qint64 k = 0; k < cellRepeat && cells.size() < spreadsheetMaxColumns; ++k) {
                cells.append(text);
            }
        }
        if (cells.isEmpty()) {
            emptyRows += rowRepeat;
            continue;
        }
        if (rows.size() + emptyRows + rowRepeat > spreadsheetMaxRows) {
            table.failure = tooManyRows(fileName);
            return table;
        }
        for (; emptyRows > 0; --emptyRows) {
            rows.append(QStringList());
        }
        for (qint64 k = 0; k < rowRepeat; ++k) {
            rows.append(cells);
        }
    }
    if (xml.hasError()) {
        table.failure = damaged(fileName, format);
        return table;
    }
    table.rows = std::move(rows);
    return table;
}

FileContent zipContent(Zip &zip)
{
    QByteArray mime;
    if (zip.read(QStringLiteral("mimetype"), mime) == EntryStatus::Read) {
        return QString::fromLatin1(mime).trimmed().startsWith(odsMime) ? FileContent::Ods
                                                                       : FileContent::Other;
    }
    return zip.has(QStringLiteral("xl/workbook.xml")) ? FileContent::Xlsx : FileContent::Other;
}

} // namespace

FileContent fileContent(const QByteArray &data)
{
    if (data.startsWith(zipMagic)) {
        Zip zip(data);
        return zip.isOpen() ? zipContent(zip) : FileContent::Other;
    }
    // UTF-16 text as a spreadsheet's "Unicode text" saves it: zero bytes, but text.
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF")) {
        return FileContent::Text;
    }
    if (data.startsWith("%PDF") || data.startsWith(oleMagic)) {
        return FileContent::Other;
    }
    // Text has no zero bytes and few control characters besides tab and line breaks.
    const QByteArrayView head = QByteArrayView(data).first(qMin(data.size(), sniffSize));
    qsizetype control = 0;
    for (const char c : head) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0) {
            return FileContent::Other;
        }
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f' &&
            byte != 0x1A) {
            ++control;
        }
    }
    return control * 100 > head.size() ? FileContent::Other : FileContent::Text;
}

QString refusedFileText(const QByteArray &data, const QString &fileName)
{
    if (data.startsWith(oleMagic)) {
        return Texts::tr(
                   "Soubor „%1“ je sešit nebo dokument ve starém formátu (XLS, DOC), který program "
                   "nečte: otevřete ho v tabulkovém procesoru. Uložte seznam jako CSV nebo XLSX.")
            .arg(fileName);
    }
    QString what = Texts::tr("binární soubor");
    if (data.startsWith(zipMagic)) {
        Zip zip(data);
        what = zip.has(QStringLiteral("word/document.xml")) || zip.has(QStringLiteral("mimetype"))
                   ? Texts::tr("dokument, ne sešit")
                   : Texts::tr("archiv ZIP");
    } else if (data.startsWith("%PDF")) {
        what = Texts::tr("dokument PDF");
    } else if (data.startsWith("\x89PNG") || data.startsWith("\xFF\xD8\xFF") ||
               data.startsWith("GIF8") || data.startsWith("BM")) {
        what = Texts::tr("obrázek");
    }
    return Texts::tr(
               "Soubor „%1“ je %2, seznam žáků z něj přečíst nelze. Uložte seznam jako CSV nebo "
               "XLSX.")
        .arg(fileName, what);
}

SpreadsheetTable readSpreadsheet(const QByteArray &data, const QString &fileName)
{
    if (data.startsWith(zipMagic)) {
        Zip zip(data);
        switch (zip.isOpen() ? zipContent(zip) : FileContent::Other) {
        case FileContent::Xlsx:
            return readXlsx(zip, fileName);
        case FileContent::Ods:
            return readOds(zip, fileName);
        default:
            break;
        }
    }
    SpreadsheetTable table;
    table.failure = refusedFileText(data, fileName);
    return table;
}
