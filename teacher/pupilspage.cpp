// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/pupilspage.h"

#include "database/teacherdatabase.h"
#include "teacher/actionbutton.h"
#include "teacher/backgroundwork.h"
#include "teacher/classlistimportdialog.h"
#include "teacher/czechtext.h"
#include "teacher/files/csvwriter.h"
#include "teacher/filesave.h"
#include "teacher/messages.h"
#include "teacher/pupildialog.h"
#include "teacher/pupiltablemodel.h"
#include "teacher/recentfolder.h"
#include "teacher/reportstore.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

PupilsPage::PupilsPage(QWidget *parent)
    : QWidget(parent), model_(new PupilTableModel(this)), table_(new QTableView(this)),
      notice_(new QLabel(this)), addAction_(new QAction(tr("Při&dat žáka…"), this)),
      editAction_(new QAction(tr("&Upravit žáka…"), this)),
      deleteAction_(new QAction(tr("S&mazat žáka"), this)),
      importAction_(new QAction(tr("&Importovat seznam třídy…"), this)),
      exportAction_(new QAction(tr("&Exportovat do CSV…"), this))
{
    setObjectName(QStringLiteral("pupilsPage"));
    setAccessibleName(tr("Žáci"));

    addAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    addAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    deleteAction_->setShortcut(QKeySequence::Delete);
    deleteAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(addAction_);
    addAction(deleteAction_);
    importAction_->setStatusTip(tr("Přidá žáky ze seznamu třídy v CSV, XLSX nebo ODS, po náhledu"));
    exportAction_->setStatusTip(tr("Uloží seznam žáků do souboru CSV"));
    connect(addAction_, &QAction::triggered, this, &PupilsPage::addPupil);
    connect(editAction_, &QAction::triggered, this, &PupilsPage::editPupil);
    connect(deleteAction_, &QAction::triggered, this, &PupilsPage::deletePupil);
    connect(importAction_, &QAction::triggered, this, &PupilsPage::chooseClassList);
    connect(exportAction_, &QAction::triggered, this, &PupilsPage::chooseExportFile);

    notice_->setObjectName(QStringLiteral("pupilsNotice"));
    notice_->setWordWrap(true);

    table_->setObjectName(QStringLiteral("pupilTable"));
    table_->setAccessibleName(tr("Seznam žáků"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(0, fontMetrics().horizontalAdvance(QLatin1Char('M')) * 18);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    // Enter or a double click edits the pupil.
    connect(table_, &QTableView::activated, this, &PupilsPage::editPupil);

    auto *buttons = new QHBoxLayout;
    for (QAction *action : {addAction_, editAction_, deleteAction_, importAction_, exportAction_}) {
        QPushButton *button = buttonFor(action, this);
        // A change refused by a read-only database says why on its button.
        connect(action, &QAction::changed, button,
                [button, action] { button->setToolTip(action->toolTip()); });
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(notice_);
    layout->addLayout(buttons);
    layout->addWidget(table_, 1);
    setDatabase(nullptr);
}

void PupilsPage::setDatabase(TeacherDatabase *database)
{
    database_ = database;
    reload();
}

void PupilsPage::reload(qint64 selectKey)
{
    QList<PupilRecord> pupils;
    if (database_ != nullptr) {
        try {
            pupils = database_->pupils();
        } catch (const DatabaseError &error) {
            showWarning(this, QString::fromStdString(error.what()));
        }
    }
    model_->setPupils(std::move(pupils));
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PupilsPage::updateActions, Qt::UniqueConnection);
    if (const int row = model_->rowOfKey(selectKey); row >= 0) {
        table_->selectRow(row);
        table_->scrollTo(model_->index(row, 0));
    }
    if (database_ == nullptr) {
        notice_->setText(tr("Nejprve otevřete nebo vytvořte databázi (nabídka Soubor)."));
    } else {
        notice_->setText(czechCount(model_->rowCount(), tr("V databázi je %1 žák."),
                                    tr("V databázi jsou %1 žáci."), tr("V databázi je %1 žáků.")));
    }
    updateActions();
}

int PupilsPage::currentRow() const
{
    const QModelIndex current = table_->currentIndex();
    return current.isValid() && table_->selectionModel()->isRowSelected(current.row(), {})
               ? current.row()
               : -1;
}

void PupilsPage::updateActions()
{
    const bool open = database_ != nullptr;
    const bool writable = open && !database_->isReadOnly();
    const bool chosen = writable && currentRow() >= 0;
    const QString why = open && !writable ? tr("Databáze je otevřená jen pro čtení: do souboru "
                                               "nelze zapisovat.")
                                          : QString();
    for (QAction *action : {addAction_, editAction_, deleteAction_, importAction_}) {
        action->setToolTip(why.isEmpty() ? action->statusTip() : why);
    }
    addAction_->setEnabled(writable);
    importAction_->setEnabled(writable);
    exportAction_->setEnabled(open && model_->rowCount() > 0);
    editAction_->setEnabled(chosen);
    deleteAction_->setEnabled(chosen);
    table_->setEnabled(open);
}

void PupilsPage::addPupil()
{
    if (database_ == nullptr) {
        return;
    }
    PupilDialog dialog(tr("Přidat žáka"), {}, {}, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    try {
        const qint64 key = database_->addPupil(dialog.surname(), dialog.className());
        reload(key);
        listChanged(tr("Přidán žák „%1“, třída %2.").arg(dialog.surname(), dialog.className()));
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
    }
}

void PupilsPage::editPupil()
{
    const int row = currentRow();
    if (database_ == nullptr || row < 0) {
        return;
    }
    PupilRecord pupil = model_->pupilAt(row);
    PupilDialog dialog(tr("Upravit žáka"), pupil.surname, pupil.className, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    pupil.surname = dialog.surname();
    pupil.className = dialog.className();
    try {
        database_->updatePupil(pupil);
        reload(pupil.key);
        listChanged(tr("Upraven žák „%1“, třída %2; jeho výsledky a zprávy jsou pod novým "
                       "jménem.")
                        .arg(pupil.surname, pupil.className));
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
        reload(pupil.key);
    }
}

void PupilsPage::deletePupil()
{
    const int row = currentRow();
    if (database_ == nullptr || row < 0) {
        return;
    }
    const PupilRecord pupil = model_->pupilAt(row);
    if (!askYesNo(this, tr("Smazat žáka „%1“ (třída %2)? Výsledky v databázi zůstanou.")
                            .arg(pupil.surname, pupil.className))) {
        return;
    }
    // The neighbour keeps the selection, so that Delete can go on by keyboard.
    const qint64 neighbour = row + 1 < model_->rowCount() ? model_->pupilAt(row + 1).key
                             : row > 0                    ? model_->pupilAt(row - 1).key
                                                          : -1;
    try {
        database_->deletePupil(pupil.key);
        reload(neighbour);
        listChanged(tr("Smazán žák „%1“, třída %2.").arg(pupil.surname, pupil.className));
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
    }
}

void PupilsPage::chooseClassList()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Importovat seznam třídy"), recentFolder(FileKind::ClassList),
        tr("Seznamy žáků (*.csv *.txt *.xlsx *.ods);;Všechny soubory (*)"));
    if (!path.isEmpty()) {
        rememberFolder(FileKind::ClassList, path);
        importClassList(path);
    }
}

void PupilsPage::importClassList(const QString &path)
{
    if (database_ == nullptr) {
        return;
    }
    const QString cancelledText = tr("Import zrušen, nic nebylo změněno.");
    ClassListSource source;
    QString failure;
    if (!runWithProgress(this, tr("Import žáků"), tr("Čtu %1…").arg(QDir::toNativeSeparators(path)),
                         [&](WorkProgress &) { failure = readClassListFile(path, source); })) {
        emit statusMessage(cancelledText);
        return;
    }
    if (!failure.isEmpty()) {
        showWarning(this, failure);
        return;
    }
    ClassListImportDialog dialog(std::move(source), QFileInfo(path).fileName(), *database_, this);
    if (dialog.previewCancelled() || dialog.exec() != QDialog::Accepted) {
        emit statusMessage(cancelledText);
        return;
    }
    try {
        // On the worker's own connection, in one transaction: a cancel adds nobody.
        const DatabaseLocation location = database_->location();
        const QList<ClassListRow> rows = dialog.rowsToImport();
        PupilImportResult result;
        runWithProgress(this, tr("Import žáků"), tr("Importuji žáky…"), [&](WorkProgress &work) {
            const std::unique_ptr<TeacherDatabase> own = TeacherDatabase::open(location);
            result = own->importPupils(
                rows, [&](qsizetype done, qsizetype total) { return work.report(done, total); });
        });
        if (result.cancelled) {
            emit statusMessage(cancelledText);
            return;
        }
        reload();
        const int skipped = static_cast<int>(dialog.issueTexts().size() + result.skipped.size());
        listChanged(czechCount(result.added, tr("Importován %1 žák"), tr("Importováni %1 žáci"),
                               tr("Importováno %1 žáků")) +
                    (skipped > 0 ? tr(", ") + czechCount(skipped, tr("%1 řádek přeskočen"),
                                                         tr("%1 řádky přeskočeny"),
                                                         tr("%1 řádků přeskočeno"))
                                 : QString()) +
                    u'.');
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
    }
}

void PupilsPage::listChanged(const QString &status)
{
    QString message = status;
    try {
        // Reports of nobody's may fit a pupil of the list now.
        if (const int linked = linkUnassignedReports(*database_); linked > 0) {
            message += u' ' + czechCount(linked, tr("%1 uložená zpráva přiřazena žákovi."),
                                         tr("%1 uložené zprávy přiřazeny žákům."),
                                         tr("%1 uložených zpráv přiřazeno žákům."));
        }
    } catch (const DatabaseError &error) {
        showWarning(this, QString::fromStdString(error.what()));
    }
    emit databaseChanged();
    emit statusMessage(message);
}

void PupilsPage::chooseExportFile()
{
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Exportovat žáky do CSV"), recentFilePath(FileKind::Export, tr("zaci.csv")),
        tr("Soubory CSV (*.csv)"));
    if (!path.isEmpty()) {
        rememberFolder(FileKind::Export, path);
        exportClassList(path);
    }
}

void PupilsPage::exportClassList(const QString &path)
{
    QList<std::pair<QString, QString>> rows;
    rows.reserve(model_->rowCount());
    for (int row = 0; row < model_->rowCount(); ++row) {
        const PupilRecord &pupil = model_->pupilAt(row);
        rows.append({pupil.surname, pupil.className});
    }
    if (const QString failure = saveWholeFile(path, writeClassListCsv(rows)); !failure.isEmpty()) {
        showWarning(this, failure);
        return;
    }
    emit statusMessage(czechCount(static_cast<int>(rows.size()), tr("Do souboru %2 uložen %1 žák."),
                                  tr("Do souboru %2 uloženi %1 žáci."),
                                  tr("Do souboru %2 uloženo %1 žáků."))
                           .arg(QDir::toNativeSeparators(path)));
}
