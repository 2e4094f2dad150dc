// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// tesilka-ucitel [--database FILE] --store FILE...: stores the good reports of the mail files
// (messages, texts, mbox files, Maildir folders, "-" for standard input) in the school
// database in one transaction, each linked to the pupil of the list it fits, as the window's
// "Uložit" does; a report that ends in the future is stored with a warning on `err`. Says on `out`
// how many were new, already stored, linked, left to nobody and refused; each bad block's reason
// goes to `err` with its file and line. `arguments` are all of the command line's options;
// `defaultDatabase` is used without --database. Returns 2 for wrong options or a file that cannot
// be read (then nothing is stored), else 1 when a block was bad, a file held no report or the
// database failed (then nothing is stored), else 0.
int runStoreCommand(const QStringList &arguments, const QString &defaultDatabase, QIODevice &out,
                    QIODevice &err);
