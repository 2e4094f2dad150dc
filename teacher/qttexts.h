// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Qt's own texts in Czech whatever the desktop's language: the file and print dialogs, the
// buttons of message boxes, the context menus of text fields and the calendar. Sets Czech as
// the default locale (month names, numbers, the dialogs' file types) and installs Qt's Czech
// catalogue with, before it, the few texts of Qt 6 that Debian 12's catalogue lacks. Call
// once, after the application object exists; the translators belong to `app`.
void installCzechQtTexts(QCoreApplication &app);
