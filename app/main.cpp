// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/clickguard.h"
#include "app/guardedapplication.h"
#include "app/programend.h"
#include "app/sharedstate.h"
#include "app/uniformsource.h"
#include "app/windowflow.h"
#include "results/reportencoder.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // Qt decides at start-up whether to talk to screen readers; one started later would not
    // see the program. Always on, unless the user has said otherwise.
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    }
    GuardedApplication app(argc, argv);
    // The run ends only through ProgramEnd, never because a window happened to be the last.
    QApplication::setQuitOnLastWindowClosed(false);

    // The whole interface is Czech, Qt's own dialogs and buttons included.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts);
    }

    ClickGuard clickGuard;
    QApplication::instance()->installEventFilter(&clickGuard);

    SharedState state;
    ClockSeededSource random;
    ReportEncoder encoder(random);
    ProgramEnd programEnd;
    app.setProgramEnd(&programEnd);

    WindowFlow flow(state, random, encoder, programEnd, QLocale::system());
    flow.start();
    return QApplication::exec();
}
