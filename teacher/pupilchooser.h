// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/teacherdatabase.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

// Whom selected reports belong to: a pupil of the list found by typing part of the name (case
// and diacritics do not matter), nobody, or a new pupil added to the list at once.
class PupilChooser : public QDialog
{
    Q_OBJECT

public:
    enum class Choice
    {
        Pupil,
        Nobody,
        NewPupil
    };

    // `suggestedName` and `suggestedClass` (as a report typed them) fill the search and the new
    // pupil's fields.
    PupilChooser(QList<PupilRecord> pupils, QString suggestedName, QString suggestedClass,
                 QWidget *parent = nullptr);

    [[nodiscard]] Choice choice() const { return choice_; }
    // The chosen or new pupil.
    [[nodiscard]] QString surname() const { return surname_; }
    [[nodiscard]] QString className() const { return className_; }

    [[nodiscard]] QLineEdit *searchEdit() const { return search_; }
    [[nodiscard]] QListWidget *pupilList() const { return list_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void filter();
    void choosePupil();
    void addPupil();

    QList<PupilRecord> pupils_;
    QString suggestedName_;
    QString suggestedClass_;
    QLineEdit *search_;
    QListWidget *list_;
    QPushButton *assign_;
    Choice choice_ = Choice::Nobody;
    QString surname_;
    QString className_;
};
