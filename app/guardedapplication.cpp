// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/guardedapplication.h"

#include <QMessageBox>

#include <cstdlib>
#include <exception>

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        reportFailure(QString::fromUtf8(error.what()));
    } catch (...) {
        reportFailure(tr("neznámá chyba"));
    }
    return false;
}

void GuardedApplication::reportFailure(const QString &cause)
{
    static bool reporting = false;
    if (reporting) {
        return;
    }
    reporting = true;
    QMessageBox::critical(nullptr, tr("Tesilka – chyba"),
                          tr("Program narazil na chybu a bude ukončen.\n\nPříčina: %1").arg(cause));
    if (programEnd_ != nullptr) {
        programEnd_->endProgram(EXIT_FAILURE);
    } else {
        QCoreApplication::exit(EXIT_FAILURE);
    }
}
