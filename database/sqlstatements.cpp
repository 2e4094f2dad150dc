// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/sqlstatements.h"

namespace {

// A trigger's body holds statements of its own: its ";" ends it only after "END".
bool insideTrigger(const QString &current)
{
    const QString text = current.simplified().toUpper();
    return text.startsWith(QStringLiteral("CREATE TRIGGER")) &&
           !text.endsWith(QStringLiteral(" END"));
}

} // namespace

QStringList splitSqlStatements(const QString &script)
{
    QStringList statements;
    QString current;
    QChar quote;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (!quote.isNull()) {
            current += c;
            if (c == quote) {
                quote = QChar();
            }
        } else if (c == u'\'' || c == u'"') {
            quote = c;
            current += c;
        } else if (c == u'-' && i + 1 < script.size() && script.at(i + 1) == u'-') {
            while (i < script.size() && script.at(i) != u'\n') {
                ++i;
            }
            current += u'\n';
        } else if (c == u';' && !insideTrigger(current)) {
            if (!current.trimmed().isEmpty()) {
                statements.append(current.trimmed());
            }
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty()) {
        statements.append(current.trimmed());
    }
    return statements;
}
