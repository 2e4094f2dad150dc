// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;

// "Informace": title, version, dedication and the contact address, which opens a new mail
// message when clicked.
class InfoWindow : public QDialog
{
    Q_OBJECT

public:
    explicit InfoWindow(QWidget *parent = nullptr);

    // The build-time contact address.
    static QString contactAddress();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openMailLink();

    QLabel *mailLink_ = nullptr;
};
