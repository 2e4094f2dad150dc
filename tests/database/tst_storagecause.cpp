// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/storagecause.h"
#include "database/teacherdatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

// Why a write failed, as both programs and every export tell it.
class StorageCauseTest : public QObject
{
    Q_OBJECT

private slots:
    void namesTheCauseOfAnErrorNumber_data();
    void namesTheCauseOfAnErrorNumber();
    void namesTheCauseOfAnSqliteCode_data();
    void namesTheCauseOfAnSqliteCode();
    void asksTheDiskWhenTheErrorNumberSaysNothing();
    void aDatabaseDeletedWhileOpenSaysSo();
};

void StorageCauseTest::namesTheCauseOfAnErrorNumber_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<StorageProblem>("problem");
    QTest::newRow("ENOSPC") << ENOSPC << StorageProblem::DiskFull;
    QTest::newRow("EDQUOT") << EDQUOT << StorageProblem::DiskFull;
    QTest::newRow("ENOENT") << ENOENT << StorageProblem::FileGone;
    QTest::newRow("EACCES") << EACCES << StorageProblem::FolderReadOnly;
    QTest::newRow("EROFS") << EROFS << StorageProblem::DiskReadOnly;
    QTest::newRow("EIO") << EIO << StorageProblem::Other;
    QTest::newRow("none") << 0 << StorageProblem::Other;
}

void StorageCauseTest::namesTheCauseOfAnErrorNumber()
{
    QFETCH(int, error);
    QFETCH(StorageProblem, problem);
    QCOMPARE(storageProblemOfErrno(error), problem);
}

void StorageCauseTest::namesTheCauseOfAnSqliteCode_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<StorageProblem>("problem");
    QTest::newRow("SQLITE_FULL") << 13 << StorageProblem::DiskFull;
    QTest::newRow("SQLITE_READONLY_DBMOVED") << (8 | (4 << 8)) << StorageProblem::FileGone;
    QTest::newRow("SQLITE_IOERR_DELETE_NOENT") << (10 | (23 << 8)) << StorageProblem::FileGone;
    QTest::newRow("SQLITE_READONLY_DIRECTORY") << (8 | (6 << 8)) << StorageProblem::FolderReadOnly;
    QTest::newRow("SQLITE_READONLY") << 8 << StorageProblem::Other;
    QTest::newRow("SQLITE_BUSY") << 5 << StorageProblem::Other;
}

void StorageCauseTest::namesTheCauseOfAnSqliteCode()
{
    QFETCH(int, code);
    QFETCH(StorageProblem, problem);
    QCOMPARE(storageProblemOfSqlite(code), problem);
}

void StorageCauseTest::asksTheDiskWhenTheErrorNumberSaysNothing()
{
    QTemporaryDir dir;
    const QString gone = dir.filePath(QStringLiteral("smazana/vysledky.csv"));
    QCOMPARE(fileWriteCause(gone, 0, QStringLiteral("x")), storageCause(StorageProblem::FileGone));
    // The number saved from the failed call comes first.
    QCOMPARE(fileWriteCause(gone, ENOSPC, QStringLiteral("x")),
             storageCause(StorageProblem::DiskFull));
    // Nothing wrong with the disk: the file's own words.
    QCOMPARE(fileWriteCause(dir.filePath(QStringLiteral("a.csv")), 0, QStringLiteral("x")),
             QStringLiteral("x"));
    for (const StorageProblem problem :
         {StorageProblem::DiskFull, StorageProblem::FileGone, StorageProblem::FolderReadOnly,
          StorageProblem::DiskReadOnly}) {
        QVERIFY(!storageCause(problem).isEmpty());
    }
}

void StorageCauseTest::aDatabaseDeletedWhileOpenSaysSo()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("skola.db"));
    const auto database = TeacherDatabase::create(DatabaseLocation::sqliteFile(file), false);
    QVERIFY(QFile::remove(file));
    QString failure;
    try {
        database->importPupils({{1, QStringLiteral("Malá"), QStringLiteral("1A")}});
    } catch (const DatabaseError &error) {
        failure = QString::fromUtf8(error.what());
    }
    QVERIFY2(failure.contains(storageCause(StorageProblem::FileGone)), qPrintable(failure));
}

QTEST_GUILESS_MAIN(StorageCauseTest)
#include "tst_storagecause.moc"
