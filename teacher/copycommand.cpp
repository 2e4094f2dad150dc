// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/copycommand.h"

#include "database/databasecopy.h"
#include "database/teacherdatabase.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(CopyCommand)
};

} // namespace

int runCopyCommand(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    QString server;
    QString file;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        if ((option == QLatin1String("--copy-to-server") ||
             option == QLatin1String("--database")) &&
            i + 1 < arguments.size()) {
            (option == QLatin1String("--database") ? file : server) = arguments.at(++i);
        } else {
            err.write(Texts::tr("Neznámá nebo neúplná volba „%1“. Nápovědu vypíše --help.\n")
                          .arg(option)
                          .toUtf8());
            return 2;
        }
    }
    if (server.isEmpty() || file.isEmpty()) {
        err.write(Texts::tr("Chybí adresa serveru (--copy-to-server) nebo soubor databáze "
                            "(--database).\n")
                      .toUtf8());
        return 2;
    }
    if (!DatabaseLocation::namesServer(server)) {
        err.write(
            Texts::tr("„%1“ není adresa databázového serveru (postgresql://… nebo service=…).\n")
                .arg(server)
                .toUtf8());
        return 2;
    }
    try {
        const auto target = TeacherDatabase::open(DatabaseLocation::server(server));
        const CopyResult copied = copySchoolDatabase(QFileInfo(file).absoluteFilePath(), *target);
        out.write(Texts::tr("Zkopírováno na server %1: žáků %2, výsledků %3, zpráv %4.\n")
                      .arg(target->location().displayName())
                      .arg(copied.pupils)
                      .arg(copied.runs)
                      .arg(copied.reports)
                      .toUtf8());
        return 0;
    } catch (const DatabaseError &error) {
        err.write(QByteArray(error.what()) + '\n');
        return 1;
    }
}

QString copyCommandHelp(const QString &programName)
{
    return Texts::tr(
               "\n%1 --copy-to-server ADRESA --database SOUBOR\n"
               "  Zkopíruje školní databázi ze souboru SQLite (žáky, výsledky a uložené zprávy)\n"
               "  do prázdné školní databáze na serveru PostgreSQL, vše v jedné transakci.\n"
               "  ADRESA je postgresql://uzivatel@server/databaze nebo service=nazev; heslo\n"
               "  patří do souboru ~/.pgpass.\n")
        .arg(programName);
}
