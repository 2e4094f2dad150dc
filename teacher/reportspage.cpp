// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/reportspage.h"

#include "database/teacherdatabase.h"
#include "results/reportdecoder.h"
#include "teacher/actionbutton.h"
#include "teacher/backgroundwork.h"
#include "teacher/czechtext.h"
#include "teacher/files/mailbox.h"
#include "teacher/messages.h"
#include "teacher/pupilchooser.h"
#include "teacher/recentfolder.h"
#include "teacher/reportstore.h"
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
#include <QSet>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

ReportsPage::ReportsPage(QWidget *parent)
    : QWidget(parent), model_(new ReportTableModel(this)), table_(new QTableView(this)),
      summary_(new QLabel(this)), pasteAction_(new QAction(tr("&Vložit text"), this)),
      openFilesAction_(new QAction(tr("Otevřít sou&bory se zprávami…"), this)),
      openFolderAction_(new QAction(tr("Ot&evřít složku s poštou…"), this)),
      storeAction_(new QAction(tr("U&ložit do databáze"), this)),
      clearAction_(new QAction(tr("V&yprázdnit seznam"), this)),
      assignAction_(new QAction(tr("Přiř&adit žákovi…"), this)),
      deleteAction_(new QAction(tr("Smaza&t z databáze…"), this)),
      loadUnassignedAction_(new QAction(tr("Načíst nepř&iřazené z databáze"), this))
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
    openFilesAction_->setStatusTip(
        tr("Najde zprávy žáků v souborech .txt a .eml a ve schránkách mbox"));
    openFolderAction_->setStatusTip(
        tr("Najde zprávy žáků ve všech e-mailech složky pošty ve formátu Maildir"));
    storeAction_->setShortcut(QKeySequence::Save);
    storeAction_->setStatusTip(tr("Uloží přečtené zprávy do otevřené databáze"));
    clearAction_->setStatusTip(tr("Odebere všechny řádky ze seznamu; databáze se nemění"));
    connect(pasteAction_, &QAction::triggered, this, &ReportsPage::paste);
    connect(openFilesAction_, &QAction::triggered, this, &ReportsPage::chooseFiles);
    connect(openFolderAction_, &QAction::triggered, this, &ReportsPage::chooseFolder);
    connect(storeAction_, &QAction::triggered, this, &ReportsPage::store);
    connect(clearAction_, &QAction::triggered, this, &ReportsPage::clearList);
    assignAction_->setStatusTip(tr("Přiřadí vybrané zprávy žákovi ze seznamu"));
    deleteAction_->setShortcut(QKeySequence::Delete);
    deleteAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    deleteAction_->setStatusTip(tr("Smaže vybrané zprávy z databáze; v seznamu zůstanou"));
    addAction(deleteAction_);
    loadUnassignedAction_->setStatusTip(
        tr("Přidá do seznamu uložené zprávy, které nepatří žádnému žákovi"));
    connect(assignAction_, &QAction::triggered, this, &ReportsPage::chooseOwner);
    connect(deleteAction_, &QAction::triggered, this, &ReportsPage::deleteSelected);
    connect(loadUnassignedAction_, &QAction::triggered, this, &ReportsPage::loadUnassigned);

    auto *hint = new QLabel(
        tr("Vložte text e-mailu se zprávou (Ctrl+V), otevřete soubory .txt nebo .eml, schránku "
           "mbox nebo složku pošty, nebo je sem přetáhněte. Každý blok se zprávou bude mít "
           "v tabulce svůj řádek."),
        this);
    hint->setWordWrap(true);

    table_->setObjectName(QStringLiteral("reportTable"));
    table_->setAccessibleName(tr("Přečtené zprávy"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    // A long file name keeps its end, and so the message and the line, in sight.
    table_->setTextElideMode(Qt::ElideMiddle);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    const QFontMetrics metrics(table_->font());
    const QList<std::pair<int, QString>> widths{
        {ReportTableModel::SourceColumn,
         QStringLiteral("vysledky-8B-prosinec.mbox, e-mail 123, ř. 12")},
        {ReportTableModel::FirstFieldColumn, QStringLiteral("Kateřina Novotná")},
        {ReportTableModel::FirstFieldColumn + 1, QStringLiteral("Třída")},
        {ReportTableModel::FirstFieldColumn + 2, QStringLiteral("30.12.2026 23:59")},
        // The end may carry the mark of a report from the future.
        {ReportTableModel::FirstFieldColumn + 3, QStringLiteral("⚠ 30.12.2026 23:59")},
        {ReportTableModel::FirstFieldColumn + 4, QStringLiteral("Odpovědí")},
        {ReportTableModel::FirstFieldColumn + 5, QStringLiteral("Dobře")},
        {ReportTableModel::FirstFieldColumn + 6, QStringLiteral("Špatně")},
        {ReportTableModel::FirstFieldColumn + 7, QStringLiteral("Úspěšnost %")},
        {ReportTableModel::PupilColumn, QStringLiteral("Kateřina Novotná (3.A)")},
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
    // A write refused by a read-only database says why on its button.
    const auto withReason = [this](QAction *action) {
        QPushButton *button = buttonFor(action, this);
        connect(action, &QAction::changed, button,
                [button, action] { button->setToolTip(action->toolTip()); });
        return button;
    };
    for (QAction *action :
         {pasteAction_, openFilesAction_, openFolderAction_, storeAction_, clearAction_}) {
        buttons->addWidget(withReason(action));
    }
    buttons->addStretch();
    auto *ownerButtons = new QHBoxLayout;
    for (QAction *action : {assignAction_, deleteAction_, loadUnassignedAction_}) {
        ownerButtons->addWidget(withReason(action));
    }
    ownerButtons->addStretch();
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ReportsPage::updateActions);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addLayout(ownerButtons);
    updateActions();
}

void ReportsPage::setDatabase(TeacherDatabase *database)
{
    database_ = database;
    // What was stored went into the previous database: this one says what it holds.
    refreshOwners();
}

void ReportsPage::refreshOwners()
{
    if (database_ == nullptr) {
        model_->forgetOwners();
        updateActions();
        return;
    }
    try {
        const QHash<QString, ReportAssignment> stored =
            database_->reportAssignments(model_->goodBlocks());
        const ListMatcher matcher(database_->pupils());
        model_->setOwners(stored, [&matcher](const DecodedReport &report) {
            return matcher.assignmentFor(report.student, report.className);
        });
    } catch (const DatabaseError &error) {
        model_->forgetOwners();
        showWarning(this, QString::fromStdString(error.what()));
    }
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

QString ReportsPage::futureText(int future) const
{
    if (future <= 0) {
        return {};
    }
    return tr(", ") + czechCount(future, tr("%1 s koncem práce v budoucnosti"),
                                 tr("%1 s koncem práce v budoucnosti"),
                                 tr("%1 s koncem práce v budoucnosti"));
}

QString ReportsPage::storedText(int stored) const
{
    if (stored <= 0 || database_ == nullptr) {
        return {};
    }
    return tr(" (") +
           czechCount(stored, tr("%1 už je v databázi"), tr("%1 už jsou v databázi"),
                      tr("%1 už je v databázi")) +
           u')';
}

void ReportsPage::addText(const QString &source, const QString &text)
{
    QList<DecodedReport> reports;
    // A pasted mailbox may take a while to look through: not on the window's thread.
    const bool finished = runWithProgress(this, tr("Hledání zpráv"), tr("Hledám zprávy v textu…"),
                                          [&](WorkProgress &) {
                                              BlockRepeats repeats;
                                              for (DecodedReport &report : findReportBlocks(text)) {
                                                  if (!repeats.isRepeat(report)) {
                                                      reports.append(std::move(report));
                                                  }
                                              }
                                          });
    if (!finished) {
        emit statusMessage(tr("Hledání zpráv bylo zrušeno; do seznamu nebylo nic přidáno."));
        return;
    }
    if (reports.isEmpty()) {
        emit statusMessage(tr("%1: žádná zpráva žáka v textu není.").arg(source));
        return;
    }
    const auto bad = static_cast<int>(
        std::count_if(reports.begin(), reports.end(), [](const auto &r) { return !r.isOk(); }));
    const int unstoredBefore = model_->unstoredGoodCount();
    const int future = model_->appendReports(source, reports);
    refreshOwners();
    table_->scrollToBottom();
    const int good = static_cast<int>(reports.size()) - bad;
    emit statusMessage(tr("%1: %2%3%4.")
                           .arg(source, foundText(good, bad), futureText(future),
                                storedText(good - (model_->unstoredGoodCount() - unstoredBefore))));
}

void ReportsPage::addFiles(const QStringList &paths)
{
    if (paths.isEmpty()) {
        return;
    }
    // Read off the window's thread: a mailbox of gigabytes leaves the window painting.
    constexpr qint64 progressSteps = 1000;
    QList<MailReading> readings;
    const bool finished =
        runWithProgress(this, tr("Čtení pošty"), tr("Čtu poštu…"), [&](WorkProgress &work) {
            for (qsizetype i = 0; i < paths.size(); ++i) {
                const QString &path = paths.at(i);
                work.setLabel(tr("Čtu %1…").arg(QDir::toNativeSeparators(path)));
                readings.append(readMailSource(path, [&](qint64 done, qint64 total) {
                    const double share =
                        total > 0
                            ? std::min(1.0, static_cast<double>(done) / static_cast<double>(total))
                            : 0.0;
                    return work.report(
                        static_cast<qint64>((static_cast<double>(i) + share) * progressSteps /
                                            static_cast<double>(paths.size())),
                        progressSteps);
                }));
                if (readings.back().cancelled || work.isCancelled()) {
                    return;
                }
            }
        });
    if (!finished) {
        emit statusMessage(tr("Čtení pošty bylo zrušeno; do seznamu nebylo nic přidáno."));
        return;
    }

    QStringList unreadable;
    QStringList empty;
    QList<std::pair<ReportTableModel::Origin, DecodedReport>> rows;
    int files = 0;
    int folders = 0;
    int messages = 0;
    int found = 0;
    int bad = 0;
    int repeated = 0;
    bool mailboxes = false;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        MailReading &reading = readings[i];
        const QString shownPath = QDir::toNativeSeparators(paths.at(i));
        if (!reading.error.isEmpty()) {
            unreadable.append(reading.messages > 0
                                  ? tr("%1 (%2; přečteno jen %3)")
                                        .arg(shownPath, reading.error,
                                             czechCount(reading.messages, tr("%1 e-mail"),
                                                        tr("%1 e-maily"), tr("%1 e-mailů")))
                                  : tr("%1 (%2)").arg(shownPath, reading.error));
            if (reading.messages == 0) {
                continue;
            }
        }
        if (reading.unreadableMessages > 0) {
            unreadable.append(tr("%1 (%2)").arg(
                shownPath,
                czechCount(reading.unreadableMessages, tr("%1 e-mail nelze přečíst"),
                           tr("%1 e-maily nelze přečíst"), tr("%1 e-mailů nelze přečíst"))));
        }
        for (const QString &problem : reading.messageProblems) {
            unreadable.append(tr("%1 (%2)").arg(shownPath, problem));
        }
        const bool isFolder = reading.kind == MailSourceReader::Kind::Maildir;
        (isFolder ? folders : files) += 1;
        mailboxes = mailboxes || reading.kind != MailSourceReader::Kind::Message;
        messages += reading.messages;
        found += reading.good;
        bad += reading.refused;
        repeated += reading.repeated;
        const QString name = QFileInfo(reading.path).fileName();
        if (reading.reports.isEmpty()) {
            empty.append(name);
        }
        // The message's number only where there is more than one to tell apart.
        const bool numbered = reading.messages > 1;
        for (FoundReport &report : reading.reports) {
            ReportTableModel::Origin origin{
                name, QDir::toNativeSeparators(isFolder ? report.messagePath : reading.path)};
            if (numbered) {
                origin.shown = tr("%1, e-mail %2").arg(origin.shown).arg(report.message);
                origin.full = tr("%1, e-mail %2").arg(origin.full).arg(report.message);
            }
            rows.append({std::move(origin), std::move(report.report)});
        }
    }
    if (files + folders > 0) {
        const int future = model_->appendReports(rows);
        const int unstoredBefore = model_->unstoredGoodCount() - found;
        refreshOwners();
        table_->scrollToBottom();
        QString message = files > 0
                              ? czechCount(files, tr("Přečten %1 soubor"),
                                           tr("Přečteny %1 soubory"), tr("Přečteno %1 souborů"))
                              : czechCount(folders, tr("Přečtena %1 složka"),
                                           tr("Přečteny %1 složky"), tr("Přečteno %1 složek"));
        if (files > 0 && folders > 0) {
            message +=
                tr(" a ") + czechCount(folders, tr("%1 složka"), tr("%1 složky"), tr("%1 složek"));
        }
        if (mailboxes) {
            message += tr(" (") +
                       czechCount(messages, tr("%1 e-mail"), tr("%1 e-maily"), tr("%1 e-mailů")) +
                       u')';
        }
        message += tr(": ") + foundText(found, bad) + futureText(future) +
                   storedText(found - (model_->unstoredGoodCount() - unstoredBefore)) + u'.';
        if (repeated > 0) {
            message += u' ' + czechCount(repeated, tr("%1 opakovaný blok vynechán."),
                                         tr("%1 opakované bloky vynechány."),
                                         tr("%1 opakovaných bloků vynecháno."));
        }
        if (!empty.isEmpty()) {
            message += u' ' + tr("Bez zprávy: %1.").arg(empty.join(tr(", ")));
        }
        emit statusMessage(message);
    }
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
    // Local folders of a mail program are mbox files without any extension: hence "*".
    const QStringList paths = QFileDialog::getOpenFileNames(
        this, tr("Otevřít soubory se zprávami"), recentFolder(FileKind::Mail),
        tr("E-maily, texty a schránky (*.eml *.txt *.mbox *.mbx);;E-maily a texty (*.eml *.txt);;"
           "Schránky mbox (*.mbox *.mbx);;Všechny soubory (*)"));
    if (!paths.isEmpty()) {
        rememberFolder(FileKind::Mail, paths.first());
        addFiles(paths);
    }
}

void ReportsPage::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Otevřít složku s poštou (Maildir)"), recentFolder(FileKind::Mail));
    if (!folder.isEmpty()) {
        // The folder that holds the mailboxes, not the inside of this one.
        rememberFolder(FileKind::Mail, QFileInfo(folder).absolutePath());
        addFiles({folder});
    }
}

void ReportsPage::store()
{
    storeRows();
}

bool ReportsPage::storeRows(const QList<int> &rows)
{
    if (database_ == nullptr) {
        showWarning(this, tr("Nejprve otevřete nebo vytvořte databázi (nabídka Soubor)."));
        return false;
    }
    const QList<DecodedReport> reports = model_->unstoredReports(rows);
    if (std::none_of(reports.begin(), reports.end(), [](const auto &r) { return r.isOk(); })) {
        if (rows.isEmpty()) {
            emit statusMessage(tr("Není co uložit: v seznamu není žádná neuložená zpráva."));
        }
        return true;
    }
    ReportStoreResult result;
    try {
        // On a connection of the worker's own (a connection serves the thread that opened
        // it); one transaction, so a cancel stores none.
        const DatabaseLocation location = database_->location();
        const QDateTime now = QDateTime::currentDateTime();
        runWithProgress(
            this, tr("Ukládání zpráv"), tr("Ukládám zprávy do databáze…"), [&](WorkProgress &work) {
                const std::unique_ptr<TeacherDatabase> own = TeacherDatabase::open(location);
                result =
                    storeDecodedReports(*own, reports, now, [&](qsizetype done, qsizetype total) {
                        return work.report(done, total);
                    });
            });
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
        emit statusMessage(tr("Zprávy nebyly uloženy."));
        return false;
    }
    if (result.cancelled) {
        emit statusMessage(tr("Ukládání bylo zrušeno; do databáze nebylo nic uloženo."));
        return false;
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
    // Whose they are, once there is a class list to know it by.
    QStringList owners;
    if (result.linked > 0) {
        owners << czechCount(result.linked, tr("%1 přiřazena žákovi"), tr("%1 přiřazeny žákům"),
                             tr("%1 přiřazeno žákům"));
    }
    if (result.unassigned > 0 && result.linked > 0) {
        owners << czechCount(result.unassigned, tr("%1 nepřiřazená"), tr("%1 nepřiřazené"),
                             tr("%1 nepřiřazených"));
    } else if (result.unassigned > 0 && !database_->pupils().isEmpty()) {
        owners << czechCount(result.unassigned, tr("%1 nepatří žádnému žákovi ze seznamu"),
                             tr("%1 nepatří žádnému žákovi ze seznamu"),
                             tr("%1 nepatří žádnému žákovi ze seznamu"));
    }
    if (!owners.isEmpty()) {
        message += tr("; ") + owners.join(tr(", "));
    }
    refreshOwners();
    emit databaseChanged();
    emit statusMessage(message + u'.');
    return true;
}

QList<int> ReportsPage::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : table_->selectionModel()->selectedRows()) {
        rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ReportsPage::chooseOwner()
{
    QList<int> rows;
    for (const int row : selectedRows()) {
        if (!model_->isBad(row)) {
            rows.append(row);
        }
    }
    if (database_ == nullptr || rows.isEmpty()) {
        return;
    }
    QList<PupilRecord> pupils;
    try {
        pupils = database_->pupils();
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
        return;
    }
    const DecodedReport &first = model_->report(rows.first());
    PupilChooser chooser(pupils, first.student, first.className, this);
    if (chooser.exec() != QDialog::Accepted) {
        return;
    }
    switch (chooser.choice()) {
    case PupilChooser::Choice::Pupil:
        assignRows(rows, chooser.surname(), chooser.className());
        break;
    case PupilChooser::Choice::NewPupil:
        assignRows(rows, chooser.surname(), chooser.className(), true);
        break;
    case PupilChooser::Choice::Nobody:
        assignRows(rows, {}, {});
        break;
    }
}

bool ReportsPage::assignRows(const QList<int> &rows, const QString &surname,
                             const QString &className, bool addToList)
{
    if (database_ == nullptr || !storeRows(rows)) {
        return false;
    }
    try {
        const QString status =
            assignReportBlocks(*database_, model_->goodBlocks(rows), surname, className, addToList);
        refreshOwners();
        emit databaseChanged();
        emit statusMessage(status);
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
        refreshOwners();
        return false;
    }
    return true;
}

void ReportsPage::deleteSelected()
{
    QList<int> rows;
    for (const int row : selectedRows()) {
        if (!model_->isBad(row) && model_->isStored(row)) {
            rows.append(row);
        }
    }
    if (database_ == nullptr || rows.isEmpty()) {
        emit statusMessage(tr("Vyberte zprávy uložené v databázi, které se mají smazat."));
        return;
    }
    QStringList names;
    for (const int row : rows) {
        const QString name = model_->report(row).student;
        if (!names.contains(name)) {
            names.append(name);
        }
    }
    const QString question =
        czechCount(static_cast<int>(rows.size()), tr("Smazat %1 zprávu z databáze (%2)?"),
                   tr("Smazat %1 zprávy z databáze (%2)?"), tr("Smazat %1 zpráv z databáze (%2)?"))
            .arg(names.join(tr(", ")));
    if (!askYesNo(this, question + u' ' + tr("V seznamu zůstanou a lze je uložit znovu."))) {
        return;
    }
    deleteRows(rows);
}

bool ReportsPage::deleteRows(const QList<int> &rows)
{
    try {
        const int deleted = database_->deleteReports(model_->goodBlocks(rows));
        refreshOwners();
        emit databaseChanged();
        emit statusMessage(czechCount(deleted, tr("Z databáze smazána %1 zpráva."),
                                      tr("Z databáze smazány %1 zprávy."),
                                      tr("Z databáze smazáno %1 zpráv.")));
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
        return false;
    }
    return true;
}

void ReportsPage::loadUnassigned()
{
    if (database_ == nullptr) {
        return;
    }
    QList<DecodedReport> reports;
    try {
        const QStringList blocks = model_->goodBlocks();
        const QSet<QString> shown(blocks.cbegin(), blocks.cend());
        for (const UnassignedReport &stored : database_->unassignedReports()) {
            if (shown.contains(stored.row.canonicalBlock)) {
                continue;
            }
            // Read back as it was decoded: the database keeps every field of a good report.
            DecodedReport report = decodeReportBlock(stored.row.canonicalBlock);
            if (report.isOk()) {
                report.firstLine = 1;
                reports.append(report);
            }
        }
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
        return;
    }
    if (reports.isEmpty()) {
        emit statusMessage(tr("V databázi není žádná nepřiřazená zpráva, která by už nebyla v "
                              "seznamu."));
        return;
    }
    model_->appendReports(tr("databáze"), reports);
    refreshOwners();
    table_->scrollToBottom();
    emit statusMessage(czechCount(static_cast<int>(reports.size()),
                                  tr("Načtena %1 nepřiřazená zpráva z databáze."),
                                  tr("Načteny %1 nepřiřazené zprávy z databáze."),
                                  tr("Načteno %1 nepřiřazených zpráv z databáze.")));
}

void ReportsPage::clearList()
{
    model_->clear();
    updateActions();
    emit statusMessage(tr("Seznam zpráv je prázdný."));
}

void ReportsPage::updateActions()
{
    const bool readOnly = database_ != nullptr && database_->isReadOnly();
    const QString why = readOnly ? tr("Databáze je otevřená jen pro čtení: do souboru nelze "
                                      "zapisovat.")
                                 : QString();
    for (QAction *action : {storeAction_, assignAction_, deleteAction_}) {
        action->setToolTip(why.isEmpty() ? action->statusTip() : why);
    }
    storeAction_->setEnabled(database_ != nullptr && !readOnly && model_->unstoredGoodCount() > 0);
    clearAction_->setEnabled(model_->rowCount() > 0);
    const QList<int> rows = selectedRows();
    const bool good =
        std::any_of(rows.begin(), rows.end(), [this](int row) { return !model_->isBad(row); });
    const bool stored = std::any_of(rows.begin(), rows.end(), [this](int row) {
        return !model_->isBad(row) && model_->isStored(row);
    });
    assignAction_->setEnabled(database_ != nullptr && !readOnly && good);
    deleteAction_->setEnabled(database_ != nullptr && !readOnly && stored);
    loadUnassignedAction_->setEnabled(database_ != nullptr);
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
