// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/decodecommand.h"

#include "results/reportdecoder.h"
#include "teacher/files/csvwriter.h"
#include "teacher/reportformat.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QStringEncoder>

#include <cstdio>
#include <initializer_list>
#include <string_view>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(DecodeCommand)
};

void writeLine(QIODevice &device, const QString &text)
{
    device.write((text + u'\n').toUtf8());
}

// One argument of --decode or --store: a path, or "-" for standard input, its reports read as
// `read` reads them.
template <typename Read> MailReading readArgument(const QString &argument, const Read &read)
{
    if (argument == QLatin1String("-")) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly)) {
            MailReading failed;
            failed.path = argument;
            failed.error = Texts::tr("standardní vstup nelze číst");
            return failed;
        }
        return read(&in, argument);
    }
    return read(nullptr, argument);
}

} // namespace

MailReading readCommandLineSource(const QString &argument)
{
    return readArgument(argument, [](QIODevice *device, const QString &name) {
        return device != nullptr ? readMailSource(device, name) : readMailSource(name);
    });
}

QString commandLinePlace(const MailReading &reading, const QString &shown, const FoundReport &found)
{
    const QString line = QString::number(found.report.firstLine);
    if (reading.kind == MailSourceReader::Kind::Message) {
        return Texts::tr("%1:%2").arg(shown, line);
    }
    return Texts::tr("%1: e-mail %2, ř. %3").arg(shown, QString::number(found.message), line);
}

int runDecodeCommand(const QStringList &files, QIODevice &out, QIODevice &err)
{
    if (files.isEmpty()) {
        writeLine(err, Texts::tr("Chybí soubor: tesilka-ucitel --decode SOUBOR..."));
        return 2;
    }
    // The reports are written as they are read, in pieces: a mailbox of any size takes the
    // memory of one message. With the BOM, as the window exports: a spreadsheet opens it with
    // its Czech letters.
    constexpr qsizetype piece = 1 << 20;
    QByteArray csv = QByteArrayLiteral("\xEF\xBB\xBF");
    CsvBytes line(csv);
    // Each field is encoded into one buffer kept for the whole run: a row per report.
    QStringEncoder toUtf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    QByteArray utf8;
    const auto addField = [&](const QString &field) {
        utf8.resize(toUtf8.requiredSpace(field.size()));
        const char *end = toUtf8.appendToBuffer(utf8.data(), field);
        line.text(std::string_view(utf8.constData(), static_cast<std::size_t>(end - utf8.data())));
    };
    const auto addRow = [&](std::initializer_list<QString> first, const QStringList &fields) {
        for (const QString &field : first) {
            addField(field);
        }
        for (const QString &field : fields) {
            addField(field);
        }
        line.endLine();
        if (csv.size() >= piece) {
            out.write(csv);
            csv.resize(0);
        }
    };
    addRow({Texts::tr("Soubor"), Texts::tr("E-mail"), Texts::tr("Řádek")}, reportColumnTitles());
    int status = 0;
    const QDateTime now = QDateTime::currentDateTime();
    for (const QString &fileName : files) {
        const QString shown = QDir::toNativeSeparators(fileName);
        // What the blocks say goes to `err` after what the file says, as they come.
        QByteArray blockLines;
        qsizetype reports = 0;
        const auto found = [&](const MailReading &reading, FoundReport &&one) {
            ++reports;
            const DecodedReport &report = one.report;
            if (!report.isOk()) {
                blockLines +=
                    (Texts::tr("%1: %2").arg(commandLinePlace(reading, shown, one), report.reason) +
                     u'\n')
                        .toUtf8();
                status = qMax(status, 1);
                return;
            }
            const bool numbered = reading.kind != MailSourceReader::Kind::Message;
            // A Maildir's message is a file of its own: the one to open.
            const QString where = reading.kind == MailSourceReader::Kind::Maildir
                                      ? QDir::toNativeSeparators(one.messagePath)
                                      : shown;
            const QStringList fields = reportFields(report);
            addRow({where, numbered ? QString::number(one.message) : QString(),
                    QString::number(report.firstLine)},
                   fields);
            if (endsInTheFuture(report, now)) {
                blockLines += (Texts::tr("%1: upozornění: konec práce (Do) %2 je v budoucnosti")
                                   .arg(commandLinePlace(reading, shown, one), fields.value(3)) +
                               u'\n')
                                  .toUtf8();
            }
        };
        const MailReading reading =
            readArgument(fileName, [&](QIODevice *device, const QString &name) {
                return device != nullptr ? streamMailSource(device, name, found)
                                         : streamMailSource(name, found);
            });
        if (!reading.error.isEmpty()) {
            writeLine(err, Texts::tr("%1: %2").arg(shown, reading.error));
            status = 2;
            if (reading.messages == 0) {
                err.write(blockLines);
                continue;
            }
        }
        if (reading.unreadableMessages > 0) {
            writeLine(err, Texts::tr("%1: e-mailů, které nelze přečíst: %2")
                               .arg(shown, QString::number(reading.unreadableMessages)));
            status = 2;
        }
        for (const QString &problem : reading.messageProblems) {
            writeLine(err, Texts::tr("%1: %2").arg(shown, problem));
            status = 2;
        }
        if (reports == 0) {
            writeLine(err, reading.kind == MailSourceReader::Kind::Maildir
                               ? Texts::tr("%1: ve složce není žádná zpráva").arg(shown)
                               : Texts::tr("%1: v souboru není žádná zpráva").arg(shown));
            status = qMax(status, 1);
        }
        err.write(blockLines);
    }
    out.write(csv);
    return status;
}

QString commandLineHelp(const QString &programName)
{
    return Texts::
        tr("Použití: %1 [--decode SOUBOR...]\n"
           "       %1 [--database DATABÁZE] --store SOUBOR...\n"
           "       %1 [--database DATABÁZE] --export-results VÝSTUP.csv [--class TŘÍDA]\n"
           "          [--pupil PŘÍJMENÍ] [--source skola|email] [--from RRRR-MM-DD]\n"
           "          [--to RRRR-MM-DD]\n"
           "       %1 [--database DATABÁZE] --export-summary VÝSTUP.csv [--class TŘÍDA]\n"
           "          [--pupil PŘÍJMENÍ] [--source skola|email] [--from RRRR-MM-DD]\n"
           "          [--to RRRR-MM-DD] [--threshold N]\n"
           "       %1 [--database DATABÁZE] --import-pupils SOUBOR\n"
           "\n"
           "Program učitele k Tesilce: školní databáze, žáci a zprávy žáků z e-mailu.\n"
           "Bez voleb otevře okno programu.\n"
           "\n"
           "Volby:\n"
           "  --decode SOUBOR...  přečte zprávy žáků ze souborů a vypíše je jako CSV\n"
           "                      na standardní výstup (UTF-8 s BOM jako export okna,\n"
           "                      oddělovač „;“, sloupce Soubor, E-mail, Řádek a údaje\n"
           "                      zprávy); SOUBOR je e-mail (.eml), text (.txt), schránka\n"
           "                      mbox, složka pošty Maildir (i její cur nebo new), nebo „-“\n"
           "                      pro standardní vstup; tentýž blok v jednom souboru dvakrát\n"
           "                      je jedna zpráva; důvod u každého vadného bloku a upozornění\n"
           "                      na zprávu s koncem práce v budoucnosti vypíše na chybový\n"
           "                      výstup se jménem souboru, číslem e-mailu a řádku\n"
           "  --store SOUBOR...   uloží dobré zprávy ze souborů (jako u --decode) do databáze\n"
           "                      v jedné transakci a přiřadí je žákům ze seznamu jako okno\n"
           "                      programu; vypíše, kolik zpráv bylo nových, už uložených,\n"
           "                      přiřazených žákovi, nepřiřazených a vadných; důvod u každého\n"
           "                      vadného bloku vypíše na chybový výstup se jménem souboru,\n"
           "                      číslem e-mailu a řádku; zprávu s koncem práce v budoucnosti\n"
           "                      uloží a upozorní na ni\n"
           "  --export-results VÝSTUP.csv\n"
           "                      zapíše tabulku výsledků (běhy ve škole i zprávy z e-mailu)\n"
           "                      do souboru CSV pro tabulkový procesor, jako ji exportuje\n"
           "                      okno programu\n"
           "  --export-summary VÝSTUP.csv\n"
           "                      zapíše souhrn po žácích, jak ho ukazují Souhrny: každého\n"
           "                      žáka ze seznamu, i bez běhu, a řádky nepřiřazených zpráv\n"
           "                      (obojí jako sešit, končí-li jméno výstupu na .xlsx)\n"
           "  --import-pupils SOUBOR\n"
           "                      přidá do seznamu žáků seznam třídy (CSV, XLSX nebo ODS)\n"
           "                      jako náhled v okně; vynechané řádky vypíše s důvodem na\n"
           "                      chybový výstup\n"
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
           "nebo soubor zapsat, nebo třída či žák v databázi není, 2 chybné volby.\n"
           "U --import-pupils: 0 importováni všichni, 1 některý řádek byl vynechán nebo\n"
           "databáze selhala, 2 soubor nelze přečíst nebo chybné volby.\n")
            .arg(programName);
}
