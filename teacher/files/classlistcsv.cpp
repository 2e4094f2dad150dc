// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/files/classlistcsv.h"

#include "teacher/files/spreadsheetreader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {
// Lines looked at to guess the separator: enough for a pattern, few for a big file.
constexpr int linesToGuessFrom = 50;
// Larger files are not read: no class list is near it, and a wrong file stays out of memory.
constexpr qint64 maxFileSize = 64 * 1024 * 1024;

const QByteArray utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(ClassListCsv)
};

struct Record
{
    int line = 0;
    QStringList fields;
    bool unterminated = false;
};

QString decode(const QByteArray &data, ClassListOptions::Encoding encoding)
{
    const QByteArrayView bytes =
        data.startsWith(utf8Bom) ? QByteArrayView(data).sliced(utf8Bom.size()) : data;
    QStringDecoder decoder(encoding == ClassListOptions::Encoding::Utf8 ? "UTF-8" : "windows-1250");
    return decoder.decode(bytes);
}

// Splits the text into records, each with the line it starts on; a quoted field may hold the
// separator, doubled quotes and line breaks.
QList<Record> splitRecords(QStringView text, QChar separator)
{
    QList<Record> records;
    Record record;
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    bool onlyBlanks = true; // the field so far, kept as the reading goes: no second look at it
    int line = 1;
    record.line = 1;
    const auto endField = [&] {
        record.fields.append(field);
        field.clear();
        wasQuoted = false;
        onlyBlanks = true;
    };
    const auto endRecord = [&] {
        endField();
        records.append(std::move(record));
        record = Record();
        record.line = line;
    };
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        const bool lineBreak = c == u'\n' || c == u'\r';
        if (lineBreak) {
            if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n') {
                ++i;
            }
            ++line;
            if (quoted) {
                field += u'\n';
            } else {
                endRecord();
            }
            continue;
        }
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < size && text.at(i + 1) == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == separator) {
            endField();
        } else if (c == u'"' && !wasQuoted && onlyBlanks) {
            // Blanks before an opening quote are padding, not content.
            field.clear();
            quoted = true;
            wasQuoted = true;
        } else {
            field += c;
            onlyBlanks = onlyBlanks && c.isSpace();
        }
    }
    // A last line without a line break is a record; the break after the last line is not.
    if (quoted || !field.isEmpty() || !record.fields.isEmpty() || wasQuoted) {
        record.unterminated = quoted;
        endField();
        records.append(std::move(record));
    }
    return records;
}

bool isBlank(const Record &record)
{
    return std::ranges::all_of(record.fields,
                               [](const QString &field) { return field.trimmed().isEmpty(); });
}

// Lowercase, without diacritics and surrounding blanks: "Příjmení" and "PRIJMENI" are alike.
QString plainWord(const QString &text)
{
    const QString decomposed = text.trimmed().toLower().normalized(QString::NormalizationForm_D);
    QString plain;
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing) {
            plain += c;
        }
    }
    return plain;
}

// Column names as school systems and teachers write them, in Czech, Slovak and English.
const std::array<QString, 9> surnameWords{
    QStringLiteral("prijmeni"),      QStringLiteral("priezvisko"),
    QStringLiteral("surname"),       QStringLiteral("last name"),
    QStringLiteral("lastname"),      QStringLiteral("family name"),
    QStringLiteral("prijmeni zaka"), QStringLiteral("priezvisko ziaka"),
    QStringLiteral("prijmeni ziaka")};
// A whole name: the surname column of a list without one.
const std::array<QString, 9> nameWords{
    QStringLiteral("jmeno"), QStringLiteral("meno"),       QStringLiteral("name"),
    QStringLiteral("zak"),   QStringLiteral("ziak"),       QStringLiteral("student"),
    QStringLiteral("pupil"), QStringLiteral("jmeno zaka"), QStringLiteral("meno ziaka")};
// Beside a surname column: the first name.
const std::array<QString, 10> firstNameWords{
    QStringLiteral("jmeno"),       QStringLiteral("meno"),       QStringLiteral("krestni jmeno"),
    QStringLiteral("krstne meno"), QStringLiteral("first name"), QStringLiteral("firstname"),
    QStringLiteral("given name"),  QStringLiteral("name"),       QStringLiteral("jmeno zaka"),
    QStringLiteral("meno ziaka")};
const std::array<QString, 4> classWords{QStringLiteral("trida"), QStringLiteral("trieda"),
                                        QStringLiteral("class"), QStringLiteral("skupina")};

template <std::size_t N>
qsizetype columnNamed(const QStringList &header, const std::array<QString, N> &words,
                      qsizetype except = -1)
{
    for (qsizetype i = 0; i < header.size(); ++i) {
        const QString word = plainWord(header.at(i));
        for (const QString &known : words) {
            if (word == known && i != except) {
                return i;
            }
        }
    }
    return -1;
}

bool looksLikeHeader(const QStringList &fields)
{
    return columnNamed(fields, surnameWords) >= 0 || columnNamed(fields, nameWords) >= 0 ||
           columnNamed(fields, firstNameWords) >= 0 || columnNamed(fields, classWords) >= 0;
}

struct Columns
{
    qsizetype surname = 0;
    qsizetype className = 1; // -1: the list has no classes
    qsizetype firstName = -1;
};

Columns columnsOf(const QStringList &header)
{
    Columns columns;
    qsizetype surname = columnNamed(header, surnameWords);
    const qsizetype className = columnNamed(header, classWords);
    if (surname >= 0) {
        columns.firstName = columnNamed(header, firstNameWords, surname);
    } else {
        surname = columnNamed(header, nameWords);
    }
    if (surname >= 0 || className >= 0) {
        columns.surname = surname >= 0 ? surname : (className == 0 ? 1 : 0);
        columns.className = className;
    }
    return columns;
}

// One pupil of the file as first met: its line and first name.
struct Earlier
{
    int line = 0;
    QString firstName;
};

ClassList parseRecords(const QList<Record> &records, bool hasHeader, bool joinFirstNames)
{
    ClassList list;
    Columns columns;
    qsizetype first = 0;
    if (hasHeader && !records.isEmpty()) {
        columns = columnsOf(records.front().fields);
        first = 1;
    }
    list.hasFirstNames = columns.firstName >= 0;
    const bool join = joinFirstNames && list.hasFirstNames;

    // By what is stored, and by surname and class alone: namesakes are told apart only by
    // their first names.
    QHash<QPair<QString, QString>, Earlier> seen;
    QHash<QPair<QString, QString>, Earlier> seenSurnames;
    for (qsizetype r = first; r < records.size(); ++r) {
        const Record &record = records.at(r);
        if (record.unterminated) {
            list.issues.append(
                {record.line, Texts::tr("uvozovky nejsou uzavřené až do konce souboru")});
            continue;
        }
        if (isBlank(record)) {
            list.issues.append({record.line, Texts::tr("prázdný řádek")});
            continue;
        }
        const QString surname = record.fields.value(columns.surname).trimmed();
        const QString className =
            columns.className >= 0 ? record.fields.value(columns.className).trimmed() : QString();
        const QString firstName =
            list.hasFirstNames ? record.fields.value(columns.firstName).trimmed() : QString();
        if (surname.isEmpty() || className.isEmpty()) {
            list.issues.append({record.line, surname.isEmpty() && className.isEmpty()
                                                 ? Texts::tr("chybí příjmení a třída")
                                             : surname.isEmpty() ? Texts::tr("chybí příjmení")
                                                                 : Texts::tr("chybí třída")});
            continue;
        }
        const auto bySurname = qMakePair(surname, className);
        const auto namesake = seenSurnames.constFind(bySurname);
        const bool differentFirstNames =
            namesake != seenSurnames.constEnd() &&
            namesake->firstName.compare(firstName, Qt::CaseInsensitive) != 0;
        list.hasNamesakes = list.hasNamesakes || differentFirstNames;
        if (namesake == seenSurnames.constEnd()) {
            seenSurnames.insert(bySurname, {record.line, firstName});
        }

        const QString stored = join && !firstName.isEmpty() ? surname + u' ' + firstName : surname;
        const auto key = qMakePair(stored, className);
        const auto earlier = seen.constFind(key);
        if (earlier != seen.constEnd()) {
            QString reason = Texts::tr("žák je v souboru už na řádku %1").arg(earlier->line);
            if (!join && differentFirstNames) {
                reason = Texts::tr("žák „%1“ ve třídě %2 je v souboru už na řádku %3 (%4, zde %5): "
                                   "připojte jména k příjmení, jinak je nelze rozlišit")
                             .arg(surname, className)
                             .arg(earlier->line)
                             .arg(earlier->firstName.isEmpty() ? Texts::tr("bez jména")
                                                               : earlier->firstName,
                                  firstName.isEmpty() ? Texts::tr("bez jména") : firstName);
            } else if (!list.hasFirstNames) {
                reason =
                    Texts::tr("žák „%1“ ve třídě %2 je v souboru už na řádku %3: jsou-li to dva "
                              "žáci, přidejte sloupec Jméno, jinak je nelze rozlišit")
                        .arg(surname, className)
                        .arg(earlier->line);
            }
            list.issues.append({record.line, reason});
            continue;
        }
        seen.insert(key, {record.line, firstName});
        list.rows.append({record.line, stored, className});
    }
    return list;
}

QList<Record> tableRecords(const QList<QStringList> &rows)
{
    QList<Record> records;
    records.reserve(rows.size());
    int line = 0;
    for (const QStringList &row : rows) {
        records.append({++line, row, false});
    }
    return records;
}
} // namespace

ClassListOptions guessClassListOptions(const QByteArray &data)
{
    ClassListOptions options;
    QStringDecoder utf8("UTF-8");
    const QString asUtf8 = utf8.decode(data);
    const bool isUtf8 = data.startsWith(utf8Bom) || !utf8.hasError();
    options.encoding =
        isUtf8 ? ClassListOptions::Encoding::Utf8 : ClassListOptions::Encoding::Windows1250;
    const QString text =
        isUtf8 && !data.startsWith(utf8Bom) ? asUtf8 : decode(data, options.encoding);

    // On how many lines each candidate stands outside quotes; the first wins a tie.
    const std::array<QChar, 3> candidates{u';', u'\t', u','};
    std::array<int, 3> linesWith{};
    std::array<bool, 3> onThisLine{};
    bool quoted = false;
    int lines = 0;
    const auto endLine = [&] {
        for (std::size_t k = 0; k < candidates.size(); ++k) {
            linesWith.at(k) += onThisLine.at(k) ? 1 : 0;
            onThisLine.at(k) = false;
        }
        ++lines;
    };
    for (qsizetype i = 0; i < text.size() && lines < linesToGuessFrom; ++i) {
        const QChar c = text.at(i);
        if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u'\n') {
            endLine();
        } else if (!quoted) {
            for (std::size_t k = 0; k < candidates.size(); ++k) {
                onThisLine.at(k) = onThisLine.at(k) || c == candidates.at(k);
            }
        }
    }
    endLine();
    std::size_t best = 0;
    for (std::size_t k = 1; k < candidates.size(); ++k) {
        if (linesWith.at(k) > linesWith.at(best)) {
            best = k;
        }
    }
    options.separator = candidates.at(best);

    // The header is the first record; a little text holds it, however long the file.
    const QList<Record> first = splitRecords(
        QStringView(text).first(qMin<qsizetype>(text.size(), 4096)), options.separator);
    options.hasHeader = !first.isEmpty() && looksLikeHeader(first.front().fields);
    options.joinFirstNames = parseClassList(data, options).hasNamesakes;
    return options;
}

ClassListOptions guessClassListOptions(const ClassListSource &source)
{
    if (!source.isSpreadsheet()) {
        return guessClassListOptions(source.text);
    }
    ClassListOptions options;
    options.hasHeader = !source.cells.isEmpty() && looksLikeHeader(source.cells.front());
    options.joinFirstNames = parseClassListTable(source.cells, options.hasHeader).hasNamesakes;
    return options;
}

ClassList parseClassList(const QByteArray &data, const ClassListOptions &options)
{
    return parseRecords(splitRecords(decode(data, options.encoding), options.separator),
                        options.hasHeader, options.joinFirstNames);
}

ClassList parseClassListTable(const QList<QStringList> &rows, bool hasHeader, bool joinFirstNames)
{
    return parseRecords(tableRecords(rows), hasHeader, joinFirstNames);
}

ClassList parseClassList(const ClassListSource &source, const ClassListOptions &options)
{
    return source.isSpreadsheet()
               ? parseClassListTable(source.cells, options.hasHeader, options.joinFirstNames)
               : parseClassList(source.text, options);
}

QString classListSource(const QByteArray &data, const QString &fileName, ClassListSource &source)
{
    source = ClassListSource();
    const FileContent content = fileContent(data);
    switch (content) {
    case FileContent::Text:
        // UTF-16 ("Unicode text" of a spreadsheet) as UTF-8 with its mark, which the rest
        // reads.
        if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF")) {
            QStringDecoder utf16(data.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                             : QStringDecoder::Utf16BE);
            source.text = utf8Bom + QString(utf16.decode(QByteArrayView(data).sliced(2))).toUtf8();
        } else {
            source.text = data;
        }
        return {};
    case FileContent::Xlsx:
    case FileContent::Ods: {
        SpreadsheetTable table = readSpreadsheet(data, fileName);
        if (!table.failure.isEmpty()) {
            return table.failure;
        }
        source.cells = std::move(table.rows);
        source.spreadsheetFormat =
            content == FileContent::Xlsx ? QStringLiteral("XLSX") : QStringLiteral("ODS");
        return {};
    }
    case FileContent::Other:
        break;
    }
    return refusedFileText(data, fileName);
}

QString readClassListFile(const QString &path, ClassListSource &source)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Texts::tr("Soubor „%1“ nelze přečíst: %2.")
            .arg(QDir::toNativeSeparators(path), file.errorString());
    }
    if (file.size() > maxFileSize) {
        return Texts::tr("Soubor „%1“ je na seznam třídy příliš velký (%2 MiB). Vyberte soubor se "
                         "seznamem žáků.")
            .arg(name)
            .arg(file.size() / (1024 * 1024));
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return Texts::tr("Soubor „%1“ nelze přečíst: %2.")
            .arg(QDir::toNativeSeparators(path), file.errorString());
    }
    return classListSource(data, name, source);
}
