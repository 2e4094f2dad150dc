// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QTextBrowser;

// "Obsah nápovědy" (F1): what each tab is for, how reports find their pupils, the words of the
// summaries, the keys and the command line, in one page to read beside the main window.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    [[nodiscard]] QTextBrowser *browser() const { return browser_; }

private:
    QTextBrowser *browser_;
};

// The help's text as HTML; the command line's part is its own --help.
QString teacherHelpHtml();
