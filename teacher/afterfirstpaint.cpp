// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/afterfirstpaint.h"

#include <QEvent>
#include <QTimer>

namespace {

class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QWidget *window, std::function<void()> then)
        : QObject(window), then_(std::move(then))
    {
        // After the paint has finished, from the event loop.
        later_.setSingleShot(true);
        later_.setInterval(0);
        connect(&later_, &QTimer::timeout, this, &FirstPaintWatch::run);
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !later_.isActive() && then_) {
            watched->removeEventFilter(this);
            later_.start();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void run()
    {
        const std::function<void()> then = std::exchange(then_, {});
        deleteLater();
        then();
    }

    std::function<void()> then_;
    QTimer later_;
};

} // namespace

void afterFirstPaint(QWidget *window, std::function<void()> then)
{
    new FirstPaintWatch(window, std::move(then));
}
