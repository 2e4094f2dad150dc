// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/resultspage.h"

#include "teacher/czechtext.h"
#include "teacher/messages.h"
#include "teacher/resultfilterbar.h"
#include "teacher/resulttablemodel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

ResultsPage::ResultsPage(QWidget *parent)
    : ResultPage(parent), model_(new ResultTableModel(this)), table_(new QTableView(this)),
      count_(new QLabel(this)), sortColumn_(new QComboBox(this)),
      descending_(new QCheckBox(tr("Sest&upně"), this))
{
    setObjectName(QStringLiteral("resultsPage"));
    setAccessibleName(tr("Výsledky"));
    count_->setObjectName(QStringLiteral("resultsCount"));

    table_->setObjectName(QStringLiteral("resultsTable"));
    table_->setAccessibleName(tr("Tabulka výsledků"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    table_->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
    table_->horizontalHeader()->setSortIndicatorShown(true);
    table_->horizontalHeader()->setSectionsClickable(true);
    // Sorted by the database: a click on a header asks it again.
    connect(table_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, model_,
            &ResultTableModel::sort);
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    // Room for "12:22:00" and for every title.
    for (int column = 0; column < resultColumnCount; ++column) {
        const int title = table_->horizontalHeader()->fontMetrics().horizontalAdvance(
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        const auto kind = static_cast<ResultColumn>(column);
        const int content = kind == ResultColumn::Name   ? 14 * em
                            : kind == ResultColumn::Date ? 8 * em
                                                         : 6 * em;
        table_->setColumnWidth(column, std::max(title + 3 * em, content));
    }
    table_->horizontalHeader()->setStretchLastSection(true);
    // A failed read is told once the painting is over, not from inside it.
    connect(
        model_, &ResultTableModel::failed, this,
        [this](const QString &message) { showWarning(this, message); }, Qt::QueuedConnection);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        count_->setText(czechCount(model_->rowCount(), tr("%1 výsledek"), tr("%1 výsledky"),
                                   tr("%1 výsledků")));
    });

    // The order chosen by keyboard as well as by a click on a column's title.
    sortColumn_->setObjectName(QStringLiteral("sortColumn"));
    sortColumn_->setAccessibleName(tr("Řadit podle"));
    sortColumn_->addItems(resultColumnTitles());
    descending_->setObjectName(QStringLiteral("sortDescending"));
    descending_->setAccessibleName(tr("Sestupně"));
    descending_->setChecked(true);
    auto *sortLabel = new QLabel(tr("Ř&adit podle:"), this);
    sortLabel->setBuddy(sortColumn_);
    const auto sortChosen = [this] {
        table_->horizontalHeader()->setSortIndicator(sortColumn_->currentIndex(),
                                                     descending_->isChecked() ? Qt::DescendingOrder
                                                                              : Qt::AscendingOrder);
    };
    connect(sortColumn_, &QComboBox::currentIndexChanged, this, sortChosen);
    connect(descending_, &QCheckBox::toggled, this, sortChosen);
    connect(table_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) {
                const QSignalBlocker blockColumn(sortColumn_);
                const QSignalBlocker blockOrder(descending_);
                sortColumn_->setCurrentIndex(column);
                descending_->setChecked(order == Qt::DescendingOrder);
            });

    auto *line = new QHBoxLayout;
    line->addWidget(count_);
    line->addStretch();
    line->addWidget(sortLabel);
    line->addWidget(sortColumn_);
    line->addWidget(descending_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(filterBar());
    layout->addLayout(line);
    layout->addWidget(table_, 1);
}

void ResultsPage::refresh()
{
    model_->setSource(results(), filterBar()->filter());
}

QString ResultsPage::exportFileName() const
{
    return tr("vysledky.csv");
}

QString ResultsPage::exportCsv(const QString &path)
{
    if (results() == nullptr) {
        return {};
    }
    QProgressDialog progress(tr("Export výsledků do CSV…"), tr("Zrušit"), 0,
                             qMax(1, model_->rowCount()), this);
    progress.setObjectName(QStringLiteral("exportProgress"));
    progress.setWindowTitle(tr("Tesilka – učitel"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    const ExportOutcome outcome = exportResultsCsv(
        *results(), model_->filter(), model_->resultSort(), path, [&progress](qint64 rows) {
            progress.setValue(static_cast<int>(rows));
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
    progress.reset();
    if (outcome.cancelled) {
        return tr("Export zrušen, soubor nebyl zapsán.");
    }
    if (!outcome.failure.isEmpty()) {
        showWarning(this, outcome.failure);
        return {};
    }
    return czechCount(static_cast<int>(outcome.rows), tr("Do souboru %2 uložen %1 výsledek."),
                      tr("Do souboru %2 uloženy %1 výsledky."),
                      tr("Do souboru %2 uloženo %1 výsledků."))
        .arg(QDir::toNativeSeparators(path));
}
