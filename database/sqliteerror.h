// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QSqlError;

// What went wrong with an SQLite file, as a Czech phrase that completes a sentence ("soubor je
// poškozený"). Both programs name the cause the same way.
QString sqliteCause(const QSqlError &error, const QString &path);
// SQLite's URI form of the path with mode=rw, so that opening refuses to create a missing file.
QString sqliteDatabaseUri(const QString &path);
// „name“: a table, field or pupil quoted in a message.
QString quotedName(const QString &name);
