// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/filesave.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

QString saveWholeFile(const QString &path, const QByteArray &contents)
{
    const auto failure = [&](const QString &cause) {
        return QCoreApplication::translate("FileSave", "Soubor „%1“ nelze uložit: %2.")
            .arg(QDir::toNativeSeparators(path), cause);
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(file.errorString());
    }
    // flush() before commit(): a failed buffered write may otherwise pass unnoticed.
    if (file.write(contents) != contents.size() || !file.flush()) {
        const QString cause = file.errorString();
        file.cancelWriting();
        return failure(cause);
    }
    if (!file.commit()) {
        return failure(file.errorString());
    }
    return {};
}
