// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/exportcommand.h"

#include "database/resultsdatabase.h"
#include "database/teacherdatabase.h"
#include "teacher/files/xlsxexport.h"
#include "teacher/filesave.h"
#include "teacher/resultformat.h"
#include "teacher/summarymodels.h"

#include <QCoreApplication>
#include <QDir>
#include <QIODevice>
#include <QLocale>

#include <cmath>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(ExportCommand)
};

void writeLine(QIODevice &device, const QString &text)
{
    device.write((text + u'\n').toUtf8());
}

enum class ExportKind
{
    Results,
    Summary
};

QString exportOption(ExportKind kind)
{
    return kind == ExportKind::Results ? QStringLiteral("--export-results")
                                       : QStringLiteral("--export-summary");
}

struct ExportOptions
{
    QString databasePath;
    QString outPath;
    ResultFilter filter;
    QString pupil;         // a surname, looked up in the database before it filters
    double threshold = 50; // the window's own default, not the teacher's saved one
};

// Returns 0 when the options are right, else 2 with the reason on `err`.
int parseOptions(const QStringList &arguments, ExportKind kind, ExportOptions &options,
                 QIODevice &err)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        if (i + 1 >= arguments.size()) {
            writeLine(err,
                      Texts::tr("Volbě %1 chybí hodnota. Nápovědu vypíše --help.").arg(option));
            return 2;
        }
        const QString &value = arguments.at(++i);
        const auto date = [&](QDate &target) {
            target = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
            if (!target.isValid()) {
                writeLine(err, Texts::tr("Datum „%1“ u volby %2 není platné, čeká se RRRR-MM-DD.")
                                   .arg(value, option));
                return false;
            }
            return true;
        };
        if (option == QLatin1String("--database")) {
            options.databasePath = value;
        } else if (option == exportOption(kind)) {
            options.outPath = value;
        } else if (option == QLatin1String("--class")) {
            options.filter.className = value;
        } else if (option == QLatin1String("--pupil")) {
            options.pupil = value;
        } else if (option == QLatin1String("--source")) {
            if (value == QLatin1String("skola")) {
                options.filter.sources = ResultFilter::Sources::School;
            } else if (value == QLatin1String("email")) {
                options.filter.sources = ResultFilter::Sources::Mail;
            } else {
                writeLine(err,
                          Texts::tr("Zdroj „%1“ u volby --source neznám, čeká se skola nebo email.")
                              .arg(value));
                return 2;
            }
        } else if (option == QLatin1String("--from")) {
            if (!date(options.filter.from)) {
                return 2;
            }
        } else if (option == QLatin1String("--to")) {
            if (!date(options.filter.to)) {
                return 2;
            }
        } else if (option == QLatin1String("--threshold") && kind == ExportKind::Summary) {
            // A decimal comma as a Czech teacher writes it, or a point.
            bool ok = false;
            options.threshold = QLocale::c().toDouble(QString(value).replace(u',', u'.'), &ok);
            if (!ok || !std::isfinite(options.threshold) || options.threshold < 0 ||
                options.threshold > 100) {
                writeLine(err, Texts::tr("Hranice „%1“ u volby --threshold není číslo od 0 do 100.")
                                   .arg(value));
                return 2;
            }
        } else if (option == QLatin1String("--threshold") ||
                   option == QLatin1String("--export-results") ||
                   option == QLatin1String("--export-summary")) {
            writeLine(err, Texts::tr("Volbu %1 nelze použít s %2. Nápovědu vypíše --help.")
                               .arg(option, exportOption(kind)));
            return 2;
        } else {
            writeLine(err, Texts::tr("Neznámá volba „%1“. Nápovědu vypíše --help.").arg(option));
            return 2;
        }
    }
    if (options.outPath.isEmpty()) {
        writeLine(
            err,
            Texts::tr("Chybí soubor: %1 SOUBOR.csv (nebo SOUBOR.xlsx)").arg(exportOption(kind)));
        return 2;
    }
    const ResultFilter &filter = options.filter;
    if (filter.from.isValid() && filter.to.isValid() && filter.from > filter.to) {
        writeLine(err, Texts::tr("Období je prázdné: --from je pozdější než --to."));
        return 2;
    }
    return 0;
}

// A workbook for a spreadsheet rather than CSV, by the name the teacher gave.
bool wantsXlsx(const QString &path)
{
    return path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive);
}

// The per-pupil table of "Souhrny", as its export writes it. Returns the failure, or an empty
// text with the number of rows in `rows`.
QString exportSummary(const ResultsDatabase &results, const ExportOptions &options, qint64 &rows)
{
    QList<QVariantList> values;
    for (const PupilSummary &pupil : results.pupilSummaries(options.filter, options.threshold)) {
        values.append(pupilSummaryValues(pupil));
    }
    rows = values.size();
    ValueTableModel model(pupilSummaryTitles());
    model.setRows(std::move(values));
    return wantsXlsx(options.outPath) ? modelXlsx(model, options.outPath, Texts::tr("Souhrn"))
                                      : saveWholeFile(options.outPath, modelCsv(model));
}

int runExport(const QStringList &arguments, const QString &defaultDatabase, ExportKind kind,
              QIODevice &out, QIODevice &err)
{
    ExportOptions options;
    options.databasePath = defaultDatabase;
    if (const int status = parseOptions(arguments, kind, options, err); status != 0) {
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
        const QString shown = QDir::toNativeSeparators(options.outPath);
        if (kind == ExportKind::Summary) {
            qint64 rows = 0;
            if (const QString failure = exportSummary(results, options, rows); !failure.isEmpty()) {
                writeLine(err, failure);
                return 1;
            }
            writeLine(out, Texts::tr("Do souboru %1 zapsán souhrn po žácích, řádků: %2.")
                               .arg(shown)
                               .arg(rows));
            return 0;
        }
        const ExportOutcome outcome =
            wantsXlsx(options.outPath)
                ? exportResultsXlsx(results, options.filter, ResultSort{}, options.outPath)
                : exportResultsCsv(results, options.filter, ResultSort{}, options.outPath);
        if (!outcome.failure.isEmpty()) {
            writeLine(err, outcome.failure);
            return 1;
        }
        writeLine(out,
                  Texts::tr("Do souboru %1 zapsáno výsledků: %2.").arg(shown).arg(outcome.rows));
    } catch (const DatabaseError &error) {
        writeLine(err, QString::fromStdString(error.what()));
        return 1;
    }
    return 0;
}

} // namespace

QString resolveExportFilter(const ResultsDatabase &results, ResultFilter &filter,
                            const QString &pupil)
{
    if (!filter.className.isEmpty()) {
        const QStringList classes = results.classes();
        if (classes.isEmpty()) {
            return Texts::tr("Třída „%1“ v databázi není, databáze zatím žádnou třídu nemá.")
                .arg(filter.className);
        }
        if (!classes.contains(filter.className)) {
            return Texts::tr("Třída „%1“ v databázi není. Třídy v databázi: %2.")
                .arg(filter.className, classes.join(Texts::tr(", ")));
        }
    }
    if (pupil.isEmpty()) {
        return {};
    }
    QStringList classes;
    for (const auto &[surname, className] : results.pupils(filter.className)) {
        if (surname == pupil && !classes.contains(className)) {
            classes.append(className);
        }
    }
    if (classes.isEmpty()) {
        return filter.className.isEmpty() ? Texts::tr("Žák „%1“ v databázi není.").arg(pupil)
                                          : Texts::tr("Žák „%1“ ve třídě %2 v databázi není.")
                                                .arg(pupil, filter.className);
    }
    if (classes.size() > 1) {
        return Texts::tr("Příjmení „%1“ je ve více třídách: %2. Třídu zvolte volbou --class.")
            .arg(pupil, classes.join(Texts::tr(", ")));
    }
    filter.surname = pupil;
    filter.className = classes.constFirst();
    return {};
}

int runExportCommand(const QStringList &arguments, const QString &defaultDatabase, QIODevice &out,
                     QIODevice &err)
{
    return runExport(arguments, defaultDatabase, ExportKind::Results, out, err);
}

int runSummaryExportCommand(const QStringList &arguments, const QString &defaultDatabase,
                            QIODevice &out, QIODevice &err)
{
    return runExport(arguments, defaultDatabase, ExportKind::Summary, out, err);
}
