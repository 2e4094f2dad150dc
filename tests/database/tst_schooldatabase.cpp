// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/namebuffer.h"
#include "database/schooldatabase.h"
#include "database/schoolqueries.h"
#include "database/teacherdatabase.h"

#include "schoolanswers.h"
#include "support/sqlscript.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <cstdio>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

class SchoolDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsThePupilsAsStored();
    void emptyPupilTableGivesEmptyList();
    void nullFieldsReadAsEmptyAndZeroButNoSurnameIsLeftOut();
    void appendsOneRowWithAllNineFields();
    void totalsCoverOneExactSurnameAcrossClasses();
    void totalBeyondThirtyTwoBitsIsAnErrorAndStoresNothing();
    void answersAreStoredWithTheirRunOrNotAtAll();
    void olderFileKeepsRunsAloneUntilTheTeacherOpensIt();
    void brokenDatabaseIsAClearCzechError_data();
    void brokenDatabaseIsAClearCzechError();
    void missingFileIsNotCreated();
    void pathWithUnusualCharactersOpens();
    void lockHeldTooLongIsAnErrorAndStoresNothing();
    void concurrentAppendsFromSeveralProcessesAllLand();
    void totalsAreAnsweredFromTheIndex();
    void schoolCreatesTheDatabaseWithSqlite3();

    void unscrambleLowersEveryWindows1250Code();
    void trimNameBuffer_data();
    void trimNameBuffer();
    void readUserNameGivesTheProcessUser();
    void fileExistsForFileAndFolder();

private:
    // A database made from the shipped schema (and the sample pupils when asked), in dir_.
    QString createDatabase(const QString &fileName = QStringLiteral("tesilka.db"),
                           bool withSamplePupils = false);
    QTemporaryDir dir_;
};

namespace {
const QString databaseSources = QStringLiteral(TESILKA_DATABASE_SOURCE_DIR);

SchoolRun schoolRun(const QString &surname, const QString &className, std::int32_t right,
                    std::int32_t wrong)
{
    SchoolRun state;
    state.surname = surname;
    state.className = className;
    state.correct = right;
    state.wrong = wrong;
    state.start = QTime(8, 15, 30);
    return state;
}

const QDateTime summaryTime(QDate(2026, 12, 5), QTime(9, 2, 7));

bool insertRow(const ScratchConnection &db, const QString &surname, const QString &className,
               const QVariant &right, const QVariant &wrong)
{
    return db.run(QStringLiteral(R"(INSERT INTO "Prehled " ("Prijmeni", "Trida", "Spravne",)"
                                 R"( "Chybne", "TypTesil") VALUES (?, ?, ?, ?, 1))"),
                  {surname, className, right, wrong});
}

qlonglong rowCount(const QString &path, const QString &table = QStringLiteral("Prehled "))
{
    const ScratchConnection db(path, QStringLiteral("count"));
    return db.scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "%1")").arg(table)).toLongLong();
}

SchoolRun withAnswers(SchoolRun run)
{
    run.answers = answersFor(run.correct, run.wrong);
    return run;
}

QString messageOf(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const DatabaseError &error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

// Worker mode: the test re-launches itself to append from another process.
int runAppendWorker(const QString &path, const QString &surname, int appends)
{
    SchoolDatabase database(path);
    RunTotals totals;
    try {
        for (int i = 0; i < appends; ++i) {
            totals = database.recordRunResult(schoolRun(surname, QStringLiteral("3A"), 1, 0),
                                              QDateTime::currentDateTime());
        }
    } catch (const DatabaseError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::printf("%d %d\n", totals.totalCorrect, totals.totalWrong);
    return 0;
}
} // namespace

void SchoolDatabaseTest::init()
{
    QVERIFY(dir_.isValid());
}

void SchoolDatabaseTest::cleanup()
{
    // Every operation removes its own connection, whether it succeeded or failed.
    QCOMPARE(QSqlDatabase::connectionNames(), QStringList());
}

QString SchoolDatabaseTest::createDatabase(const QString &fileName, bool withSamplePupils)
{
    const QString path = dir_.filePath(fileName);
    QFile::remove(path);
    const ScratchConnection db(path, QStringLiteral("create"));
    const QString failure = runSqlFile(db.db(), databaseSources + QStringLiteral("/schema.sql"));
    if (!failure.isEmpty()) {
        qWarning("%s", qPrintable(failure));
        return {};
    }
    if (withSamplePupils) {
        const QString sampleFailure =
            runSqlFile(db.db(), databaseSources + QStringLiteral("/sample-pupils.sql"));
        if (!sampleFailure.isEmpty()) {
            qWarning("%s", qPrintable(sampleFailure));
            return {};
        }
    }
    return path;
}

void SchoolDatabaseTest::listsThePupilsAsStored()
{
    const QString path = createDatabase(QStringLiteral("pupils.db"), true);
    QVERIFY(!path.isEmpty());
    {
        const ScratchConnection db(path);
        // A name or class holding ";" or leading blanks comes back as stored.
        QVERIFY(db.run(QStringLiteral(R"(INSERT INTO "Zaci" VALUES (?, ?))"),
                       {QStringLiteral("Nový; st."), QStringLiteral("  2;C")}));
    }
    const QList<PupilProfile> pupils = SchoolDatabase(path).loadPupilList().pupils;
    QCOMPARE(pupils.size(), 15);
    QCOMPARE(pupils.at(0).surname, QStringLiteral("Novák"));
    QCOMPARE(pupils.at(0).className, QStringLiteral("3A"));
    QCOMPARE(pupils.at(0).entryText(), QStringLiteral("Novák; 3A"));
    QCOMPARE(pupils.at(1).entryText(), QStringLiteral("Novák; 4B"));
    QCOMPARE(pupils.at(2).entryText(), QStringLiteral("Čermák; 3A"));
    QCOMPARE(pupils.last().surname, QStringLiteral("Nový; st."));
    QCOMPARE(pupils.last().className, QStringLiteral("  2;C"));
    QCOMPARE(pupils.last().entryText(), QStringLiteral("Nový; st.;   2;C"));
}

void SchoolDatabaseTest::emptyPupilTableGivesEmptyList()
{
    const QString path = createDatabase();
    QVERIFY(!path.isEmpty());
    QVERIFY(SchoolDatabase(path).loadPupilList().pupils.isEmpty());
}

void SchoolDatabaseTest::nullFieldsReadAsEmptyAndZeroButNoSurnameIsLeftOut()
{
    // A school may have made its tables without the shipped constraints.
    const QString path = dir_.filePath(QStringLiteral("loose.db"));
    {
        const ScratchConnection db(path);
        QVERIFY(db.run(QStringLiteral(R"(CREATE TABLE "Zaci" ("Prijmeni", "Trida"))")));
        QVERIFY(db.run(QStringLiteral(
            R"(CREATE TABLE "Prehled " ("Prijmeni", "Trida", "Spravne", "Chybne", "CasStrt", )"
            R"("CasEnd", "Datum", "Prihlasenjako", "TypTesil"))")));
        QVERIFY(db.run(QStringLiteral(R"(INSERT INTO "Zaci" VALUES (NULL, NULL), ('Kos', NULL))")));
        QVERIFY(insertRow(db, QStringLiteral("Kos"), {}, {}, 4));
        QVERIFY(insertRow(db, QStringLiteral("Kos"), {}, 2, {}));
    }
    // Without a surname the result could not be stored: such a row is not offered.
    const PupilList list = SchoolDatabase(path).loadPupilList();
    QCOMPARE(list.withoutSurname, 1);
    QCOMPARE(list.pupils.size(), 1);
    QCOMPARE(list.pupils.at(0).entryText(), QStringLiteral("Kos; "));

    const RunTotals totals = SchoolDatabase(path).recordRunResult(
        schoolRun(QStringLiteral("Kos"), {}, 1, 1), summaryTime);
    QCOMPARE(totals.totalCorrect, 3);
    QCOMPARE(totals.totalWrong, 5);

    // A pupil whose rows hold nothing but Nulls totals to this run alone.
    const RunTotals first = SchoolDatabase(path).recordRunResult(
        schoolRun(QStringLiteral("Sýkora"), {}, 0, 0), summaryTime);
    QCOMPARE(first.totalCorrect, 0);
    QCOMPARE(first.totalWrong, 0);
}

void SchoolDatabaseTest::appendsOneRowWithAllNineFields()
{
    const QString path = createDatabase();
    QVERIFY(!path.isEmpty());
    // A run past midnight: the end's time of day is earlier than the start's.
    SchoolRun state = schoolRun(QStringLiteral("Čermák"), QStringLiteral("3A"), 3, 2);
    state.start = QTime(23, 58, 1);
    const QDateTime end(QDate(2026, 12, 6), QTime(0, 4, 9));

    const RunTotals totals = SchoolDatabase(path).recordRunResult(state, end);
    QCOMPARE(totals.totalCorrect, 3);
    QCOMPARE(totals.totalWrong, 2);

    const ScratchConnection db(path);
    QSqlQuery row(db.db());
    QVERIFY(row.exec(QStringLiteral(
        R"(SELECT "Prijmeni", "Trida", "Spravne", typeof("Spravne"), "Chybne", "CasStrt", )"
        R"("CasEnd", "Datum", "Prihlasenjako", "TypTesil", typeof("TypTesil") FROM "Prehled ")")));
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toString(), QStringLiteral("Čermák"));
    QCOMPARE(row.value(1).toString(), QStringLiteral("3A"));
    QCOMPARE(row.value(2).toInt(), 3);
    QCOMPARE(row.value(3).toString(), QStringLiteral("integer"));
    QCOMPARE(row.value(4).toInt(), 2);
    QCOMPARE(row.value(5).toString(), QStringLiteral("23:58:01"));
    QCOMPARE(row.value(6).toString(), QStringLiteral("00:04:09"));
    QCOMPARE(row.value(7).toString(), QStringLiteral("2026-12-06"));
    QCOMPARE(row.value(8).toString(), ::trimNameBuffer(readUserName()));
    QCOMPARE(row.value(9).toInt(), 1);
    QCOMPARE(row.value(10).toString(), QStringLiteral("integer"));
    QVERIFY(!row.next());
}

void SchoolDatabaseTest::totalsCoverOneExactSurnameAcrossClasses()
{
    const QString path = createDatabase();
    QVERIFY(!path.isEmpty());
    {
        const ScratchConnection db(path);
        QVERIFY(insertRow(db, QStringLiteral("Novák"), QStringLiteral("3A"), 6, 3));
        QVERIFY(insertRow(db, QStringLiteral("Novák"), QStringLiteral("3A"), 4, 2));
        QVERIFY(insertRow(db, QStringLiteral("Novák"), QStringLiteral("4B"), 2, 1));
        // Not the same surname: other case, trailing blank, decomposed accent, another pupil.
        QVERIFY(insertRow(db, QStringLiteral("novák"), QStringLiteral("3A"), 100, 100));
        QVERIFY(insertRow(db, QStringLiteral("NOVÁK"), QStringLiteral("3A"), 100, 100));
        QVERIFY(insertRow(db, QStringLiteral("Novák "), QStringLiteral("3A"), 100, 100));
        QVERIFY(insertRow(db, QStringLiteral("Nova\u0301k"), QStringLiteral("3A"), 100, 100));
        QVERIFY(insertRow(db, QStringLiteral("Novákova"), QStringLiteral("3A"), 100, 100));
    }
    const SchoolDatabase database(path);
    const RunTotals threeA = database.recordRunResult(
        schoolRun(QStringLiteral("Novák"), QStringLiteral("3A"), 3, 2), summaryTime);
    QCOMPARE(threeA.totalCorrect, 15);
    QCOMPARE(threeA.totalWrong, 8);
    // The other Novák shares the totals, this run's row included.
    const RunTotals fourB = database.recordRunResult(
        schoolRun(QStringLiteral("Novák"), QStringLiteral("4B"), 0, 1), summaryTime);
    QCOMPARE(fourB.totalCorrect, 15);
    QCOMPARE(fourB.totalWrong, 9);
    QCOMPARE(rowCount(path), 10);
}

void SchoolDatabaseTest::totalBeyondThirtyTwoBitsIsAnErrorAndStoresNothing()
{
    const QString path = createDatabase();
    QVERIFY(!path.isEmpty());
    {
        const ScratchConnection db(path);
        QVERIFY(insertRow(db, QStringLiteral("Kos"), QStringLiteral("3A"),
                          std::numeric_limits<std::int32_t>::max(), 0));
    }
    const QString message = messageOf([&] {
        SchoolDatabase(path).recordRunResult(schoolRun(QStringLiteral("Kos"), {}, 1, 0),
                                             summaryTime);
    });
    QVERIFY2(message.contains(path) && message.contains(QStringLiteral("„Kos“")),
             qPrintable(message));
    QCOMPARE(rowCount(path), 1);

    // Each total fits, their sum does not: refused before the row is kept, not a crash later.
    const QString sumMessage = messageOf([&] {
        SchoolDatabase(path).recordRunResult(schoolRun(QStringLiteral("Kos"), {}, 0, 1),
                                             summaryTime);
    });
    QVERIFY2(sumMessage.contains(QStringLiteral("větší, než program")), qPrintable(sumMessage));
    QCOMPARE(rowCount(path), 1);

    // A fraction is a wrong value, not a large one.
    {
        const ScratchConnection db(path);
        QVERIFY(insertRow(db, QStringLiteral("Sýkora"), QStringLiteral("3A"), 1.5, 0));
    }
    const QString fractionMessage = messageOf([&] {
        SchoolDatabase(path).recordRunResult(schoolRun(QStringLiteral("Sýkora"), {}, 1, 0),
                                             summaryTime);
    });
    QVERIFY2(fractionMessage.contains(QStringLiteral("„Spravne“")) &&
                 fractionMessage.contains(QStringLiteral("není celé číslo")),
             qPrintable(fractionMessage));
    QCOMPARE(rowCount(path), 2);
}

void SchoolDatabaseTest::answersAreStoredWithTheirRunOrNotAtAll()
{
    const QString path = createDatabase();
    QVERIFY(!path.isEmpty());
    const SchoolRun run =
        withAnswers(schoolRun(QStringLiteral("Čermák"), QStringLiteral("3A"), 2, 1));
    SchoolDatabase(path).recordRunResult(run, summaryTime);
    SchoolDatabase(path).recordRunResult(run, summaryTime);
    {
        const ScratchConnection db(path);
        QSqlQuery keys(db.db());
        QVERIFY(keys.exec(QStringLiteral(R"(SELECT "Klic" FROM "Prehled " ORDER BY rowid)")));
        QStringList runKeys;
        while (keys.next()) {
            runKeys << keys.value(0).toString();
            QVERIFY2(!QUuid::fromString(runKeys.last()).isNull(), qPrintable(runKeys.last()));
        }
        QCOMPARE(runKeys.size(), 2);
        QVERIFY(runKeys.at(0) != runKeys.at(1));

        QSqlQuery rows(db.db());
        QVERIFY(rows.prepare(QStringLiteral(R"(SELECT %1 FROM "Odpovedi" AS o WHERE o."Klic" = ? )"
                                            R"(AND o."Prijmeni" = 'Čermák' AND o."Trida" = '3A' )"
                                            R"(AND o."Datum" = '2026-12-05' AND )"
                                            R"(typeof(o."HodnotaA") = 'real' ORDER BY o."Poradi")")
                                 .arg(QLatin1String(answerFieldsSql))));
        rows.addBindValue(runKeys.at(1));
        QVERIFY(rows.exec());
        QCOMPARE(rowLines(rows, 11), answerLines(run.answers));

        // Refused once its answers are written (the totals do not fit), and refused halfway
        // through them: neither leaves its row or any answer.
        QVERIFY(insertRow(db, QStringLiteral("Kos"), QStringLiteral("3A"),
                          std::numeric_limits<std::int32_t>::max(), 0));
        QVERIFY(db.run(QStringLiteral(R"(CREATE TRIGGER "Odmitnuti" BEFORE INSERT ON "Odpovedi" )"
                                      R"(WHEN NEW."Prijmeni" = 'Novák' AND NEW."Poradi" = 2 )"
                                      R"(BEGIN SELECT RAISE(ABORT, 'odmítnuto'); END)")));
    }
    const QString tooLarge = messageOf([&] {
        SchoolDatabase(path).recordRunResult(
            withAnswers(schoolRun(QStringLiteral("Kos"), {}, 1, 1)), summaryTime);
    });
    QVERIFY2(tooLarge.contains(QStringLiteral("větší, než program")), qPrintable(tooLarge));
    const QString refused = messageOf([&] {
        SchoolDatabase(path).recordRunResult(
            withAnswers(schoolRun(QStringLiteral("Novák"), {}, 1, 2)), summaryTime);
    });
    QVERIFY2(refused.contains(QStringLiteral("odmítnuto")), qPrintable(refused));
    QCOMPARE(rowCount(path), 3);
    QCOMPARE(rowCount(path, QStringLiteral("Odpovedi")), 6);
}

void SchoolDatabaseTest::olderFileKeepsRunsAloneUntilTheTeacherOpensIt()
{
    // A file made before answers were kept: no "Odpovedi", no "Klic".
    const QString path = createDatabase(QStringLiteral("older.db"));
    QVERIFY(!path.isEmpty());
    {
        const ScratchConnection db(path);
        QVERIFY(db.run(QStringLiteral(R"(DROP TABLE "Odpovedi")")));
        QVERIFY(db.run(QStringLiteral(R"(ALTER TABLE "Prehled " DROP COLUMN "Klic")")));
    }
    const SchoolRun run = withAnswers(schoolRun(QStringLiteral("Kos"), QStringLiteral("3A"), 1, 1));
    QCOMPARE(SchoolDatabase(path).recordRunResult(run, summaryTime).totalCorrect, 1);
    {
        const ScratchConnection db(path);
        QCOMPARE(db.scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "sqlite_master" )"
                                          R"(WHERE "name" = 'Odpovedi')"))
                     .toInt(),
                 0);
    }
    QCOMPARE(rowCount(path), 1);

    // The teacher's program adds the field, the table and its indexes; the earlier run keeps
    // no key and no answers, the next one has both.
    (void)TeacherDatabase::open(DatabaseLocation::sqliteFile(path));
    (void)TeacherDatabase::open(DatabaseLocation::sqliteFile(path)); // and again changes nothing
    QCOMPARE(SchoolDatabase(path).recordRunResult(run, summaryTime).totalCorrect, 2);
    const ScratchConnection db(path);
    QCOMPARE(db.scalar(QStringLiteral(R"(SELECT group_concat("name", ' ') FROM )"
                                      R"((SELECT "name" FROM "sqlite_master" WHERE "type" = )"
                                      R"('index' AND "tbl_name" = 'Odpovedi' ORDER BY "name"))"))
                 .toString(),
             QStringLiteral("OdpovediKlic OdpovediTridaZak"));
    QCOMPARE(db.scalar(QStringLiteral(R"(SELECT group_concat(COALESCE(length("Klic"), 0), ' ') )"
                                      R"(FROM "Prehled ")"))
                 .toString(),
             QStringLiteral("0 36"));
    QCOMPARE(db.scalar(QStringLiteral(R"(SELECT COUNT(*) FROM "Odpovedi")")).toInt(), 2);
}

void SchoolDatabaseTest::brokenDatabaseIsAClearCzechError_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<bool>("storeFails"); // loading the list always fails
    QTest::newRow("not a database") << QString() << QStringLiteral("soubor není databáze") << true;
    QTest::newRow("no Zaci") << QStringLiteral(R"(DROP TABLE "Zaci")")
                             << QStringLiteral("chybí v ní tabulka „Zaci“") << false;
    QTest::newRow("no Prehled with its blank")
        << QStringLiteral(R"(ALTER TABLE "Prehled " RENAME TO "Prehled")")
        << QStringLiteral("chybí v ní tabulka „Prehled “") << true;
    QTest::newRow("a field missing")
        << QStringLiteral(R"(ALTER TABLE "Prehled " DROP COLUMN "Prihlasenjako")")
        << QStringLiteral("chybí v ní pole „Prihlasenjako“") << true;
    QTest::newRow("Prehled without Chybne")
        << QStringLiteral(R"(DROP INDEX "PrehledPrijmeni"; DROP INDEX "PrehledTridaZak"; )"
                          R"(DROP INDEX "PrehledDatumPocty"; DROP INDEX "PrehledUspesnost"; )"
                          R"(DROP TRIGGER "SouhrnPridani"; )"
                          R"(DROP TRIGGER "SouhrnSmazani"; DROP TRIGGER "SouhrnZmena"; )"
                          R"(ALTER TABLE "Prehled " DROP COLUMN "Chybne")")
        << QStringLiteral("chybí v ní pole „Chybne“") << true;
    QTest::newRow("Zaci without Trida")
        << QStringLiteral(R"(ALTER TABLE "Zaci" DROP COLUMN "Trida")")
        << QStringLiteral("chybí v ní pole „Trida“") << false;
}

void SchoolDatabaseTest::brokenDatabaseIsAClearCzechError()
{
    QFETCH(QString, setup);
    QFETCH(QString, cause);
    QFETCH(bool, storeFails);
    QString path;
    if (setup.isEmpty()) {
        path = dir_.filePath(QStringLiteral("notes.db"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
    } else {
        path = createDatabase(QStringLiteral("broken.db"));
        const ScratchConnection db(path);
        for (const QString &statement : splitSqlStatements(setup)) {
            QVERIFY(db.run(statement));
        }
    }
    const SchoolDatabase database(path);
    const QString listMessage = messageOf([&] { (void)database.loadPupilList(); });
    QVERIFY2(listMessage.startsWith(
                 QStringLiteral("Seznam žáků nelze načíst ze školní databáze „%1“: %2. (SQLite: ")
                     .arg(path, cause)),
             qPrintable(listMessage + QStringLiteral(" / ") + cause));
    if (storeFails) {
        const QString runMessage = messageOf([&] {
            database.recordRunResult(schoolRun(QStringLiteral("Kos"), {}, 1, 0), summaryTime);
        });
        QVERIFY2(runMessage.startsWith(
                     QStringLiteral("Výsledek nelze zapsat do školní databáze „%1“: %2.")
                         .arg(path, cause)),
                 qPrintable(runMessage));
    }
}

void SchoolDatabaseTest::missingFileIsNotCreated()
{
    const QTemporaryDir empty;
    QVERIFY(empty.isValid());
    const QString path = empty.filePath(QStringLiteral("gone.db"));
    const SchoolDatabase database(path);
    const QString listMessage = messageOf([&] { (void)database.loadPupilList(); });
    QVERIFY2(listMessage.startsWith(
                 QStringLiteral("Seznam žáků nelze načíst ze školní databáze „%1“: soubor "
                                "neexistuje nebo není dostupný.")
                     .arg(path)),
             qPrintable(listMessage));
    const QString runMessage = messageOf(
        [&] { database.recordRunResult(schoolRun(QStringLiteral("Kos"), {}, 1, 0), summaryTime); });
    QVERIFY2(runMessage.contains(QStringLiteral("neexistuje")), qPrintable(runMessage));
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(QDir(empty.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void SchoolDatabaseTest::pathWithUnusualCharactersOpens()
{
    // Characters a URI would otherwise read as its query, fragment or escapes.
    QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("Školní data ?#%20&")));
    const QString path = createDatabase(QStringLiteral("Školní data ?#%20&/výsledky #1?.db"), true);
    QVERIFY(!path.isEmpty());
    const SchoolDatabase database(path);
    QCOMPARE(database.loadPupilList().pupils.size(), 14);
    database.recordRunResult(schoolRun(QStringLiteral("Kos"), {}, 1, 0), summaryTime);
    QCOMPARE(rowCount(path), 1);
    // Nothing was made beside it under a half-read name.
    QCOMPARE(QDir(dir_.filePath(QStringLiteral("Školní data ?#%20&")))
                 .entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QStringLiteral("výsledky #1?.db")});
}

void SchoolDatabaseTest::lockHeldTooLongIsAnErrorAndStoresNothing()
{
    const QString path = createDatabase(QStringLiteral("locked.db"), true);
    QVERIFY(!path.isEmpty());
    SchoolDatabase database(path);
    database.setBusyTimeout(std::chrono::milliseconds(300));
    {
        const ScratchConnection other(path, QStringLiteral("other machine"));
        QVERIFY(other.run(QStringLiteral("BEGIN EXCLUSIVE")));
        QElapsedTimer waited;
        waited.start();
        const QString message = messageOf([&] {
            database.recordRunResult(schoolRun(QStringLiteral("Kos"), {}, 1, 0), summaryTime);
        });
        QVERIFY(waited.elapsed() >= 250);
        QVERIFY2(message.contains(QStringLiteral("zamčený")), qPrintable(message));
        QVERIFY(
            messageOf([&] { (void)database.loadPupilList(); }).contains(QStringLiteral("zamčený")));
        QVERIFY(other.run(QStringLiteral("ROLLBACK")));
    }
    QCOMPARE(rowCount(path), 0);
    database.recordRunResult(schoolRun(QStringLiteral("Kos"), {}, 1, 0), summaryTime);
    QCOMPARE(rowCount(path), 1);
}

void SchoolDatabaseTest::concurrentAppendsFromSeveralProcessesAllLand()
{
    constexpr int processes = 6;
    constexpr int appends = 50;
    const QString path = createDatabase(QStringLiteral("shared.db"));
    QVERIFY(!path.isEmpty());

    std::vector<std::unique_ptr<QProcess>> workers;
    for (int i = 0; i < processes; ++i) {
        auto worker = std::make_unique<QProcess>();
        worker->setProgram(QCoreApplication::applicationFilePath());
        worker->setArguments({QStringLiteral("--append-worker"), path,
                              QStringLiteral("Žák %1").arg(i), QString::number(appends)});
        workers.push_back(std::move(worker));
    }
    for (auto &worker : workers) {
        worker->start();
    }
    for (auto &worker : workers) {
        QVERIFY(worker->waitForFinished(240000));
    }
    for (auto &worker : workers) {
        QVERIFY2(worker->exitStatus() == QProcess::NormalExit && worker->exitCode() == 0,
                 worker->readAllStandardError().constData());
        // Each worker's last totals are exactly its own rows.
        QCOMPARE(worker->readAllStandardOutput().trimmed(), QByteArray("50 0"));
    }
    QCOMPARE(rowCount(path), processes * appends);
}

void SchoolDatabaseTest::totalsAreAnsweredFromTheIndex()
{
    const QString path = createDatabase();
    QVERIFY(!path.isEmpty());
    const ScratchConnection db(path);
    QSqlQuery plan(db.db());
    QVERIFY(plan.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") +
                         QString::fromUtf8(schoolsql::selectTotals)));
    plan.addBindValue(QStringLiteral("Novák"));
    QVERIFY(plan.exec());
    QStringList steps;
    while (plan.next()) {
        steps.append(plan.value(3).toString());
    }
    QVERIFY2(steps.join(u'|').contains(QStringLiteral("USING COVERING INDEX")),
             qPrintable(steps.join(u'|')));
}

void SchoolDatabaseTest::schoolCreatesTheDatabaseWithSqlite3()
{
    const QString sqlite3 = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (sqlite3.isEmpty()) {
        QSKIP("the sqlite3 command is not installed");
    }
    const QString path = dir_.filePath(QStringLiteral("cli.db"));
    for (const QString &file :
         {QStringLiteral("schema.sql"), QStringLiteral("sample-pupils.sql")}) {
        QProcess process;
        process.setStandardInputFile(databaseSources + u'/' + file);
        process.start(sqlite3, {QStringLiteral("-bail"), path});
        QVERIFY(process.waitForFinished(30000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    }
    const QList<PupilProfile> pupils = SchoolDatabase(path).loadPupilList().pupils;
    QCOMPARE(pupils.size(), 14);
    QCOMPARE(pupils.at(3).entryText(), QStringLiteral("Cibulka; 3B"));
    {
        const ScratchConnection db(path);
        QCOMPARE(db.scalar(QStringLiteral("PRAGMA journal_mode")).toString(),
                 QStringLiteral("delete"));
    }
}

void SchoolDatabaseTest::unscrambleLowersEveryWindows1250Code()
{
    QCOMPARE(unscrambleString(QByteArrayView("0tsw0uftjm")), QStringLiteral("/srv/tesil"));
    // Windows-1250: Č 0xC8, š 0x9A, ů 0xF9, each stored one higher.
    QCOMPARE(unscrambleString(QByteArrayView("\xC9\x9B\xFA", 3)), QStringLiteral("Čšů"));
    QCOMPARE(unscrambleString(QByteArrayView()), QString());
    QCOMPARE(schoolDatabasePath(), QString::fromUtf8(TESILKA_EXPECTED_DATABASE_PATH));
}

void SchoolDatabaseTest::trimNameBuffer_data()
{
    QTest::addColumn<QString>("buffer");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("jan") << nameBuffer(QStringLiteral("jan")) << QStringLiteral("jan");
    QTest::newRow("a name of 127 characters")
        << nameBuffer(QString(127, u'x')) << QString(127, u'x');
    QTest::newRow("too long: the buffer stays blank")
        << nameBuffer(QString(128, u'x')) << QString();
    QTest::newRow("last character dropped whatever it is")
        << QStringLiteral("abc") << QStringLiteral("ab");
    QTest::newRow("inner blank kept")
        << QStringLiteral("jan novak  ") << QStringLiteral("jan novak");
    QTest::newRow("NULs and blanks")
        << QString::fromUtf16(u"jan\0 \0 x", 8) << QStringLiteral("jan");
    QTest::newRow("one character") << QStringLiteral("j") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void SchoolDatabaseTest::trimNameBuffer()
{
    QFETCH(QString, buffer);
    QFETCH(QString, trimmed);
    QCOMPARE(::trimNameBuffer(buffer), trimmed);
}

void SchoolDatabaseTest::readUserNameGivesTheProcessUser()
{
    const QString buffer = readUserName();
    QCOMPARE(buffer.size(), userNameBufferLength);
    const QString name = ::trimNameBuffer(buffer);
    QVERIFY(!name.isEmpty());
    QCOMPARE(buffer.at(name.size()), QChar(u'\0'));
    QCOMPARE(buffer.mid(name.size() + 1), QString(userNameBufferLength - name.size() - 1, u' '));
    QProcess id;
    id.start(QStringLiteral("id"), {QStringLiteral("-un")});
    if (id.waitForFinished(10000) && id.exitCode() == 0) {
        QCOMPARE(name, QString::fromLocal8Bit(id.readAllStandardOutput().trimmed()));
    }
}

void SchoolDatabaseTest::fileExistsForFileAndFolder()
{
    const QString file = dir_.filePath(QStringLiteral("soubor.db"));
    QFile created(file);
    QVERIFY(created.open(QIODevice::WriteOnly));
    created.close();
    QVERIFY(fileExists(file));
    QVERIFY(fileExists(dir_.path()));
    QVERIFY(!fileExists(dir_.filePath(QStringLiteral("nic.db"))));
    QVERIFY(!fileExists(QString()));
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "--append-worker") == 0) {
        return runAppendWorker(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                               QString::fromLocal8Bit(argv[4]).toInt());
    }
    SchoolDatabaseTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_schooldatabase.moc"
