// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/reportformat.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>

namespace {
class Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReportTable)
};
} // namespace

QString reportDateText(const QDateTime &moment)
{
    if (!moment.isValid()) {
        return {};
    }
    const QDate day = moment.date();
    const QTime time = moment.time();
    if (day.year() < 1 || day.year() > 9999) {
        return moment.toString(QStringLiteral("d.M.yyyy H:mm"));
    }
    // "d.M.yyyy H:mm" put together at once: a mailbox has thousands of them.
    std::array<char16_t, 24> text{};
    std::size_t size = 0;
    const auto put = [&](int value, int width) {
        std::array<char16_t, 8> digits{};
        std::size_t count = 0;
        do {
            digits.at(count++) = static_cast<char16_t>(u'0' + value % 10);
            value /= 10;
        } while (value > 0 || count < static_cast<std::size_t>(width));
        while (count > 0) {
            text.at(size++) = digits.at(--count);
        }
    };
    const auto sign = [&](char16_t c) { text.at(size++) = c; };
    put(day.day(), 1);
    sign(u'.');
    put(day.month(), 1);
    sign(u'.');
    put(day.year(), 4);
    sign(u' ');
    put(time.hour(), 1);
    sign(u':');
    put(time.minute(), 2);
    return QStringView(text.data(), static_cast<qsizetype>(size)).toString();
}

QString reportPercentText(double percent)
{
    static const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
    return czech.toString(percent, 'f', 2).remove(QChar::Nbsp).remove(QChar(0x202f));
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
