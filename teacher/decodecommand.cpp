// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/decodecommand.h"

#include "teacher/files/csvwriter.h"
#include "teacher/files/mailtext.h"
#include "results/reportdecoder.h"
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
              "       %1 [--database DATABÁZE] --export-results VÝSTUP.csv [--class TŘÍDA]\n"
              "          [--from RRRR-MM-DD] [--to RRRR-MM-DD]\n"
              "\n"
              "Program učitele k Tesilce: školní databáze, žáci a zprávy žáků z e-mailu.\n"
              "Bez voleb otevře okno programu.\n"
              "\n"
              "Volby:\n"
              "  --decode SOUBOR...  přečte zprávy žáků ze souborů (.txt nebo .eml) a vypíše je\n"
              "                      jako CSV na standardní výstup (UTF-8, oddělovač „;“);\n"
              "                      důvod u každého vadného bloku vypíše na chybový výstup\n"
              "                      se jménem souboru a číslem řádku\n"
              "  --export-results VÝSTUP.csv\n"
              "                      zapíše tabulku výsledků (běhy ve škole i zprávy z e-mailu)\n"
              "                      do souboru CSV pro tabulkový procesor, jako ji exportuje\n"
              "                      okno programu; --class, --from a --to ji omezí na třídu\n"
              "                      a období (včetně obou dnů), --database otevře jinou\n"
              "                      databázi než vestavěnou školní\n"
              "  -h, --help          vypíše tuto nápovědu\n"
              "  --version           vypíše verzi programu\n"
              "\n"
              "Návratový kód: 0 vše v pořádku, 1 některý blok je vadný nebo soubor neobsahuje\n"
              "žádnou zprávu, 2 soubor nelze přečíst nebo chybné volby.\n"
              "U --export-results: 0 zapsáno, 1 databázi nelze otevřít nebo soubor zapsat,\n"
              "2 chybné volby.\n")
        .arg(programName);
}
