// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/files/classlistcsv.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {
// Lines looked at to guess the separator: enough for a pattern, few for a big file.
constexpr int linesToGuessFrom = 50;

const QByteArray utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

QString tr(const char *text)
{
    return QCoreApplication::translate("ClassListCsv", text);
}

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
    int line = 1;
    record.line = 1;
    const auto endField = [&] {
        record.fields.append(field);
        field.clear();
        wasQuoted = false;
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
        } else if (c == u'"' && !wasQuoted && field.trimmed().isEmpty()) {
            // Blanks before an opening quote are padding, not content.
            field.clear();
            quoted = true;
            wasQuoted = true;
        } else {
            field += c;
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

const std::array<QString, 6> surnameWords{
    QStringLiteral("prijmeni"), QStringLiteral("surname"),     QStringLiteral("last name"),
    QStringLiteral("lastname"), QStringLiteral("family name"), QStringLiteral("prijmeni zaka")};
const std::array<QString, 5> nameWords{QStringLiteral("jmeno"), QStringLiteral("name"),
                                       QStringLiteral("zak"), QStringLiteral("student"),
                                       QStringLiteral("jmeno zaka")};
const std::array<QString, 3> classWords{QStringLiteral("trida"), QStringLiteral("class"),
                                        QStringLiteral("skupina")};

template <std::size_t N>
qsizetype columnNamed(const QStringList &header, const std::array<QString, N> &words)
{
    for (qsizetype i = 0; i < header.size(); ++i) {
        const QString word = plainWord(header.at(i));
        for (const QString &known : words) {
            if (word == known) {
                return i;
            }
        }
    }
    return -1;
}

bool looksLikeHeader(const QStringList &fields)
{
    return columnNamed(fields, surnameWords) >= 0 || columnNamed(fields, nameWords) >= 0 ||
           columnNamed(fields, classWords) >= 0;
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
    return options;
}

ClassList parseClassList(const QByteArray &data, const ClassListOptions &options)
{
    ClassList list;
    const QString text = decode(data, options.encoding);
    const QList<Record> records = splitRecords(text, options.separator);

    qsizetype surnameColumn = 0;
    qsizetype classColumn = 1;
    qsizetype first = 0;
    if (options.hasHeader && !records.isEmpty()) {
        const QStringList &header = records.front().fields;
        qsizetype surname = columnNamed(header, surnameWords);
        if (surname < 0) {
            surname = columnNamed(header, nameWords);
        }
        const qsizetype className = columnNamed(header, classWords);
        if (surname >= 0 || className >= 0) {
            surnameColumn = surname >= 0 ? surname : (className == 0 ? 1 : 0);
            // A header without a class column: the list has no classes.
            classColumn = className;
        }
        first = 1;
    }

    QHash<QPair<QString, QString>, int> seen;
    for (qsizetype r = first; r < records.size(); ++r) {
        const Record &record = records.at(r);
        if (record.unterminated) {
            list.issues.append({record.line, tr("uvozovky nejsou uzavřené až do konce souboru")});
            continue;
        }
        if (isBlank(record)) {
            list.issues.append({record.line, tr("prázdný řádek")});
            continue;
        }
        const QString surname = record.fields.value(surnameColumn).trimmed();
        const QString className =
            classColumn >= 0 ? record.fields.value(classColumn).trimmed() : QString();
        if (surname.isEmpty()) {
            list.issues.append({record.line, tr("chybí příjmení")});
            continue;
        }
        const auto key = qMakePair(surname, className);
        const auto earlier = seen.constFind(key);
        if (earlier != seen.constEnd()) {
            list.issues.append(
                {record.line, tr("žák je v souboru už na řádku %1").arg(earlier.value())});
            continue;
        }
        seen.insert(key, record.line);
        list.rows.append({record.line, surname, className});
    }
    return list;
}
