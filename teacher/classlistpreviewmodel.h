// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/files/classlistcsv.h"

#include <QAbstractTableModel>
#include <QList>

// The rows of a class list that an import would add: line, surname, class.
class ClassListPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ClassListPreviewModel(QObject *parent = nullptr);

    void setRows(QList<ClassListRow> rows);
    [[nodiscard]] const QList<ClassListRow> &rows() const { return rows_; }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    QList<ClassListRow> rows_;
};
