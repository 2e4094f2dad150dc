// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/resultsdatabase.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QVariant>

// A small table of values read at once (summaries, a chart's numbers): Qt::EditRole gives the
// values as a spreadsheet should get them, Qt::DisplayRole as the teacher reads them (dates as
// "7. 12. 2026", fractions as "66,67 %"). Marked rows are shown in bold, flagged rows on a
// tinted background (a pupil who never practised), so that they stand out.
class ValueTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ValueTableModel(QStringList titles, QObject *parent = nullptr);

    void setRows(QList<QVariantList> rows, QList<bool> marked = {}, QList<bool> flagged = {});
    [[nodiscard]] bool isMarked(int row) const { return marked_.value(row); }
    [[nodiscard]] bool isFlagged(int row) const { return flagged_.value(row); }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    QStringList titles_;
    QList<QVariantList> rows_;
    QList<bool> marked_;
    QList<bool> flagged_;
};

// The rows of the three small tables. A pupil's row says in its last column what the teacher
// should see at once: below the threshold, no run at all, not on the class list; the line of a
// class's reports of nobody's says so in place of a name.
QStringList pupilSummaryTitles();
QVariantList pupilSummaryValues(const PupilSummary &pupil);
QStringList classSummaryTitles();
QVariantList classSummaryValues(const ClassSummary &summary);
QStringList progressTitles(ProgressPeriod period);
QVariantList progressValues(const ProgressPoint &point);
