// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// tesilka-ucitel --decode FILE...: the reports of the files as CSV on `out` (a header, then
// one line per report, UTF-8, ";"), each bad block's reason with file and line on `err`.
// Returns 2 when a file cannot be read, else 1 when a block was bad or a file held no block,
// else 0.
int runDecodeCommand(const QStringList &files, QIODevice &out, QIODevice &err);

// The Czech text of --help.
QString commandLineHelp(const QString &programName);
