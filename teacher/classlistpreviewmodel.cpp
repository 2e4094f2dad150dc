// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/classlistpreviewmodel.h"

ClassListPreviewModel::ClassListPreviewModel(QObject *parent) : QAbstractTableModel(parent) {}

void ClassListPreviewModel::setRows(QList<ClassListRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int ClassListPreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ClassListPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant ClassListPreviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size()) {
        return {};
    }
    const ClassListRow &row = rows_.at(index.row());
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0:
            return row.line;
        case 1:
            return row.surname;
        default:
            return row.className;
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() == 0) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant ClassListPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        switch (section) {
        case 0:
            return tr("Řádek");
        case 1:
            return tr("Příjmení");
        default:
            return tr("Třída");
        }
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}
