// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splashwindow.h"

#include "app/windowstyle.h"
#include "buildsettings.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

// The picture lives in the window library; a static library's resources register only when
// something refers to them. (Outside any namespace, as the resource's init function is.)
static void loadPictureResource()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                 const QFont &font, Qt::Alignment alignment)
{
    QLabel *label = makeLabel(parent, name, geometry, font, alignment);
    label->setText(text);
    // A click on a label is not a click on the frame behind it.
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

} // namespace

SplashWindow::SplashWindow(QWidget *parent) : QDialog(parent)
{
    loadPictureResource();
    setObjectName(QStringLiteral("frmSplash"));
    // No title bar and no taskbar button.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFont(dialogFont());
    setClientTwips(*this, 6465, 6975);

    frame_ = new QGroupBox(this);
    frame_->setObjectName(QStringLiteral("Frame1"));
    placeTwips(*frame_, 120, 60, 6225, 6765);
    frame_->installEventFilter(this);

    auto *picture = addLabel(frame_, QStringLiteral("Image1"), QString(),
                             twipsRect(120, 240, 6000, 4500), font(), Qt::AlignCenter);
    picture->setPixmap(QPixmap(QStringLiteral(":/images/circuitboard.png")));

    auto *title = addLabel(frame_, QStringLiteral("lblProductName"), tr("Tesilka na Ohmův zákon"),
                           twipsRect(120, 4770, 5940, 1365), arialFont(32.25, true),
                           Qt::AlignHCenter | Qt::AlignTop);
    title->setWordWrap(true);

    addLabel(frame_, QStringLiteral("Label2"),
             tr("verze %1").arg(QLatin1String(buildsettings::versionText)),
             twipsRect(2640, 6180, 900, 195), font(), Qt::AlignHCenter | Qt::AlignTop);
    addLabel(frame_, QStringLiteral("Label1"), tr("© Tesilka, 2026"),
             twipsRect(2085, 6480, 4050, 210), arialFont(8.25, false),
             Qt::AlignRight | Qt::AlignTop);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    // A coarse timer may fire up to a twentieth early; the pupil is promised five seconds.
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(handOverDelayMs);
    connect(timer_, &QTimer::timeout, this, &SplashWindow::handOverOnce);

    centreOnScreen(*this);
}

void SplashWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!handedOver_ && !timer_->isActive() && !event->spontaneous()) {
        timer_->start();
    }
    activateWindow();
}

bool SplashWindow::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        // Every key that types a character hands over, Esc and Enter included; they must not
        // reach the dialog's own handling, which would close it without a sign-in.
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool typesCharacter = !key->text().isEmpty() || key->key() == Qt::Key_Escape ||
                                    key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (typesCharacter) {
            handOverOnce();
            event->accept();
            return true;
        }
    }
    return QDialog::event(event);
}

bool SplashWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == frame_ && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = mouse->position().toPoint();
        if (mouse->button() == Qt::LeftButton && frame_->rect().contains(at) &&
            frame_->childAt(at) == nullptr) {
            handOverOnce();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SplashWindow::closeEvent(QCloseEvent *event)
{
    // Closed from outside (the window manager) before handing over: the run must still go on.
    if (!handedOver_) {
        event->ignore();
        handOverOnce();
        return;
    }
    QDialog::closeEvent(event);
}

void SplashWindow::handOverOnce()
{
    if (handedOver_) {
        return;
    }
    handedOver_ = true;
    timer_->stop();
    emit handOver();
}
