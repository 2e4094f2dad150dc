// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/mistakesdatabase.h"
#include "teacher/summarymodels.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

// The names the teacher reads: "napětí", "špatná předpona", "o jeden krok".
QString askedQuantityText(AskedQuantity quantity);
QString prefixStepText(PrefixStep step);
// 0 is the wrong answers of no named kind.
QString mistakeKindText(int kind);
// What makes a kind dominate in a pupil, as one sentence for the page and the printout.
QString dominanceRuleText();

// A value table whose `secondsColumns` hold seconds: shown as "12,5 s", exported as numbers.
class MistakeTableModel : public ValueTableModel
{
    Q_OBJECT

public:
    explicit MistakeTableModel(QStringList titles, QSet<int> secondsColumns = {},
                               QObject *parent = nullptr);
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;

private:
    QSet<int> seconds_;
};

// The rows of the page's tables. Success is a per cent (null without answers), a median in
// seconds (null without answers).
QStringList quantityTitles();
QList<QVariantList> quantityRows(const MistakeFigures &figures); // napětí, proud, odpor
QStringList stepTitles();
QList<QVariantList> stepRows(const MistakeFigures &figures);
QStringList mistakeKindTitles();
QList<QVariantList> mistakeKindRows(const MistakeFigures &figures); // the named kinds, then 0
// One line per pupil: answers, right, success, each kind's count, the dominant kind, median.
QStringList pupilMistakeTitles();
QVariantList pupilMistakeValues(const PupilMistakes &pupil);
inline constexpr int pupilMedianColumn = 11;
QStringList mistakeWeekTitles();
QVariantList mistakeWeekValues(const MistakeWeek &week);

// The per-pupil table of the filter, as the page and the command line export it.
void fillPupilMistakes(MistakeTableModel &model, const QList<PupilMistakes> &pupils);
// "Mikulová (8.B): špatná předpona; Dělal (8.B): dělení místo násobení", or empty.
QString dominantPupilsText(const QList<PupilMistakes> &pupils);
