// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writes the whole file or nothing (the old file stays). Returns a Czech sentence naming the
// file and the cause, or an empty text on success.
QString saveWholeFile(const QString &path, const QByteArray &contents);
