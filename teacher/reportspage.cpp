// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/reportspage.h"

#include "teacher/files/mailtext.h"
#include "results/reportdecoder.h"
#include "database/teacherdatabase.h"
#include "teacher/reportstore.h"
#include "teacher/actionbutton.h"
#include "teacher/czechtext.h"
#include "teacher/messages.h"
#include "teacher/reporttablemodel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

ReportsPage::ReportsPage(QWidget *parent)
    : QWidget(parent), model_(new ReportTableModel(this)), table_(new QTableView(this)),
      summary_(new QLabel(this)), pasteAction_(new QAction(tr("&Vložit text"), this)),
      openFilesAction_(new QAction(tr("Otevřít sou&bory se zprávami…"), this)),
      storeAction_(new QAction(tr("U&ložit do databáze"), this)),
      clearAction_(new QAction(tr("V&yprázdnit seznam"), this))
{
    setObjectName(QStringLiteral("reportsPage"));
    setAccessibleName(tr("Zprávy z e-mailu"));
    setAcceptDrops(true);

    // Ctrl+V on this page pastes a whole e-mail, wherever the focus is on it.
    pasteAction_->setShortcut(QKeySequence::Paste);
    pasteAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    pasteAction_->setStatusTip(tr("Najde zprávy žáků v textu ze schránky"));
    addAction(pasteAction_);
    openFilesAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    openFilesAction_->setStatusTip(tr("Najde zprávy žáků v souborech .txt a .eml"));
    storeAction_->setShortcut(QKeySequence::Save);
    storeAction_->setStatusTip(tr("Uloží přečtené zprávy do otevřené databáze"));
    clearAction_->setStatusTip(tr("Odebere všechny řádky ze seznamu; databáze se nemění"));
    connect(pasteAction_, &QAction::triggered, this, &ReportsPage::paste);
    connect(openFilesAction_, &QAction::triggered, this, &ReportsPage::chooseFiles);
    connect(storeAction_, &QAction::triggered, this, &ReportsPage::store);
    connect(clearAction_, &QAction::triggered, this, &ReportsPage::clearList);

    auto *hint = new QLabel(
        tr("Vložte text e-mailu se zprávou (Ctrl+V), otevřete soubory .txt nebo .eml, nebo je "
           "sem přetáhněte. Každý blok se zprávou bude mít v tabulce svůj řádek."),
        this);
    hint->setWordWrap(true);

    table_->setObjectName(QStringLiteral("reportTable"));
    table_->setAccessibleName(tr("Přečtené zprávy"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    const QFontMetrics metrics(table_->font());
    const QList<std::pair<int, QString>> widths{
        {ReportTableModel::SourceColumn, QStringLiteral("schránka, ř. 1234")},
        {ReportTableModel::FirstFieldColumn, QStringLiteral("Kateřina Novotná")},
        {ReportTableModel::FirstFieldColumn + 1, QStringLiteral("Třída")},
        {ReportTableModel::FirstFieldColumn + 2, QStringLiteral("30.12.2026 23:59")},
        {ReportTableModel::FirstFieldColumn + 3, QStringLiteral("30.12.2026 23:59")},
        {ReportTableModel::FirstFieldColumn + 4, QStringLiteral("Odpovědí")},
        {ReportTableModel::FirstFieldColumn + 5, QStringLiteral("Dobře")},
        {ReportTableModel::FirstFieldColumn + 6, QStringLiteral("Špatně")},
        {ReportTableModel::FirstFieldColumn + 7, QStringLiteral("Úspěšnost %")},
    };
    for (const auto &[column, sample] : widths) {
        table_->setColumnWidth(column, metrics.horizontalAdvance(sample) + 16);
    }
    table_->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
    // A bad block's reason runs across the columns its fields would fill.
    connect(model_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) {
                for (int row = first; row <= last; ++row) {
                    if (model_->isBad(row)) {
                        table_->setSpan(row, ReportTableModel::FirstFieldColumn, 1,
                                        ReportTableModel::ColumnCount -
                                            ReportTableModel::FirstFieldColumn);
                    }
                }
            });
    connect(model_, &QAbstractItemModel::modelReset, table_, &QTableView::clearSpans);

    summary_->setObjectName(QStringLiteral("reportSummary"));
    summary_->setAccessibleName(tr("Souhrn seznamu"));

    auto *buttons = new QHBoxLayout;
    for (QAction *action : {pasteAction_, openFilesAction_, storeAction_, clearAction_}) {
        buttons->addWidget(buttonFor(action, this));
    }
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    updateActions();
}

void ReportsPage::setDatabase(TeacherDatabase *database)
{
    database_ = database;
    // What was stored went into the previous database.
    model_->markAllUnstored();
    updateActions();
}

QString ReportsPage::foundText(int good, int bad) const
{
    QString text = czechCount(good, tr("%1 zpráva"), tr("%1 zprávy"), tr("%1 zpráv"));
    if (bad > 0) {
        text += tr(", ") +
                czechCount(bad, tr("%1 vadný blok"), tr("%1 vadné bloky"), tr("%1 vadných bloků"));
    }
    return text;
}

void ReportsPage::addText(const QString &source, const QString &text)
{
    const QList<DecodedReport> reports = findReportBlocks(text);
    if (reports.isEmpty()) {
        emit statusMessage(tr("%1: žádná zpráva žáka v textu není.").arg(source));
        return;
    }
    const auto bad = static_cast<int>(
        std::count_if(reports.begin(), reports.end(), [](const auto &r) { return !r.isOk(); }));
    model_->appendReports(source, reports);
    table_->scrollToBottom();
    updateActions();
    emit statusMessage(
        tr("%1: %2.").arg(source, foundText(static_cast<int>(reports.size()) - bad, bad)));
}

void ReportsPage::addFiles(const QStringList &paths)
{
    QStringList unreadable;
    int found = 0;
    int bad = 0;
    QStringList empty;
    for (const QString &path : paths) {
        QFile file(path);
        const QString name = QFileInfo(path).fileName();
        if (!file.open(QIODevice::ReadOnly)) {
            unreadable.append(
                tr("%1 (%2)").arg(QDir::toNativeSeparators(path), file.errorString()));
            continue;
        }
        const QList<DecodedReport> reports = findReportBlocks(readableMailText(file.readAll()));
        if (reports.isEmpty()) {
            empty.append(name);
        }
        for (const DecodedReport &report : reports) {
            (report.isOk() ? found : bad) += 1;
        }
        model_->appendReports(name, reports);
    }
    table_->scrollToBottom();
    updateActions();
    QString message = czechCount(static_cast<int>(paths.size()), tr("Přečten %1 soubor"),
                                 tr("Přečteny %1 soubory"), tr("Přečteno %1 souborů")) +
                      tr(": ") + foundText(found, bad) + u'.';
    if (!empty.isEmpty()) {
        message += u' ' + tr("Bez zprávy: %1.").arg(empty.join(tr(", ")));
    }
    emit statusMessage(message);
    if (!unreadable.isEmpty()) {
        showWarning(this, tr("Tyto soubory nelze přečíst:\n%1").arg(unreadable.join(u'\n')));
    }
}

void ReportsPage::paste()
{
    const QString text = QApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        emit statusMessage(tr("Ve schránce není žádný text."));
        return;
    }
    addText(tr("schránka"), text);
}

void ReportsPage::chooseFiles()
{
    const QStringList paths = QFileDialog::getOpenFileNames(
        this, tr("Otevřít soubory se zprávami"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        tr("E-maily a texty (*.eml *.txt);;Všechny soubory (*)"));
    if (!paths.isEmpty()) {
        addFiles(paths);
    }
}

void ReportsPage::store()
{
    if (database_ == nullptr) {
        showWarning(this, tr("Nejprve otevřete nebo vytvořte databázi (nabídka Soubor)."));
        return;
    }
    if (model_->unstoredGoodCount() == 0) {
        emit statusMessage(tr("Není co uložit: v seznamu není žádná neuložená zpráva."));
        return;
    }
    ReportStoreResult result;
    try {
        result = storeDecodedReports(*database_, model_->unstoredReports(),
                                     QDateTime::currentDateTime());
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
        emit statusMessage(tr("Zprávy nebyly uloženy."));
        return;
    }
    QString message = czechCount(result.added, tr("Uložena %1 zpráva"), tr("Uloženy %1 zprávy"),
                                 tr("Uloženo %1 zpráv"));
    if (result.alreadyStored > 0) {
        message += tr(", ") + czechCount(result.alreadyStored, tr("%1 už v databázi byla"),
                                         tr("%1 už v databázi byly"), tr("%1 už v databázi bylo"));
    }
    if (result.notReports > 0) {
        message += tr("; ") + czechCount(result.notReports, tr("%1 vadný blok nebyl uložen"),
                                         tr("%1 vadné bloky nebyly uloženy"),
                                         tr("%1 vadných bloků nebylo uloženo"));
    }
    model_->markAllStored();
    updateActions();
    emit statusMessage(message + u'.');
}

void ReportsPage::clearList()
{
    model_->clear();
    updateActions();
    emit statusMessage(tr("Seznam zpráv je prázdný."));
}

void ReportsPage::updateActions()
{
    storeAction_->setEnabled(database_ != nullptr && model_->unstoredGoodCount() > 0);
    clearAction_->setEnabled(model_->rowCount() > 0);
    summary_->setText(model_->rowCount() == 0
                          ? tr("Seznam je prázdný.")
                          : tr("V seznamu: %1; neuložené zprávy: %2.")
                                .arg(foundText(model_->goodCount(), model_->badCount()))
                                .arg(model_->unstoredGoodCount()));
}

void ReportsPage::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (data->hasUrls() || data->hasText()) {
        event->acceptProposedAction();
    }
}

void ReportsPage::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    QStringList paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile()) {
            paths.append(url.toLocalFile());
        }
    }
    if (!paths.isEmpty()) {
        addFiles(paths);
    } else if (data->hasText()) {
        addText(tr("přetažený text"), data->text());
    } else {
        return;
    }
    event->acceptProposedAction();
}
