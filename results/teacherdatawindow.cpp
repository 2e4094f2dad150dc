// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/teacherdatawindow.h"

#include "app/windowstyle.h"
#include "app/wrappingbutton.h"
#include "database/ansicodepage.h"
#include "database/storagecause.h"
#include "results/reportencoder.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>

QByteArray teacherFileContents(const QString &block)
{
    return toAnsiBytes(QString(block + QStringLiteral("\r\n")));
}

TeacherDataWindow::TeacherDataWindow(const ReportEncoder &encoder, QWidget *parent)
    : QDialog(parent), encoder_(encoder)
{
    setObjectName(QStringLiteral("GenList"));
    setWindowTitle(tr("Generované informace pro vyučujícího"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setClientTwips(*this, 4320, 4440);
    setFont(dialogFont());

    auto *data = new QPlainTextEdit(this);
    data->setObjectName(QStringLiteral("data"));
    data->setGeometry(twipsRect(120, 120, 4095, 3375));
    data->setFont(monospaceFont(12));
    // Ten groups make a line; keep them together and scroll instead of breaking them.
    data->setLineWrapMode(QPlainTextEdit::NoWrap);
    data->setPlainText(encoder_.reportBlockText());
    data->setAccessibleName(tr("Zakódovaný výsledek"));
    data->setAccessibleDescription(
        tr("Blok pro vyučujícího. Vlož ho do schránky nebo ulož do souboru a pošli e-mailem."));

    // The captions wrap: they are longer than one line of these narrow buttons.
    auto *clipboardButton = new WrappingButton(tr("&Vložit do schránky"), this);
    clipboardButton->setObjectName(QStringLiteral("clipbrd"));
    clipboardButton->setGeometry(twipsRect(120, 3600, 1215, 735));
    auto *fileButton = new WrappingButton(tr("&Uložit do textového souboru"), this);
    fileButton->setObjectName(QStringLiteral("txtfile"));
    fileButton->setGeometry(twipsRect(1440, 3600, 1335, 735));
    auto *quitButton = new QPushButton(tr("&Konec"), this);
    quitButton->setObjectName(QStringLiteral("final"));
    quitButton->setGeometry(twipsRect(2880, 3600, 1335, 735));

    setTabOrder(data, clipboardButton);
    setTabOrder(clipboardButton, fileButton);
    setTabOrder(fileButton, quitButton);
    data->setFocus();

    connect(clipboardButton, &QPushButton::clicked, this, &TeacherDataWindow::copyToClipboard);
    connect(fileButton, &QPushButton::clicked, this, &TeacherDataWindow::saveToFile);
    connect(quitButton, &QPushButton::clicked, this, &TeacherDataWindow::leave);
}

void TeacherDataWindow::copyToClipboard()
{
    // setText replaces whatever the clipboard held, in every format.
    QGuiApplication::clipboard()->setText(encoder_.reportBlockText());
    copied_ = true;
}

void TeacherDataWindow::leave()
{
    // Without a clipboard manager the copied block goes with the program: one reminder.
    if (copied_ && !saved_ && !askedAboutClipboard_) {
        askedAboutClipboard_ = true;
        QMessageBox question(QMessageBox::Question, tr("Konec"),
                             tr("Vložil(a) jsi už zkopírovaný blok do e-mailu?"),
                             QMessageBox::NoButton, this);
        question.setObjectName(QStringLiteral("pastedQuestion"));
        question.setInformativeText(
            tr("Po skončení programu může blok ze schránky zmizet. Bezpečnější je uložit ho "
               "do textového souboru a ten poslat."));
        QPushButton *back = question.addButton(tr("&Ne, vrátit se"), QMessageBox::RejectRole);
        back->setObjectName(QStringLiteral("goBack"));
        QPushButton *end = question.addButton(tr("&Ano, skončit"), QMessageBox::AcceptRole);
        end->setObjectName(QStringLiteral("endAnyway"));
        question.setDefaultButton(back);
        question.setEscapeButton(back);
        question.exec();
        if (question.clickedButton() != end) {
            return;
        }
    }
    emit quitRequested();
}

void TeacherDataWindow::saveToFile()
{
    QFileDialog dialog(this, tr("Vyber umístění a jméno souboru"));
    dialog.setObjectName(QStringLiteral("CD"));
    // Qt's own dialog behaves alike on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    // The list shows each caption as it stands, and the patterns come from the trailing
    // parentheses: "*.*" would hide the files whose names have no dot.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = {tr("Textové soubory (*.txt)") + QStringLiteral(" (*.txt)"),
                                 tr("Všechny soubory (*.*)") + QStringLiteral(" (*)")};
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
    // Always start in the pupil's documents, not wherever some earlier dialog was left.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    dialog.setDirectory(folder);
    dialog.selectFile(QStringLiteral("Vysledky"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString fileName = dialog.selectedFiles().constFirst();

    // Written beside the target and renamed over it, so a failed save never leaves half a file;
    // in a shared folder where no new file may be made, written into the existing file itself.
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    const QByteArray contents = teacherFileContents(encoder_.reportBlockText());
    // flush() first: commit() does not notice that its own final flush failed (a full disk).
    errno = 0;
    if (file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() &&
        file.flush() && file.commit()) {
        saved_ = true;
        return;
    }
    // The error number of the call that failed: a full disk or a vanished folder said so.
    const QString cause = fileWriteCause(fileName, errno, file.errorString());
    QMessageBox box(QMessageBox::Warning, tr("Soubor nebyl uložen"),
                    tr("Soubor „%1“ se nepodařilo uložit: %2\nZkus jiné umístění nebo jméno.")
                        .arg(QDir::toNativeSeparators(fileName), cause),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("saveFailed"));
    box.exec();
}

void TeacherDataWindow::reject()
{
    // Esc is the "&Konec" button's key.
    leave();
}

void TeacherDataWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    leave();
}
