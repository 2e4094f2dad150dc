// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/resultspage.h"

#include "database/teacherdatabase.h"
#include "teacher/actionbutton.h"
#include "teacher/czechtext.h"
#include "teacher/files/xlsxexport.h"
#include "teacher/messages.h"
#include "teacher/pupilchooser.h"
#include "teacher/reportstore.h"
#include "teacher/resultfilterbar.h"
#include "teacher/resultformat.h"
#include "teacher/resulttablemodel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

ResultsPage::ResultsPage(QWidget *parent)
    : ResultPage(parent), model_(new ResultTableModel(this)), table_(new QTableView(this)),
      count_(new QLabel(this)), sortColumn_(new QComboBox(this)),
      descending_(new QCheckBox(tr("Sest&upně"), this)),
      deleteAction_(new QAction(tr("S&mazat vybrané…"), this)),
      assignAction_(new QAction(tr("Př&iřadit žákovi…"), this))
{
    setObjectName(QStringLiteral("resultsPage"));
    setAccessibleName(tr("Výsledky"));
    count_->setObjectName(QStringLiteral("resultsCount"));

    table_->setObjectName(QStringLiteral("resultsTable"));
    table_->setAccessibleName(tr("Tabulka výsledků"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setAlternatingRowColors(true);
    // Tab leaves the table for the next control; the arrow keys move in it.
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    table_->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
    table_->horizontalHeader()->setSortIndicatorShown(true);
    table_->horizontalHeader()->setSectionsClickable(true);
    // Sorted by the database: a click on a header asks it again.
    connect(table_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, model_,
            &ResultTableModel::sort);
    setColumnWidths();
    table_->horizontalHeader()->setStretchLastSection(true);
    // A failed read is told once the painting is over, not from inside it.
    connect(
        model_, &ResultTableModel::failed, this,
        [this](const QString &message) { showWarning(this, message); }, Qt::QueuedConnection);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        // A school's million runs read at a glance.
        count_->setText(czechGroupedCount(model_->rowCount(), tr("%1 výsledek"), tr("%1 výsledky"),
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

    deleteAction_->setShortcut(QKeySequence::Delete);
    deleteAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    deleteAction_->setStatusTip(tr("Smaže vybrané běhy a zprávy z databáze"));
    addAction(deleteAction_);
    assignAction_->setStatusTip(tr("Přiřadí vybrané zprávy z e-mailu žákovi ze seznamu"));
    connect(deleteAction_, &QAction::triggered, this, &ResultsPage::deleteSelected);
    connect(assignAction_, &QAction::triggered, this, &ResultsPage::chooseOwner);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ResultsPage::updateActions);
    connect(model_, &QAbstractItemModel::modelReset, this, &ResultsPage::updateActions);

    QPushButton *deleteButton = buttonFor(deleteAction_, this);
    QPushButton *assignButton = buttonFor(assignAction_, this);
    // Tab goes as the page reads: the filter, the buttons and the order above the table, then
    // the table.
    QWidget::setTabOrder(filterBar()->sourceBox(), deleteButton);
    QWidget::setTabOrder(deleteButton, assignButton);
    QWidget::setTabOrder(assignButton, sortColumn_);
    QWidget::setTabOrder(sortColumn_, descending_);
    QWidget::setTabOrder(descending_, table_);

    auto *line = new QHBoxLayout;
    line->addWidget(count_);
    line->addWidget(deleteButton);
    line->addWidget(assignButton);
    line->addStretch();
    line->addWidget(sortLabel);
    line->addWidget(sortColumn_);
    line->addWidget(descending_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(filterBar());
    layout->addLayout(line);
    layout->addWidget(table_, 1);
}

void ResultsPage::setColumnWidths()
{
    // Measured on the widest text a column can hold, where it is known ("30. 12. 2026",
    // "23:59:59", "100,00 %"), else on a number of letters; never narrower than its title with
    // the sort mark.
    const QFontMetrics cells = table_->fontMetrics();
    const QFontMetrics titles = table_->horizontalHeader()->fontMetrics();
    QStyle *style = table_->style();
    const int cellMargin =
        2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table_) + 1) +
        cells.horizontalAdvance(QStringLiteral("  "));
    const int titleMargin = 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, table_) +
                            style->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, table_) +
                            titles.horizontalAdvance(QStringLiteral("  "));
    const int em = cells.horizontalAdvance(QLatin1Char('M'));
    const auto widest = [&cells](const QStringList &texts) {
        int width = 0;
        for (const QString &text : texts) {
            width = std::max(width, cells.horizontalAdvance(text));
        }
        return width;
    };
    for (int column = 0; column < resultColumnCount; ++column) {
        int content = 0;
        switch (static_cast<ResultColumn>(column)) {
        case ResultColumn::Date:
            content = widest({dayText(QDate(2026, 12, 30)), dayText(QDate(2026, 11, 28))});
            break;
        case ResultColumn::Start:
        case ResultColumn::End:
            content = widest({QStringLiteral("23:59:59"), QStringLiteral("00:00:00")});
            break;
        case ResultColumn::Answers:
        case ResultColumn::Right:
        case ResultColumn::Wrong:
            content = widest({QStringLiteral("9999")});
            break;
        case ResultColumn::Success:
            content = widest({percentText(100)});
            break;
        case ResultColumn::Source:
            content = widest({sourceText(ResultSource::School), sourceText(ResultSource::Mail)});
            break;
        case ResultColumn::Name:
        case ResultColumn::ReportedName:
            content = 14 * em;
            break;
        case ResultColumn::Class:
        case ResultColumn::ReportedClass:
            content = 5 * em;
            break;
        }
        const int title = titles.horizontalAdvance(
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        table_->setColumnWidth(column, std::max(title + titleMargin, content + cellMargin));
    }
}

void ResultsPage::refresh()
{
    model_->setSource(results(), filterBar()->filter());
}

void ResultsPage::updateActions()
{
    const QList<ResultRow> runs = selectedRuns();
    deleteAction_->setEnabled(results() != nullptr && !runs.isEmpty());
    assignAction_->setEnabled(results() != nullptr &&
                              std::any_of(runs.begin(), runs.end(), [](const ResultRow &run) {
                                  return run.source == ResultSource::Mail;
                              }));
}

QList<ResultRow> ResultsPage::selectedRuns() const
{
    QList<ResultRow> runs;
    QModelIndexList rows = table_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    for (const QModelIndex &index : rows) {
        if (const ResultRow *run = model_->row(index.row())) {
            runs.append(*run);
        }
    }
    return runs;
}

void ResultsPage::deleteSelected()
{
    const QList<ResultRow> runs = selectedRuns();
    if (results() == nullptr || runs.isEmpty()) {
        return;
    }
    QStringList whose;
    int mail = 0;
    for (const ResultRow &run : runs) {
        mail += run.source == ResultSource::Mail ? 1 : 0;
        const QString who = run.unassigned()
                                ? tr("nepřiřazená zpráva od „%1“").arg(run.reportedName)
                                : tr("%1 (%2)").arg(run.name, run.className);
        if (!whose.contains(who)) {
            whose.append(who);
        }
    }
    constexpr qsizetype shownNames = 8;
    QString names = whose.mid(0, shownNames).join(tr(", "));
    if (whose.size() > shownNames) {
        names += tr(" a další");
    }
    const int school = static_cast<int>(runs.size()) - mail;
    QStringList parts;
    if (school > 0) {
        parts << czechCount(school, tr("%1 běh ve škole"), tr("%1 běhy ve škole"),
                            tr("%1 běhů ve škole"));
    }
    if (mail > 0) {
        parts << czechCount(mail, tr("%1 zprávu z e-mailu"), tr("%1 zprávy z e-mailu"),
                            tr("%1 zpráv z e-mailu"));
    }
    if (!askYesNo(this, tr("Smazat z databáze %1: %2? Smazání nelze vrátit.")
                            .arg(parts.join(tr(" a ")), names))) {
        return;
    }
    deleteRuns(runs);
}

bool ResultsPage::deleteRuns(const QList<ResultRow> &runs)
{
    QList<TeacherDatabase::SchoolRun> school;
    QStringList blocks;
    for (const ResultRow &run : runs) {
        if (run.source == ResultSource::Mail) {
            blocks.append(run.key);
        } else {
            school.append({run.key, run.name, run.className, run.end});
        }
    }
    try {
        results()->database().deleteRuns(school, blocks);
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
        model_->reloadNow();
        return false;
    }
    emit databaseChanged();
    emit statusMessage(czechCount(static_cast<int>(runs.size()), tr("Smazán %1 výsledek."),
                                  tr("Smazány %1 výsledky."), tr("Smazáno %1 výsledků.")));
    return true;
}

void ResultsPage::chooseOwner()
{
    QList<ResultRow> reports;
    for (const ResultRow &run : selectedRuns()) {
        if (run.source == ResultSource::Mail) {
            reports.append(run);
        }
    }
    if (results() == nullptr || reports.isEmpty()) {
        return;
    }
    QList<PupilRecord> pupils;
    try {
        pupils = results()->database().pupils();
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
        return;
    }
    PupilChooser chooser(pupils, reports.first().reportedName, reports.first().reportedClass, this);
    if (chooser.exec() != QDialog::Accepted) {
        return;
    }
    const bool nobody = chooser.choice() == PupilChooser::Choice::Nobody;
    assignRuns(reports, nobody ? QString() : chooser.surname(),
               nobody ? QString() : chooser.className(),
               chooser.choice() == PupilChooser::Choice::NewPupil);
}

bool ResultsPage::assignRuns(const QList<ResultRow> &runs, const QString &surname,
                             const QString &className, bool addToList)
{
    QStringList blocks;
    for (const ResultRow &run : runs) {
        if (run.source == ResultSource::Mail) {
            blocks.append(run.key);
        }
    }
    try {
        const QString status =
            assignReportBlocks(results()->database(), blocks, surname, className, addToList);
        emit databaseChanged();
        emit statusMessage(status);
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
        return false;
    }
    return true;
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
    const auto step = [&progress](qint64 rows) {
        progress.setValue(static_cast<int>(rows));
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
    const ExportOutcome outcome =
        isWorkbookPath(path)
            ? exportResultsXlsx(*results(), model_->filter(), model_->resultSort(), path, step)
            : exportResultsCsv(*results(), model_->filter(), model_->resultSort(), path, step);
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
