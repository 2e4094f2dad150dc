#include "results/csvwriter.h"

void CsvWriter::addRow(const QStringList &fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            text_ += u';';
        }
        const QString &field = fields.at(i);
        const bool quoted = field.contains(u';') || field.contains(u'"') || field.contains(u'\r') ||
                            field.contains(u'\n');
        if (quoted) {
            text_ += u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
        } else {
            text_ += field;
        }
    }
    text_ += QStringLiteral("\r\n");
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
