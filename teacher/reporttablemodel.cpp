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
    }
    endInsertRows();
}

void ReportTableModel::clear()
{
    beginResetModel();
    rows_.clear();
    goodCount_ = 0;
    endResetModel();
}

QList<DecodedReport> ReportTableModel::reports() const
{
    QList<DecodedReport> list;
    list.reserve(rows_.size());
    for (const Row &row : rows_) {
        list.append(row.report);
    }
    return list;
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
        return bad ? QBrush(QColor(140, 0, 0)) : QVariant();
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
