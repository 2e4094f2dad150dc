// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/mainwindow.h"

#include "app/appicon.h"
#include "database/resultsdatabase.h"
#include "database/teacherdatabase.h"
#include "teacher/czechtext.h"
#include "teacher/filesave.h"
#include "teacher/helpwindow.h"
#include "teacher/messages.h"
#include "teacher/mistakespage.h"
#include "teacher/progresspage.h"
#include "teacher/pupilspage.h"
#include "teacher/recentfolder.h"
#include "teacher/reportspage.h"
#include "teacher/reportstore.h"
#include "teacher/reporttablemodel.h"
#include "teacher/resultspage.h"
#include "teacher/serverdialogs.h"
#include "teacher/summarypage.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

#include <filesystem>
#include <system_error>

namespace {
const QString databaseKey = QStringLiteral("databaze");
const QString geometryKey = QStringLiteral("okno/geometrie");
const QString stateKey = QStringLiteral("okno/stav");
constexpr int statusTimeoutMs = 0; // the last message stays until the next one

// The folder a dialog starts in. A new account may have no documents folder yet: given one
// that does not exist, the dialog would start elsewhere and offer its name as the file's.
QString existingFolder(const QString &folder)
{
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QString suggestedPath(FileKind kind, const QString &fileName)
{
    return QDir(existingFolder(QFileInfo(recentFilePath(kind, fileName)).absolutePath()))
        .filePath(fileName);
}
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), tabs_(new QTabWidget(this)), reportsPage_(new ReportsPage(tabs_)),
      pupilsPage_(new PupilsPage(tabs_)),
      exportResults_(new QAction(tr("E&xportovat tabulku…"), this)),
      print_(new QAction(tr("&Tisk…"), this)),
      exportPdf_(new QAction(tr("Exportovat do PD&F…"), this)), databaseLabel_(new QLabel(this))
{
    setObjectName(QStringLiteral("teacherMainWindow"));
    setWindowIcon(teacherIcon());
    tabs_->setObjectName(QStringLiteral("pages"));
    tabs_->setAccessibleName(tr("Stránky programu"));
    tabs_->addTab(reportsPage_, tr("&Zprávy z e-mailu"));
    tabs_->addTab(pupilsPage_, tr("Žá&ci"));
    // Alt+O and Alt+D are the results filter's "Od" and "Do".
    resultTabTexts_ = {tr("Výsled&ky"), tr("Sou&hrny"), tr("Vývo&j"), tr("Chyb&y")};
    for (std::size_t page = 0; page < placeholders_.size(); ++page) {
        placeholders_.at(page) = new QWidget(tabs_);
        tabs_->addTab(placeholders_.at(page), resultTabTexts_.at(page));
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::tabShown);
    setCentralWidget(tabs_);

    databaseLabel_->setObjectName(QStringLiteral("databaseLabel"));
    databaseLabel_->setAccessibleName(tr("Otevřená databáze"));
    statusBar()->addPermanentWidget(databaseLabel_);
    connect(reportsPage_, &ReportsPage::statusMessage, this, &MainWindow::showStatus);
    connect(pupilsPage_, &PupilsPage::statusMessage, this, &MainWindow::showStatus);
    connect(reportsPage_, &ReportsPage::databaseChanged, this, &MainWindow::databaseChanged);
    connect(pupilsPage_, &PupilsPage::databaseChanged, this, &MainWindow::databaseChanged);

    createMenus();
    updateTitle();
    // Room for every column of the reports, within the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(qMin(1000, screen.width() * 9 / 10), qMin(640, screen.height() * 9 / 10));
    const QSettings settings;
    restoreGeometry(settings.value(geometryKey).toByteArray());
    restoreState(settings.value(stateKey).toByteArray());
}

MainWindow::~MainWindow()
{
    // The pages hold a pointer to the database: let them forget it first.
    reportsPage_->setDatabase(nullptr);
    pupilsPage_->setDatabase(nullptr);
    for (ResultPage *page : builtResultPages()) {
        page->setResults(nullptr);
    }
}

ResultsPage *MainWindow::resultsPage()
{
    return static_cast<ResultsPage *>(resultPageAt(firstResultTab));
}

SummaryPage *MainWindow::summaryPage()
{
    return static_cast<SummaryPage *>(resultPageAt(firstResultTab + 1));
}

ProgressPage *MainWindow::progressPage()
{
    return static_cast<ProgressPage *>(resultPageAt(firstResultTab + 2));
}

MistakesPage *MainWindow::mistakesPage()
{
    return static_cast<MistakesPage *>(resultPageAt(firstResultTab + 3));
}

QList<ResultPage *> MainWindow::builtResultPages() const
{
    QList<ResultPage *> built;
    for (ResultPage *page : resultPages_) {
        if (page != nullptr) {
            built << page;
        }
    }
    return built;
}

ResultPage *MainWindow::resultPageAt(int tab)
{
    const auto slot = static_cast<std::size_t>(tab - firstResultTab);
    ResultPage *&page = resultPages_.at(slot);
    if (page != nullptr) {
        return page;
    }
    switch (slot) {
    case 0:
        page = new ResultsPage(tabs_);
        break;
    case 1:
        page = new SummaryPage(tabs_);
        break;
    case 2:
        page = new ProgressPage(tabs_);
        break;
    default:
        page = new MistakesPage(tabs_);
        break;
    }
    // One filter for the results pages: a change on one is shown on the others.
    connect(page, &ResultPage::filterChanged, this,
            [this, page](const ResultFilter &filter, DatePeriod period) {
                filter_.emplace(filter, period);
                for (ResultPage *other : builtResultPages()) {
                    if (other != page) {
                        other->setFilter(filter, period);
                    }
                }
            });
    connect(page, &ResultPage::statusMessage, this, &MainWindow::showStatus);
    connect(page, &ResultPage::databaseChanged, this, &MainWindow::databaseChanged);
    page->setResults(results_.get());
    if (filter_) {
        page->setFilter(filter_->first, filter_->second);
    }
    // The page takes its placeholder's place; the tab shown stays shown.
    const QSignalBlocker quiet(tabs_);
    const int current = tabs_->currentIndex();
    QWidget *placeholder = std::exchange(placeholders_.at(slot), nullptr);
    tabs_->removeTab(tab);
    tabs_->insertTab(tab, page, resultTabTexts_.at(slot));
    tabs_->setCurrentIndex(current);
    delete placeholder;
    return page;
}

void MainWindow::tabShown(int tab)
{
    if (tab >= firstResultTab && tab < firstResultTab + static_cast<int>(resultPages_.size())) {
        resultPageAt(tab);
    }
    updateResultActions();
}

void MainWindow::createMenus()
{
    auto *newDatabase = new QAction(tr("&Nová databáze…"), this);
    newDatabase->setShortcut(QKeySequence::New);
    newDatabase->setStatusTip(tr("Vytvoří prázdnou školní databázi"));
    connect(newDatabase, &QAction::triggered, this, &MainWindow::chooseNewDatabase);
    auto *openDatabase = new QAction(tr("&Otevřít databázi…"), this);
    openDatabase->setShortcut(QKeySequence::Open);
    openDatabase->setStatusTip(tr("Otevře soubor školní databáze"));
    connect(openDatabase, &QAction::triggered, this, &MainWindow::chooseDatabase);
    auto *openServer = new QAction(tr("Otevřít &server…"), this);
    openServer->setStatusTip(tr("Otevře školní databázi na databázovém serveru"));
    connect(openServer, &QAction::triggered, this, &MainWindow::chooseServer);
    auto *copyToServer = new QAction(tr("Kopírovat databázi na se&rver…"), this);
    copyToServer->setStatusTip(tr("Zkopíruje žáky, výsledky a zprávy z otevřeného souboru na "
                                  "databázový server"));
    connect(copyToServer, &QAction::triggered, this, &MainWindow::chooseCopyToServer);
    auto *quit = new QAction(tr("&Konec"), this);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    exportResults_->setStatusTip(tr("Uloží zobrazenou tabulku do souboru CSV nebo do sešitu XLSX"));
    connect(exportResults_, &QAction::triggered, this, &MainWindow::chooseResultsExport);
    print_->setShortcut(QKeySequence::Print);
    print_->setStatusTip(tr("Vytiskne souhrn nebo vývoj žáka s grafem"));
    connect(print_, &QAction::triggered, this, &MainWindow::printResults);
    exportPdf_->setStatusTip(tr("Uloží souhrn nebo vývoj žáka s grafem do souboru PDF"));
    connect(exportPdf_, &QAction::triggered, this, &MainWindow::chooseResultsPdf);

    QMenu *file = menuBar()->addMenu(tr("&Soubor"));
    file->addAction(newDatabase);
    file->addAction(openDatabase);
    file->addAction(openServer);
    file->addAction(copyToServer);
    file->addSeparator();
    file->addAction(reportsPage_->openFilesAction());
    file->addAction(reportsPage_->openFolderAction());
    file->addAction(reportsPage_->storeAction());
    file->addSeparator();
    file->addAction(pupilsPage_->importAction());
    file->addAction(pupilsPage_->exportAction());
    file->addSeparator();
    file->addAction(exportResults_);
    file->addAction(print_);
    file->addAction(exportPdf_);
    file->addSeparator();
    file->addAction(quit);

    QMenu *edit = menuBar()->addMenu(tr("Ú&pravy"));
    edit->addAction(reportsPage_->pasteAction());
    edit->addAction(reportsPage_->clearAction());
    edit->addAction(reportsPage_->assignAction());
    edit->addAction(reportsPage_->deleteAction());
    edit->addAction(reportsPage_->loadUnassignedAction());
    edit->addSeparator();
    edit->addAction(pupilsPage_->addPupilAction());
    edit->addAction(pupilsPage_->editPupilAction());
    edit->addAction(pupilsPage_->deletePupilAction());

    QMenu *help = menuBar()->addMenu(tr("&Nápověda"));
    auto *contents = help->addAction(tr("&Obsah nápovědy"), this, &MainWindow::showHelp);
    contents->setObjectName(QStringLiteral("helpContents"));
    contents->setShortcut(QKeySequence::HelpContents);
    contents->setStatusTip(tr("Vysvětlí karty programu, přiřazování zpráv a příkazový řádek"));
    help->addSeparator();
    auto *about = help->addAction(tr("&O programu…"), this, &MainWindow::showAbout);
    about->setMenuRole(QAction::AboutRole);
    auto *aboutQt = help->addAction(tr("O &Qt…"), qApp, &QApplication::aboutQt);
    aboutQt->setMenuRole(QAction::AboutQtRole);

    QToolBar *tools = addToolBar(tr("Nástroje"));
    tools->setObjectName(QStringLiteral("tools"));
    tools->setAccessibleName(tr("Nástroje"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addAction(openDatabase);
    tools->addSeparator();
    tools->addAction(reportsPage_->pasteAction());
    tools->addAction(reportsPage_->openFilesAction());
    tools->addAction(reportsPage_->openFolderAction());
    tools->addAction(reportsPage_->storeAction());
    tools->addSeparator();
    tools->addAction(pupilsPage_->importAction());
    tools->addSeparator();
    tools->addAction(exportResults_);
    tools->addAction(print_);
    updateResultActions();
}

void MainWindow::openInitialDatabase()
{
    const QString remembered = QSettings().value(databaseKey).toString();
    if (!remembered.isEmpty()) {
        openDatabase(DatabaseLocation::fromSettingsValue(remembered));
        return;
    }
    const QString builtIn = schoolDatabasePath();
    if (schoolDatabaseMayExist(builtIn)) {
        openDatabase(DatabaseLocation::fromText(builtIn));
        return;
    }
    showStatus(tr("Žádná databáze není otevřená: otevřete ji nebo vytvořte novou (nabídka "
                  "Soubor)."));
}

bool MainWindow::confirmUnstoredReports()
{
    const int unstored = reportsPage_->model()->unstoredGoodCount();
    if (unstored == 0) {
        return true;
    }
    QString text =
        czechCount(unstored, tr("V seznamu je %1 zpráva, která není uložená v databázi."),
                   tr("V seznamu jsou %1 zprávy, které nejsou uložené v databázi."),
                   tr("V seznamu je %1 zpráv, které nejsou uložené v databázi."));
    if (database_ == nullptr) {
        text += u' ' + tr("Žádná databáze není otevřená, zprávy nelze uložit.");
    }
    QMessageBox box(QMessageBox::Question, tr("Tesilka – učitel"), text, QMessageBox::NoButton,
                    this);
    box.setObjectName(QStringLiteral("unstoredQuestion"));
    QPushButton *store = database_ != nullptr
                             ? box.addButton(tr("Uložit do databáze"), QMessageBox::AcceptRole)
                             : nullptr;
    QPushButton *discard = box.addButton(tr("Zahodit"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(tr("Zrušit"), QMessageBox::RejectRole);
    // Enter keeps the reports, Escape keeps everything as it is.
    box.setDefaultButton(store != nullptr ? store : cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (store != nullptr && box.clickedButton() == store) {
        return reportsPage_->storeRows();
    }
    if (box.clickedButton() == discard) {
        reportsPage_->clearList();
        return true;
    }
    return false;
}

void MainWindow::databaseChanged()
{
    // The bars read the lists again once, together, when they are next shown.
    if (results_ != nullptr) {
        results_->forgetFilterLists();
    }
    for (ResultPage *page : builtResultPages()) {
        page->reloadFromDatabase();
    }
    reportsPage_->refreshOwners();
    pupilsPage_->reloadList();
}

bool MainWindow::openDatabase(const DatabaseLocation &location)
{
    if (!confirmUnstoredReports()) {
        return false;
    }
    std::unique_ptr<TeacherDatabase> database;
    try {
        database = TeacherDatabase::open(location);
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
        showStatus(tr("Databáze nebyla otevřena."));
        return false;
    }
    QString status = tr("Otevřena databáze %1.").arg(location.displayName());
    if (database->addedReportsTable()) {
        status += u' ' + tr("Přidána tabulka Zpravy pro zprávy z e-mailu.");
    } else if (database->addedReportFields()) {
        status += u' ' + tr("Tabulka Zpravy doplněna o žáka, kterému zpráva patří.");
    }
    try {
        // Reports stored before they could be assigned, or before the pupil was on the list.
        if (const int linked = linkUnassignedReports(*database); linked > 0) {
            status += u' ' + czechCount(linked, tr("%1 uložená zpráva přiřazena žákovi."),
                                        tr("%1 uložené zprávy přiřazeny žákům."),
                                        tr("%1 uložených zpráv přiřazeno žákům."));
        }
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
    }
    useDatabase(std::move(database), status);
    return true;
}

bool MainWindow::createDatabase(const QString &path, bool replaceExisting)
{
    if (!confirmUnstoredReports()) {
        return false;
    }
    std::unique_ptr<TeacherDatabase> database;
    try {
        database = TeacherDatabase::create(DatabaseLocation::sqliteFile(path), replaceExisting);
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
        showStatus(tr("Databáze nebyla vytvořena."));
        return false;
    }
    useDatabase(std::move(database),
                tr("Vytvořena nová databáze %1.").arg(QDir::toNativeSeparators(path)));
    return true;
}

void MainWindow::useDatabase(std::unique_ptr<TeacherDatabase> database, const QString &status)
{
    const QList<ResultPage *> resultPages = builtResultPages();
    for (ResultPage *page : resultPages) {
        page->setResults(nullptr);
    }
    results_.reset();
    reportsPage_->setDatabase(nullptr);
    pupilsPage_->setDatabase(nullptr);
    database_ = std::move(database);
    reportsPage_->setDatabase(database_.get());
    pupilsPage_->setDatabase(database_.get());
    try {
        results_ = std::make_unique<ResultsDatabase>(*database_);
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
    }
    for (ResultPage *page : resultPages) {
        page->setResults(results_.get());
    }
    updateResultActions();
    QSettings().setValue(databaseKey, database_->location().settingsValue());
    // The next database is looked for beside this one.
    if (!database_->location().isServer()) {
        rememberFolder(FileKind::Database, database_->location().path);
    }
    updateTitle();
    showStatus(status);
}

void MainWindow::chooseNewDatabase()
{
    // The dialog itself asks before it lets an existing file be chosen.
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Nová databáze"), suggestedPath(FileKind::Database, QStringLiteral("tesilka.db")),
        tr("Databáze Tesilky (*.db);;Všechny soubory (*)"));
    if (!path.isEmpty()) {
        createDatabase(path, true);
    }
}

void MainWindow::chooseDatabase()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Otevřít databázi"), existingFolder(recentFolder(FileKind::Database)),
        tr("Databáze Tesilky (*.db);;Všechny soubory (*)"));
    if (!path.isEmpty()) {
        openDatabase(DatabaseLocation::sqliteFile(path));
    }
}

void MainWindow::chooseServer()
{
    if (const auto server = askForServer(this, tr("Otevřít server"))) {
        openDatabase(*server);
    }
}

void MainWindow::chooseCopyToServer()
{
    if (database_ == nullptr) {
        showWarning(this, tr("Otevřete nejdřív soubor školní databáze, který se má zkopírovat."));
        return;
    }
    if (!confirmUnstoredReports()) {
        return;
    }
    if (auto server = copyToServer(this, *database_)) {
        const QString name = server->location().displayName();
        useDatabase(std::move(server),
                    tr("Databáze zkopírována na server %1 a otevřena.").arg(name));
    }
}

void MainWindow::showAbout()
{
    QMessageBox box(QMessageBox::Information, tr("O programu"),
                    tr("<p><b>Tesilka – učitel</b>, verze %1</p>"
                       "<p>Program učitele k Tesilce na Ohmův zákon: školní databáze, seznamy "
                       "žáků a zprávy, které žáci posílají e-mailem.</p>"
                       "<p>Šíří se pod licencí GNU General Public License verze 3 nebo "
                       "(podle vaší volby) kterékoli pozdější (GPL-3.0-or-later), "
                       "bez jakékoli záruky.</p>")
                        .arg(QCoreApplication::applicationVersion()),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("about"));
    box.setIconPixmap(teacherIcon().pixmap(32, 32));
    box.exec();
}

void MainWindow::showHelp()
{
    // One window, left open beside the main one while the teacher works.
    if (help_ == nullptr) {
        help_ = new HelpWindow(this);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::showStatus(const QString &text)
{
    statusBar()->showMessage(text, statusTimeoutMs);
}

void MainWindow::updateTitle()
{
    if (database_ == nullptr) {
        setWindowTitle(tr("Tesilka – učitel"));
        databaseLabel_->setText(tr("Databáze není otevřená"));
        return;
    }
    const DatabaseLocation &location = database_->location();
    const QString path = location.displayName();
    const QString shown = location.isServer() ? path : QFileInfo(path).fileName();
    if (database_->isReadOnly()) {
        setWindowTitle(tr("%1 (jen pro čtení) – Tesilka – učitel").arg(shown));
        databaseLabel_->setText(tr("Databáze: %1 (jen pro čtení)").arg(path));
        return;
    }
    setWindowTitle(tr("%1 – Tesilka – učitel").arg(shown));
    databaseLabel_->setText(tr("Databáze: %1").arg(path));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!confirmUnstoredReports()) {
        event->ignore();
        return;
    }
    QSettings settings;
    settings.setValue(geometryKey, saveGeometry());
    settings.setValue(stateKey, saveState());
    event->accept();
}

ResultPage *MainWindow::currentResultPage() const
{
    return qobject_cast<ResultPage *>(tabs_->currentWidget());
}

void MainWindow::updateResultActions()
{
    const ResultPage *page = currentResultPage();
    const bool open = results_ != nullptr && page != nullptr;
    exportResults_->setEnabled(open);
    print_->setEnabled(open && page->canPrint());
    exportPdf_->setEnabled(open && page->canPrint());
}

void MainWindow::chooseResultsExport()
{
    ResultPage *page = currentResultPage();
    if (page == nullptr || results_ == nullptr) {
        return;
    }
    const QString csv = tr("Soubory CSV (*.csv)");
    const QString workbook = tr("Sešit Excelu (*.xlsx)");
    QString chosen = csv;
    QString path = QFileDialog::getSaveFileName(
        this, tr("Exportovat"), suggestedPath(FileKind::Export, page->exportFileName()),
        csv + QStringLiteral(";;") + workbook, &chosen);
    if (path.isEmpty()) {
        return;
    }
    // The kind chosen in the dialog decides when the name was typed without its ending.
    if (QFileInfo(path).suffix().isEmpty()) {
        path += chosen == workbook ? QStringLiteral(".xlsx") : QStringLiteral(".csv");
    }
    rememberFolder(FileKind::Export, path);
    if (const QString status = page->exportCsv(path); !status.isEmpty()) {
        showStatus(status);
    }
}

void MainWindow::printResults()
{
    ResultPage *page = currentResultPage();
    if (page == nullptr || !page->canPrint() || results_ == nullptr) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Tisk"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    page->print(printer);
    showStatus(tr("Odesláno na tiskárnu."));
}

void MainWindow::chooseResultsPdf()
{
    ResultPage *page = currentResultPage();
    if (page == nullptr || !page->canPrint()) {
        return;
    }
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Exportovat do PDF"),
        suggestedPath(FileKind::Export, QFileInfo(page->exportFileName()).completeBaseName() +
                                            QStringLiteral(".pdf")),
        tr("Soubory PDF (*.pdf)"));
    if (!path.isEmpty()) {
        rememberFolder(FileKind::Export, path);
        exportResultsPdf(path);
    }
}

bool MainWindow::exportResultsPdf(const QString &path)
{
    ResultPage *page = currentResultPage();
    if (page == nullptr || !page->canPrint() || results_ == nullptr) {
        return false;
    }
    // Written beside the target and moved over it when complete: a failed print keeps the old
    // file.
    const QString scratch = path + QStringLiteral(".part");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(scratch);
        page->print(printer);
    }
    const QFileInfo written(scratch);
    std::error_code error;
    if (written.exists() && written.size() > 0) {
        std::filesystem::rename(std::filesystem::path(scratch.toStdU16String()),
                                std::filesystem::path(path.toStdU16String()), error);
    }
    if (!written.exists() || written.size() == 0 || error) {
        // What the disk says before the part written is removed: a full disk is still full.
        const QString failure = saveFailureText(path, error.value(), tr("zápis do souboru selhal"));
        QFile::remove(scratch);
        showWarning(this, failure);
        return false;
    }
    showStatus(tr("Uloženo do souboru %1.").arg(QDir::toNativeSeparators(path)));
    return true;
}
