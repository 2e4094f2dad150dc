// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/databaselocation.h"

#include <memory>
#include <optional>

class QWidget;
class TeacherDatabase;

// Asks for a server's address (a postgresql:// URI or "service=name"), offering the one given
// last time; nothing when the teacher cancels.
std::optional<DatabaseLocation> askForServer(QWidget *parent, const QString &title);

// Copies the open SQLite school database to a server the teacher names, after a question,
// and tells how it went. Returns the server, opened, when the copy succeeded.
std::unique_ptr<TeacherDatabase> copyToServer(QWidget *parent, const TeacherDatabase &file);
