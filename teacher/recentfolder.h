// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The kinds of file a teacher opens or saves, each with the folder used last for it: mail is
// kept in one place, class lists in another, exports in a third.
enum class FileKind
{
    Database,
    Mail,
    ClassList,
    Export
};

// The folder the last file of this kind was in, else the documents folder, else home.
QString recentFolder(FileKind kind);
// In that folder, a file of this name (the suggested name of a save dialog).
QString recentFilePath(FileKind kind, const QString &fileName);
// Remembers the folder of this file (or this folder) for the kind.
void rememberFolder(FileKind kind, const QString &path);
