// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/filesave.h"

#include "database/storagecause.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cerrno>

QString saveFailureText(const QString &path, int savedErrno, const QString &fileError)
{
    return QCoreApplication::translate("FileSave", "Soubor „%1“ nelze uložit: %2.")
        .arg(QDir::toNativeSeparators(path), fileWriteCause(path, savedErrno, fileError));
}

QString saveWholeFile(const QString &path, const QByteArray &contents)
{
    // The error number of the call that failed, before anything else can change it.
    errno = 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        return saveFailureText(path, error, file.errorString());
    }
    // flush() before commit(): a failed buffered write may otherwise pass unnoticed.
    errno = 0;
    if (file.write(contents) != contents.size() || !file.flush()) {
        const int error = errno;
        const QString cause = file.errorString();
        file.cancelWriting();
        return saveFailureText(path, error, cause);
    }
    errno = 0;
    if (!file.commit()) {
        const int error = errno;
        return saveFailureText(path, error, file.errorString());
    }
    return {};
}
