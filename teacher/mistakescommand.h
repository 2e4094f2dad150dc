// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// tesilka-ucitel [--database FILE] --export-mistakes OUT.csv [--class C] [--pupil SURNAME]
// [--from YYYY-MM-DD] [--to YYYY-MM-DD]: one line per pupil with answers in the filter (the
// answers of school runs): answers, right, each kind of mistake, the dominant one and the
// median time to answer, as "Chyby" exports it; a name ending in .xlsx gives a workbook.
// A pupil without --class must be the only one of that surname. Returns 0 when written, 1 when
// the database or the file failed or the class or pupil is not in the database, 2 for wrong
// options.
int runMistakesExportCommand(const QStringList &arguments, const QString &defaultDatabase,
                             QIODevice &out, QIODevice &err);

// The lines of --help for --export-mistakes, after the other commands'.
QString mistakesCommandHelp(const QString &programName);
