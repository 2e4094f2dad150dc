// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/reportformat.h"

#include <QCoreApplication>
#include <QLocale>

QString reportDateText(const QDateTime &moment)
{
    return moment.isValid() ? moment.toString(QStringLiteral("d.M.yyyy H:mm")) : QString();
}

QString reportPercentText(double percent)
{
    return QLocale(QLocale::Czech, QLocale::CzechRepublic)
        .toString(percent, 'f', 2)
        .remove(QChar::Nbsp)
        .remove(QChar(0x202f));
}

QStringList reportColumnTitles()
{
    const auto tr = [](const char *text) {
        return QCoreApplication::translate("ReportTable", text);
    };
    return {tr("Student"),  tr("Třída"), tr("Od"),     tr("Do"),
            tr("Odpovědí"), tr("Dobře"), tr("Špatně"), tr("Úspěšnost %")};
}

QStringList reportFields(const DecodedReport &report)
{
    return {report.student,
            report.className,
            reportDateText(report.from),
            reportDateText(report.to),
            QString::number(report.answers),
            QString::number(report.correct),
            QString::number(report.wrong),
            reportPercentText(report.successPercent)};
}
