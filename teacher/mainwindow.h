// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/databaselocation.h"
#include "database/resultsdatabase.h" // ResultFilter
#include "teacher/resultformat.h"     // DatePeriod

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>
#include <utility>

class HelpWindow;
class MistakesPage;
class ProgressPage;
class PupilsPage;
class QAction;
class QLabel;
class QTabWidget;
class ReportsPage;
class ResultPage;
class ResultsDatabase;
class ResultsPage;
class SummaryPage;
class TeacherDatabase;

// The teacher's program: the open school database, the reports read from e-mail and the
// pupils, as tabs under one menu bar, tool bar and status bar.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The last database from the settings, else the built-in school database if it exists.
    void openInitialDatabase();
    // Opens the database, tells the teacher what happened; false (with a message) on failure,
    // and the previous database stays open.
    bool openDatabase(const DatabaseLocation &location);
    // Creates a database at the path (replacing a file only when `replaceExisting`) and opens it.
    bool createDatabase(const QString &path, bool replaceExisting);

    [[nodiscard]] TeacherDatabase *database() const { return database_.get(); }
    [[nodiscard]] ReportsPage *reportsPage() const { return reportsPage_; }
    [[nodiscard]] PupilsPage *pupilsPage() const { return pupilsPage_; }
    // The results pages are built when first shown or asked for: the window paints first.
    [[nodiscard]] ResultsPage *resultsPage();
    [[nodiscard]] SummaryPage *summaryPage();
    [[nodiscard]] ProgressPage *progressPage();
    [[nodiscard]] MistakesPage *mistakesPage();
    [[nodiscard]] QAction *exportResultsAction() const { return exportResults_; }
    [[nodiscard]] QAction *printAction() const { return print_; }
    [[nodiscard]] QAction *exportPdfAction() const { return exportPdf_; }
    [[nodiscard]] QTabWidget *tabs() const { return tabs_; }
    // The help window once it has been opened, else nullptr.
    [[nodiscard]] HelpWindow *helpWindow() const { return help_; }

public slots:
    void chooseNewDatabase();
    void chooseDatabase();
    // A school database on a server; the open file copied to one.
    void chooseServer();
    void chooseCopyToServer();
    void showAbout();
    // "Obsah nápovědy" (F1), beside the main window.
    void showHelp();
    void showStatus(const QString &text);
    // The results page shown: its table to a CSV file, its page to the printer or a PDF file.
    void chooseResultsExport();
    void printResults();
    void chooseResultsPdf();
    // Writes the shown results page to a PDF file; false (with a message) on failure.
    bool exportResultsPdf(const QString &path);
    // A page changed the database: every page shows the new state.
    void databaseChanged();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // With good reports in the list that the open database lacks: asks whether to store them,
    // drop them or stay. True to go on.
    bool confirmUnstoredReports();
    void createMenus();
    void useDatabase(std::unique_ptr<TeacherDatabase> database, const QString &status);
    void updateTitle();
    void updateResultActions();
    [[nodiscard]] ResultPage *currentResultPage() const;
    // The results page of that tab, built (and put in its tab's place) on the first call.
    ResultPage *resultPageAt(int tab);
    [[nodiscard]] QList<ResultPage *> builtResultPages() const;
    void tabShown(int tab);

    std::unique_ptr<TeacherDatabase> database_;
    // Reads through database_'s connection: declared after it, so that it goes first.
    std::unique_ptr<ResultsDatabase> results_;
    QTabWidget *tabs_;
    ReportsPage *reportsPage_;
    PupilsPage *pupilsPage_;
    // The results pages' tabs, in order: a page, or the empty widget holding its place.
    static constexpr int firstResultTab = 2;
    std::array<ResultPage *, 4> resultPages_{};
    std::array<QWidget *, 4> placeholders_{};
    std::array<QString, 4> resultTabTexts_;
    // The filter last chosen on any results page, for a page built later.
    std::optional<std::pair<ResultFilter, DatePeriod>> filter_;
    QAction *exportResults_;
    QAction *print_;
    QAction *exportPdf_;
    QLabel *databaseLabel_;
    HelpWindow *help_ = nullptr;
};
