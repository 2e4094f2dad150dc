// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// tesilka-ucitel --import-pupils FILE [--database FILE]: adds the pupils of a class list (CSV,
// XLSX or ODS) as the preview would with the options it guesses, first names joined to the
// surnames when the file has namesakes. The lines left out are written to `err` with their
// reasons. `arguments` are all of the command line's options; `defaultDatabase` is used
// without --database. Returns 0 when every line was imported, 1 when some were left out (or
// the database failed and none was imported), 2 for wrong options or a file that cannot be
// read as a class list.
int runImportCommand(const QStringList &arguments, const QString &defaultDatabase, QIODevice &out,
                     QIODevice &err);
