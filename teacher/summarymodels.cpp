// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/summarymodels.h"

#include "teacher/resultformat.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFont>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SummaryModels", text);
}

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
    return {tr("Žák"),          tr("Třída"),       tr("Běhy"),          tr("Odpovědi"),
            tr("Správně"),      tr("Chybně"),      tr("Úspěšnost (%)"), tr("První běh"),
            tr("Poslední běh"), tr("Pod hranicí"), tr("Poznámka")};
}

QVariantList pupilSummaryValues(const PupilSummary &pupil)
{
    QStringList notes;
    if (pupil.unassignedReports) {
        notes << tr("nepřiřazené");
    } else {
        if (pupil.withoutRuns()) {
            notes << tr("bez běhu");
        }
        if (!pupil.onList) {
            notes << tr("mimo seznam");
        }
    }
    return {pupil.unassignedReports ? tr("(nepřiřazené zprávy)") : pupil.name,
            pupil.className,
            pupil.runs,
            pupil.answers,
            pupil.right,
            pupil.wrong,
            percentValue(pupil.right, pupil.answers),
            pupil.first,
            pupil.last,
            pupil.marked ? tr("ano") : QString(),
            notes.join(tr(", "))};
}

QStringList classSummaryTitles()
{
    return {tr("Třída"),       tr("Žáci v seznamu"), tr("Procvičovali"),      tr("Bez běhu"),
            tr("Pod hranicí"), tr("Běhy"),           tr("Odpovědi"),          tr("Správně"),
            tr("Chybně"),      tr("Úspěšnost (%)"),  tr("Nepřiřazené zprávy")};
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
    return {period == ProgressPeriod::Week ? tr("Týden od") : tr("Den"),
            tr("Běhy"),
            tr("Odpovědi"),
            tr("Správně"),
            tr("Chybně"),
            tr("Úspěšnost (%)")};
}

QVariantList progressValues(const ProgressPoint &point)
{
    return {point.period, point.runs,  point.answers,
            point.right,  point.wrong, percentValue(point.right, point.answers)};
}
