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
    [[nodiscard]] QAction *storeAction() const { return storeAction_; }
    [[nodiscard]] QAction *clearAction() const { return clearAction_; }
    [[nodiscard]] ReportTableModel *model() const { return model_; }
    [[nodiscard]] QTableView *table() const { return table_; }

    // Finds the blocks of a text (pasted or dropped) and adds a row for each.
    void addText(const QString &source, const QString &text);
    // Reads .txt and .eml files, MIME and all, and adds their blocks.
    void addFiles(const QStringList &paths);

public slots:
    void paste();
    void chooseFiles();
    void store();
    void clearList();

signals:
    void statusMessage(const QString &text);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void updateActions();
    [[nodiscard]] QString foundText(int good, int bad) const;

    TeacherDatabase *database_ = nullptr;
    ReportTableModel *model_;
    QTableView *table_;
    QLabel *summary_;
    QAction *pasteAction_;
    QAction *openFilesAction_;
    QAction *storeAction_;
    QAction *clearAction_;
};
