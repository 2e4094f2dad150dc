// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/files/csvwriter.h"

#include <array>
#include <charconv>

QString csvLine(const QStringList &fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += u';';
        }
        const QString &field = fields.at(i);
        const bool quoted = field.contains(u';') || field.contains(u'"') || field.contains(u'\r') ||
                            field.contains(u'\n');
        if (quoted) {
            line += u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
        } else {
            line += field;
        }
    }
    line += QStringLiteral("\r\n");
    return line;
}

void CsvBytes::append(std::string_view utf8, bool neutralise)
{
    if (!lineStart_) {
        out_ += ';';
    }
    lineStart_ = false;
    // The signs that quote a field, and those that make one a formula, are ASCII: a byte of
    // UTF-8 is one of them only where the text has that character.
    bool quoted = false;
    for (const char c : utf8) {
        if (c == ';' || c == '"' || c == '\r' || c == '\n') {
            quoted = true;
            break;
        }
    }
    if (quoted) {
        out_ += '"';
    }
    if (neutralise && !utf8.empty() &&
        std::string_view("=+-@\t\r").find(utf8.front()) != std::string_view::npos) {
        out_ += '\'';
    }
    if (!quoted) {
        out_.append(utf8.data(), static_cast<qsizetype>(utf8.size()));
        return;
    }
    for (std::size_t from = 0;;) {
        const std::size_t quote = utf8.find('"', from);
        const std::size_t until = quote == std::string_view::npos ? utf8.size() : quote + 1;
        out_.append(utf8.data() + from, static_cast<qsizetype>(until - from));
        if (quote == std::string_view::npos) {
            break;
        }
        out_ += '"';
        from = until;
    }
    out_ += '"';
}

void CsvBytes::text(std::string_view utf8)
{
    append(utf8, true);
}

void CsvBytes::plain(std::string_view utf8)
{
    append(utf8, false);
}

void CsvBytes::number(qint64 value)
{
    std::array<char, 24> digits{};
    const auto written = std::to_chars(digits.begin(), digits.end(), value);
    append(std::string_view(digits.data(), static_cast<std::size_t>(written.ptr - digits.data())),
           false);
}

void CsvBytes::endLine()
{
    out_ += "\r\n";
    lineStart_ = true;
}

QString spreadsheetText(const QString &text)
{
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front())) {
        return u'\'' + text;
    }
    return text;
}

void CsvWriter::addRow(const QStringList &fields)
{
    // Every field is text here (names, classes, dates as typed): none may become a formula.
    QStringList safe;
    safe.reserve(fields.size());
    for (const QString &field : fields) {
        safe << spreadsheetText(field);
    }
    text_ += csvLine(safe);
}

QByteArray CsvWriter::toUtf8WithBom() const
{
    return QByteArrayLiteral("\xEF\xBB\xBF") + text_.toUtf8();
}

QByteArray writeClassListCsv(const QList<std::pair<QString, QString>> &surnameClassRows)
{
    CsvWriter writer;
    writer.addRow({QStringLiteral("Příjmení"), QStringLiteral("Třída")});
    for (const auto &[surname, className] : surnameClassRows) {
        writer.addRow({surname, className});
    }
    return writer.toUtf8WithBom();
}
