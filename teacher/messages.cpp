// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/messages.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>

namespace {
QString title()
{
    return QCoreApplication::translate("MainWindow", "Tesilka – učitel");
}
} // namespace

void showWarning(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title(), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("teacherMessage"));
    box.exec();
}

bool askYesNo(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setObjectName(QStringLiteral("teacherQuestion"));
    box.setDefaultButton(QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("MainWindow", "&Ano"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("MainWindow", "&Ne"));
    return box.exec() == QMessageBox::Yes;
}
