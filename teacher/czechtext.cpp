// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/czechtext.h"

#include <QCoreApplication>
#include <QLocale>

namespace {
class Texts
{
    Q_DECLARE_TR_FUNCTIONS(CzechText)
};

const QString &czechForm(int count, const QString &one, const QString &few, const QString &many)
{
    return count == 1 ? one : (count >= 2 && count <= 4 ? few : many);
}

} // namespace

QString czechCount(int count, const QString &one, const QString &few, const QString &many)
{
    return czechForm(count, one, few, many).arg(count);
}

QString czechGroupedCount(int count, const QString &one, const QString &few, const QString &many)
{
    return czechForm(count, one, few, many).arg(QLocale().toString(count));
}

QString reportsAssignedText(int count, const QString &surname, const QString &className)
{
    if (surname.isEmpty()) {
        return Texts::tr("Nepřiřazeno nikomu: %1.")
            .arg(czechCount(count, Texts::tr("%1 zpráva"), Texts::tr("%1 zprávy"),
                            Texts::tr("%1 zpráv")));
    }
    return czechCount(count, Texts::tr("Žákovi „%2“ (%3) přiřazena %1 zpráva."),
                      Texts::tr("Žákovi „%2“ (%3) přiřazeny %1 zprávy."),
                      Texts::tr("Žákovi „%2“ (%3) přiřazeno %1 zpráv."))
        .arg(surname, className);
}
