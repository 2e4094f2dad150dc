// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class ReportEncoder;
struct SharedState;

// "Vítejte": the pupil chooses where the result goes (the school database or an e-mailed
// report) and who they are. The window only reports the outcome; what follows is the caller's.
class WelcomeWindow : public QDialog
{
    Q_OBJECT

public:
    // Looks for the school database at databasePath and lists its pupils; without a usable
    // database only the e-mail mode is offered.
    WelcomeWindow(SharedState &state, ReportEncoder &encoder, QString databasePath,
                  QWidget *parent = nullptr);

    [[nodiscard]] bool schoolServerOffered() const;

signals:
    // The identity, the mode and the start time are in the shared state.
    void signedIn();
    // "&Zruš" or the close box: the pupil does not want to practise.
    void cancelRequested();
    void aboutRequested();
    // "&OK" in school-server mode without a chosen profile; the system beep has sounded.
    void beeped();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void loadPupils();
    void offerOnlyEmail();
    void updateEnabling();
    void confirm();

    SharedState &state_;
    ReportEncoder &encoder_;
    QString databasePath_;

    QRadioButton *serverMode_ = nullptr;
    QLabel *usersLabel_ = nullptr;
    QComboBox *users_ = nullptr;
    QRadioButton *emailMode_ = nullptr;
    QLabel *nameLabel_ = nullptr;
    QLineEdit *name_ = nullptr;
    QLabel *classLabel_ = nullptr;
    QLineEdit *class_ = nullptr;
};
