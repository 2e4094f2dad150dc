// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// A script of SQL statements split at the semicolons that end them: outside quotes and "--"
// comments. Enough for the shipped schema, which has no triggers.
QStringList splitSqlStatements(const QString &script);
