// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/resultsdatabase.h"

#include <QAbstractTableModel>
#include <QCache>
#include <QHash>
#include <QList>

// The results table over any number of runs: the rows are counted in SQL and read a page at a
// time when the view shows them, sorted and filtered by the database, each page from where
// it begins (the key of its first row) rather than counted from the top. Each page is one
// finished statement, so that the open table holds no read lock that would keep the pupils'
// machines from writing their runs.
class ResultTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int pageSize = 256;

    explicit ResultTableModel(QObject *parent = nullptr);

    // The database (not owned; nullptr for none) and the filter; reads the count again.
    void setSource(const ResultsDatabase *database, const ResultFilter &filter);
    [[nodiscard]] const ResultFilter &filter() const { return filter_; }
    [[nodiscard]] const ResultSort &resultSort() const { return sort_; }
    // The run shown in a row (read when needed), or nullptr.
    [[nodiscard]] const ResultRow *row(int row) const;
    // Counts and reads again: the database changed.
    void reloadNow();

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    void sort(int column, Qt::SortOrder order) override;

signals:
    // A read failed (a Czech sentence); the table shows nothing for it.
    void failed(const QString &message) const;

private:
    void reload();
    [[nodiscard]] const ResultRow *rowAt(int row) const;
    [[nodiscard]] QList<ResultRow> readPage(qint64 page) const;

    const ResultsDatabase *database_ = nullptr;
    ResultFilter filter_;
    ResultSort sort_;
    int count_ = 0;
    mutable QCache<qint64, QList<ResultRow>> pages_{16};
    // Where each page seen so far begins, so that the next one seeks there.
    mutable QHash<qint64, ResultKey> pageStarts_;
};
