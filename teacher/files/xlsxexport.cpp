// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/files/xlsxexport.h"

#include "database/resultexport.h"
#include "database/storagecause.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringEncoder>

#include <quazip.h>
#include <quazipfile.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <string_view>
#include <system_error>

// The workbook is written with QuaZip, not with a workbook library: QuaZip carries its own copy
// of minizip under minizip's own names, so a library that writes zip files through the
// system's minizip (libxlsxwriter does) crashes once both are in one program.

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(XlsxExport)
};

// A sheet's last row is 1 048 576; the first holds the header.
constexpr qint64 maxDataRows = 1048576 - 1;
// A cell holds at most this many characters.
constexpr qsizetype maxCellText = 32767;
constexpr double minWidth = 6;
constexpr double maxWidth = 60;
constexpr qint64 progressEvery = 5000;
// The sheet's XML goes to the zip in pieces of this size.
constexpr qsizetype flushSize = 1 << 20;

// The cell formats of styles.xml, by index.
enum Style
{
    Plain = 0,
    Bold = 1,
    Date = 2,
    Decimal = 3,
    DateTime = 4
};

QString saveFailure(const QString &path, const QString &cause)
{
    return Texts::tr("Soubor „%1“ nelze uložit: %2.").arg(QDir::toNativeSeparators(path), cause);
}

void appendUtf8(QByteArray &out, QStringView text)
{
    QStringEncoder encoder(QStringEncoder::Utf8);
    const qsizetype old = out.size();
    out.resize(old + encoder.requiredSpace(text.size()));
    const char *const end = encoder.appendToBuffer(out.data() + old, text);
    out.resize(end - out.constData());
}

// Text for XML: the markup characters escaped, and the control characters XML cannot hold
// (a pasted name may bring them) left out. The runs between them go to UTF-8 as they stand.
void appendEscaped(QByteArray &out, QStringView text)
{
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= 0x3f || (c >= 0x20 && c != u'&' && c != u'<' && c != u'>' && c != u'"') ||
            c == u'\t' || c == u'\n' || c == u'\r') {
            continue;
        }
        appendUtf8(out, text.sliced(from, i - from));
        from = i + 1;
        switch (c) {
        case u'&':
            out += "&amp;";
            break;
        case u'<':
            out += "&lt;";
            break;
        case u'>':
            out += "&gt;";
            break;
        case u'"':
            out += "&quot;";
            break;
        default:
            break; // a control character, left out
        }
    }
    appendUtf8(out, text.sliced(from));
}

QByteArray columnName(int column)
{
    QByteArray name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26) {
        name.prepend(static_cast<char>('A' + (n - 1) % 26));
    }
    return name;
}

// Excel counts days from 30 December 1899 (its 1900 being a leap year makes the earlier ones
// wrong, so those are written as text).
constexpr qint64 firstSerialYear = 1900;
const QDate serialZero(1899, 12, 30);

const char contentTypes[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
    R"(<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>)"
    R"(<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>)"
    R"(</Types>)";
const char packageRelations[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
    R"(</Relationships>)";
const char workbookRelations[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
    R"(</Relationships>)";
// Plain, bold (the header), date, two decimals, date and time: in the order of Style.
const char styles[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<numFmts count="3"><numFmt numFmtId="164" formatCode="d.m.yyyy"/>)"
    R"(<numFmt numFmtId="165" formatCode="0.00"/><numFmt numFmtId="166" formatCode="d.m.yyyy h:mm"/>)"
    R"(</numFmts><fonts count="2"><font><sz val="11"/><name val="Calibri"/><family val="2"/></font>)"
    R"(<font><b/><sz val="11"/><name val="Calibri"/><family val="2"/></font></fonts>)"
    R"(<fills count="2"><fill><patternFill patternType="none"/></fill>)"
    R"(<fill><patternFill patternType="gray125"/></fill></fills>)"
    R"(<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>)"
    R"(<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>)"
    R"(<cellXfs count="5"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>)"
    R"(<xf numFmtId="0" fontId="1" fillId="0" borderId="0" xfId="0" applyFont="1"/>)"
    R"(<xf numFmtId="164" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/>)"
    R"(<xf numFmtId="165" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/>)"
    R"(<xf numFmtId="166" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/>)"
    R"(</cellXfs><cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/>)"
    R"(</cellStyles></styleSheet>)";

// A workbook of one sheet, streamed row by row into a zip file of its own beside the target,
// which takes the target's place in commit(); without commit() nothing of it stays.
class Workbook
{
public:
    Workbook(const QString &path, const QString &sheetName, const QList<double> &widths)
        : path_(path), zip_(&file_), sheet_(&zip_)
    {
        const QFileInfo target(path);
        // A name of its own beside the target, so that the rename at the end stays on one
        // disk and replaces the old file in one step.
        for (int attempt = 0; attempt < 10; ++attempt) {
            temporary_ = target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                         QStringLiteral(".%1.part")
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
            file_.setFileName(temporary_);
            errno = 0;
            // Another file of that name: try another name; anything else: the folder refuses.
            if (file_.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
                !QFile::exists(temporary_)) {
                break;
            }
        }
        if (!file_.isOpen()) {
            failure_ = saveFailure(path, fileWriteCause(path, errno, file_.errorString()));
            temporary_.clear();
            return;
        }
        zip_.setDataDescriptorWritingEnabled(false);
        if (!zip_.open(QuaZip::mdCreate)) {
            failure_ = saveFailure(path, writeCause());
            return;
        }
        // Excel's limits for a sheet's name: 31 characters, none of []:*?/\.
        QString name = sheetName.isEmpty() ? Texts::tr("List1") : sheetName;
        static const QRegularExpression forbidden(QStringLiteral(R"([\[\]:*?/\\])"));
        name = name.replace(forbidden, QStringLiteral("_")).left(31);
        QByteArray workbook =
            R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
            "\n"
            R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
            R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
            R"(<bookViews><workbookView/></bookViews><sheets><sheet name=")";
        appendEscaped(workbook, name);
        workbook += R"(" sheetId="1" r:id="rId1"/></sheets></workbook>)";
        if (!addEntry(QStringLiteral("[Content_Types].xml"), contentTypes) ||
            !addEntry(QStringLiteral("_rels/.rels"), packageRelations) ||
            !addEntry(QStringLiteral("xl/workbook.xml"), workbook) ||
            !addEntry(QStringLiteral("xl/_rels/workbook.xml.rels"), workbookRelations) ||
            !addEntry(QStringLiteral("xl/styles.xml"), styles) ||
            // The fastest deflate: the sheet's repetitive XML still shrinks several times, and
            // a million rows are written in a third of the time of the default level.
            !sheet_.open(QIODevice::WriteOnly,
                         QuaZipNewInfo(QStringLiteral("xl/worksheets/sheet1.xml")), nullptr, 0,
                         Z_DEFLATED, Z_BEST_SPEED)) {
            failure_ = saveFailure(path, writeCause());
            return;
        }
        // The header row stays in view while the teacher scrolls.
        buffer_ =
            R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
            "\n"
            R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
            R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
            R"(<sheetViews><sheetView workbookViewId="0"><pane ySplit="1" topLeftCell="A2" )"
            R"(activePane="bottomLeft" state="frozen"/><selection pane="bottomLeft"/>)"
            R"(</sheetView></sheetViews><sheetFormatPr defaultRowHeight="15"/>)";
        if (!widths.isEmpty()) {
            buffer_ += "<cols>";
            for (int column = 0; column < widths.size(); ++column) {
                buffer_ += QStringLiteral(R"(<col min="%1" max="%1" width="%2" customWidth="1"/>)")
                               .arg(column + 1)
                               .arg(std::clamp(widths.at(column), minWidth, maxWidth))
                               .toUtf8();
            }
            buffer_ += "</cols>";
        }
        buffer_ += "<sheetData>";
    }

    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    ~Workbook()
    {
        if (sheet_.isOpen()) {
            sheet_.close();
        }
        if (zip_.isOpen()) {
            zip_.close();
        }
        if (file_.isOpen()) {
            file_.close();
        }
        if (!temporary_.isEmpty()) {
            QFile::remove(temporary_);
        }
    }

    [[nodiscard]] const QString &failure() const { return failure_; }
    [[nodiscard]] bool writeFailed() const { return writeFailed_; }

    void beginRow(qint64 row)
    {
        row_ = QByteArray::number(row + 1);
        buffer_ += R"(<row r=")";
        buffer_ += row_;
        buffer_ += R"(">)";
    }

    void endRow()
    {
        buffer_ += "</row>";
        if (buffer_.size() >= flushSize) {
            flush();
        }
    }

    void header(const QStringList &titles)
    {
        beginRow(0);
        for (int column = 0; column < titles.size(); ++column) {
            text(column, titles.at(column), Bold);
        }
        endRow();
    }

    void text(int column, const QString &value, Style style = Plain)
    {
        if (value.isEmpty()) {
            return;
        }
        const QStringView shown = QStringView(value).first(qMin(value.size(), maxCellText));
        beginCell(column, style);
        buffer_ += R"( t="inlineStr"><is><t)";
        if (shown.front().isSpace() || shown.back().isSpace()) {
            buffer_ += R"( xml:space="preserve")";
        }
        buffer_ += '>';
        appendEscaped(buffer_, shown);
        buffer_ += "</t></is></c>";
    }

    // The same cell from UTF-8 (a text of the database's rows), without a QString.
    void text(int column, std::string_view utf8)
    {
        if (utf8.empty()) {
            return;
        }
        // The first and the last character decide xml:space; a cell's bound is in UTF-16.
        const auto at = [&](std::size_t from) {
            const auto lead = static_cast<unsigned char>(utf8[from]);
            const int more = lead < 0x80 ? 0 : lead < 0xe0 ? 1 : lead < 0xf0 ? 2 : 3;
            char32_t code = more == 0 ? lead : lead & (0x3fU >> static_cast<unsigned>(more));
            for (int k = 1; k <= more && from + static_cast<std::size_t>(k) < utf8.size(); ++k) {
                code =
                    (code << 6U) |
                    (static_cast<unsigned char>(utf8[from + static_cast<std::size_t>(k)]) & 0x3fU);
            }
            return code;
        };
        std::size_t last = utf8.size() - 1;
        while (last > 0 && (static_cast<unsigned char>(utf8[last]) & 0xc0U) == 0x80) {
            --last;
        }
        if (utf8.size() > static_cast<std::size_t>(maxCellText)) {
            text(column, QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
            return;
        }
        beginCell(column, Plain);
        buffer_ += R"( t="inlineStr"><is><t)";
        if (QChar::isSpace(at(0)) || QChar::isSpace(at(last))) {
            buffer_ += R"( xml:space="preserve")";
        }
        buffer_ += '>';
        std::size_t from = 0;
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            const auto c = static_cast<unsigned char>(utf8[i]);
            if (c >= 0x3f || (c >= 0x20 && c != '&' && c != '<' && c != '>' && c != '"') ||
                c == '\t' || c == '\n' || c == '\r') {
                continue;
            }
            buffer_.append(utf8.data() + from, static_cast<qsizetype>(i - from));
            from = i + 1;
            switch (c) {
            case '&':
                buffer_ += "&amp;";
                break;
            case '<':
                buffer_ += "&lt;";
                break;
            case '>':
                buffer_ += "&gt;";
                break;
            case '"':
                buffer_ += "&quot;";
                break;
            default:
                break; // a control character, left out
            }
        }
        buffer_.append(utf8.data() + from, static_cast<qsizetype>(utf8.size() - from));
        buffer_ += "</t></is></c>";
    }

    void number(int column, double value, Style style = Plain)
    {
        if (!std::isfinite(value)) {
            return;
        }
        beginCell(column, style);
        buffer_ +=
            "><v>" + QByteArray::number(value, 'g', QLocale::FloatingPointShortest) + "</v></c>";
    }

    void number(int column, qint64 value)
    {
        beginCell(column, Plain);
        buffer_ += "><v>";
        buffer_ += QByteArray::number(value);
        buffer_ += "</v></c>";
    }

    void date(int column, const QDate &day)
    {
        if (!day.isValid() || day.year() < firstSerialYear) {
            text(column, day.isValid() ? day.toString(QStringLiteral("d.M.yyyy")) : QString());
            return;
        }
        beginCell(column, Date);
        buffer_ += "><v>" + QByteArray::number(serialZero.daysTo(day)) + "</v></c>";
    }

    void dateTime(int column, const QDateTime &moment)
    {
        if (!moment.isValid() || moment.date().year() < firstSerialYear) {
            text(column,
                 moment.isValid() ? moment.toString(QStringLiteral("d.M.yyyy H:mm")) : QString());
            return;
        }
        const double serial = static_cast<double>(serialZero.daysTo(moment.date())) +
                              moment.time().msecsSinceStartOfDay() / 86400000.0;
        number(column, serial, DateTime);
    }

    // Writes the rest and puts the workbook in the target's place. Returns the failure, or
    // empty.
    QString commit()
    {
        buffer_ += R"(</sheetData><pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" )"
                   R"(header="0.3" footer="0.3"/></worksheet>)";
        flush();
        if (!writeFailed_) {
            sheet_.close();
            writeFailed_ = sheet_.getZipError() != ZIP_OK;
        }
        if (!writeFailed_) {
            zip_.close();
            writeFailed_ = zip_.getZipError() != ZIP_OK;
        }
        if (file_.isOpen()) {
            writeFailed_ = !file_.flush() || writeFailed_;
            file_.close();
        }
        if (writeFailed_ || file_.error() != QFileDevice::NoError) {
            return saveFailure(path_, writeCause());
        }
        // The permissions an old file had; a new one gets those of any new file.
        if (const QFileInfo old(path_); old.exists()) {
            QFile::setPermissions(temporary_, old.permissions());
        }
        std::error_code error;
        std::filesystem::rename(QFile::encodeName(temporary_).toStdString(),
                                QFile::encodeName(path_).toStdString(), error);
        if (error) {
            return saveFailure(path_, fileWriteCause(path_, error.value(),
                                                     QString::fromLocal8Bit(error.message())));
        }
        temporary_.clear();
        return {};
    }

private:
    bool addEntry(const QString &name, const QByteArray &content)
    {
        QuaZipFile entry(&zip_);
        if (!entry.open(QIODevice::WriteOnly, QuaZipNewInfo(name))) {
            return false;
        }
        const bool written = entry.write(content) == content.size();
        entry.close();
        return written && entry.getZipError() == ZIP_OK;
    }

    void beginCell(int column, Style style)
    {
        buffer_ += R"(<c r=")";
        if (column < 26) {
            buffer_ += static_cast<char>('A' + column);
        } else {
            buffer_ += columnName(column);
        }
        buffer_ += row_;
        buffer_ += '"';
        if (style != Plain) {
            buffer_ += R"( s=")";
            buffer_ += static_cast<char>('0' + style);
            buffer_ += '"';
        }
    }

    void flush()
    {
        if (!writeFailed_ && sheet_.write(buffer_) != buffer_.size()) {
            writeFailed_ = true;
        }
        buffer_.resize(0); // keeps its room for the next piece
    }

    // Why writing failed: the disk's own words when it said any.
    [[nodiscard]] QString writeCause() const
    {
        // The disk tells a full disk or a vanished folder better than the zip's own words.
        return fileWriteCause(path_, 0,
                              file_.error() != QFileDevice::NoError
                                  ? file_.errorString()
                                  : Texts::tr("zápis do souboru selhal"));
    }

    QString path_;
    QString temporary_;
    QString failure_;
    QFile file_;
    QuaZip zip_;
    QuaZipFile sheet_;
    QByteArray buffer_;
    QByteArray row_;
    bool writeFailed_ = false;
};

bool isWholeNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

// How many characters wide a value shows.
qsizetype shownWidth(const QVariant &value)
{
    if (value.isNull()) {
        return 0;
    }
    switch (value.typeId()) {
    case QMetaType::QDate:
        return 10;
    case QMetaType::QDateTime:
        return 16;
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'f', 2).size();
    default: {
        // The longest line of a text.
        qsizetype longest = 0;
        for (const QStringView line : QStringView(value.toString()).split(u'\n')) {
            longest = std::max(longest, line.size());
        }
        return longest;
    }
    }
}

void writeValue(Workbook &book, int column, const QVariant &value)
{
    if (value.isNull()) {
        return;
    }
    switch (value.typeId()) {
    case QMetaType::QDate:
        book.date(column, value.toDate());
        return;
    case QMetaType::QDateTime:
        book.dateTime(column, value.toDateTime());
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        book.number(column, value.toDouble(), Decimal);
        return;
    default:
        if (isWholeNumber(value)) {
            book.number(column, value.toLongLong());
        } else {
            book.text(column, value.toString());
        }
    }
}

} // namespace

QString modelXlsx(const QAbstractItemModel &model, const QString &path, const QString &sheetName)
{
    const int columns = model.columnCount();
    const int rows = model.rowCount();
    if (static_cast<qint64>(rows) > maxDataRows) {
        return saveFailure(path, Texts::tr("řádků je víc, než se vejde na list sešitu"));
    }
    // The widths come before the rows in the sheet: a first pass over the values.
    QStringList titles;
    QList<double> widths;
    for (int column = 0; column < columns; ++column) {
        titles.append(model.headerData(column, Qt::Horizontal).toString());
        qsizetype width = titles.last().size() + 2; // bold letters are a little wider
        for (int row = 0; row < rows; ++row) {
            width =
                std::max(width, shownWidth(model.data(model.index(row, column), Qt::EditRole)) + 1);
        }
        widths.append(static_cast<double>(width));
    }
    Workbook book(path, sheetName, widths);
    if (!book.failure().isEmpty()) {
        return book.failure();
    }
    book.header(titles);
    for (int row = 0; row < rows; ++row) {
        book.beginRow(row + 1);
        for (int column = 0; column < columns; ++column) {
            writeValue(book, column, model.data(model.index(row, column), Qt::EditRole));
        }
        book.endRow();
    }
    return book.commit();
}

ExportOutcome exportResultsXlsx(const ResultsDatabase &database, const ResultFilter &filter,
                                const ResultSort &sort, const QString &path,
                                const std::function<bool(qint64)> &progress)
{
    ExportOutcome outcome;
    // The rows are not known before they are written: widths for the usual contents, and
    // never narrower than the titles.
    const QStringList titles = resultColumnTitles();
    const std::array<double, 12> usual{11, 9, 9, 24, 8, 8, 8, 8, 8, 8, 24, 8};
    QList<double> widths;
    for (int column = 0; column < titles.size(); ++column) {
        widths.append(std::max(usual.at(static_cast<std::size_t>(column)),
                               static_cast<double>(titles.at(column).size() + 2)));
    }
    Workbook book(path, Texts::tr("Výsledky"), widths);
    if (!book.failure().isEmpty()) {
        outcome.failure = book.failure();
        return outcome;
    }
    book.header(titles);
    bool tooMany = false;
    try {
        const QString mail = sourceText(ResultSource::Mail);
        const QString school = sourceText(ResultSource::School);
        const bool complete = forEachRunText(database, filter, sort, [&](const ResultRowText &row) {
            if (outcome.rows >= maxDataRows) {
                tooMany = true;
                return false;
            }
            book.beginRow(++outcome.rows);
            book.date(0, row.date);
            book.text(1, row.start);
            book.text(2, row.end);
            book.text(3, row.name);
            book.text(4, row.className);
            book.number(5, qint64{row.answers});
            book.number(6, qint64{row.right});
            book.number(7, qint64{row.wrong});
            if (row.answers > 0) {
                // Rounded as the CSV writes it, so that both files say the same.
                book.number(
                    8, static_cast<double>(std::llround(10000.0 * row.right / row.answers)) / 100.0,
                    Decimal);
            }
            book.text(9, row.source == ResultSource::Mail ? mail : school);
            book.text(10, row.reportedName);
            book.text(11, row.reportedClass);
            book.endRow();
            if ((outcome.rows == 1 || outcome.rows % progressEvery == 0) && progress &&
                !progress(outcome.rows)) {
                return false;
            }
            return !book.writeFailed();
        });
        if (tooMany) {
            outcome.failure = saveFailure(
                path,
                Texts::tr("výsledků je víc, než se vejde na list sešitu (%1 řádků); zužte výběr, "
                          "nebo je uložte jako CSV")
                    .arg(QLocale().toString(maxDataRows)));
            return outcome;
        }
        if (!complete && !book.writeFailed()) {
            outcome.cancelled = true;
            return outcome;
        }
    } catch (const DatabaseError &error) {
        outcome.failure = QString::fromStdString(error.what());
        return outcome;
    }
    outcome.failure = book.commit();
    return outcome;
}

bool isWorkbookPath(const QString &path)
{
    return path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive);
}
