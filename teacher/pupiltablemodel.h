// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/teacherdatabase.h"

#include <QAbstractTableModel>
#include <QList>

// The pupils of "Zaci" in the order the data layer gives them.
class PupilTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit PupilTableModel(QObject *parent = nullptr);

    void setPupils(QList<PupilRecord> pupils);
    [[nodiscard]] const PupilRecord &pupilAt(int row) const { return pupils_.at(row); }
    // The row of the pupil with this key, or -1.
    [[nodiscard]] int rowOfKey(qint64 key) const;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    QList<PupilRecord> pupils_;
};
