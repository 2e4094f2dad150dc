// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/reporttablemodel.h"

#include "teacher/files/mailbox.h"
#include "teacher/reportformat.h"

#include <QBrush>
#include <QColor>
#include <QDateTime>
#include <QFont>

ReportTableModel::ReportTableModel(QObject *parent) : QAbstractTableModel(parent) {}

namespace {
// The column of the report's end (Do) among its fields.
constexpr int endField = 3;
} // namespace

int ReportTableModel::appendReports(const QString &source, const QList<DecodedReport> &reports)
{
    QList<std::pair<Origin, DecodedReport>> rows;
    rows.reserve(reports.size());
    for (const DecodedReport &report : reports) {
        rows.append({{source, source}, report});
    }
    return appendReports(rows);
}

int ReportTableModel::appendReports(const QList<std::pair<Origin, DecodedReport>> &reports)
{
    if (reports.isEmpty()) {
        return 0;
    }
    const QDateTime now = QDateTime::currentDateTime();
    const auto first = static_cast<int>(rows_.size());
    int future = 0;
    beginInsertRows({}, first, first + static_cast<int>(reports.size()) - 1);
    rows_.reserve(rows_.size() + reports.size());
    for (const auto &[origin, report] : reports) {
        const QString line = QString::number(report.firstLine);
        Row row{tr("%1, ř. %2").arg(origin.shown, line),
                tr("%1, ř. %2").arg(origin.full, line),
                report,
                report.isOk() ? reportFields(report) : QStringList(),
                false,
                {},
                endsInTheFuture(report, now)};
        future += row.future ? 1 : 0;
        rows_.append(std::move(row));
        goodCount_ += report.isOk() ? 1 : 0;
        unstoredGood_ += report.isOk() ? 1 : 0;
    }
    futureCount_ += future;
    endInsertRows();
    return future;
}

void ReportTableModel::clear()
{
    beginResetModel();
    rows_.clear();
    goodCount_ = 0;
    futureCount_ = 0;
    unstoredGood_ = 0;
    endResetModel();
}

void ReportTableModel::forRows(const QList<int> &rows,
                               const std::function<void(const Row &)> &visit) const
{
    if (rows.isEmpty()) {
        for (const Row &row : rows_) {
            visit(row);
        }
    }
    for (const int row : rows) {
        visit(rows_.at(row));
    }
}

QList<DecodedReport> ReportTableModel::unstoredReports(const QList<int> &rows) const
{
    QList<DecodedReport> list;
    forRows(rows, [&](const Row &row) {
        if (!row.stored) {
            list.append(row.report);
        }
    });
    return list;
}

QStringList ReportTableModel::goodBlocks(const QList<int> &rows) const
{
    QStringList blocks;
    forRows(rows, [&](const Row &row) {
        if (row.report.isOk()) {
            blocks.append(row.report.canonicalBlock);
        }
    });
    return blocks;
}

void ReportTableModel::setOwners(
    const QHash<QString, ReportAssignment> &stored,
    const std::function<ReportAssignment(const DecodedReport &)> &predict)
{
    unstoredGood_ = 0;
    for (Row &row : rows_) {
        if (!row.report.isOk()) {
            continue;
        }
        const auto found = stored.constFind(row.report.canonicalBlock);
        row.stored = found != stored.cend();
        row.owner = row.stored ? *found : predict(row.report);
        unstoredGood_ += row.stored ? 0 : 1;
    }
    if (!rows_.isEmpty()) {
        emit dataChanged(index(0, 0), index(static_cast<int>(rows_.size()) - 1, ColumnCount - 1));
    }
}

void ReportTableModel::forgetOwners()
{
    setOwners({}, [](const DecodedReport &) { return ReportAssignment(); });
}

int ReportTableModel::goodCount() const
{
    return goodCount_;
}

int ReportTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ReportTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReportTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size()) {
        return {};
    }
    const Row &row = rows_.at(index.row());
    const bool bad = !row.report.isOk();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (column == SourceColumn) {
            if (role == Qt::ToolTipRole) {
                return row.stored && !bad ? tr("%1, uloženo v databázi").arg(row.sourceTip)
                                          : row.sourceTip;
            }
            return row.source;
        }
        if (column == PupilColumn) {
            if (bad) {
                return QString();
            }
            const QString who = row.owner.surname.isEmpty()
                                    ? tr("nepřiřazeno")
                                    : tr("%1 (%2)").arg(row.owner.surname, row.owner.className);
            if (role == Qt::DisplayRole) {
                return who;
            }
            return row.stored
                       ? (row.owner.byTeacher ? tr("%1, přiřadil učitel").arg(who)
                                              : tr("%1, přiřazeno podle jména a třídy").arg(who))
                       : tr("%1 po uložení do databáze").arg(who);
        }
        // The view lets a bad block's reason span the columns of the fields.
        if (bad) {
            return column == FirstFieldColumn || role == Qt::ToolTipRole ? row.report.reason
                                                                         : QString();
        }
        if (role == Qt::ToolTipRole && row.future) {
            return tr("Konec práce (Do) %1 je v budoucnosti: hodiny žákova počítače jdou "
                      "špatně, nebo byl blok změněn. Zprávu lze přesto uložit.")
                .arg(row.fields.value(endField));
        }
        if (row.future && column == FirstFieldColumn + endField) {
            return tr("⚠ %1").arg(row.fields.value(endField));
        }
        return row.fields.value(column - FirstFieldColumn);
    case Qt::TextAlignmentRole:
        if (!bad && column >= FirstFieldColumn + 4) {
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        }
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (bad) {
            return QBrush(QColor(255, 224, 224));
        }
        return row.future ? QBrush(QColor(255, 236, 179)) : QVariant();
    case Qt::ForegroundRole:
        if (bad) {
            return QBrush(QColor(140, 0, 0));
        }
        if (row.future) {
            return QBrush(QColor(110, 60, 0));
        }
        return row.stored ? QBrush(QColor(90, 90, 90)) : QVariant();
    case Qt::FontRole:
        if (bad && column == FirstFieldColumn) {
            QFont font;
            font.setBold(true);
            return font;
        }
        // Not stored yet: the pupil is what the matching would give.
        if (!bad && column == PupilColumn && !row.stored) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (section == SourceColumn) {
        return tr("Odkud");
    }
    if (section == PupilColumn) {
        return tr("Žák v seznamu");
    }
    return reportColumnTitles().value(section - FirstFieldColumn);
}
