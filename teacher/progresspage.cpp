// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/progresspage.h"

#include "teacher/czechtext.h"
#include "teacher/files/xlsxexport.h"
#include "teacher/filesave.h"
#include "teacher/messages.h"
#include "teacher/progresschart.h"
#include "teacher/resultfilterbar.h"
#include "teacher/resultprint.h"
#include "teacher/summarymodels.h"
#include "teacher/summarypage.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

ProgressPage::ProgressPage(QWidget *parent)
    : ResultPage(parent), model_(new ValueTableModel(progressTitles(ProgressPeriod::Day), this)),
      chartView_(new QChartView(this)), grouping_(new QComboBox(this)), table_(new QTableView(this))
{
    setObjectName(QStringLiteral("progressPage"));
    setAccessibleName(tr("Vývoj"));

    grouping_->setObjectName(QStringLiteral("progressPeriod"));
    grouping_->setAccessibleName(tr("Graf po dnech nebo týdnech"));
    grouping_->addItem(tr("dnech"), static_cast<int>(ProgressPeriod::Day));
    grouping_->addItem(tr("týdnech"), static_cast<int>(ProgressPeriod::Week));
    auto *groupingLabel = new QLabel(tr("&Graf po:"), this);
    groupingLabel->setBuddy(grouping_);
    connect(grouping_, &QComboBox::currentIndexChanged, this, &ProgressPage::markStale);

    chartView_->setObjectName(QStringLiteral("progressChart"));
    chartView_->setAccessibleName(tr("Graf vývoje úspěšnosti a počtu odpovědí"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(360, 260);
    // Nothing to do in it by keyboard: its numbers are in the table beside it.
    chartView_->setFocusPolicy(Qt::NoFocus);

    table_->setObjectName(QStringLiteral("progressTable"));
    table_->setAccessibleName(tr("Čísla grafu"));
    table_->setModel(model_);
    table_->setAlternatingRowColors(true);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(chartView_);
    splitter->addWidget(table_);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({540, 420});

    QWidget::setTabOrder(filterBar()->sourceBox(), grouping_);
    QWidget::setTabOrder(grouping_, table_);

    auto *options = new QHBoxLayout;
    options->addWidget(groupingLabel);
    options->addWidget(grouping_);
    options->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(filterBar());
    layout->addLayout(options);
    layout->addWidget(splitter, 1);
}

ProgressPeriod ProgressPage::period() const
{
    return static_cast<ProgressPeriod>(grouping_->currentData().toInt());
}

QString ProgressPage::chartTitle() const
{
    return filterDescription(filterBar()->filter());
}

void ProgressPage::refresh()
{
    points_.clear();
    if (results() != nullptr) {
        try {
            points_ = results()->progress(filterBar()->filter(), period());
        } catch (const DatabaseError &error) {
            showWarning(this, QString::fromStdString(error.what()));
        }
    }
    QList<QVariantList> rows;
    for (const ProgressPoint &point : points_) {
        rows.append(progressValues(point));
    }
    // The table's titles follow the grouping: a new model keeps the header in step.
    auto *model = new ValueTableModel(progressTitles(period()), this);
    model->setRows(std::move(rows));
    table_->setModel(model);
    model_->deleteLater();
    model_ = model;
    table_->resizeColumnsToContents();
    QChart *old = chartView_->chart();
    chartView_->setChart(buildProgressChart(points_, period(), chartTitle()));
    delete old;
}

QString ProgressPage::exportFileName() const
{
    return tr("vyvoj.csv");
}

QString ProgressPage::exportCsv(const QString &path)
{
    if (const QString failure = isWorkbookPath(path) ? modelXlsx(*model_, path)
                                                     : saveWholeFile(path, modelCsv(*model_));
        !failure.isEmpty()) {
        showWarning(this, failure);
        return {};
    }
    return czechCount(model_->rowCount(), tr("Do souboru %2 uložen %1 řádek vývoje."),
                      tr("Do souboru %2 uloženy %1 řádky vývoje."),
                      tr("Do souboru %2 uloženo %1 řádků vývoje."))
        .arg(QDir::toNativeSeparators(path));
}

void ProgressPage::print(QPrinter &printer)
{
    const ResultFilter filter = filterBar()->filter();
    QString summary;
    if (results() != nullptr && !filter.surname.isEmpty()) {
        try {
            for (const PupilSummary &pupil : results()->pupilSummaries(filter, savedThreshold())) {
                summary = tr("Běhy: %1, odpovědi: %2, správně: %3, chybně: %4, úspěšnost: %5. "
                             "První běh %6, poslední %7.")
                              .arg(pupil.runs)
                              .arg(pupil.answers)
                              .arg(pupil.right)
                              .arg(pupil.wrong)
                              .arg(percentText(successPercent(pupil.right, pupil.answers)),
                                   dayText(pupil.first), dayText(pupil.last));
                if (pupil.marked) {
                    summary += u' ' + tr("Pod hranicí %1 %.").arg(savedThreshold(), 0, 'f', 0);
                }
            }
        } catch (const DatabaseError &error) {
            showWarning(this, QString::fromStdString(error.what()));
            return;
        }
    }
    const QImage chart = renderProgressChart(points_, period(), QString(), QSize(720, 400));
    printHtml(printer,
              pageHeadHtml(tr("Vývoj výsledků"), chartTitle()) +
                  (summary.isEmpty() ? QString()
                                     : QStringLiteral("<p>%1</p>").arg(summary.toHtmlEscaped())) +
                  QStringLiteral("<p><img src=\"chart\" width=\"650\"></p>") + tableHtml(*model_),
              chart);
}
