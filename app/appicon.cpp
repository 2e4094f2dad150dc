// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/appicon.h"

#include <QString>

namespace {
QIcon iconFromResources(const QString &id)
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1/%2.png").arg(size).arg(id), QSize(size, size));
    }
    return icon;
}
} // namespace

QIcon tesilkaIcon()
{
    return iconFromResources(QStringLiteral("org.example.tesilka"));
}

QIcon teacherIcon()
{
    return iconFromResources(QStringLiteral("org.example.tesilka.ucitel"));
}
