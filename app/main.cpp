// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/clickguard.h"
#include "app/guardedapplication.h"
#include "app/language.h"
#include "app/programend.h"
#include "app/sharedstate.h"
#include "app/uniformsource.h"
#include "app/windowflow.h"
#include "results/reportencoder.h"

#include <QLocale>

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

    // The interface speaks the machine's language (Czech, Slovak or English, else Czech), Qt's
    // own dialogs and buttons included, and shows numbers and dates the same way.
    const QLocale locale = interfaceLocale();
    installTranslations(app, locale, {QStringLiteral("tesilka")});

    ClickGuard clickGuard;
    QApplication::instance()->installEventFilter(&clickGuard);

    SharedState state;
    ClockSeededSource random;
    ReportEncoder encoder(random);
    ProgramEnd programEnd;
    app.setProgramEnd(&programEnd);

    WindowFlow flow(state, random, encoder, programEnd, locale);
    flow.start();
    return QApplication::exec();
}
