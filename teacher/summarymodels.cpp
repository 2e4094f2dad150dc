// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/summarymodels.h"

#include "teacher/resultformat.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFont>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(SummaryModels)
};

QVariant percentValue(qint64 right, qint64 answers)
{
    const double success = successPercent(right, answers);
    return success < 0 ? QVariant(QMetaType::fromType<double>()) : QVariant(success);
}

} // namespace

ValueTableModel::ValueTableModel(QStringList titles, QObject *parent)
    : QAbstractTableModel(parent), titles_(std::move(titles))
{
}

void ValueTableModel::setRows(QList<QVariantList> rows, QList<bool> marked, QList<bool> flagged)
{
    beginResetModel();
    rows_ = std::move(rows);
    marked_ = std::move(marked);
    flagged_ = std::move(flagged);
    endResetModel();
}

int ValueTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ValueTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant ValueTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size()) {
        return {};
    }
    QVariant value = rows_.at(index.row()).value(index.column());
    switch (role) {
    case Qt::EditRole:
        return value;
    case Qt::DisplayRole:
        if (value.typeId() == QMetaType::QDate) {
            return dayText(value.toDate());
        }
        if (value.typeId() == QMetaType::Double) {
            return value.isNull() ? QString() : percentText(value.toDouble());
        }
        return value;
    case Qt::TextAlignmentRole: {
        const bool number = value.typeId() == QMetaType::Double ||
                            value.typeId() == QMetaType::LongLong ||
                            value.typeId() == QMetaType::Int;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    case Qt::BackgroundRole:
        // A light amber that reads in black and white too, with the bold text and the words.
        return flagged_.value(index.row()) ? QVariant(QBrush(QColor(255, 236, 179))) : QVariant();
    case Qt::FontRole:
        if (marked_.value(index.row()) || flagged_.value(index.row())) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant ValueTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return titles_.value(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QStringList pupilSummaryTitles()
{
    return {Texts::tr("Žák"),           Texts::tr("Třída"),     Texts::tr("Běhy"),
            Texts::tr("Odpovědi"),      Texts::tr("Správně"),   Texts::tr("Chybně"),
            Texts::tr("Úspěšnost (%)"), Texts::tr("První běh"), Texts::tr("Poslední běh"),
            Texts::tr("Pod hranicí"),   Texts::tr("Poznámka")};
}

QVariantList pupilSummaryValues(const PupilSummary &pupil)
{
    QStringList notes;
    if (pupil.unassignedReports) {
        notes << Texts::tr("nepřiřazené");
    } else {
        if (pupil.withoutRuns()) {
            notes << Texts::tr("bez běhu");
        }
        if (!pupil.onList) {
            notes << Texts::tr("mimo seznam");
        }
    }
    return {pupil.unassignedReports ? Texts::tr("(nepřiřazené zprávy)") : pupil.name,
            pupil.className,
            pupil.runs,
            pupil.answers,
            pupil.right,
            pupil.wrong,
            percentValue(pupil.right, pupil.answers),
            pupil.first,
            pupil.last,
            pupil.marked ? Texts::tr("ano") : QString(),
            notes.join(Texts::tr(", "))};
}

QStringList classSummaryTitles()
{
    return {Texts::tr("Třída"),         Texts::tr("Žáci v seznamu"),    Texts::tr("Procvičovali"),
            Texts::tr("Bez běhu"),      Texts::tr("Pod hranicí"),       Texts::tr("Běhy"),
            Texts::tr("Odpovědi"),      Texts::tr("Správně"),           Texts::tr("Chybně"),
            Texts::tr("Úspěšnost (%)"), Texts::tr("Nepřiřazené zprávy")};
}

QVariantList classSummaryValues(const ClassSummary &summary)
{
    return {summary.className,
            summary.listPupils,
            summary.practised,
            summary.withoutRuns,
            summary.markedPupils,
            summary.runs,
            summary.answers,
            summary.right,
            summary.wrong,
            percentValue(summary.right, summary.answers),
            summary.unassignedReports};
}

QStringList progressTitles(ProgressPeriod period)
{
    return {period == ProgressPeriod::Week ? Texts::tr("Týden od") : Texts::tr("Den"),
            Texts::tr("Běhy"),
            Texts::tr("Odpovědi"),
            Texts::tr("Správně"),
            Texts::tr("Chybně"),
            Texts::tr("Úspěšnost (%)")};
}

QVariantList progressValues(const ProgressPoint &point)
{
    return {point.period, point.runs,  point.answers,
            point.right,  point.wrong, percentValue(point.right, point.answers)};
}
