// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/files/csvwriter.h"

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
