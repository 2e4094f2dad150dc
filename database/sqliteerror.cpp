// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/sqliteerror.h"

#include "database/storagecause.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>

namespace {

// SQLite's primary result codes that the messages tell apart.
enum SqliteCode
{
    sqliteError = 1,
    sqlitePerm = 3,
    sqliteBusy = 5,
    sqliteLocked = 6,
    sqliteReadOnly = 8,
    sqliteIoError = 10,
    sqliteCorrupt = 11,
    sqliteCantOpen = 14,
    sqliteAuth = 23,
    sqliteNotADatabase = 26,
};

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(SchoolDatabase)
};

} // namespace

QString quotedName(const QString &name)
{
    return Texts::tr("„%1“").arg(name);
}

QString sqliteCause(const QSqlError &error, const QString &path)
{
    bool numeric = false;
    const int extended = error.nativeErrorCode().toInt(&numeric);
    const int code = extended & 0xff;
    const QString text = error.databaseText();
    if (QString cause = storageCause(storageProblemOfSqlite(extended)); !cause.isEmpty()) {
        return cause;
    }
    // A write refused or failed for want of the file, its folder or the space: the disk tells
    // which, where SQLite's code says only that it failed.
    const auto diskCause = [&](const QString &otherwise) {
        const QString cause =
            path.isEmpty() ? QString() : storageCause(storageProblemOfPath(path, true));
        return cause.isEmpty() ? otherwise : cause;
    };
    if (!numeric) {
        // A failed COMMIT comes through Qt with SQLite's words but without its code.
        if (text.contains(QStringLiteral("database or disk is full"))) {
            return storageCause(StorageProblem::DiskFull);
        }
        if (text.contains(QStringLiteral("readonly database")) ||
            text.contains(QStringLiteral("disk I/O error"))) {
            return diskCause(Texts::tr("do souboru nelze zapisovat"));
        }
        return Texts::tr("databáze ohlásila chybu");
    }
    switch (code) {
    case sqliteBusy:
    case sqliteLocked:
        return Texts::tr("soubor je příliš dlouho zamčený, zřejmě do něj zapisuje jiný počítač");
    case sqliteCantOpen:
        return !path.isEmpty() && QFileInfo::exists(path)
                   ? Texts::tr("soubor nelze otevřít")
                   : Texts::tr("soubor neexistuje nebo není dostupný");
    case sqliteNotADatabase:
        return Texts::tr("soubor není databáze");
    case sqliteCorrupt:
        return Texts::tr("soubor je poškozený");
    case sqliteReadOnly:
        return diskCause(Texts::tr("do souboru nelze zapisovat"));
    case sqlitePerm:
    case sqliteAuth:
        return Texts::tr("k souboru není přístup");
    case sqliteIoError:
        return diskCause(Texts::tr("při čtení nebo zápisu souboru nastala chyba"));
    case sqliteError: {
        const QString noTable = QStringLiteral("no such table: ");
        const QString noColumn = QStringLiteral("no such column: ");
        const QString hasNoColumn = QStringLiteral(" has no column named ");
        if (text.startsWith(noTable)) {
            return Texts::tr("chybí v ní tabulka %1").arg(quotedName(text.mid(noTable.size())));
        }
        if (text.startsWith(noColumn)) {
            // "no such column: Zaci.Trida": the field's name follows the table's.
            const QString column = text.mid(noColumn.size());
            return Texts::tr("chybí v ní pole %1")
                .arg(quotedName(column.mid(column.lastIndexOf(u'.') + 1)));
        }
        if (const qsizetype at = text.indexOf(hasNoColumn); at >= 0) {
            return Texts::tr("chybí v ní pole %1")
                .arg(quotedName(text.mid(at + hasNoColumn.size())));
        }
        if (text.contains(QStringLiteral("integer overflow"))) {
            return Texts::tr("součet výsledků je větší, než program dokáže zpracovat");
        }
        return Texts::tr("databáze ohlásila chybu");
    }
    default:
        return Texts::tr("databáze ohlásila chybu");
    }
}

QString sqliteDatabaseUri(const QString &path)
{
    QString absolute = QDir::fromNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (!absolute.startsWith(u'/')) {
        absolute.prepend(u'/'); // a drive letter: file:///C:/...
    }
    return QStringLiteral("file://") +
           QString::fromLatin1(QUrl::toPercentEncoding(absolute, "/:")) +
           QStringLiteral("?mode=rw");
}
