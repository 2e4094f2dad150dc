// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/czechtext.h"

#include <QCoreApplication>

QString czechCount(int count, const QString &one, const QString &few, const QString &many)
{
    const QString &form = count == 1 ? one : (count >= 2 && count <= 4 ? few : many);
    return form.arg(count);
}

QString reportsAssignedText(int count, const QString &surname, const QString &className)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("CzechText", text); };
    if (surname.isEmpty()) {
        return tr("Nepřiřazeno nikomu: %1.")
            .arg(czechCount(count, tr("%1 zpráva"), tr("%1 zprávy"), tr("%1 zpráv")));
    }
    return czechCount(count, tr("Žákovi „%2“ (%3) přiřazena %1 zpráva."),
                      tr("Žákovi „%2“ (%3) přiřazeny %1 zprávy."),
                      tr("Žákovi „%2“ (%3) přiřazeno %1 zpráv."))
        .arg(surname, className);
}
