// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writes the whole file or nothing (the old file stays). Returns a Czech sentence naming the
// file and the cause, or an empty text on success.
QString saveWholeFile(const QString &path, const QByteArray &contents);
// "Soubor „…“ nelze uložit: …." for a write that failed: a full disk, a folder deleted or
// read-only told as such (by the error number saved right after the failed call, or by the
// disk), else the file's own words.
QString saveFailureText(const QString &path, int savedErrno, const QString &fileError);
