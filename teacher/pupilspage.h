// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class PupilTableModel;
class QAction;
class QLabel;
class QTableView;
class TeacherDatabase;

// "Žáci": the pupils of the open database in Czech order; adding, editing, deleting, class
// lists in from CSV, XLSX or ODS and out to CSV.
class PupilsPage : public QWidget
{
    Q_OBJECT

public:
    explicit PupilsPage(QWidget *parent = nullptr);

    // The open database, or nullptr; not owned. Reloads the table.
    void setDatabase(TeacherDatabase *database);

    [[nodiscard]] QAction *addPupilAction() const { return addAction_; }
    [[nodiscard]] QAction *editPupilAction() const { return editAction_; }
    [[nodiscard]] QAction *deletePupilAction() const { return deleteAction_; }
    [[nodiscard]] QAction *importAction() const { return importAction_; }
    [[nodiscard]] QAction *exportAction() const { return exportAction_; }
    [[nodiscard]] PupilTableModel *model() const { return model_; }
    [[nodiscard]] QTableView *table() const { return table_; }

    // Shows the preview of this class list and imports it when the teacher confirms.
    void importClassList(const QString &path);
    void exportClassList(const QString &path);

public slots:
    void addPupil();
    void editPupil();
    void deletePupil();
    void chooseClassList();
    void chooseExportFile();

    // Reads the list again (another page changed it).
    void reloadList() { reload(); }

signals:
    void statusMessage(const QString &text);
    // The list changed, and with it whose some reports are.
    void databaseChanged();

private:
    void reload(qint64 selectKey = -1);
    void listChanged(const QString &status);
    void updateActions();
    [[nodiscard]] int currentRow() const;

    TeacherDatabase *database_ = nullptr;
    PupilTableModel *model_;
    QTableView *table_;
    QLabel *notice_;
    QAction *addAction_;
    QAction *editAction_;
    QAction *deleteAction_;
    QAction *importAction_;
    QAction *exportAction_;
};
