// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/reporttablemodel.h"

#include "teacher/reportformat.h"

#include <QBrush>
#include <QColor>
#include <QFont>

ReportTableModel::ReportTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void ReportTableModel::appendReports(const QString &source, const QList<DecodedReport> &reports)
{
    if (reports.isEmpty()) {
        return;
    }
    const auto first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(reports.size()) - 1);
    rows_.reserve(rows_.size() + reports.size());
    for (const DecodedReport &report : reports) {
        const QString where = tr("%1, ř. %2").arg(source).arg(report.firstLine);
        rows_.append({where, report, report.isOk() ? reportFields(report) : QStringList()});
        goodCount_ += report.isOk() ? 1 : 0;
        unstoredGood_ += report.isOk() ? 1 : 0;
    }
    endInsertRows();
}

void ReportTableModel::clear()
{
    beginResetModel();
    rows_.clear();
    goodCount_ = 0;
    unstoredGood_ = 0;
    endResetModel();
}

QList<DecodedReport> ReportTableModel::unstoredReports() const
{
    QList<DecodedReport> list;
    for (const Row &row : rows_) {
        if (!row.stored) {
            list.append(row.report);
        }
    }
    return list;
}

void ReportTableModel::markAllStored()
{
    setAllStored(true);
}

void ReportTableModel::markAllUnstored()
{
    setAllStored(false);
}

void ReportTableModel::setAllStored(bool stored)
{
    for (Row &row : rows_) {
        row.stored = stored;
    }
    unstoredGood_ = stored ? 0 : goodCount_;
    if (!rows_.isEmpty()) {
        emit dataChanged(index(0, 0), index(static_cast<int>(rows_.size()) - 1, ColumnCount - 1));
    }
}

int ReportTableModel::goodCount() const
{
    return goodCount_;
}

int ReportTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ReportTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReportTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size()) {
        return {};
    }
    const Row &row = rows_.at(index.row());
    const bool bad = !row.report.isOk();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (column == SourceColumn) {
            if (role == Qt::ToolTipRole && row.stored && !bad) {
                return tr("%1, uloženo v databázi").arg(row.source);
            }
            return row.source;
        }
        // The view lets a bad block's reason span the columns of the fields.
        if (bad) {
            return column == FirstFieldColumn || role == Qt::ToolTipRole ? row.report.reason
                                                                         : QString();
        }
        return row.fields.value(column - FirstFieldColumn);
    case Qt::TextAlignmentRole:
        if (!bad && column >= FirstFieldColumn + 4) {
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        }
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return bad ? QBrush(QColor(255, 224, 224)) : QVariant();
    case Qt::ForegroundRole:
        if (bad) {
            return QBrush(QColor(140, 0, 0));
        }
        return row.stored ? QBrush(QColor(90, 90, 90)) : QVariant();
    case Qt::FontRole:
        if (bad && column == FirstFieldColumn) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (section == SourceColumn) {
        return tr("Odkud");
    }
    return reportColumnTitles().value(section - FirstFieldColumn);
}
