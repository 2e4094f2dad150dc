// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/mistakescommand.h"

#include "database/mistakesdatabase.h"
#include "database/resultsdatabase.h"
#include "database/teacherdatabase.h"
#include "teacher/exportcommand.h"
#include "teacher/files/xlsxexport.h"
#include "teacher/filesave.h"
#include "teacher/mistakemodels.h"
#include "teacher/resultformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QIODevice>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(MistakesCommand)
};

void writeLine(QIODevice &device, const QString &text)
{
    device.write((text + u'\n').toUtf8());
}

struct Options
{
    QString databasePath;
    QString outPath;
    QString pupil;
    ResultFilter filter;
};

// Returns 0 when the options are right, else 2 with the reason on `err`.
int parse(const QStringList &arguments, Options &options, QIODevice &err)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        if (i + 1 >= arguments.size()) {
            writeLine(err,
                      Texts::tr("Volbě %1 chybí hodnota. Nápovědu vypíše --help.").arg(option));
            return 2;
        }
        const QString &value = arguments.at(++i);
        if (option == QLatin1String("--from") || option == QLatin1String("--to")) {
            const QDate day = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
            if (!day.isValid()) {
                writeLine(err, Texts::tr("Datum „%1“ u volby %2 není platné, čeká se RRRR-MM-DD.")
                                   .arg(value, option));
                return 2;
            }
            (option == QLatin1String("--from") ? options.filter.from : options.filter.to) = day;
        } else if (option == QLatin1String("--database")) {
            options.databasePath = value;
        } else if (option == QLatin1String("--export-mistakes")) {
            options.outPath = value;
        } else if (option == QLatin1String("--class")) {
            options.filter.className = value;
        } else if (option == QLatin1String("--pupil")) {
            options.pupil = value;
        } else {
            writeLine(err, Texts::tr("Volbu „%1“ nelze použít s --export-mistakes. Nápovědu vypíše "
                                     "--help.")
                               .arg(option));
            return 2;
        }
    }
    if (options.outPath.isEmpty()) {
        writeLine(err, Texts::tr("Chybí soubor: --export-mistakes SOUBOR.csv (nebo SOUBOR.xlsx)"));
        return 2;
    }
    if (options.filter.from.isValid() && options.filter.to.isValid() &&
        options.filter.from > options.filter.to) {
        writeLine(err, Texts::tr("Období je prázdné: --from je pozdější než --to."));
        return 2;
    }
    return 0;
}

} // namespace

int runMistakesExportCommand(const QStringList &arguments, const QString &defaultDatabase,
                             QIODevice &out, QIODevice &err)
{
    Options options;
    options.databasePath = defaultDatabase;
    if (const int status = parse(arguments, options, err); status != 0) {
        return status;
    }
    try {
        const auto database =
            TeacherDatabase::open(DatabaseLocation::fromText(options.databasePath));
        const ResultsDatabase results(*database);
        if (const QString failure = resolveExportFilter(results, options.filter, options.pupil);
            !failure.isEmpty()) {
            writeLine(err, failure);
            return 1;
        }
        const QList<PupilMistakes> pupils =
            MistakesDatabase(*database).pupils(options.filter, Medians::Always);
        MistakeTableModel model(pupilMistakeTitles(), {pupilMedianColumn});
        fillPupilMistakes(model, pupils);
        const QString failure = isWorkbookPath(options.outPath)
                                    ? modelXlsx(model, options.outPath, Texts::tr("Chyby"))
                                    : saveWholeFile(options.outPath, modelCsv(model));
        if (!failure.isEmpty()) {
            writeLine(err, failure);
            return 1;
        }
        writeLine(out, Texts::tr("Do souboru %1 zapsány chyby po žácích, řádků: %2.")
                           .arg(QDir::toNativeSeparators(options.outPath))
                           .arg(pupils.size()));
    } catch (const DatabaseError &error) {
        writeLine(err, QString::fromStdString(error.what()));
        return 1;
    }
    return 0;
}

QString mistakesCommandHelp(const QString &programName)
{
    return Texts::tr(
               "\n"
               "Použití: %1 [--database DATABÁZE] --export-mistakes VÝSTUP.csv [--class TŘÍDA]\n"
               "          [--pupil PŘÍJMENÍ] [--from RRRR-MM-DD] [--to RRRR-MM-DD]\n"
               "  --export-mistakes VÝSTUP.csv\n"
               "                      zapíše chyby po žácích, jak je ukazuje karta Chyby: na\n"
               "                      řádek žáka s odpověďmi z běhů ve škole jeho odpovědi,\n"
               "                      správné, počet každého druhu chyby, převažující chybu\n"
               "                      a medián doby odpovědi v sekundách (jako sešit, končí-li\n"
               "                      jméno výstupu na .xlsx)\n")
        .arg(programName);
}
