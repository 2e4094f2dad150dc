// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The one way the program ends: every open event loop is left at once and no window's close
// handler runs. Code that resumes after a modal window asks hasEnded() before doing more.
class ProgramEnd : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void endProgram(int status = 0);
    [[nodiscard]] bool hasEnded() const { return ended_; }
    [[nodiscard]] int status() const { return status_; }

signals:
    void ended(int status);

private:
    bool ended_ = false;
    int status_ = 0;
};
