// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/summarypage.h"

#include "teacher/czechtext.h"
#include "teacher/files/xlsxexport.h"
#include "teacher/filesave.h"
#include "teacher/messages.h"
#include "teacher/resultfilterbar.h"
#include "teacher/resultprint.h"
#include "teacher/summarymodels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSettings>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString thresholdKey = QStringLiteral("vysledky/hranice");
constexpr double defaultThreshold = 50;

QTableView *newTable(QAbstractItemModel *model, const QString &name, const QString &spoken,
                     QWidget *parent)
{
    auto *table = new QTableView(parent);
    table->setObjectName(name);
    table->setAccessibleName(spoken);
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setAlternatingRowColors(true);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

double savedThreshold()
{
    return QSettings().value(thresholdKey, defaultThreshold).toDouble();
}

SummaryPage::SummaryPage(QWidget *parent)
    : ResultPage(parent), pupilModel_(new ValueTableModel(pupilSummaryTitles(), this)),
      classModel_(new ValueTableModel(classSummaryTitles(), this)),
      threshold_(new QDoubleSpinBox(this)),
      markedOnly_(new QCheckBox(tr("Jen pod hran&icí"), this)), view_(new QComboBox(this)),
      stack_(new QStackedWidget(this)),
      pupilTable_(
          newTable(pupilModel_, QStringLiteral("pupilSummaryTable"), tr("Souhrn po žácích"), this)),
      classTable_(
          newTable(classModel_, QStringLiteral("classSummaryTable"), tr("Souhrn po třídách"), this))
{
    setObjectName(QStringLiteral("summaryPage"));
    setAccessibleName(tr("Souhrny"));

    view_->setObjectName(QStringLiteral("summaryView"));
    view_->setAccessibleName(tr("Přehled"));
    view_->addItem(tr("po žácích"));
    view_->addItem(tr("po třídách"));
    auto *viewLabel = new QLabel(tr("Př&ehled:"), this);
    viewLabel->setBuddy(view_);

    threshold_->setObjectName(QStringLiteral("threshold"));
    threshold_->setAccessibleName(tr("Hranice úspěšnosti v procentech"));
    threshold_->setRange(0, 100);
    threshold_->setDecimals(0);
    threshold_->setSuffix(QStringLiteral(" %"));
    threshold_->setValue(savedThreshold());
    // "h" is the tab "Souhrny"'s key.
    auto *thresholdLabel = new QLabel(tr("Hr&anice:"), this);
    thresholdLabel->setBuddy(threshold_);
    markedOnly_->setObjectName(QStringLiteral("markedOnly"));
    markedOnly_->setAccessibleName(tr("Jen žáci pod hranicí"));

    stack_->addWidget(pupilTable_);
    stack_->addWidget(classTable_);
    connect(view_, &QComboBox::currentIndexChanged, stack_, &QStackedWidget::setCurrentIndex);
    connect(threshold_, &QDoubleSpinBox::valueChanged, this, [this](double value) {
        QSettings().setValue(thresholdKey, value);
        markStale();
    });
    connect(markedOnly_, &QCheckBox::toggled, this, &SummaryPage::markStale);

    QWidget::setTabOrder(filterBar()->sourceBox(), view_);
    QWidget::setTabOrder(view_, threshold_);
    QWidget::setTabOrder(threshold_, markedOnly_);
    QWidget::setTabOrder(markedOnly_, pupilTable_);
    QWidget::setTabOrder(pupilTable_, classTable_);

    auto *options = new QHBoxLayout;
    options->addWidget(viewLabel);
    options->addWidget(view_);
    options->addWidget(thresholdLabel);
    options->addWidget(threshold_);
    options->addWidget(markedOnly_);
    options->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(filterBar());
    layout->addLayout(options);
    layout->addWidget(stack_, 1);
}

void SummaryPage::refresh()
{
    QList<QVariantList> pupilRows;
    QList<bool> marked;
    QList<bool> flagged;
    QList<QVariantList> classRows;
    if (results() != nullptr) {
        try {
            const ResultFilter filter = filterBar()->filter();
            for (const PupilSummary &pupil :
                 results()->pupilSummaries(filter, threshold_->value(), markedOnly_->isChecked())) {
                pupilRows.append(pupilSummaryValues(pupil));
                marked.append(pupil.marked);
                flagged.append(pupil.withoutRuns() || pupil.unassignedReports);
            }
            for (const ClassSummary &summary :
                 results()->classSummaries(filter, threshold_->value())) {
                classRows.append(classSummaryValues(summary));
            }
        } catch (const DatabaseError &error) {
            showWarning(this, QString::fromStdString(error.what()));
        }
    }
    pupilModel_->setRows(std::move(pupilRows), std::move(marked), std::move(flagged));
    classModel_->setRows(std::move(classRows));
    for (QTableView *table : {pupilTable_, classTable_}) {
        table->resizeColumnsToContents();
    }
}

QTableView *SummaryPage::shownTable() const
{
    return view_->currentIndex() == 1 ? classTable_ : pupilTable_;
}

QString SummaryPage::exportFileName() const
{
    return view_->currentIndex() == 1 ? tr("souhrn-trid.csv") : tr("souhrn-zaku.csv");
}

QString SummaryPage::exportCsv(const QString &path)
{
    const QAbstractItemModel &model = *shownTable()->model();
    if (const QString failure =
            isWorkbookPath(path) ? modelXlsx(model, path) : saveWholeFile(path, modelCsv(model));
        !failure.isEmpty()) {
        showWarning(this, failure);
        return {};
    }
    return czechCount(model.rowCount(), tr("Do souboru %2 uložen %1 řádek souhrnu."),
                      tr("Do souboru %2 uloženy %1 řádky souhrnu."),
                      tr("Do souboru %2 uloženo %1 řádků souhrnu."))
        .arg(QDir::toNativeSeparators(path));
}

void SummaryPage::print(QPrinter &printer)
{
    const QString line = markedOnly_->isChecked()
                             ? tr("%1. Hranice úspěšnosti %2 %; jen žáci pod ní a žáci bez běhu, "
                                  "vyznačení tučně.")
                             : tr("%1. Hranice úspěšnosti %2 %; žáci pod ní a žáci bez běhu jsou "
                                  "vyznačeni tučně.");
    const QString head = pageHeadHtml(
        tr("Souhrn výsledků"),
        line.arg(filterDescription(filterBar()->filter())).arg(threshold_->value(), 0, 'f', 0));
    printHtml(printer,
              head + QStringLiteral("<h3>%1</h3>").arg(tr("Po třídách")) + tableHtml(*classModel_) +
                  QStringLiteral("<h3>%1</h3>").arg(tr("Po žácích")) + tableHtml(*pupilModel_));
}
