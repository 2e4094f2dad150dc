// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/teacherdatabase.h"
#include "results/reportdecoder.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <utility>

// One row per block found in pasted text or opened files: the report's fields, or for a bad
// block the Czech reason, marked in colour; and the pupil a good report belongs to (stored), or
// would belong to when stored (in italics). A report whose work ends later than now is marked
// too: the pupil's clock was wrong, or the block was changed. It can still be stored.
class ReportTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        SourceColumn,
        PupilColumn,      // the pupil of the list, beside the name the report gives
        FirstFieldColumn, // Student; the report's fields follow, or a bad block's reason
        ColumnCount = FirstFieldColumn + 8
    };

    // Where a row's block was found: a file's name and the message in it for the column, the
    // whole path in the tooltip. The line of the block follows both.
    struct Origin
    {
        QString shown;
        QString full;
    };

    explicit ReportTableModel(QObject *parent = nullptr);

    // Adds the blocks of one text; `source` names where it came from (a file, the clipboard).
    // Returns how many of them end in the future.
    int appendReports(const QString &source, const QList<DecodedReport> &reports);
    // Adds blocks each with its own origin; returns how many of them end in the future.
    int appendReports(const QList<std::pair<Origin, DecodedReport>> &reports);
    void clear();

    // The rows not yet in the database, good and bad; of `rows` only, when given.
    [[nodiscard]] QList<DecodedReport> unstoredReports(const QList<int> &rows = {}) const;
    [[nodiscard]] int unstoredGoodCount() const { return unstoredGood_; }
    // The blocks of the good rows.
    [[nodiscard]] QStringList goodBlocks(const QList<int> &rows = {}) const;
    [[nodiscard]] bool isStored(int row) const { return rows_.at(row).stored; }
    [[nodiscard]] const DecodedReport &report(int row) const { return rows_.at(row).report; }
    // What the database says of each good row: stored (and whose), or not; for a row not
    // stored, `predict` says whose it would be. Rows of a bad block stay as they are.
    void setOwners(const QHash<QString, ReportAssignment> &stored,
                   const std::function<ReportAssignment(const DecodedReport &)> &predict);
    // Without a database: nothing is stored and nobody is known.
    void forgetOwners();
    [[nodiscard]] int goodCount() const;
    [[nodiscard]] int badCount() const { return static_cast<int>(rows_.size()) - goodCount(); }
    [[nodiscard]] bool isBad(int row) const { return !rows_.at(row).report.isOk(); }
    // A good report whose end (Do) lies later than now, by more than a clock may be off.
    [[nodiscard]] bool endsInFuture(int row) const { return rows_.at(row).future; }
    [[nodiscard]] int futureCount() const { return futureCount_; }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    struct Row
    {
        QString source;
        QString sourceTip;
        DecodedReport report;
        QStringList fields; // formatted once, not at every paint
        bool stored = false;
        ReportAssignment owner;
        bool future = false;
    };

    // Each of `rows` (row numbers), or every row when the list is empty.
    void forRows(const QList<int> &rows, const std::function<void(const Row &)> &visit) const;

    QList<Row> rows_;
    int goodCount_ = 0;
    int futureCount_ = 0;
    int unstoredGood_ = 0;
};
