// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The form of a Czech word or phrase that goes with a count: `one` for 1, `few` for 2 to 4,
// `many` for 0 and 5 and more. Each form holds %1 for the count.
QString czechCount(int count, const QString &one, const QString &few, const QString &many);
// The same with the count's digits in groups as the user's locale writes them ("1 000 000").
QString czechGroupedCount(int count, const QString &one, const QString &few, const QString &many);
// "Žákovi „Novák“ (3.A) přiřazeny 2 zprávy.", or for no pupil "Nepřiřazeno nikomu: 2 zprávy."
QString reportsAssignedText(int count, const QString &surname, const QString &className);
