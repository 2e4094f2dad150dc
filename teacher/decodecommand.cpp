// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/decodecommand.h"

#include "results/reportdecoder.h"
#include "teacher/files/csvwriter.h"
#include "teacher/files/mailtext.h"
#include "teacher/reportformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QIODevice>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("DecodeCommand", text);
}

void writeLine(QIODevice &device, const QString &text)
{
    device.write((text + u'\n').toUtf8());
}

} // namespace

int runDecodeCommand(const QStringList &files, QIODevice &out, QIODevice &err)
{
    if (files.isEmpty()) {
        writeLine(err, tr("Chybí soubor: tesilka-ucitel --decode SOUBOR..."));
        return 2;
    }
    CsvWriter csv;
    csv.addRow(QStringList{tr("Soubor"), tr("Řádek")} + reportColumnTitles());
    int status = 0;
    for (const QString &fileName : files) {
        const QString shown = QDir::toNativeSeparators(fileName);
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly)) {
            writeLine(err, tr("%1: soubor nelze přečíst: %2").arg(shown, file.errorString()));
            status = 2;
            continue;
        }
        const QList<DecodedReport> reports = findReportBlocks(readableMailText(file.readAll()));
        if (reports.isEmpty()) {
            writeLine(err, tr("%1: v souboru není žádná zpráva").arg(shown));
            status = qMax(status, 1);
        }
        for (const DecodedReport &report : reports) {
            if (report.isOk()) {
                csv.addRow(QStringList{shown, QString::number(report.firstLine)} +
                           reportFields(report));
            } else {
                writeLine(err, tr("%1:%2: %3").arg(shown).arg(report.firstLine).arg(report.reason));
                status = qMax(status, 1);
            }
        }
    }
    // Without the BOM, which belongs to files that a spreadsheet opens, not to a pipe.
    QByteArray bytes = csv.toUtf8WithBom();
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }
    out.write(bytes);
    return status;
}

QString commandLineHelp(const QString &programName)
{
    return tr("Použití: %1 [--decode SOUBOR...]\n"
              "       %1 [--database DATABÁZE] --store SOUBOR...\n"
              "       %1 [--database DATABÁZE] --export-results VÝSTUP.csv [--class TŘÍDA]\n"
              "          [--pupil PŘÍJMENÍ] [--source skola|email] [--from RRRR-MM-DD]\n"
              "          [--to RRRR-MM-DD]\n"
              "       %1 [--database DATABÁZE] --export-summary VÝSTUP.csv [--class TŘÍDA]\n"
              "          [--pupil PŘÍJMENÍ] [--source skola|email] [--from RRRR-MM-DD]\n"
              "          [--to RRRR-MM-DD] [--threshold N]\n"
              "\n"
              "Program učitele k Tesilce: školní databáze, žáci a zprávy žáků z e-mailu.\n"
              "Bez voleb otevře okno programu.\n"
              "\n"
              "Volby:\n"
              "  --decode SOUBOR...  přečte zprávy žáků ze souborů (.txt nebo .eml) a vypíše je\n"
              "                      jako CSV na standardní výstup (UTF-8, oddělovač „;“);\n"
              "                      důvod u každého vadného bloku vypíše na chybový výstup\n"
              "                      se jménem souboru a číslem řádku\n"
              "  --store SOUBOR...   uloží dobré zprávy ze souborů (.txt nebo .eml) do databáze\n"
              "                      v jedné transakci a přiřadí je žákům ze seznamu jako okno\n"
              "                      programu; vypíše, kolik zpráv bylo nových, už uložených,\n"
              "                      přiřazených žákovi, nepřiřazených a vadných; důvod u každého\n"
              "                      vadného bloku vypíše na chybový výstup se jménem souboru\n"
              "                      a číslem řádku\n"
              "  --export-results VÝSTUP.csv\n"
              "                      zapíše tabulku výsledků (běhy ve škole i zprávy z e-mailu)\n"
              "                      do souboru CSV pro tabulkový procesor, jako ji exportuje\n"
              "                      okno programu\n"
              "  --export-summary VÝSTUP.csv\n"
              "                      zapíše souhrn po žácích, jak ho ukazují Souhrny: každého\n"
              "                      žáka ze seznamu, i bez běhu, a řádky nepřiřazených zpráv\n"
              "  --class TŘÍDA       omezí export na třídu\n"
              "  --pupil PŘÍJMENÍ    omezí export na žáka; bez --class musí být příjmení jen\n"
              "                      v jedné třídě\n"
              "  --source skola|email\n"
              "                      omezí export na běhy ve škole, nebo na zprávy z e-mailu\n"
              "  --from RRRR-MM-DD, --to RRRR-MM-DD\n"
              "                      omezí export na období (včetně obou dnů)\n"
              "  --threshold N       hranice úspěšnosti v procentech pro souhrn (bez ní 50);\n"
              "                      žáci pod ní mají ve sloupci „Pod hranicí“ „ano“\n"
              "  --database DATABÁZE otevře jinou databázi (soubor nebo server) než vestavěnou\n"
              "                      školní\n"
              "  -h, --help          vypíše tuto nápovědu\n"
              "  --version           vypíše verzi programu\n"
              "\n"
              "Návratový kód: 0 vše v pořádku, 1 některý blok je vadný nebo soubor neobsahuje\n"
              "žádnou zprávu, 2 soubor nelze přečíst nebo chybné volby.\n"
              "U --store: 0 uloženo, 1 některý blok je vadný, soubor neobsahuje žádnou zprávu\n"
              "nebo databáze selhala (pak se neuloží nic), 2 soubor nelze přečíst (pak se\n"
              "neuloží nic) nebo chybné volby.\n"
              "U --export-results a --export-summary: 0 zapsáno, 1 databázi nelze otevřít\n"
              "nebo soubor zapsat, nebo třída či žák v databázi není, 2 chybné volby.\n")
        .arg(programName);
}
