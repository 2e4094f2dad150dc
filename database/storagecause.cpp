// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/storagecause.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/statvfs.h>
#include <unistd.h>
#endif

namespace {
class Texts
{
    Q_DECLARE_TR_FUNCTIONS(StorageCause)
};

// SQLite's codes, as its header numbers them: primary in the low byte, the extended kind above.
constexpr int sqliteReadOnly = 8;
constexpr int sqliteIoError = 10;
constexpr int sqliteFull = 13;
constexpr int sqliteCantOpen = 14;
constexpr int sqliteReadOnlyDbMoved = sqliteReadOnly | (4 << 8);
constexpr int sqliteReadOnlyDirectory = sqliteReadOnly | (6 << 8);
constexpr int sqliteIoErrorDeleteNoEnt = sqliteIoError | (23 << 8);
constexpr int sqliteCantOpenNoTempDir = sqliteCantOpen | (1 << 8);

} // namespace

StorageProblem storageProblemOfPath(const QString &path, bool fileShouldExist)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir() || (fileShouldExist && !target.exists())) {
        return StorageProblem::FileGone;
    }
#ifdef Q_OS_UNIX
    const QByteArray local = QFile::encodeName(folder);
    struct statvfs disk
    {
    };
    if (::statvfs(local.constData(), &disk) == 0) {
        if ((disk.f_flag & ST_RDONLY) != 0) {
            return StorageProblem::DiskReadOnly;
        }
        // A write that failed with less than this free was a write to a full disk.
        constexpr unsigned long long nearlyFull = 1 << 20;
        if (static_cast<unsigned long long>(disk.f_bavail) * disk.f_frsize < nearlyFull) {
            return StorageProblem::DiskFull;
        }
    }
    if (::access(local.constData(), W_OK) != 0) {
        return StorageProblem::FolderReadOnly;
    }
#endif
    return StorageProblem::Other;
}

StorageProblem storageProblemOfErrno(int error)
{
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        return StorageProblem::DiskFull;
    case ENOENT:
#ifdef ESTALE
    case ESTALE:
#endif
        return StorageProblem::FileGone;
    case EACCES:
    case EPERM:
        return StorageProblem::FolderReadOnly;
    case EROFS:
        return StorageProblem::DiskReadOnly;
    default:
        return StorageProblem::Other;
    }
}

StorageProblem storageProblemOfSqlite(int extendedCode)
{
    switch (extendedCode) {
    case sqliteReadOnlyDbMoved:
    case sqliteIoErrorDeleteNoEnt:
        return StorageProblem::FileGone;
    case sqliteReadOnlyDirectory:
        return StorageProblem::FolderReadOnly;
    case sqliteCantOpenNoTempDir:
        return StorageProblem::Other;
    default:
        break;
    }
    return (extendedCode & 0xff) == sqliteFull ? StorageProblem::DiskFull : StorageProblem::Other;
}

QString storageCause(StorageProblem problem)
{
    switch (problem) {
    case StorageProblem::DiskFull:
        return Texts::tr("na disku není volné místo");
    case StorageProblem::FileGone:
        return Texts::tr("soubor nebo jeho složka byly mezitím smazány nebo přesunuty");
    case StorageProblem::FolderReadOnly:
        return Texts::tr("do složky nelze zapisovat (nemáte v ní právo zápisu)");
    case StorageProblem::DiskReadOnly:
        return Texts::tr("disk je připojený jen pro čtení");
    case StorageProblem::Other:
        break;
    }
    return {};
}

QString fileWriteCause(const QString &path, int savedErrno, const QString &otherwise)
{
    StorageProblem problem = storageProblemOfErrno(savedErrno);
    if (problem == StorageProblem::Other) {
        problem = storageProblemOfPath(path, false);
    }
    return problem == StorageProblem::Other ? otherwise : storageCause(problem);
}
