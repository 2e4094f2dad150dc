// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// A script of SQL statements split at the semicolons that end them: outside quotes and "--"
// comments, and for a trigger after the "END" of its body. Enough for the shipped schema.
QStringList splitSqlStatements(const QString &script);
