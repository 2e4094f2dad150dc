// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/qttexts.h"

#include "app/language.h"

#include <QCoreApplication>
#include <QLocale>

void installQtTexts(QCoreApplication &app, const QLocale &locale)
{
    installTranslations(app, locale, {QStringLiteral("tesilka"), QStringLiteral("tesilka-ucitel")});
}

void installCzechQtTexts(QCoreApplication &app)
{
    installQtTexts(app, QLocale(QLocale::Czech, QLocale::CzechRepublic));
}
