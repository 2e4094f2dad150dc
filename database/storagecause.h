// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Why a write to disk failed, told apart where the teacher or pupil can do something about it:
// the same words for the database file of both programs and for every exported file.
enum class StorageProblem
{
    Other,
    DiskFull,       // no space left, or the user's quota used up
    FileGone,       // the file (or its folder) was deleted or moved while open
    FolderReadOnly, // the folder may not be written: its permissions
    DiskReadOnly    // the whole disk is mounted read-only (a CD, a locked card)
};

// From the operating system's error number of the failed call.
StorageProblem storageProblemOfErrno(int error);
// From SQLite's (extended) result code.
StorageProblem storageProblemOfSqlite(int extendedCode);
// What the disk holding `path` says now, for a failure that came without a telling code: the
// folder (or, with `fileShouldExist`, the file) gone, a read-only disk, next to no space left,
// a folder that may not be written.
StorageProblem storageProblemOfPath(const QString &path, bool fileShouldExist);
// The Czech phrase that completes "… nelze uložit: %1"; empty for StorageProblem::Other.
QString storageCause(StorageProblem problem);

// The cause of a failed write to `path`: by the error number saved right after the failed call,
// else by what the disk says now (no space left, the folder gone or not writable); `otherwise`
// when neither tells.
QString fileWriteCause(const QString &path, int savedErrno, const QString &otherwise);
