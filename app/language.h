// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

// The languages both programs speak; Czech is the language of the source texts.
inline const QStringList interfaceLanguages{QStringLiteral("cs"), QStringLiteral("sk"),
                                            QStringLiteral("en")};

// The locale of the interface: the first of `systemLanguages` (most wanted first, as
// QLocale::uiLanguages() gives them) that the programs speak, with the regional settings of
// `system` when it is of that language, else the language's own; Czech when none fits.
QLocale interfaceLocale(const QStringList &systemLanguages, const QLocale &system);
// The same for the machine the program runs on (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
QLocale interfaceLocale();

// Makes `locale` the default (numbers and dates) and installs its translations: Qt's own
// (dialogs, message box buttons, context menus; with the few texts that Debian 12's Czech and
// Slovak catalogues lack) and the program's `catalogues` ("tesilka",
// "tesilka-ucitel"), from the installed share/PROGRAM/translations beside the program or,
// without them, from those built into the program. Nothing for Czech's own texts but Qt's.
// The translators belong to `app`; call once, after the application object exists.
void installTranslations(QCoreApplication &app, const QLocale &locale,
                         const QStringList &catalogues);
