// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/teacherdatabase.h"
#include "results/reportdecoder.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>

// One row per block found in pasted text or opened files: the report's fields, or for a bad
// block the Czech reason, marked in colour; and the pupil a good report belongs to (stored), or
// would belong to when stored (in italics).
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

    explicit ReportTableModel(QObject *parent = nullptr);

    // Adds the blocks of one text; `source` names where it came from (a file, the clipboard).
    void appendReports(const QString &source, const QList<DecodedReport> &reports);
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

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    struct Row
    {
        QString source;
        DecodedReport report;
        QStringList fields; // formatted once, not at every paint
        bool stored = false;
        ReportAssignment owner;
    };

    QList<Row> rows_;
    int goodCount_ = 0;
    int unstoredGood_ = 0;
};
