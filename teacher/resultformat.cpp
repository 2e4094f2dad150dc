// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/resultformat.h"

#include "teacher/files/csvwriter.h"
#include "teacher/filesave.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QSaveFile>

#include <cerrno>
#include <cmath>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ResultFormat", text);
}

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
    return {tr("Datum"),         tr("Začátek"),  tr("Konec"),           tr("Žák"),
            tr("Třída"),         tr("Odpovědi"), tr("Správně"),         tr("Chybně"),
            tr("Úspěšnost (%)"), tr("Zdroj"),    tr("Jméno ve zprávě"), tr("Třída ve zprávě")};
}

QString sourceText(ResultSource source)
{
    return source == ResultSource::Mail ? tr("e-mail") : tr("škola");
}

QString percentText(double percent)
{
    if (percent < 0) {
        return {};
    }
    return QLocale(QLocale::Czech, QLocale::CzechRepublic).toString(percent, 'f', 2) +
           QStringLiteral(" %");
}

QString dayText(const QDate &day)
{
    return day.isValid() ? day.toString(QStringLiteral("d. M. yyyy")) : QString();
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
        buffer.clear();
    };
    try {
        // The same fields as csvField() makes of resultRowValues(), without a QVariant per
        // field: a million rows are written in seconds. A day's text is made once for its rows.
        QDate lastDay;
        QString lastDayText;
        const QString mail = sourceText(ResultSource::Mail);
        const QString school = sourceText(ResultSource::School);
        const bool complete = database.forEachRun(filter, sort, [&](const ResultRow &row) {
            if (row.date != lastDay) {
                lastDay = row.date;
                lastDayText = csvField(row.date);
            }
            QString success;
            if (row.answers > 0) {
                const qint64 hundredths = std::llround(10000.0 * row.right / row.answers);
                success = QString::number(hundredths / 100) + u',' +
                          QString::number(hundredths % 100).rightJustified(2, u'0');
            }
            buffer +=
                csvLine({lastDayText, spreadsheetText(row.start), spreadsheetText(row.end),
                         spreadsheetText(row.name), spreadsheetText(row.className),
                         QString::number(row.answers), QString::number(row.right),
                         QString::number(row.wrong), success,
                         row.source == ResultSource::Mail ? mail : school,
                         spreadsheetText(row.reportedName), spreadsheetText(row.reportedClass)})
                    .toUtf8();
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
                      ? (filter.className.isEmpty() ? tr("Všechny třídy")
                                                    : tr("Třída %1").arg(filter.className))
                      : tr("Žák %1, třída %2").arg(filter.surname, filter.className);
    if (filter.unassigned) {
        who = filter.className.isEmpty() ? tr("Nepřiřazené zprávy")
                                         : tr("Nepřiřazené zprávy třídy %1").arg(filter.className);
    }
    QString when = tr("za celou dobu");
    if (filter.from.isValid() || filter.to.isValid()) {
        when = tr("od %1 do %2").arg(dayText(filter.from), dayText(filter.to));
    }
    QString source;
    if (filter.sources == ResultFilter::Sources::School) {
        source = tr(", jen běhy ve škole");
    } else if (filter.sources == ResultFilter::Sources::Mail) {
        source = tr(", jen zprávy z e-mailu");
    }
    return who + u' ' + when + source;
}
