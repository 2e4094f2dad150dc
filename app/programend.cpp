// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/programend.h"

#include <QCoreApplication>

void ProgramEnd::endProgram(int status)
{
    if (ended_) {
        return;
    }
    ended_ = true;
    status_ = status;
    emit ended(status);
    // Leaves the main loop and every nested modal loop; main() then destroys the windows
    // without closing them.
    QCoreApplication::exit(status);
}
