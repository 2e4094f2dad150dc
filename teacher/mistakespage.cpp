// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/mistakespage.h"

#include "teacher/czechtext.h"
#include "teacher/files/xlsxexport.h"
#include "teacher/filesave.h"
#include "teacher/messages.h"
#include "teacher/mistakechart.h"
#include "teacher/mistakemodels.h"
#include "teacher/resultfilterbar.h"
#include "teacher/resultprint.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPrinter>
#include <QScopeGuard>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString secondsText(double seconds)
{
    return seconds < 0 ? QCoreApplication::translate("MistakesPage", "–")
                       : QCoreApplication::translate("MistakesPage", "%1 s")
                             .arg(QLocale().toString(seconds, 'f', 1));
}

// A small table as large as its rows and columns, so that three fit above one another.
void fitToContents(QTableView *view)
{
    view->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

} // namespace

MistakesPage::MistakesPage(QWidget *parent)
    : ResultPage(parent), quantityModel_(new MistakeTableModel(quantityTitles(), {}, this)),
      stepModel_(new MistakeTableModel(stepTitles(), {}, this)),
      kindModel_(new MistakeTableModel(mistakeKindTitles(), {}, this)),
      pupilModel_(new MistakeTableModel(pupilMistakeTitles(), {pupilMedianColumn}, this)),
      weekModel_(new MistakeTableModel(mistakeWeekTitles(), {}, this)), summary_(new QLabel(this)),
      dominant_(new QLabel(this)), chartView_(new QChartView(this))
{
    setObjectName(QStringLiteral("mistakesPage"));
    setAccessibleName(tr("Chyby"));

    summary_->setObjectName(QStringLiteral("mistakesSummary"));
    summary_->setWordWrap(true);
    dominant_->setObjectName(QStringLiteral("mistakesDominant"));
    dominant_->setWordWrap(true);
    dominant_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // The figures on the left, the pupils and the weeks' chart on the right; the chart's
    // numbers under the figures, where the chart keeps the width its legend needs.
    auto *left = new QWidget(this);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(addTable(quantityModel_, QStringLiteral("mistakesQuantities"),
                                   tr("Úspěšnost podle počítané veličiny")));
    leftLayout->addWidget(addTable(stepModel_, QStringLiteral("mistakesSteps"),
                                   tr("Úspěšnost podle předpony výsledku")));
    leftLayout->addWidget(
        addTable(kindModel_, QStringLiteral("mistakesKinds"), tr("Chybné odpovědi podle druhu")));
    for (QTableView *view : std::as_const(tables_)) {
        fitToContents(view);
    }
    leftLayout->addWidget(
        addTable(weekModel_, QStringLiteral("mistakesWeeks"), tr("Druhy chyb po týdnech")), 1);

    auto *pupils = new QWidget(this);
    auto *pupilsLayout = new QVBoxLayout(pupils);
    pupilsLayout->setContentsMargins(0, 0, 0, 0);
    pupilsLayout->addWidget(dominant_);
    pupilsLayout->addWidget(
        addTable(pupilModel_, QStringLiteral("mistakesPupils"), tr("Chyby po žácích")), 1);

    chartView_->setObjectName(QStringLiteral("mistakesChart"));
    chartView_->setAccessibleName(tr("Graf druhů chyb po týdnech"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(420, 220);
    // Its numbers are in the table of the weeks.
    chartView_->setFocusPolicy(Qt::NoFocus);

    auto *right = new QSplitter(Qt::Vertical, this);
    right->addWidget(pupils);
    right->addWidget(chartView_);
    right->setStretchFactor(0, 1);
    right->setStretchFactor(1, 1);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);

    QWidget::setTabOrder(filterBar()->sourceBox(), tables_.constFirst());
    for (qsizetype i = 1; i < tables_.size(); ++i) {
        QWidget::setTabOrder(tables_.at(i - 1), tables_.at(i));
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(filterBar());
    layout->addWidget(summary_);
    layout->addWidget(splitter, 1);
}

QTableView *MistakesPage::addTable(MistakeTableModel *model, const QString &name,
                                   const QString &title)
{
    auto *view = new QTableView(this);
    view->setObjectName(name);
    view->setAccessibleName(title);
    view->setToolTip(title);
    view->setModel(model);
    view->setAlternatingRowColors(true);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    tables_.append(view);
    return view;
}

QString MistakesPage::summaryText() const
{
    if (!answersKept_) {
        return tr("Zprávy z e-mailu jednotlivé odpovědi nemají: chyby se počítají jen z běhů "
                  "ve škole. Ve filtru zvolte zdroj „jen škola“ nebo „škola i e-mail“.");
    }
    const AnswerShare &all = figures_.all;
    if (all.answers == 0) {
        return tr("Ve zvoleném výběru nejsou žádné odpovědi z běhů ve škole.");
    }
    const QString counts = tr("Odpovědi z běhů ve škole: %1, správně %2 (%3).")
                               .arg(all.answers)
                               .arg(all.right)
                               .arg(percentText(successPercent(all.right, all.answers)));
    if (figures_.mediansLeftOut) {
        // Every answer of the school would be read for them: said, not guessed.
        return counts + u' ' +
               tr("Medián doby odpovědi se pro celou školu s více než %L1 odpověďmi "
                  "nepočítá (ani u žáků): zvolte třídu nebo žáka.")
                   .arg(medianAnswersLimit);
    }
    return counts + u' ' +
           tr("Medián doby odpovědi: správné %1, chybné %2.")
               .arg(secondsText(figures_.medianRightSeconds),
                    secondsText(figures_.medianWrongSeconds));
}

QString MistakesPage::dominantText() const
{
    const QString names = dominantPupilsText(pupils_);
    return dominanceRuleText() + u' ' +
           (names.isEmpty() ? tr("Takový žák ve výběru není.")
                            : tr("Pomoc potřebují: %1.").arg(names));
}

void MistakesPage::refresh()
{
    figures_ = {};
    weeks_.clear();
    pupils_.clear();
    const ResultFilter filter = filterBar()->filter();
    answersKept_ = !filter.unassigned && filter.sources != ResultFilter::Sources::Mail;
    if (results() != nullptr && answersKept_) {
        // A whole school's year takes seconds: the teacher sees that it is being read.
        QString failure;
        {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
            try {
                const MistakesDatabase mistakes(results()->database());
                try {
                    mistakes.foldCounts();
                } catch (const DatabaseError &) {
                    // The figures read the counts not folded as well: the page goes on.
                }
                figures_ = mistakes.figures(filter);
                weeks_ = mistakes.weeks(filter);
                pupils_ = mistakes.pupils(filter, Medians::IfAffordable);
            } catch (const DatabaseError &error) {
                failure = QString::fromStdString(error.what());
            }
        }
        if (!failure.isEmpty()) {
            showWarning(this, failure);
        }
    }
    quantityModel_->setRows(quantityRows(figures_));
    stepModel_->setRows(stepRows(figures_));
    kindModel_->setRows(mistakeKindRows(figures_));
    fillPupilMistakes(*pupilModel_, pupils_);
    QList<QVariantList> rows;
    for (const MistakeWeek &week : weeks_) {
        rows.append(mistakeWeekValues(week));
    }
    weekModel_->setRows(std::move(rows));
    for (QTableView *view : std::as_const(tables_)) {
        view->resizeColumnsToContents();
    }
    summary_->setText(summaryText());
    dominant_->setText(dominantText());
    QChart *old = chartView_->chart();
    chartView_->setChart(buildMistakeChart(weeks_, tr("Druhy chyb po týdnech")));
    delete old;
}

QString MistakesPage::exportFileName() const
{
    return tr("chyby.csv");
}

QString MistakesPage::exportCsv(const QString &path)
{
    if (const QString failure = isWorkbookPath(path) ? modelXlsx(*pupilModel_, path, tr("Chyby"))
                                                     : saveWholeFile(path, modelCsv(*pupilModel_));
        !failure.isEmpty()) {
        showWarning(this, failure);
        return {};
    }
    return czechCount(pupilModel_->rowCount(), tr("Do souboru %2 uložen %1 žák s chybami."),
                      tr("Do souboru %2 uloženi %1 žáci s chybami."),
                      tr("Do souboru %2 uloženo %1 žáků s chybami."))
        .arg(QDir::toNativeSeparators(path));
}

void MistakesPage::print(QPrinter &printer)
{
    const auto paragraph = [](const QString &text) {
        return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
    };
    const auto heading = [](const QString &text) {
        return QStringLiteral("<h3>%1</h3>").arg(text.toHtmlEscaped());
    };
    const QImage chart = renderMistakeChart(weeks_, QString(), QSize(720, 380));
    printHtml(printer,
              pageHeadHtml(tr("Chyby v odpovědích"), filterDescription(filterBar()->filter())) +
                  paragraph(summaryText()) + heading(tr("Podle počítané veličiny")) +
                  tableHtml(*quantityModel_) + heading(tr("Podle předpony výsledku")) +
                  tableHtml(*stepModel_) + heading(tr("Podle druhu chyby")) +
                  tableHtml(*kindModel_) + heading(tr("Po žácích")) + paragraph(dominantText()) +
                  tableHtml(*pupilModel_) + heading(tr("Po týdnech")) +
                  QStringLiteral("<p><img src=\"chart\" width=\"650\"></p>") +
                  tableHtml(*weekModel_),
              chart);
}
