// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/backgroundwork.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMutexLocker>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <memory>
#include <utility>

bool WorkProgress::report(qint64 done, qint64 total)
{
    done_ = done;
    total_ = total;
    return !cancelled_;
}

void WorkProgress::setLabel(const QString &label)
{
    const QMutexLocker locker(&labelLock_);
    label_ = label;
}

QString WorkProgress::takeLabel()
{
    const QMutexLocker locker(&labelLock_);
    return std::exchange(label_, QString());
}

bool runWithProgress(QWidget *parent, const QString &title, const QString &label,
                     const std::function<void(WorkProgress &)> &work)
{
    // Short enough that a window waiting this long still repaints in time.
    constexpr unsigned long quietWaitMs = 60;
    constexpr int refreshMs = 50;
    constexpr int steps = 1000;

    WorkProgress progress;
    std::exception_ptr failure;
    const std::unique_ptr<QThread> thread(QThread::create([&] {
        try {
            work(progress);
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    thread->setObjectName(QStringLiteral("backgroundWork"));
    thread->start();
    if (!thread->wait(quietWaitMs)) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        QProgressDialog dialog(label, QCoreApplication::translate("BackgroundWork", "Zrušit"), 0,
                               steps, parent);
        dialog.setObjectName(QStringLiteral("workProgress"));
        dialog.setWindowTitle(title);
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setMinimumDuration(0);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        QEventLoop loop;
        QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
        const auto cancel = [&] {
            progress.cancel();
            // The work stops at its next step and undoes what it began.
            dialog.setLabelText(QCoreApplication::translate("BackgroundWork", "Ruším…"));
            dialog.setCancelButton(nullptr);
        };
        QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, cancel);
        QTimer refresh;
        refresh.setInterval(refreshMs);
        QObject::connect(&refresh, &QTimer::timeout, &dialog, [&] {
            if (progress.isCancelled()) {
                return;
            }
            // Escape and cancel() reach the dialog without its signal.
            if (dialog.wasCanceled()) {
                cancel();
                return;
            }
            if (const QString text = progress.takeLabel(); !text.isNull()) {
                dialog.setLabelText(text);
            }
            const qint64 total = progress.total();
            if (total <= 0) {
                dialog.setRange(0, 0); // busy, without a known end
                return;
            }
            dialog.setRange(0, steps);
            dialog.setValue(static_cast<int>(
                std::min<qint64>(steps, progress.done() * steps / std::max<qint64>(1, total))));
        });
        refresh.start();
        dialog.show();
        if (!thread->isFinished()) {
            loop.exec();
        }
        thread->wait();
        QApplication::restoreOverrideCursor();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
    return !progress.isCancelled();
}
