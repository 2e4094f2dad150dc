// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/resultpage.h"

#include "teacher/resultfilterbar.h"

ResultPage::ResultPage(QWidget *parent) : QWidget(parent), filterBar_(new ResultFilterBar(this))
{
    connect(filterBar_, &ResultFilterBar::filterChanged, this,
            [this](const ResultFilter &filter, DatePeriod period) {
                markStale();
                emit filterChanged(filter, period);
            });
}

void ResultPage::setResults(const ResultsDatabase *results)
{
    results_ = results;
    filterBar_->setDatabase(results);
    markStale();
}

void ResultPage::reloadFromDatabase()
{
    filterBar_->setDatabase(results_);
    markStale();
}

void ResultPage::setFilter(const ResultFilter &filter, DatePeriod period)
{
    filterBar_->setFilter(filter, period);
    markStale();
}

void ResultPage::markStale()
{
    stale_ = true;
    if (isVisible()) {
        stale_ = false;
        refresh();
    }
}

void ResultPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (stale_) {
        stale_ = false;
        refresh();
    }
}
