// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/files/classlistcsv.h"

#include <QByteArray>
#include <QDialog>

class ClassListPreviewModel;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;
class QStringListModel;
class TeacherDatabase;

// Preview of a class list before it is imported: the guessed encoding, separator and header
// (of a CSV; a workbook has only the header) shown and changeable, the choice to join first
// names to surnames when the file has them, the rows that would be added, and every problem by
// line. Nothing is written here; the caller imports rowsToImport() when the dialog is accepted.
class ClassListImportDialog : public QDialog
{
    Q_OBJECT

public:
    ClassListImportDialog(ClassListSource source, const QString &fileName,
                          const TeacherDatabase &database, QWidget *parent = nullptr);
    // A CSV's bytes.
    ClassListImportDialog(QByteArray data, const QString &fileName, const TeacherDatabase &database,
                          QWidget *parent = nullptr);

    [[nodiscard]] QList<ClassListRow> rowsToImport() const;
    [[nodiscard]] ClassListOptions options() const;
    [[nodiscard]] QStringList issueTexts() const;
    // The teacher cancelled reading the file for the preview.
    [[nodiscard]] bool previewCancelled() const { return cancelled_; }

private:
    void reparse();

    ClassListSource source_;
    const TeacherDatabase &database_;
    QComboBox *encoding_;
    QComboBox *separator_;
    QCheckBox *header_;
    QCheckBox *joinFirstNames_;
    QFormLayout *form_ = nullptr;
    QLabel *summary_;
    ClassListPreviewModel *preview_;
    QStringListModel *issues_;
    QPushButton *import_;
    bool cancelled_ = false;
};
