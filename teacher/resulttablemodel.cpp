// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/resulttablemodel.h"

#include "teacher/resultformat.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include <limits>

ResultTableModel::ResultTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void ResultTableModel::setSource(const ResultsDatabase *database, const ResultFilter &filter)
{
    database_ = database;
    filter_ = filter;
    reload();
}

void ResultTableModel::reload()
{
    beginResetModel();
    pages_.clear();
    pageStarts_.clear();
    count_ = 0;
    if (database_ != nullptr) {
        try {
            count_ = static_cast<int>(
                std::min<qint64>(database_->countRuns(filter_), std::numeric_limits<int>::max()));
        } catch (const DatabaseError &error) {
            emit failed(QString::fromStdString(error.what()));
        }
    }
    endResetModel();
}

int ResultTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count_;
}

int ResultTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : resultColumnCount;
}

const ResultRow *ResultTableModel::rowAt(int row) const
{
    const qint64 page = row / pageSize;
    if (!pages_.contains(page)) {
        if (database_ == nullptr) {
            return nullptr;
        }
        auto rows = std::make_unique<QList<ResultRow>>();
        try {
            *rows = readPage(page);
        } catch (const DatabaseError &error) {
            emit failed(QString::fromStdString(error.what()));
        }
        pages_.insert(page, rows.release());
    }
    const QList<ResultRow> *rows = pages_.object(page);
    const qsizetype inPage = row % pageSize;
    return rows != nullptr && inPage < rows->size() ? &rows->at(inPage) : nullptr;
}

QList<ResultRow> ResultTableModel::readPage(qint64 page) const
{
    // Seek to where the page begins; a page not reached yet is found from the nearest one
    // before it whose beginning is known, over the sort's columns alone, or from the top where
    // the database counts whole months instead of walking them.
    std::optional<ResultKey> first;
    if (page > 0) {
        const auto known = pageStarts_.find(page);
        if (known != pageStarts_.end()) {
            first = known.value();
        } else {
            qint64 from = 0;
            std::optional<ResultKey> start;
            const bool fromTop = database_->jumpsByCounts(sort_);
            for (auto it = pageStarts_.cbegin(); it != pageStarts_.cend() && !fromTop; ++it) {
                if (it.key() < page && it.key() > from) {
                    from = it.key();
                    start = it.value();
                }
            }
            first = database_->keyAfter(filter_, sort_, start ? &*start : nullptr,
                                        (page - from) * pageSize);
            if (!first) {
                return {};
            }
            pageStarts_.insert(page, *first);
        }
    }
    ResultRowsPage rows = database_->runsFrom(filter_, sort_, first ? &*first : nullptr, pageSize);
    if (rows.next) {
        pageStarts_.insert(page + 1, *rows.next);
    }
    return rows.rows;
}

QVariant ResultTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    const auto column = static_cast<ResultColumn>(index.column());
    if (role == Qt::TextAlignmentRole) {
        const bool number = column == ResultColumn::Answers || column == ResultColumn::Right ||
                            column == ResultColumn::Wrong || column == ResultColumn::Success;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ForegroundRole &&
        role != Qt::FontRole) {
        return {};
    }
    const ResultRow *row = rowAt(index.row());
    if (row == nullptr) {
        return {};
    }
    // A report of nobody's says so where the pupil would stand.
    const bool nobody = row->unassigned() && column == ResultColumn::Name;
    if (role == Qt::ForegroundRole) {
        return nobody ? QVariant(QBrush(QColor(110, 110, 110))) : QVariant();
    }
    if (role == Qt::FontRole) {
        if (!nobody) {
            return {};
        }
        QFont italic;
        italic.setItalic(true);
        return italic;
    }
    if (nobody && role == Qt::DisplayRole) {
        return tr("nepřiřazeno");
    }
    QVariant value = resultRowValues(*row).value(index.column());
    if (role == Qt::EditRole) {
        return value;
    }
    if (column == ResultColumn::Date) {
        return dayText(row->date);
    }
    if (column == ResultColumn::Success) {
        return percentText(successPercent(row->right, row->answers));
    }
    return value;
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return resultColumnTitles().value(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

const ResultRow *ResultTableModel::row(int row) const
{
    return row >= 0 && row < count_ ? rowAt(row) : nullptr;
}

void ResultTableModel::reloadNow()
{
    reload();
}

void ResultTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= resultColumnCount) {
        return;
    }
    sort_ = {static_cast<ResultColumn>(column), order == Qt::DescendingOrder};
    reload();
}
