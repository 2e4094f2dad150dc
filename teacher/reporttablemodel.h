// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/reportdecoder.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// One row per block found in pasted text or opened files: the report's fields, or for a bad
// block the Czech reason, marked in colour.
class ReportTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        SourceColumn,
        FirstFieldColumn, // Student; the report's fields follow, or a bad block's reason
        ColumnCount = FirstFieldColumn + 8
    };

    explicit ReportTableModel(QObject *parent = nullptr);

    // Adds the blocks of one text; `source` names where it came from (a file, the clipboard).
    void appendReports(const QString &source, const QList<DecodedReport> &reports);
    void clear();

    // The rows not yet handed to the database, good and bad.
    [[nodiscard]] QList<DecodedReport> unstoredReports() const;
    [[nodiscard]] int unstoredGoodCount() const { return unstoredGood_; }
    // After a save: those rows are shown as stored and not handed over again. With another
    // database, every row is unstored again.
    void markAllStored();
    void markAllUnstored();
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
    };
    void setAllStored(bool stored);

    QList<Row> rows_;
    int goodCount_ = 0;
    int unstoredGood_ = 0;
};
