// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/pupiltablemodel.h"

PupilTableModel::PupilTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void PupilTableModel::setPupils(QList<PupilRecord> pupils)
{
    beginResetModel();
    pupils_ = std::move(pupils);
    endResetModel();
}

int PupilTableModel::rowOfKey(qint64 key) const
{
    for (qsizetype row = 0; row < pupils_.size(); ++row) {
        if (pupils_.at(row).key == key) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

int PupilTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(pupils_.size());
}

int PupilTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant PupilTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= pupils_.size() || role != Qt::DisplayRole) {
        return {};
    }
    const PupilRecord &pupil = pupils_.at(index.row());
    return index.column() == 0 ? pupil.surname : pupil.className;
}

QVariant PupilTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return section == 0 ? tr("Příjmení") : tr("Třída");
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}
