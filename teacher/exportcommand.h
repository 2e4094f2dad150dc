// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// tesilka-ucitel [--database FILE] --export-results OUT.csv [--class C] [--from YYYY-MM-DD]
// [--to YYYY-MM-DD]: the results table as the window exports it. `arguments` are all of the
// command line's options; `defaultDatabase` is used without --database. Returns 0 when written,
// 1 when the database or the file failed, 2 for wrong options.
int runExportCommand(const QStringList &arguments, const QString &defaultDatabase, QIODevice &out,
                     QIODevice &err);
