// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/mistakemodels.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(MistakeModels)
};

QVariant percentOf(qint64 part, qint64 whole)
{
    const double percent = successPercent(part, whole);
    return percent < 0 ? QVariant(QMetaType::fromType<double>()) : QVariant(percent);
}

QVariant secondsOf(double median)
{
    return median < 0 ? QVariant(QMetaType::fromType<double>()) : QVariant(median);
}

QVariantList shareRow(const QString &name, const AnswerShare &share)
{
    return {name, share.answers, share.right, percentOf(share.right, share.answers)};
}

// The named kinds in the order of "Chyba", the answers no kind explains last.
constexpr int kindOrder[mistakeKindCount] = {1, 2, 3, 4, 0};

} // namespace

QString askedQuantityText(AskedQuantity quantity)
{
    switch (quantity) {
    case AskedQuantity::Voltage:
        return Texts::tr("napětí");
    case AskedQuantity::Resistance:
        return Texts::tr("odpor");
    case AskedQuantity::Current:
        break;
    }
    return Texts::tr("proud");
}

QString prefixStepText(PrefixStep step)
{
    switch (step) {
    case PrefixStep::Same:
        return Texts::tr("stejná jako v zadání");
    case PrefixStep::One:
        return Texts::tr("o jeden krok (× 1000)");
    case PrefixStep::TwoOrMore:
        break;
    }
    return Texts::tr("o dva a více kroků");
}

QString mistakeKindText(int kind)
{
    switch (kind) {
    case 1:
        return Texts::tr("špatná předpona");
    case 2:
        return Texts::tr("násobení místo dělení");
    case 3:
        return Texts::tr("dělení místo násobení");
    case 4:
        return Texts::tr("dělení obráceně");
    default:
        return Texts::tr("jiná chyba");
    }
}

QString dominanceRuleText()
{
    return Texts::tr("Převažující chyba: žák má aspoň %1 chybných odpovědí a jeden druh chyby je "
                     "v nejméně polovině z nich a častější než každý jiný.")
        .arg(dominanceLeastWrong);
}

MistakeTableModel::MistakeTableModel(QStringList titles, QSet<int> secondsColumns, QObject *parent)
    : ValueTableModel(std::move(titles), parent), seconds_(std::move(secondsColumns))
{
}

QVariant MistakeTableModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::DisplayRole && seconds_.contains(index.column())) {
        const QVariant value = ValueTableModel::data(index, Qt::EditRole);
        return value.isNull() ? QString()
                              : Texts::tr("%1 s").arg(QLocale().toString(value.toDouble(), 'f', 1));
    }
    return ValueTableModel::data(index, role);
}

QStringList quantityTitles()
{
    return {Texts::tr("Počítaná veličina"), Texts::tr("Odpovědi"), Texts::tr("Správně"),
            Texts::tr("Úspěšnost")};
}

QList<QVariantList> quantityRows(const MistakeFigures &figures)
{
    QList<QVariantList> rows;
    for (const AskedQuantity quantity :
         {AskedQuantity::Voltage, AskedQuantity::Current, AskedQuantity::Resistance}) {
        rows.append(shareRow(askedQuantityText(quantity),
                             figures.byQuantity.at(static_cast<int>(quantity))));
    }
    return rows;
}

QStringList stepTitles()
{
    return {Texts::tr("Předpona výsledku"), Texts::tr("Odpovědi"), Texts::tr("Správně"),
            Texts::tr("Úspěšnost")};
}

QList<QVariantList> stepRows(const MistakeFigures &figures)
{
    QList<QVariantList> rows;
    for (const PrefixStep step : {PrefixStep::Same, PrefixStep::One, PrefixStep::TwoOrMore}) {
        rows.append(shareRow(prefixStepText(step), figures.byStep.at(static_cast<int>(step))));
    }
    return rows;
}

QStringList mistakeKindTitles()
{
    return {Texts::tr("Druh chyby"), Texts::tr("Chybné odpovědi"), Texts::tr("Podíl z chybných")};
}

QList<QVariantList> mistakeKindRows(const MistakeFigures &figures)
{
    const qint64 wrong = figures.all.answers - figures.all.right;
    QList<QVariantList> rows;
    for (const int kind : kindOrder) {
        rows.append({mistakeKindText(kind), figures.wrongByKind.at(kind),
                     percentOf(figures.wrongByKind.at(kind), wrong)});
    }
    return rows;
}

QStringList pupilMistakeTitles()
{
    QStringList titles{Texts::tr("Příjmení"), Texts::tr("Třída"), Texts::tr("Odpovědi"),
                       Texts::tr("Správně"), Texts::tr("Úspěšnost")};
    for (const int kind : kindOrder) {
        titles << mistakeKindText(kind);
    }
    titles << Texts::tr("Převažující chyba") << Texts::tr("Medián doby odpovědi");
    return titles;
}

QVariantList pupilMistakeValues(const PupilMistakes &pupil)
{
    QVariantList values{pupil.name, pupil.className, pupil.answers, pupil.right,
                        percentOf(pupil.right, pupil.answers)};
    for (const int kind : kindOrder) {
        values << pupil.wrongByKind.at(kind);
    }
    const int dominant = dominantMistake(pupil);
    values << (dominant == 0 ? QString() : mistakeKindText(dominant))
           << secondsOf(pupil.medianSeconds);
    return values;
}

QStringList mistakeWeekTitles()
{
    QStringList titles{Texts::tr("Týden od"), Texts::tr("Odpovědi")};
    for (const int kind : kindOrder) {
        titles << mistakeKindText(kind);
    }
    return titles;
}

QVariantList mistakeWeekValues(const MistakeWeek &week)
{
    QVariantList values{week.monday, week.answers};
    for (const int kind : kindOrder) {
        values << week.wrongByKind.at(kind);
    }
    return values;
}

void fillPupilMistakes(MistakeTableModel &model, const QList<PupilMistakes> &pupils)
{
    QList<QVariantList> rows;
    QList<bool> marked;
    for (const PupilMistakes &pupil : pupils) {
        rows.append(pupilMistakeValues(pupil));
        marked.append(dominantMistake(pupil) != 0);
    }
    model.setRows(std::move(rows), std::move(marked));
}

QString dominantPupilsText(const QList<PupilMistakes> &pupils)
{
    QStringList names;
    for (const PupilMistakes &pupil : pupils) {
        if (const int kind = dominantMistake(pupil); kind != 0) {
            names
                << Texts::tr("%1 (%2): %3").arg(pupil.name, pupil.className, mistakeKindText(kind));
        }
    }
    return names.join(QStringLiteral("; "));
}
