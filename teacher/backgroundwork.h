// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMutex>
#include <QString>

#include <atomic>
#include <functional>

class QWidget;

// What long work running off the window's thread tells the window, and the window's answer:
// shared by the two threads, so every member is safe to call from either.
class WorkProgress
{
public:
    // How far the work is (`total` <= 0: not known); false once the teacher cancelled, and the
    // work should then stop and keep nothing.
    bool report(qint64 done, qint64 total);
    void setLabel(const QString &label);
    [[nodiscard]] bool isCancelled() const { return cancelled_; }

    void cancel() { cancelled_ = true; }
    [[nodiscard]] qint64 done() const { return done_; }
    [[nodiscard]] qint64 total() const { return total_; }
    // The label set since the last call, or a null text.
    [[nodiscard]] QString takeLabel();

private:
    std::atomic<qint64> done_{0};
    std::atomic<qint64> total_{0};
    std::atomic<bool> cancelled_{false};
    QMutex labelLock_;
    QString label_;
};

// Runs `work` on a thread of its own while the window keeps painting. Work that ends within a
// moment shows nothing; longer work shows a window-modal progress dialog with "Zrušit", which
// the work sees through WorkProgress::report(). An exception of the work is thrown again here.
// Returns false when the teacher cancelled.
bool runWithProgress(QWidget *parent, const QString &title, const QString &label,
                     const std::function<void(WorkProgress &)> &work);
