// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/resultformat.h"

#include "database/resultexport.h"
#include "teacher/files/csvwriter.h"
#include "teacher/filesave.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLocale>
#include <QSaveFile>

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(ResultFormat)
};

} // namespace

std::pair<QDate, QDate> datePeriodRange(DatePeriod period, const QDate &today)
{
    switch (period) {
    case DatePeriod::All:
    case DatePeriod::Range:
        return {};
    case DatePeriod::Today:
        return {today, today};
    case DatePeriod::ThisWeek: {
        const QDate monday = today.addDays(1 - today.dayOfWeek());
        return {monday, monday.addDays(6)};
    }
    case DatePeriod::ThisMonth: {
        const QDate first(today.year(), today.month(), 1);
        return {first, first.addMonths(1).addDays(-1)};
    }
    case DatePeriod::SchoolYear: {
        const int year = today.month() >= 9 ? today.year() : today.year() - 1;
        return {QDate(year, 9, 1), QDate(year + 1, 8, 31)};
    }
    }
    return {};
}

QStringList resultColumnTitles()
{
    return {Texts::tr("Datum"),   Texts::tr("Začátek"),         Texts::tr("Konec"),
            Texts::tr("Žák"),     Texts::tr("Třída"),           Texts::tr("Odpovědi"),
            Texts::tr("Správně"), Texts::tr("Chybně"),          Texts::tr("Úspěšnost (%)"),
            Texts::tr("Zdroj"),   Texts::tr("Jméno ve zprávě"), Texts::tr("Třída ve zprávě")};
}

QString sourceText(ResultSource source)
{
    return source == ResultSource::Mail ? Texts::tr("e-mail") : Texts::tr("škola");
}

QString percentText(double percent)
{
    if (percent < 0) {
        return {};
    }
    // The interface's locale: a decimal comma in Czech and Slovak, a point in English.
    return QLocale().toString(percent, 'f', 2) + QStringLiteral(" %");
}

QString dayText(const QDate &day)
{
    if (!day.isValid()) {
        return {};
    }
    // Czech and Slovak write a day alike; another language its own way.
    const QLocale locale;
    return locale.language() == QLocale::Czech || locale.language() == QLocale::Slovak
               ? day.toString(QStringLiteral("d. M. yyyy"))
               : locale.toString(day, QLocale::ShortFormat);
}

QVariantList resultRowValues(const ResultRow &row)
{
    const double success = successPercent(row.right, row.answers);
    return {row.date,
            row.start,
            row.end,
            row.name,
            row.className,
            row.answers,
            row.right,
            row.wrong,
            success < 0 ? QVariant(QMetaType::fromType<double>()) : QVariant(success),
            sourceText(row.source),
            row.reportedName,
            row.reportedClass};
}

QString csvField(const QVariant &value)
{
    if (value.isNull()) {
        return {};
    }
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("d.M.yyyy"));
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
        // Never the C library's locale: the comma is written on purpose.
        return QLocale::c().toString(value.toDouble(), 'f', 2).replace(u'.', u',');
    default:
        return spreadsheetText(value.toString());
    }
}

QByteArray modelCsv(const QAbstractItemModel &model)
{
    QStringList header;
    for (int column = 0; column < model.columnCount(); ++column) {
        header << spreadsheetText(model.headerData(column, Qt::Horizontal).toString());
    }
    QString text = csvLine(header);
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < model.columnCount(); ++column) {
            fields << csvField(model.data(model.index(row, column), Qt::EditRole));
        }
        text += csvLine(fields);
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

ExportOutcome exportResultsCsv(const ResultsDatabase &database, const ResultFilter &filter,
                               const ResultSort &sort, const QString &path,
                               const std::function<bool(qint64)> &progress)
{
    ExportOutcome outcome;
    int savedErrno = 0;
    const auto failure = [&](const QString &cause) {
        return saveFailureText(path, savedErrno, cause);
    };
    errno = 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        savedErrno = errno;
        outcome.failure = failure(file.errorString());
        return outcome;
    }
    constexpr qsizetype chunk = 1 << 20;
    constexpr qint64 progressEvery = 5000;
    QByteArray buffer = QByteArrayLiteral("\xEF\xBB\xBF") + csvLine(resultColumnTitles()).toUtf8();
    bool writeFailed = false;
    const auto flushBuffer = [&] {
        errno = 0;
        if (file.write(buffer) != buffer.size()) {
            savedErrno = errno;
            writeFailed = true;
        }
        buffer.resize(0); // keeps its room for the next chunk
    };
    try {
        // The same fields as csvField() makes of resultRowValues(), appended as bytes: a
        // million rows are written at the speed of the statement. A day's text is made once.
        QHash<qint64, QByteArray> dayTexts;
        QDate lastDay;
        QByteArray lastDayText;
        const QByteArray mail = sourceText(ResultSource::Mail).toUtf8();
        const QByteArray school = sourceText(ResultSource::School).toUtf8();
        const auto bytes = [](const QByteArray &text) {
            return std::string_view(text.constData(), static_cast<std::size_t>(text.size()));
        };
        CsvBytes csv(buffer);
        buffer.reserve(chunk + (64 << 10));
        const bool complete = forEachRunText(database, filter, sort, [&](const ResultRowText &row) {
            if (row.date != lastDay || lastDayText.isNull()) {
                lastDay = row.date;
                auto found = dayTexts.find(row.date.toJulianDay());
                if (found == dayTexts.end()) {
                    found = dayTexts.insert(row.date.toJulianDay(), csvField(row.date).toUtf8());
                }
                lastDayText = *found;
            }
            csv.plain(bytes(lastDayText));
            csv.text(row.start);
            csv.text(row.end);
            csv.text(row.name);
            csv.text(row.className);
            csv.number(row.answers);
            csv.number(row.right);
            csv.number(row.wrong);
            if (row.answers > 0) {
                const qint64 hundredths = std::llround(10000.0 * row.right / row.answers);
                const qint64 cents = hundredths % 100;
                std::array<char, 48> text{};
                char *const first = text.data();
                auto size = static_cast<std::size_t>(
                    std::to_chars(first, first + 24, hundredths / 100).ptr - first);
                text.at(size++) = ',';
                if (cents >= 0 && cents < 10) {
                    text.at(size++) = '0';
                }
                size = static_cast<std::size_t>(
                    std::to_chars(first + size, first + text.size(), cents).ptr - first);
                csv.plain(std::string_view(first, size));
            } else {
                csv.plain({});
            }
            csv.plain(bytes(row.source == ResultSource::Mail ? mail : school));
            csv.text(row.reportedName);
            csv.text(row.reportedClass);
            csv.endLine();
            ++outcome.rows;
            if (buffer.size() >= chunk) {
                flushBuffer();
            }
            if ((outcome.rows == 1 || outcome.rows % progressEvery == 0) && progress &&
                !progress(outcome.rows)) {
                return false;
            }
            return !writeFailed;
        });
        if (!complete && !writeFailed) {
            file.cancelWriting();
            outcome.cancelled = true;
            return outcome;
        }
    } catch (const DatabaseError &error) {
        file.cancelWriting();
        outcome.failure = QString::fromStdString(error.what());
        return outcome;
    }
    flushBuffer();
    // flush() before commit(): a failed buffered write may otherwise pass unnoticed.
    if (!writeFailed) {
        errno = 0;
        if (!file.flush()) {
            savedErrno = errno;
            writeFailed = true;
        }
    }
    if (writeFailed) {
        const QString cause = file.errorString();
        file.cancelWriting();
        outcome.failure = failure(cause);
        return outcome;
    }
    errno = 0;
    if (!file.commit()) {
        savedErrno = errno;
        outcome.failure = failure(file.errorString());
    }
    return outcome;
}

QString filterDescription(const ResultFilter &filter)
{
    QString who = filter.surname.isEmpty()
                      ? (filter.className.isEmpty() ? Texts::tr("Všechny třídy")
                                                    : Texts::tr("Třída %1").arg(filter.className))
                      : Texts::tr("Žák %1, třída %2").arg(filter.surname, filter.className);
    if (filter.unassigned) {
        who = filter.className.isEmpty()
                  ? Texts::tr("Nepřiřazené zprávy")
                  : Texts::tr("Nepřiřazené zprávy třídy %1").arg(filter.className);
    }
    QString when = Texts::tr("za celou dobu");
    if (filter.from.isValid() || filter.to.isValid()) {
        when = Texts::tr("od %1 do %2").arg(dayText(filter.from), dayText(filter.to));
    }
    QString source;
    if (filter.sources == ResultFilter::Sources::School) {
        source = Texts::tr(", jen běhy ve škole");
    } else if (filter.sources == ResultFilter::Sources::Mail) {
        source = Texts::tr(", jen zprávy z e-mailu");
    }
    return who + u' ' + when + source;
}
