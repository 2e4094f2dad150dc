// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

class QAction;
class QLabel;
class QTableView;
class ReportTableModel;
class TeacherDatabase;

// "Zprávy z e-mailu": the blocks found in pasted text and opened files, one row each, and
// storing the good ones in the open database.
class ReportsPage : public QWidget
{
    Q_OBJECT

public:
    explicit ReportsPage(QWidget *parent = nullptr);

    // The open database, or nullptr; not owned.
    void setDatabase(TeacherDatabase *database);

    [[nodiscard]] QAction *pasteAction() const { return pasteAction_; }
    [[nodiscard]] QAction *openFilesAction() const { return openFilesAction_; }
    [[nodiscard]] QAction *openFolderAction() const { return openFolderAction_; }
    [[nodiscard]] QAction *storeAction() const { return storeAction_; }
    [[nodiscard]] QAction *clearAction() const { return clearAction_; }
    [[nodiscard]] QAction *assignAction() const { return assignAction_; }
    [[nodiscard]] QAction *deleteAction() const { return deleteAction_; }
    [[nodiscard]] QAction *loadUnassignedAction() const { return loadUnassignedAction_; }
    [[nodiscard]] ReportTableModel *model() const { return model_; }
    [[nodiscard]] QTableView *table() const { return table_; }

    // Finds the blocks of a text (pasted or dropped) and adds a row for each.
    void addText(const QString &source, const QString &text);
    // Reads .txt and .eml files, MIME and all, mbox files and Maildir folders, and adds their
    // blocks: all of them, or, when the teacher cancels the progress dialog, none.
    void addFiles(const QStringList &paths);

    // Stores the good rows not yet stored (all of them, or of `rows`); false when the database
    // refused (the teacher was told).
    bool storeRows(const QList<int> &rows = {});
    // The selected good rows go to this pupil (empty surname: to nobody), stored first if
    // they are not; `addToList` adds the pupil to the class list in the same step.
    bool assignRows(const QList<int> &rows, const QString &surname, const QString &className,
                    bool addToList = false);
    // Deletes the selected stored reports from the database; the rows stay in the list.
    bool deleteRows(const QList<int> &rows);
    [[nodiscard]] QList<int> selectedRows() const;

public slots:
    void paste();
    void chooseFiles();
    // A Maildir folder of a mail program.
    void chooseFolder();
    void store();
    void clearList();
    // Asks whom the selected reports belong to.
    void chooseOwner();
    void deleteSelected();
    // Adds the stored reports of nobody's to the list, to be assigned.
    void loadUnassigned();
    // Reads again what the database knows of the rows: after a change elsewhere.
    void refreshOwners();

signals:
    void statusMessage(const QString &text);
    // The reports or the pupils in the database changed.
    void databaseChanged();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void updateActions();
    [[nodiscard]] QString foundText(int good, int bad) const;
    // ", 1 s koncem práce v budoucnosti"; empty for none.
    [[nodiscard]] QString futureText(int future) const;
    // " (2 už jsou v databázi)" for blocks just read that the database holds already.
    [[nodiscard]] QString storedText(int stored) const;

    TeacherDatabase *database_ = nullptr;
    ReportTableModel *model_;
    QTableView *table_;
    QLabel *summary_;
    QAction *pasteAction_;
    QAction *openFilesAction_;
    QAction *openFolderAction_;
    QAction *storeAction_;
    QAction *clearAction_;
    QAction *assignAction_;
    QAction *deleteAction_;
    QAction *loadUnassignedAction_;
};
