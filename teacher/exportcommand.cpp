// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/exportcommand.h"

#include "database/resultsdatabase.h"
#include "database/teacherdatabase.h"
#include "teacher/resultformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QIODevice>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ExportCommand", text);
}

void writeLine(QIODevice &device, const QString &text)
{
    device.write((text + u'\n').toUtf8());
}

} // namespace

int runExportCommand(const QStringList &arguments, const QString &defaultDatabase, QIODevice &out,
                     QIODevice &err)
{
    QString databasePath = defaultDatabase;
    QString outPath;
    ResultFilter filter;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        if (i + 1 >= arguments.size()) {
            writeLine(err, tr("Volbě %1 chybí hodnota. Nápovědu vypíše --help.").arg(option));
            return 2;
        }
        const QString &value = arguments.at(++i);
        const auto date = [&](QDate &target) {
            target = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
            if (!target.isValid()) {
                writeLine(err, tr("Datum „%1“ u volby %2 není platné, čeká se RRRR-MM-DD.")
                                   .arg(value, option));
                return false;
            }
            return true;
        };
        if (option == QLatin1String("--database")) {
            databasePath = value;
        } else if (option == QLatin1String("--export-results")) {
            outPath = value;
        } else if (option == QLatin1String("--class")) {
            filter.className = value;
        } else if (option == QLatin1String("--from")) {
            if (!date(filter.from)) {
                return 2;
            }
        } else if (option == QLatin1String("--to")) {
            if (!date(filter.to)) {
                return 2;
            }
        } else {
            writeLine(err, tr("Neznámá volba „%1“. Nápovědu vypíše --help.").arg(option));
            return 2;
        }
    }
    if (outPath.isEmpty()) {
        writeLine(err, tr("Chybí soubor: --export-results SOUBOR.csv"));
        return 2;
    }
    if (filter.from.isValid() && filter.to.isValid() && filter.from > filter.to) {
        writeLine(err, tr("Období je prázdné: --from je pozdější než --to."));
        return 2;
    }
    try {
        const auto database = TeacherDatabase::open(DatabaseLocation::fromText(databasePath));
        const ResultsDatabase results(*database);
        const ExportOutcome outcome = exportResultsCsv(results, filter, ResultSort{}, outPath);
        if (!outcome.failure.isEmpty()) {
            writeLine(err, outcome.failure);
            return 1;
        }
        writeLine(out, tr("Do souboru %1 zapsáno výsledků: %2.")
                           .arg(QDir::toNativeSeparators(outPath))
                           .arg(outcome.rows));
    } catch (const DatabaseError &error) {
        writeLine(err, QString::fromStdString(error.what()));
        return 1;
    }
    return 0;
}
