// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language.h"
#include "database/schooldatabase.h"
#include "teacher/afterfirstpaint.h"
#include "teacher/copycommand.h"
#include "teacher/decodecommand.h"
#include "teacher/exportcommand.h"
#include "teacher/importcommand.h"
#include "teacher/mainwindow.h"
#include "teacher/mistakescommand.h"
#include "teacher/qttexts.h"
#include "teacher/storecommand.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

namespace {

void setIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Tesilka"));
    QCoreApplication::setApplicationName(QStringLiteral("tesilka-ucitel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESILKA_VERSION));
}

// The command line without a window: decided before any application object exists, so that
// it runs without a display.
int runCommandLine(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    setIdentity();
    installTranslations(app, interfaceLocale(),
                        {QStringLiteral("tesilka"), QStringLiteral("tesilka-ucitel")});
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly) || !err.open(stderr, QIODevice::WriteOnly)) {
        return 2;
    }
    const QString first = arguments.value(0);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        out.write((commandLineHelp(QStringLiteral("tesilka-ucitel")) +
                   copyCommandHelp(QStringLiteral("tesilka-ucitel")) +
                   mistakesCommandHelp(QStringLiteral("tesilka-ucitel")))
                      .toUtf8());
        return 0;
    }
    if (first == QLatin1String("--version")) {
        out.write(QStringLiteral("tesilka-ucitel %1\n").arg(TESILKA_VERSION).toUtf8());
        return 0;
    }
    if (first == QLatin1String("--decode")) {
        return runDecodeCommand(arguments.mid(1), out, err);
    }
    // Before --database, which also starts the copy to a server.
    if (arguments.contains(QLatin1String("--import-pupils"))) {
        return runImportCommand(arguments, schoolDatabasePath(), out, err);
    }
    if (arguments.contains(QLatin1String("--store"))) {
        return runStoreCommand(arguments, schoolDatabasePath(), out, err);
    }
    if (arguments.contains(QLatin1String("--export-results"))) {
        return runExportCommand(arguments, schoolDatabasePath(), out, err);
    }
    if (arguments.contains(QLatin1String("--export-summary"))) {
        return runSummaryExportCommand(arguments, schoolDatabasePath(), out, err);
    }
    if (arguments.contains(QLatin1String("--export-mistakes"))) {
        return runMistakesExportCommand(arguments, schoolDatabasePath(), out, err);
    }
    if (first == QLatin1String("--copy-to-server") || first == QLatin1String("--database")) {
        return runCopyCommand(arguments, out, err);
    }
    err.write(QCoreApplication::translate("DecodeCommand",
                                          "Neznámá volba „%1“. Nápovědu vypíše --help.\n")
                  .arg(first)
                  .toUtf8());
    return 2;
}

bool isCommandLine(int argc, char *argv[])
{
    if (argc < 2) {
        return false;
    }
    const QByteArray first(argv[1]);
    // Qt's own options (-platform, -style …) belong to the window.
    return first.startsWith("--") || first == "-h";
}

} // namespace

int main(int argc, char *argv[])
{
    if (isCommandLine(argc, argv)) {
        return runCommandLine(argc, argv);
    }
    QApplication app(argc, argv);
    setIdentity();

    // The interface speaks the machine's language (Czech, Slovak or English, else Czech), Qt's
    // own dialogs and buttons included, and shows numbers and dates the same way.
    installQtTexts(app, interfaceLocale());

    MainWindow window;
    window.show();
    // Opened once the window has painted: the teacher sees it at once, and a message about the
    // database stands over it.
    afterFirstPaint(&window, [&window] { window.openInitialDatabase(); });
    return QApplication::exec();
}
