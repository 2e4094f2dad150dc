// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QPointer>

#include "app/programend.h"

// Qt cannot carry an exception through its event loop: a failure in any handler is caught
// here, shown to the pupil in Czech, and ends the program with a non-zero status.
class GuardedApplication : public QApplication
{
    Q_OBJECT

public:
    GuardedApplication(int &argc, char **argv);

    void setProgramEnd(ProgramEnd *programEnd) { programEnd_ = programEnd; }
    bool notify(QObject *receiver, QEvent *event) override;

private:
    void reportFailure(const QString &cause);

    QPointer<ProgramEnd> programEnd_;
};
