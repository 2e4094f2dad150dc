// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/recentfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString keyOf(FileKind kind)
{
    switch (kind) {
    case FileKind::Database:
        return QStringLiteral("slozky/databaze");
    case FileKind::Mail:
        return QStringLiteral("slozky/posta");
    case FileKind::ClassList:
        return QStringLiteral("slozky/seznamy");
    case FileKind::Export:
        return QStringLiteral("slozky/export");
    }
    return {};
}

} // namespace

QString recentFolder(FileKind kind)
{
    const QString folder = QSettings().value(keyOf(kind)).toString();
    // A folder on a share that is not mounted today: start where documents are.
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        return folder;
    }
    // A desktop without a documents folder: the dialog would offer its name as a file name.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString recentFilePath(FileKind kind, const QString &fileName)
{
    return QDir(recentFolder(kind)).filePath(fileName);
}

void rememberFolder(FileKind kind, const QString &path)
{
    if (path.isEmpty()) {
        return;
    }
    const QFileInfo info(path);
    QSettings().setValue(keyOf(kind), info.isDir() ? info.absoluteFilePath() : info.absolutePath());
}
