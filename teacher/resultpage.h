// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/resultsdatabase.h"
#include "teacher/resultformat.h"

#include <QWidget>

class QPrinter;
class ResultFilterBar;

// What the results pages have in common: the filter bar on top, a database to read, a table to
// export, and a reading that waits until the page is shown.
class ResultPage : public QWidget
{
    Q_OBJECT

public:
    explicit ResultPage(QWidget *parent = nullptr);

    // The results of the open database (not owned), or nullptr.
    void setResults(const ResultsDatabase *results);
    void setFilter(const ResultFilter &filter, DatePeriod period);
    [[nodiscard]] ResultFilterBar *filterBar() const { return filterBar_; }
    // The database changed: the filter's lists and the page are read again, the choices kept.
    void reloadFromDatabase();

    // Writes the table now shown as CSV; returns a Czech sentence for the status bar, or
    // throws nothing and shows its own warning on failure (then returns an empty text).
    virtual QString exportCsv(const QString &path) = 0;
    [[nodiscard]] virtual QString exportFileName() const = 0;
    // Pages that print: the document for the printer (a PDF file or paper).
    [[nodiscard]] virtual bool canPrint() const { return false; }
    virtual void print(QPrinter & /*printer*/) {}

signals:
    void filterChanged(const ResultFilter &filter, DatePeriod period);
    void statusMessage(const QString &text);
    // This page changed the database (deleted or assigned runs).
    void databaseChanged();

protected:
    // Reads the page again from the database for the filter of the bar.
    virtual void refresh() = 0;
    void showEvent(QShowEvent *event) override;
    [[nodiscard]] const ResultsDatabase *results() const { return results_; }
    void markStale();

private:
    const ResultsDatabase *results_ = nullptr;
    ResultFilterBar *filterBar_;
    bool stale_ = true;
};
