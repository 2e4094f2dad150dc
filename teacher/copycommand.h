// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// tesilka-ucitel --copy-to-server ADDRESS --database FILE: copies the SQLite school database
// FILE to the server (pupils, results, stored reports) in one transaction and says what was
// copied on `out`, or why nothing was on `err`. Returns 0, 1 when the copy failed, 2 for a
// wrong command line.
int runCopyCommand(const QStringList &arguments, QIODevice &out, QIODevice &err);

// Its lines of --help.
QString copyCommandHelp(const QString &programName);
