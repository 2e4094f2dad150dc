// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QGroupBox;
class QTimer;

// The first window of a run: the picture, the title and the version. It asks for the sign-in
// once, after five seconds, on a key or on a click on the frame's margin, whichever comes first;
// opening the sign-in and removing this window is the caller's part.
class SplashWindow : public QDialog
{
    Q_OBJECT

public:
    static constexpr int handOverDelayMs = 5000;

    explicit SplashWindow(QWidget *parent = nullptr);

    [[nodiscard]] bool hasHandedOver() const { return handedOver_; }

signals:
    void handOver();

protected:
    // The five seconds count from the first showing, when the pupil can see the window.
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void handOverOnce();

    QGroupBox *frame_ = nullptr;
    QTimer *timer_ = nullptr;
    bool handedOver_ = false;
};
