// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/importcommand.h"

#include "database/teacherdatabase.h"
#include "teacher/czechtext.h"
#include "teacher/files/classlistcsv.h"
#include "teacher/reportstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QIODevice>

#include <algorithm>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(ImportCommand)
};

void writeLine(QIODevice &device, const QString &text)
{
    device.write((text + u'\n').toUtf8());
}

} // namespace

int runImportCommand(const QStringList &arguments, const QString &defaultDatabase, QIODevice &out,
                     QIODevice &err)
{
    QString databasePath = defaultDatabase;
    QString listPath;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        if (option != QLatin1String("--database") && option != QLatin1String("--import-pupils")) {
            writeLine(err, Texts::tr("Neznámá volba „%1“. Nápovědu vypíše --help.").arg(option));
            return 2;
        }
        if (i + 1 >= arguments.size()) {
            writeLine(err,
                      Texts::tr("Volbě %1 chybí hodnota. Nápovědu vypíše --help.").arg(option));
            return 2;
        }
        (option == QLatin1String("--database") ? databasePath : listPath) = arguments.at(++i);
    }
    if (listPath.isEmpty()) {
        writeLine(err, Texts::tr("Chybí soubor: tesilka-ucitel --import-pupils SOUBOR"));
        return 2;
    }

    // The file is read before the database is touched.
    ClassListSource source;
    if (const QString failure = readClassListFile(listPath, source); !failure.isEmpty()) {
        writeLine(err, failure);
        return 2;
    }
    const ClassListOptions options = guessClassListOptions(source);
    const ClassList list = parseClassList(source, options);
    const QString shown = QDir::toNativeSeparators(listPath);

    QList<ClassListIssue> issues = list.issues;
    int added = 0;
    int linked = 0;
    try {
        const auto database = TeacherDatabase::open(DatabaseLocation::fromText(databasePath));
        const PupilImportResult result = database->importPupils(list.rows);
        added = result.added;
        issues += result.skipped;
        if (added > 0) {
            linked = linkUnassignedReports(*database);
        }
    } catch (const DatabaseError &error) {
        writeLine(err, QString::fromStdString(error.what()));
        writeLine(err, Texts::tr("Ze souboru %1 nebyl importován žádný žák.").arg(shown));
        return 1;
    }

    std::stable_sort(issues.begin(), issues.end(),
                     [](const auto &a, const auto &b) { return a.line < b.line; });
    for (const ClassListIssue &issue : issues) {
        writeLine(err, Texts::tr("Řádek %1: %2").arg(issue.line).arg(issue.reason));
    }
    if (options.joinFirstNames) {
        writeLine(out, Texts::tr("V souboru jsou jmenovci: příjmení jsou uložena se jménem („Novák "
                                 "Petr“)."));
    }
    QString summary = czechCount(added, Texts::tr("Ze souboru %2 importován %1 žák"),
                                 Texts::tr("Ze souboru %2 importováni %1 žáci"),
                                 Texts::tr("Ze souboru %2 importováno %1 žáků"))
                          .arg(shown);
    if (!issues.isEmpty()) {
        summary += Texts::tr(", ") +
                   czechCount(static_cast<int>(issues.size()), Texts::tr("%1 řádek vynechán"),
                              Texts::tr("%1 řádky vynechány"), Texts::tr("%1 řádků vynecháno"));
    }
    summary += u'.';
    if (linked > 0) {
        summary += u' ' + czechCount(linked, Texts::tr("%1 uložená zpráva přiřazena žákovi."),
                                     Texts::tr("%1 uložené zprávy přiřazeny žákům."),
                                     Texts::tr("%1 uložených zpráv přiřazeno žákům."));
    }
    writeLine(out, summary);
    if (issues.isEmpty() && list.rows.isEmpty()) {
        writeLine(err, Texts::tr("V souboru %1 není žádný žák.").arg(shown));
        return 1;
    }
    return issues.isEmpty() ? 0 : 1;
}
