// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/pupildialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

PupilDialog::PupilDialog(const QString &title, const QString &surname, const QString &className,
                         QWidget *parent)
    : QDialog(parent), surname_(new QLineEdit(surname, this)),
      className_(new QLineEdit(className, this))
{
    setObjectName(QStringLiteral("pupilDialog"));
    setWindowTitle(title);
    surname_->setObjectName(QStringLiteral("surname"));
    surname_->setAccessibleName(tr("Příjmení"));
    className_->setObjectName(QStringLiteral("className"));
    className_->setAccessibleName(tr("Třída"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Zrušit"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Every pupil of "Zaci" has a class: the sign-in list is by class.
    const auto update = [this, ok] {
        ok->setEnabled(!surname_->text().trimmed().isEmpty() &&
                       !className_->text().trimmed().isEmpty());
    };
    connect(surname_, &QLineEdit::textChanged, this, update);
    connect(className_, &QLineEdit::textChanged, this, update);
    update();

    auto *form = new QFormLayout(this);
    auto *surnameLabel = new QLabel(tr("&Příjmení:"), this);
    surnameLabel->setBuddy(surname_);
    auto *classLabel = new QLabel(tr("&Třída:"), this);
    classLabel->setBuddy(className_);
    form->addRow(surnameLabel, surname_);
    form->addRow(classLabel, className_);
    form->addRow(buttons);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 28);
}

QString PupilDialog::surname() const
{
    return surname_->text().trimmed();
}

QString PupilDialog::className() const
{
    return className_->text().trimmed();
}
