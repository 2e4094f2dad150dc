// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Surname and class of one pupil, for adding or editing; OK only with both.
class PupilDialog : public QDialog
{
    Q_OBJECT

public:
    PupilDialog(const QString &title, const QString &surname, const QString &className,
                QWidget *parent = nullptr);

    [[nodiscard]] QString surname() const;
    [[nodiscard]] QString className() const;

private:
    QLineEdit *surname_;
    QLineEdit *className_;
};
