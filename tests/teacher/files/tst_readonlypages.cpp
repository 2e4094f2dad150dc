// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/teacherdatabase.h"
#include "teacher/pupilspage.h"
#include "teacher/reportspage.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// A database that cannot be written: the pages offer no write and say why.
class ReadOnlyPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void writesAreDisabledWithTheReason();
};

void ReadOnlyPagesTest::writesAreDisabledWithTheReason()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("jen-cteni.db"));
    TeacherDatabase::create(DatabaseLocation::sqliteFile(file), false)
        ->addPupil(QStringLiteral("Novák"), QStringLiteral("3A"));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadOther);
    // Root writes past the permission bits, but not into an immutable file.
    const bool immutable =
        QFileInfo(file).isWritable() &&
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), file}) == 0;
    const auto database = TeacherDatabase::open(DatabaseLocation::sqliteFile(file));
    if (immutable) {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), file});
    }
    if (!database->isReadOnly()) {
        QSKIP("this file system cannot make a file read-only for root (chattr +i)");
    }
    ReportsPage reports;
    PupilsPage pupils;
    reports.setDatabase(database.get());
    pupils.setDatabase(database.get());
    const QString why = QStringLiteral("Databáze je otevřená jen pro čtení");
    for (QWidget *page : {static_cast<QWidget *>(&reports), static_cast<QWidget *>(&pupils)}) {
        int refused = 0;
        for (QPushButton *button : page->findChildren<QPushButton *>()) {
            const QString name = button->accessibleName();
            if (name.startsWith(QStringLiteral("Uložit do")) || name.startsWith(u'P') ||
                name.startsWith(QStringLiteral("Smaza")) || name.startsWith(u'U') ||
                name.startsWith(QStringLiteral("Importovat"))) {
                QVERIFY2(!button->isEnabled(), qPrintable(name));
                QVERIFY2(button->toolTip().startsWith(why), qPrintable(name));
                ++refused;
            }
        }
        QCOMPARE(refused, page == &reports ? 3 : 4);
    }
}

QTEST_MAIN(ReadOnlyPagesTest)
#include "tst_readonlypages.moc"
