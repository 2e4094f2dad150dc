// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;
class QLocale;

// The teacher's program in the language of `locale` (see installTranslations): its texts and
// the pupil's that it shows, and Qt's own (the file and print dialogs, the buttons of message
// boxes, the context menus of text fields and the calendar). Sets `locale` as the default
// (month names, numbers, the dialogs' file types). Call once, after the application object
// exists; the translators belong to `app`.
void installQtTexts(QCoreApplication &app, const QLocale &locale);

// The same in Czech whatever the desktop's language.
void installCzechQtTexts(QCoreApplication &app);
