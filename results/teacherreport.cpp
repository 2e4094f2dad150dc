// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/teacherreport.h"

#include "app/checkedmath.h"
#include "app/sharedstate.h"

#include <QCoreApplication>

namespace {
const QString lineEnd = QStringLiteral("\r\n");

// The separator between hours and minutes in the locale's own time format (":" in Czech,
// "." in Finnish); quoted literals of the format count as text.
QString timeSeparator(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    bool quoted = false;
    bool afterHours = false;
    QString separator;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            if (i + 1 < format.size() && format.at(i + 1) == u'\'') {
                if (afterHours) {
                    separator += c;
                }
                ++i;
            } else {
                quoted = !quoted;
            }
            continue;
        }
        const bool hourLetter = !quoted && (c == u'h' || c == u'H');
        if (!afterHours) {
            afterHours = hourLetter;
        } else if (!quoted && c == u'm') {
            return separator.isEmpty() ? QStringLiteral(":") : separator;
        } else if (!hourLetter || !separator.isEmpty()) {
            separator += c;
        }
    }
    return QStringLiteral(":");
}

// dd.mm.yyyy hh:mm, 24-hour clock, with the locale's time separator.
QString formatReportDate(const QDateTime &moment, const QLocale &locale)
{
    QString separator = timeSeparator(locale);
    separator.replace(u'\'', QStringLiteral("''"));
    const QString format =
        QStringLiteral("dd.MM.yyyy HH") + u'\'' + separator + u'\'' + QStringLiteral("mm");
    return moment.toString(format);
}

// 0.00 with the locale's decimal separator and plain digits.
QString formatShare(double percent, const QLocale &locale)
{
    QString text = QString::number(percent, 'f', 2);
    text.replace(u'.', locale.decimalPoint());
    return text;
}
} // namespace

QString choosePluralWord(std::int32_t count)
{
    if (count == 1) {
        return QCoreApplication::translate("Souhrn", " příklad");
    }
    if (count >= 2 && count <= 4) {
        return QCoreApplication::translate("Souhrn", " příklady");
    }
    return QCoreApplication::translate("Souhrn", " příkladů");
}

QString formatCountLabel(std::int32_t count)
{
    return u' ' + QString::number(count) + choosePluralWord(count);
}

QString buildTeacherReport(const SharedState &state, const QDateTime &now, const QLocale &locale)
{
    const std::int32_t answers = checkedAdd(state.correctCount, state.wrongCount);

    QString report;
    report += QStringLiteral("Student: ") + state.reportName + lineEnd;
    report += QStringLiteral("Třída: ") + state.reportClass + lineEnd;
    report += QStringLiteral("Tesilka: 1 - Ohmův zákon") + lineEnd;
    report += QStringLiteral("Od: ") + formatReportDate(state.reportStart, locale) + lineEnd;
    report += QStringLiteral("Do: ") + formatReportDate(now, locale) + lineEnd;
    report += QStringLiteral("Celkem odpovědí: ") + QString::number(answers) + lineEnd;
    if (state.correctCount > 0 || state.wrongCount > 0) {
        const double rightShare =
            static_cast<double>(state.correctCount) / static_cast<double>(answers) * 100.0;
        const double wrongShare =
            static_cast<double>(state.wrongCount) / static_cast<double>(answers) * 100.0;
        report += QStringLiteral("Z toho dobře: ") + QString::number(state.correctCount) +
                  QStringLiteral(" (") + formatShare(rightShare, locale) + QStringLiteral("%)") +
                  lineEnd;
        report += QStringLiteral("špatně: ") + QString::number(state.wrongCount) +
                  QStringLiteral(" (") + formatShare(wrongShare, locale) + QStringLiteral("%)") +
                  lineEnd;
    }
    return report;
}
