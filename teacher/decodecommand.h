// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/files/mailbox.h"

#include <QString>
#include <QStringList>

class QIODevice;

// tesilka-ucitel --decode FILE...: the reports of the files (messages, texts, mbox files,
// Maildir folders; "-" for standard input) as CSV on `out` (UTF-8 with a BOM as the window
// exports it, ";", a header, then one line per report), each bad block's reason with file,
// message and line on `err`, and a warning there for a report that ends in the future.
// Returns 2 when a file cannot be read, else 1 when a block was bad or a file held no block,
// else 0.
int runDecodeCommand(const QStringList &files, QIODevice &out, QIODevice &err);

// One argument of --decode or --store read whole: a path, or "-" for standard input.
MailReading readCommandLineSource(const QString &argument);
// How the command line names where a block was: "posta.mbox: e-mail 3, ř. 12", or for a
// message of its own "zprava.eml:12", as compilers name a line.
QString commandLinePlace(const MailReading &reading, const QString &shown,
                         const FoundReport &found);

// The Czech text of --help.
QString commandLineHelp(const QString &programName);
