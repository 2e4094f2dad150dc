// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/storecommand.h"

#include "database/teacherdatabase.h"
#include "results/reportdecoder.h"
#include "teacher/decodecommand.h"
#include "teacher/files/mailbox.h"
#include "teacher/reportformat.h"
#include "teacher/reportstore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QIODevice>

#include <utility>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(StoreCommand)
};

void writeLine(QIODevice &device, const QString &text)
{
    device.write((text + u'\n').toUtf8());
}

} // namespace

int runStoreCommand(const QStringList &arguments, const QString &defaultDatabase, QIODevice &out,
                    QIODevice &err)
{
    QString databasePath = defaultDatabase;
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--store")) {
            continue;
        }
        if (argument == QLatin1String("--database")) {
            if (i + 1 >= arguments.size()) {
                writeLine(
                    err,
                    Texts::tr("Volbě %1 chybí hodnota. Nápovědu vypíše --help.").arg(argument));
                return 2;
            }
            databasePath = arguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--"))) {
            writeLine(err, Texts::tr("Neznámá volba „%1“. Nápovědu vypíše --help.").arg(argument));
            return 2;
        } else {
            files.append(argument);
        }
    }
    if (files.isEmpty()) {
        writeLine(err, Texts::tr("Chybí soubor: tesilka-ucitel --store SOUBOR..."));
        return 2;
    }

    // Every file is read before the database is touched: a file that cannot be read stores
    // nothing, so that the teacher can run the same command again once it is fixed.
    QList<std::pair<QString, MailReading>> readings;
    bool unreadable = false;
    for (const QString &fileName : files) {
        const QString shown = QDir::toNativeSeparators(fileName);
        MailReading reading = readCommandLineSource(fileName);
        if (!reading.error.isEmpty()) {
            writeLine(err, Texts::tr("%1: %2").arg(shown, reading.error));
            unreadable = true;
        } else if (reading.unreadableMessages > 0) {
            writeLine(err, Texts::tr("%1: e-mailů, které nelze přečíst: %2")
                               .arg(shown, QString::number(reading.unreadableMessages)));
            unreadable = true;
        }
        for (const QString &problem : reading.messageProblems) {
            writeLine(err, Texts::tr("%1: %2").arg(shown, problem));
            unreadable = true;
        }
        readings.append({shown, std::move(reading)});
    }
    if (unreadable) {
        writeLine(err, Texts::tr("Nic nebylo uloženo."));
        return 2;
    }

    int status = 0;
    QList<DecodedReport> reports;
    const QDateTime now = QDateTime::currentDateTime();
    for (const auto &[shown, reading] : readings) {
        if (reading.reports.isEmpty()) {
            writeLine(err, reading.kind == MailSourceReader::Kind::Maildir
                               ? Texts::tr("%1: ve složce není žádná zpráva").arg(shown)
                               : Texts::tr("%1: v souboru není žádná zpráva").arg(shown));
            status = 1;
        }
        for (const FoundReport &found : reading.reports) {
            if (!found.report.isOk()) {
                writeLine(err, Texts::tr("%1: %2").arg(commandLinePlace(reading, shown, found),
                                                       found.report.reason));
                status = 1;
            } else if (endsInTheFuture(found.report, now)) {
                writeLine(err, Texts::tr("%1: upozornění: konec práce (Do) %2 je v budoucnosti; "
                                         "zpráva se přesto ukládá")
                                   .arg(commandLinePlace(reading, shown, found),
                                        reportFields(found.report).value(3)));
            }
            reports.append(found.report);
        }
    }

    try {
        const auto database = TeacherDatabase::open(DatabaseLocation::fromText(databasePath));
        const ReportStoreResult result =
            storeDecodedReports(*database, reports, QDateTime::currentDateTime());
        writeLine(out,
                  Texts::tr("Uloženo do databáze %1: nových zpráv %2, už uložených %3, přiřazených "
                            "žákovi %4, nepřiřazených %5, odmítnutých vadných bloků %6.")
                      .arg(database->location().displayName(), QString::number(result.added),
                           QString::number(result.alreadyStored), QString::number(result.linked),
                           QString::number(result.unassigned), QString::number(result.notReports)));
    } catch (const DatabaseError &error) {
        writeLine(err, QString::fromStdString(error.what()));
        writeLine(err, Texts::tr("Nic nebylo uloženo."));
        return 1;
    }
    return status;
}
