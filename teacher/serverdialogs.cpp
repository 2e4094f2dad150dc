// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/serverdialogs.h"

#include "database/databasecopy.h"
#include "database/teacherdatabase.h"
#include "teacher/messages.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

namespace {

const QString serverKey = QStringLiteral("server");

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(ServerDialogs)
};

} // namespace

std::optional<DatabaseLocation> askForServer(QWidget *parent, const QString &title)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("serverAddress"));
    dialog.setWindowTitle(title);
    dialog.setLabelText(
        Texts::tr("Adresa databázového serveru, například\n"
                  "postgresql://ucitel@server.skola.cz/tesilka nebo service=tesilka\n"
                  "(heslo zadejte do souboru ~/.pgpass, ne sem):"));
    dialog.setTextValue(QSettings().value(serverKey).toString());
    dialog.resize(520, dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted || dialog.textValue().trimmed().isEmpty()) {
        return std::nullopt;
    }
    const DatabaseLocation location = DatabaseLocation::server(dialog.textValue());
    QSettings().setValue(serverKey, location.path);
    return location;
}

std::unique_ptr<TeacherDatabase> copyToServer(QWidget *parent, const TeacherDatabase &file)
{
    if (file.location().isServer()) {
        showWarning(parent, Texts::tr("Na server lze kopírovat jen databázi ze souboru. Otevřete "
                                      "nejdřív soubor školní databáze."));
        return nullptr;
    }
    const std::optional<DatabaseLocation> server =
        askForServer(parent, Texts::tr("Kopírovat databázi na server"));
    if (!server) {
        return nullptr;
    }
    try {
        std::unique_ptr<TeacherDatabase> target = TeacherDatabase::open(*server);
        QMessageBox question(
            QMessageBox::Question, Texts::tr("Kopírovat databázi na server"),
            Texts::tr("Zkopírovat žáky, výsledky a uložené zprávy z databáze „%1“ na server „%2“?")
                .arg(file.location().displayName(), server->displayName()),
            QMessageBox::NoButton, parent);
        question.setObjectName(QStringLiteral("confirmCopy"));
        QPushButton *copy = question.addButton(Texts::tr("&Kopírovat"), QMessageBox::AcceptRole);
        copy->setObjectName(QStringLiteral("copy"));
        question.setDefaultButton(
            question.addButton(Texts::tr("&Zrušit"), QMessageBox::RejectRole));
        question.exec();
        if (question.clickedButton() != copy) {
            return nullptr;
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
        CopyResult copied;
        try {
            copied = copySchoolDatabase(file.location().path, *target);
        } catch (...) {
            QApplication::restoreOverrideCursor();
            throw;
        }
        QApplication::restoreOverrideCursor();
        QMessageBox done(QMessageBox::Information, Texts::tr("Kopírovat databázi na server"),
                         Texts::tr("Na server bylo zkopírováno: žáků %1, výsledků %2, zpráv %3.")
                             .arg(copied.pupils)
                             .arg(copied.runs)
                             .arg(copied.reports),
                         QMessageBox::Ok, parent);
        done.setObjectName(QStringLiteral("copyDone"));
        done.exec();
        return target;
    } catch (const DatabaseError &error) {
        showWarning(parent, QString::fromUtf8(error.what()));
        return nullptr;
    }
}
