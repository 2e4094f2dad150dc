// SPDX-License-Identifier: GPL-3.0-or-later
#include "signin/welcomewindow.h"

#include "app/busynotice.h"
#include "app/sharedstate.h"
#include "app/windowstyle.h"
#include "database/czechorder.h"
#include "results/reportencoder.h"
#include "database/schooldatabase.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTime>

#include <algorithm>

namespace {

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    // Level with the text of the field beside it.
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// The stand-in face runs a little wider than the layout's: a caption that would not fit before
// its field moves left by what it lacks instead of losing its last letters under the field.
void fitBeforeBuddy(QLabel &label)
{
    constexpr int gap = 3;
    const QWidget *buddy = label.buddy();
    const int width = std::max(label.width(), label.sizeHint().width());
    const int right = buddy != nullptr ? buddy->x() - gap : label.x() + width;
    label.setGeometry(std::min(label.x(), right - width), label.y(), width, label.height());
}

template <typename Widget>
Widget *addControl(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &text,
                       const QRect &geometry)
{
    auto *button = addControl<QPushButton>(parent, name, geometry);
    button->setText(text);
    return button;
}

} // namespace

WelcomeWindow::WelcomeWindow(SharedState &state, ReportEncoder &encoder, QString databasePath,
                             QWidget *parent)
    : QDialog(parent), state_(state), encoder_(encoder), databasePath_(std::move(databasePath))
{
    setObjectName(QStringLiteral("Welcome"));
    setWindowTitle(tr("Vítejte"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(dialogFont());
    setClientTwips(*this, 4530, 3000);

    serverMode_ =
        addControl<QRadioButton>(this, QStringLiteral("conn0"), twipsRect(120, 120, 3135, 255));
    serverMode_->setText(tr("&Připojit k lokálnímu školnímu serveru"));
    serverMode_->setChecked(true);

    usersLabel_ = addLabel(this, QStringLiteral("lblUsers"), tr("&Vyber svůj profil:"),
                           twipsRect(360, 525, 1155, 195));
    users_ = addControl<QComboBox>(this, QStringLiteral("Users"), twipsRect(1560, 480, 2760, 315));
    users_->setEditable(false);
    // A list is otherwise named by its chosen entry.
    users_->setAccessibleName(tr("Vyber svůj profil"));
    usersLabel_->setBuddy(users_);

    emailMode_ =
        addControl<QRadioButton>(this, QStringLiteral("conn1"), twipsRect(120, 1080, 3135, 255));
    emailMode_->setText(tr("&Generovat data pro odeslání emailem"));

    nameLabel_ =
        addLabel(this, QStringLiteral("lblJm"), tr("&Jméno:"), twipsRect(360, 1440, 615, 255));
    name_ = addControl<QLineEdit>(this, QStringLiteral("Jm"), twipsRect(1080, 1440, 2295, 285));
    name_->setMaxLength(50);
    nameLabel_->setBuddy(name_);

    classLabel_ =
        addLabel(this, QStringLiteral("lblTr"), tr("&Třída:"), twipsRect(360, 1800, 495, 255));
    class_ = addControl<QLineEdit>(this, QStringLiteral("Tr"), twipsRect(1080, 1800, 1095, 285));
    class_->setMaxLength(10);
    classLabel_->setBuddy(class_);

    auto *about = addButton(this, QStringLiteral("Command3"), tr("&O programu"),
                            twipsRect(120, 2520, 1455, 375));
    auto *ok =
        addButton(this, QStringLiteral("Command1"), tr("&OK"), twipsRect(2160, 2520, 1095, 375));
    ok->setDefault(true);
    auto *cancel =
        addButton(this, QStringLiteral("Command2"), tr("&Zruš"), twipsRect(3360, 2520, 1095, 375));

    for (QLabel *label : {usersLabel_, nameLabel_, classLabel_}) {
        fitBeforeBuddy(*label);
    }

    setTabOrder(serverMode_, users_);
    setTabOrder(users_, emailMode_);
    setTabOrder(emailMode_, name_);
    setTabOrder(name_, class_);
    setTabOrder(class_, about);
    setTabOrder(about, ok);
    setTabOrder(ok, cancel);

    connect(serverMode_, &QRadioButton::toggled, this, &WelcomeWindow::updateEnabling);
    connect(emailMode_, &QRadioButton::toggled, this, &WelcomeWindow::updateEnabling);
    connect(ok, &QPushButton::clicked, this, &WelcomeWindow::confirm);
    connect(cancel, &QPushButton::clicked, this, &WelcomeWindow::cancelRequested);
    connect(about, &QPushButton::clicked, this, &WelcomeWindow::aboutRequested);

    updateEnabling();
    // Placed before the database is read, so that a warning opens over this window's place.
    centreOnScreen(*this);
    loadPupils();
}

bool WelcomeWindow::schoolServerOffered() const
{
    return serverMode_->isEnabled();
}

void WelcomeWindow::loadPupils()
{
    if (!schoolDatabaseMayExist(databasePath_)) {
        offerOnlyEmail();
        return;
    }
    PupilList list;
    try {
        const BusyNotice notice(tr("Načítám seznam žáků…"));
        list = SchoolDatabase(databasePath_).loadPupilList();
    } catch (const DatabaseError &error) {
        // The pupil can still practise and send the result by e-mail.
        QMessageBox warning(QMessageBox::Warning, tr("Školní databáze"),
                            QString::fromUtf8(error.what()), QMessageBox::Ok, this);
        warning.setObjectName(QStringLiteral("databaseWarning"));
        warning.setInformativeText(tr("Výsledek bude možné odeslat učiteli e-mailem."));
        warning.exec();
        offerOnlyEmail();
        return;
    }

    if (list.withoutSurname > 0) {
        QMessageBox warning(QMessageBox::Warning, tr("Školní databáze"),
                            tr("V seznamu žáků školní databáze jsou záznamy bez příjmení "
                               "(počet: %1).")
                                .arg(list.withoutSurname),
                            QMessageBox::Ok, this);
        warning.setObjectName(QStringLiteral("pupilsWithoutSurname"));
        warning.setInformativeText(
            tr("Tyto záznamy v seznamu chybějí, protože k nim nelze uložit výsledek. "
               "Pokud tam nenajdeš sebe, řekni to vyučujícímu."));
        warning.exec();
    }
    sortInCzechOrder(list.pupils, &PupilProfile::entryText);
    for (const PupilProfile &pupil : list.pupils) {
        users_->addItem(pupil.entryText(), QVariant::fromValue(pupil));
    }
    users_->setCurrentIndex(-1);

    state_.correctCount = 0;
    state_.wrongCount = 0;
}

void WelcomeWindow::offerOnlyEmail()
{
    serverMode_->setEnabled(false);
    emailMode_->setChecked(true);
}

void WelcomeWindow::updateEnabling()
{
    // Nothing is cleared: a typed name or a chosen profile survives a change of mind.
    const bool server = serverMode_->isChecked();
    usersLabel_->setEnabled(server);
    users_->setEnabled(server);
    nameLabel_->setEnabled(!server);
    name_->setEnabled(!server);
    classLabel_->setEnabled(!server);
    class_->setEnabled(!server);
}

void WelcomeWindow::confirm()
{
    state_.emailMode = emailMode_->isChecked();
    if (!state_.emailMode) {
        if (users_->currentIndex() < 0) {
            QApplication::beep();
            emit beeped();
            return;
        }
        // The fields themselves, not a re-split of the entry text: a ";" inside a surname
        // or a class must come back intact.
        const auto pupil = users_->currentData().value<PupilProfile>();
        state_.pupilSurname = pupil.surname;
        state_.pupilClass = pupil.className;
        state_.runStart = QTime::currentTime();
        emit signedIn();
        return;
    }
    encoder_.initReportEncoder();
    state_.reportName = name_->text();
    state_.reportClass = class_->text();
    state_.reportStart = QDateTime::currentDateTime();
    emit signedIn();
}

void WelcomeWindow::keyPressEvent(QKeyEvent *event)
{
    // There is no cancel button: Esc leaves the window as it is.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void WelcomeWindow::closeEvent(QCloseEvent *event)
{
    // The close box means the same as "&Zruš"; the caller ends the program.
    event->ignore();
    emit cancelRequested();
}
