// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPlainTextEdit;
class ReportEncoder;

// "Generované informace pro vyučujícího": the encoded report, to copy or save and send by
// e-mail. The last window of an e-mail run.
class TeacherDataWindow : public QDialog
{
    Q_OBJECT

public:
    explicit TeacherDataWindow(const ReportEncoder &encoder, QWidget *parent = nullptr);

signals:
    // "&Konec", Esc or the close box; after a copy without a save, only once the pupil has
    // said that the block is in the e-mail.
    void quitRequested();

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void copyToClipboard();
    void saveToFile();
    void leave();

    const ReportEncoder &encoder_;
    bool copied_ = false;
    bool saved_ = false;
    bool askedAboutClipboard_ = false;
};

// What the saved file holds: the block and CR LF, in Windows-1250.
QByteArray teacherFileContents(const QString &block);
