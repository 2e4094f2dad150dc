// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/reportformat.h"

#include <QCoreApplication>
#include <QLocale>

namespace {
class Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReportTable)
};
} // namespace

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
    return {Texts::tr("Student"), Texts::tr("Třída"),      Texts::tr("Od"),
            Texts::tr("Do"),      Texts::tr("Odpovědí"),   Texts::tr("Dobře"),
            Texts::tr("Špatně"),  Texts::tr("Úspěšnost %")};
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
