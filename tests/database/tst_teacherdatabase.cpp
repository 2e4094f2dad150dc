// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/teacherdatabase.h"

#include "results/reportdecoder.h"
#include "support/reportblocks.h"
#include "teacher/reportstore.h"

#include "support/sqlscript.h"

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <utility>

// The teacher's data layer against real SQLite files.
class TeacherDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void createsTheSchoolSchemaAndRefusesToOverwrite();
    void refusesFilesThatAreNoSchoolDatabase_data();
    void refusesFilesThatAreNoSchoolDatabase();
    void addsTheReportsTableToAnOlderFile();
    void storesEachBlockOnce();
    void linksReportsToPupilsAndKeepsTheTeachersChoice();
    void olderReportsGetTheirPupilsWhenOpened();
    void keepsPupilsInCzechOrder();
    void importSkipsPupilsAlreadyStoredAndRollsBackOnFailure();
    void refusesPupilsWithoutAClass();
    void opensAFileThatCannotBeWrittenToBeRead();
    void cleanup();

private:
    [[nodiscard]] QString path(const QString &name) const { return dir_.filePath(name); }
    // Makes the file read-only for whoever runs the suite, root too; false when it cannot.
    bool makeReadOnly(const QString &file);
    QStringList immutable_; // files made immutable, made writable again in cleanup()
    QTemporaryDir dir_;
};

namespace {
DatabaseLocation at(const QString &path)
{
    return DatabaseLocation::sqliteFile(path);
}

QString failureOf(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const DatabaseError &error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// The file that the pupil's program used before the reports table existed.
void createOldSchoolFile(const QString &file)
{
    const ScratchConnection db(file, QStringLiteral("old"));
    db.run(
        QStringLiteral(R"(CREATE TABLE "Zaci" ("Prijmeni" TEXT NOT NULL, "Trida" TEXT NOT NULL))"));
    db.run(QStringLiteral(
        R"(CREATE TABLE "Prehled " ("Prijmeni" TEXT NOT NULL, "Trida", "Spravne", "Chybne", )"
        R"("CasStrt", "CasEnd", "Datum", "Prihlasenjako", "TypTesil"))"));
}
} // namespace

bool TeacherDatabaseTest::makeReadOnly(const QString &file)
{
    QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadOther);
    if (!QFileInfo(file).isWritable()) {
        return true;
    }
    // Root writes past the permission bits, but not into an immutable file.
    if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), file}) != 0) {
        return false;
    }
    immutable_ << file;
    QFile probe(file);
    return !probe.open(QIODevice::ReadWrite);
}

void TeacherDatabaseTest::cleanup()
{
    for (const QString &file : std::exchange(immutable_, {})) {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), file});
    }
    QCOMPARE(QSqlDatabase::connectionNames(), QStringList());
}

void TeacherDatabaseTest::createsTheSchoolSchemaAndRefusesToOverwrite()
{
    const QString file = path(QStringLiteral("nova.db"));
    {
        const auto database = TeacherDatabase::create(at(file), false);
        QVERIFY(!database->addedReportsTable());
        QCOMPARE(database->pupils().size(), 0);
        database->addPupil(QStringLiteral("Novák"), QStringLiteral("3A"));
    }
    // The pupil's program reads the new file as it reads one made with sqlite3.
    QCOMPARE(SchoolDatabase(file).loadPupilList().pupils.size(), 1);
    QVERIFY(QFile::permissions(file).testFlag(QFile::WriteOther));

    const QByteArray before = contents(file);
    const QString refused = failureOf([&] { TeacherDatabase::create(at(file), false); });
    QVERIFY2(refused.contains(QStringLiteral("soubor už existuje")), qPrintable(refused));
    QCOMPARE(contents(file), before);
    // Replacing is what the teacher confirmed in the dialog: an empty database again.
    QCOMPARE(TeacherDatabase::create(at(file), true)->pupils().size(), 0);
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("nova.db")});
}

void TeacherDatabaseTest::refusesFilesThatAreNoSchoolDatabase_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("cause");
    QTest::newRow("missing") << "missing"
                             << "soubor neexistuje";
    QTest::newRow("text file") << "text"
                               << "soubor není databáze";
    QTest::newRow("other tables") << "tables"
                                  << "chybí v ní tabulka „Zaci“";
    QTest::newRow("field missing") << "field"
                                   << "chybí v ní pole „Datum“";
    // Read-only and older: it cannot get the reports table.
    QTest::newRow("read-only") << "readonly"
                               << "databáze je otevřená jen pro čtení a je starší verze";
    QTest::newRow("locked") << "locked"
                            << "zamčený";
}

void TeacherDatabaseTest::refusesFilesThatAreNoSchoolDatabase()
{
    QFETCH(QString, kind);
    QFETCH(QString, cause);
    const QString file = path(kind + QStringLiteral(".db"));
    std::unique_ptr<ScratchConnection> holder;
    if (kind == QLatin1String("text")) {
        QFile text(file);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(QByteArray("Prijmeni;Trida\nNovák;3A\n").repeated(100));
    } else if (kind == QLatin1String("tables")) {
        const ScratchConnection db(file);
        QVERIFY(db.run(QStringLiteral("CREATE TABLE Ziaci (Jmeno TEXT)")));
    } else if (kind == QLatin1String("field")) {
        const ScratchConnection db(file);
        QVERIFY(db.run(QStringLiteral(R"(CREATE TABLE "Zaci" ("Prijmeni", "Trida"))")));
        QVERIFY(db.run(QStringLiteral(R"(CREATE TABLE "Prehled " ("Prijmeni", "Trida", )"
                                      R"("Spravne", "Chybne", "CasStrt", "CasEnd", )"
                                      R"("Prihlasenjako", "TypTesil"))")));
    } else if (kind != QLatin1String("missing")) {
        createOldSchoolFile(file);
        if (kind == QLatin1String("readonly")) {
            if (!makeReadOnly(file)) {
                QSKIP("this file system cannot make a file read-only for root (chattr +i)");
            }
        } else {
            holder = std::make_unique<ScratchConnection>(file, QStringLiteral("holder"));
            QVERIFY(holder->run(QStringLiteral("BEGIN EXCLUSIVE")));
        }
    }
    const QByteArray before = contents(file);
    const QString failure = failureOf([&] { TeacherDatabase::open(at(file)); });
    QVERIFY2(failure.startsWith(QStringLiteral("Databázi „%1“ nelze otevřít").arg(file)),
             qPrintable(failure));
    QVERIFY2(failure.contains(cause), qPrintable(failure));
    holder.reset();
    QCOMPARE(contents(file), before);
}

void TeacherDatabaseTest::addsTheReportsTableToAnOlderFile()
{
    const QString file = path(QStringLiteral("old.db"));
    createOldSchoolFile(file);
    QVERIFY(TeacherDatabase::open(at(file))->addedReportsTable());
    const auto again = TeacherDatabase::open(at(file));
    QVERIFY(!again->addedReportsTable());
    QCOMPARE(again->storedReportCount(), 0);
}

void TeacherDatabaseTest::storesEachBlockOnce()
{
    const QString file = path(QStringLiteral("reports.db"));
    const auto database = TeacherDatabase::create(at(file), false);
    const QString first =
        pupilReportBlock(QStringLiteral("Jana Dvořáková"), QStringLiteral("8.B"), 7, 2);
    const QString second =
        pupilReportBlock(QStringLiteral("Petr Šťastný"), QStringLiteral("8.B"), 3, 0, 12);
    // The first block again, as a mail program quotes it in a reply.
    const QString quoted = QStringLiteral("> ") +
                           QString(first).replace(QStringLiteral("\r\n"), QStringLiteral("\n> "));
    const QList<DecodedReport> mail = findReportBlocks(first + QStringLiteral("\nDobrý den,\n") +
                                                       damagedBlock(second) + u'\n' + second);
    QCOMPARE(mail.size(), 3);
    const QDateTime now(QDate(2026, 12, 8), QTime(7, 30));

    const ReportStoreResult stored = storeDecodedReports(*database, mail, now);
    QCOMPARE(stored.added, 2);
    QCOMPARE(stored.alreadyStored, 0);
    QCOMPARE(stored.notReports, 1);
    const ReportStoreResult again = storeDecodedReports(*database, findReportBlocks(quoted), now);
    QCOMPARE(again.added, 0);
    QCOMPARE(again.alreadyStored, 1);
    QCOMPARE(database->storedReportCount(), 2);

    QSqlQuery row(database->connection());
    QVERIFY(row.exec(QStringLiteral(R"(SELECT "Student", "Trida", "Od", "Do", "Odpovedi", )"
                                    R"("Spravne", "Chybne", "Puvodni", "Vlozeno" FROM "Zpravy" )"
                                    R"(ORDER BY rowid)")));
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toString(), QStringLiteral("Jana Dvořáková"));
    QCOMPARE(row.value(1).toString(), QStringLiteral("8.B"));
    QCOMPARE(row.value(2).toString(), QStringLiteral("2026-12-07 09:55"));
    QCOMPARE(row.value(3).toString(), QStringLiteral("2026-12-07 10:20"));
    QCOMPARE(row.value(4).toInt(), 9);
    QCOMPARE(row.value(5).toInt(), 7);
    QCOMPARE(row.value(6).toInt(), 2);
    QCOMPARE(row.value(7).toString(), mail.at(0).originalText);
    QCOMPARE(row.value(8).toString(), QStringLiteral("2026-12-08 07:30:00"));
}

void TeacherDatabaseTest::linksReportsToPupilsAndKeepsTheTeachersChoice()
{
    const auto database = TeacherDatabase::create(at(path(QStringLiteral("linked.db"))), false);
    database->addPupil(QStringLiteral("Řezníček"), QStringLiteral("4.B"));
    database->addPupil(QStringLiteral("Novák"), QStringLiteral("3.A"));
    database->addPupil(QStringLiteral("Novák"), QStringLiteral("3.B"));
    const QString mail =
        pupilReportBlock(QStringLiteral("Řezníček Šimon"), QStringLiteral("4.B"), 5, 5) + u'\n' +
        pupilReportBlock(QStringLiteral("jan novak"), QStringLiteral("3a"), 5, 1, 12) + u'\n' +
        pupilReportBlock(QStringLiteral("Nowák"), QStringLiteral("3.A"), 2, 2, 40);
    const QList<DecodedReport> reports = findReportBlocks(mail);
    const QDateTime now(QDate(2026, 12, 8), QTime(7, 30));
    const ReportStoreResult stored = storeDecodedReports(*database, reports, now);
    QCOMPARE(stored.linked, 2);
    QCOMPARE(stored.unassigned, 1);
    const QStringList blocks{reports.at(0).canonicalBlock, reports.at(1).canonicalBlock,
                             reports.at(2).canonicalBlock};
    const auto owner = [&](int report) {
        const ReportAssignment found = database->reportAssignments(blocks).value(blocks[report]);
        return found.surname + u'|' + found.className + (found.byTeacher ? u'!' : u' ');
    };
    QCOMPARE(owner(0), QStringLiteral("Řezníček|4.B "));
    QCOMPARE(owner(1), QStringLiteral("Novák|3.A "));
    QCOMPARE(owner(2), QStringLiteral("|3.A ")); // one letter wrong: the class only

    // The teacher decides: the misspelt one is Novák's, the second one nobody's.
    QCOMPARE(database->assignReports({blocks[2]}, QStringLiteral("Novák"), QStringLiteral("3.A")),
             1);
    QCOMPARE(database->assignReports({blocks[1]}, {}, {}), 1);
    QVERIFY(!failureOf([&] {
                 (void)database->assignReports({blocks[0]}, QStringLiteral("Nikdo"),
                                               QStringLiteral("3.A"));
             }).isEmpty());
    // Stored again and matched again: the teacher's choices stand.
    const ReportStoreResult again = storeDecodedReports(*database, reports, now);
    QCOMPARE(again.alreadyStored, 3);
    QCOMPARE(linkUnassignedReports(*database), 0);
    QCOMPARE(owner(1), QStringLiteral("|3.A!"));
    QCOMPARE(owner(2), QStringLiteral("Novák|3.A!"));

    // A pupil renamed takes the report along; a pupil deleted leaves it to nobody, to be
    // matched again.
    const PupilRecord reznicek = database->pupils().value(2);
    QCOMPARE(reznicek.surname, QStringLiteral("Řezníček"));
    database->updatePupil({reznicek.key, QStringLiteral("Řezníček Šimon"), reznicek.className});
    QCOMPARE(owner(0), QStringLiteral("Řezníček Šimon|4.B "));
    database->deletePupil(reznicek.key);
    QCOMPARE(owner(0), QStringLiteral("|4.B "));
    database->addPupil(QStringLiteral("Řezníček"), QStringLiteral("4.B"));
    QCOMPARE(linkUnassignedReports(*database), 1);
    QCOMPARE(owner(0), QStringLiteral("Řezníček|4.B "));

    QCOMPARE(database->deleteReports({blocks[0], blocks[0]}), 1);
    QCOMPARE(database->storedReportCount(), 2);
}

void TeacherDatabaseTest::olderReportsGetTheirPupilsWhenOpened()
{
    // A file whose reports were stored before they could belong to a pupil.
    const QString file = path(QStringLiteral("before.db"));
    createOldSchoolFile(file);
    const DecodedReport report = decodeReportBlock(
        pupilReportBlock(QStringLiteral("Eva Malá"), QStringLiteral("8.b"), 1, 1));
    {
        const ScratchConnection db(file, QStringLiteral("before"));
        QVERIFY(db.run(QStringLiteral(
            R"(CREATE TABLE "Zpravy" ("Student" TEXT NOT NULL, "Trida" TEXT NOT NULL, "Od", )"
            R"("Do", "Odpovedi" NOT NULL, "Spravne" NOT NULL, "Chybne" NOT NULL, )"
            R"("Text" NOT NULL, "Blok" TEXT NOT NULL UNIQUE, "Puvodni" NOT NULL, )"
            R"("Vlozeno" NOT NULL))")));
        QVERIFY(db.run(QStringLiteral(R"(INSERT INTO "Zaci" VALUES ('Malá', '8.B'))")));
        QVERIFY(db.run(QStringLiteral(R"(INSERT INTO "Zpravy" VALUES ('Eva Malá', '8.b', NULL, )"
                                      R"(NULL, 2, 1, 1, 't', '%1', 'b', '2026-01-01 00:00:00'))")
                           .arg(report.canonicalBlock)));
    }
    std::unique_ptr<TeacherDatabase> database;
    QCOMPARE(failureOf([&] { database = TeacherDatabase::open(at(file)); }), QString());
    QVERIFY(database->addedReportFields());
    QCOMPARE(linkUnassignedReports(*database), 1);
    QCOMPARE(
        database->reportAssignments({report.canonicalBlock}).value(report.canonicalBlock).surname,
        QStringLiteral("Malá"));
    QVERIFY(!TeacherDatabase::open(at(file))->addedReportFields());
}

void TeacherDatabaseTest::keepsPupilsInCzechOrder()
{
    const auto database = TeacherDatabase::create(at(path(QStringLiteral("order.db"))), false);
    for (const char *surname : {"Chalupa", "Čech", "Hora", "Cibulka", "Ing"}) {
        database->addPupil(QString::fromUtf8(surname), QStringLiteral("3A"));
    }
    const qint64 key = database->addPupil(QStringLiteral("Novák"), QStringLiteral("3A"));
    const QString twice =
        failureOf([&] { database->addPupil(QStringLiteral("Novák"), QStringLiteral("3A")); });
    QVERIFY2(twice.contains(QStringLiteral("už v databázi je")), qPrintable(twice));
    database->updatePupil({key, QStringLiteral("Nováková"), QStringLiteral("4B")});
    QStringList order;
    for (const PupilRecord &pupil : database->pupils()) {
        order.append(pupil.surname + u' ' + pupil.className);
    }
    QCOMPARE(order, QStringList({"Cibulka 3A", "Čech 3A", "Hora 3A", "Chalupa 3A", "Ing 3A",
                                 "Nováková 4B"}));
    database->deletePupil(key);
    QCOMPARE(database->pupils().size(), 5);
    const QString gone = failureOf([&] {
        database->updatePupil({key, QStringLiteral("X"), QStringLiteral("4B")});
    });
    QVERIFY2(gone.contains(QStringLiteral("už v databázi není")), qPrintable(gone));
}

void TeacherDatabaseTest::importSkipsPupilsAlreadyStoredAndRollsBackOnFailure()
{
    const auto database = TeacherDatabase::create(at(path(QStringLiteral("import.db"))), false);
    database->addPupil(QStringLiteral("Novák"), QStringLiteral("3A"));
    const QList<NewPupil> rows{{2, QStringLiteral("Černá"), QStringLiteral("3A")},
                               {3, QStringLiteral("Novák"), QStringLiteral("3A")},
                               {4, QStringLiteral("Novák"), QStringLiteral("3B")}};
    const QList<LineIssue> foreseen = database->pupilsAlreadyStored(rows);
    QCOMPARE(foreseen.size(), 1);
    QCOMPARE(foreseen.at(0).line, 3);

    const PupilImportResult result = database->importPupils(rows);
    QCOMPARE(result.added, 2);
    QCOMPARE(result.skipped.size(), 1);
    QCOMPARE(result.skipped.at(0).line, 3);
    QCOMPARE(database->pupils().size(), 3);

    // A failure in the middle (here a school's own trigger) leaves the table as it was.
    {
        QSqlQuery trigger(database->connection());
        QVERIFY(trigger.exec(QStringLiteral(
            R"(CREATE TRIGGER "ne" BEFORE INSERT ON "Zaci" WHEN NEW."Prijmeni" = 'Zákaz' )"
            R"(BEGIN SELECT RAISE(ABORT, 'zakázáno'); END)")));
    }
    const QString failure = failureOf([&] {
        database->importPupils({{2, QStringLiteral("Malá"), QStringLiteral("1A")},
                                {3, QStringLiteral("Zákaz"), QStringLiteral("1A")}});
    });
    QVERIFY2(failure.contains(QStringLiteral("Databáze zůstala beze změny")), qPrintable(failure));
    QCOMPARE(database->pupils().size(), 3);
}

void TeacherDatabaseTest::refusesPupilsWithoutAClass()
{
    const auto database = TeacherDatabase::create(at(path(QStringLiteral("class.db"))), false);
    const qint64 key = database->addPupil(QStringLiteral("Novák"), QStringLiteral("3A"));
    const QString added =
        failureOf([&] { database->addPupil(QStringLiteral("Černá"), QStringLiteral(" ")); });
    QVERIFY2(added.contains(QStringLiteral("třída chybí")), qPrintable(added));
    const QString changed = failureOf([&] {
        database->updatePupil({key, QStringLiteral("Novák"), QString()});
    });
    QVERIFY2(changed.contains(QStringLiteral("třída chybí")), qPrintable(changed));
    // One row without a class refuses the whole list, in words, not in SQL.
    const QString imported = failureOf([&] {
        database->importPupils({{2, QStringLiteral("Malá"), QStringLiteral("1A")},
                                {3, QStringLiteral("Velká"), QString()}});
    });
    QVERIFY2(imported.contains(QStringLiteral("na řádku 3 chybí třída")), qPrintable(imported));
    QCOMPARE(database->pupils().size(), 1);
    QCOMPARE(database->pupils().at(0).className, QStringLiteral("3A"));
}

void TeacherDatabaseTest::opensAFileThatCannotBeWrittenToBeRead()
{
    const QString file = path(QStringLiteral("jen-cteni.db"));
    {
        const auto database = TeacherDatabase::create(at(file), false);
        QVERIFY(!database->isReadOnly());
        database->addPupil(QStringLiteral("Novák"), QStringLiteral("3A"));
    }
    if (!makeReadOnly(file)) {
        QSKIP("this file system cannot make a file read-only for root (chattr +i)");
    }
    const QByteArray before = contents(file);
    {
        const auto database = TeacherDatabase::open(at(file));
        QVERIFY(database->isReadOnly());
        QCOMPARE(database->pupils().size(), 1);
        QCOMPARE(database->storedReportCount(), 0);
        // The matching on opening leaves it alone rather than failing.
        QCOMPARE(database->linkReports(
                     {{QStringLiteral("blok"), QStringLiteral("Novák"), QStringLiteral("3A")}}),
                 0);
        ReportRow report;
        report.student = QStringLiteral("Jan Novák");
        report.canonicalBlock = QStringLiteral("blok");
        const QList<std::function<void()>> writes{
            [&] { database->addPupil(QStringLiteral("Černá"), QStringLiteral("3A")); },
            [&] { database->storeReports({report}, QDateTime::currentDateTime()); },
            [&] {
                database->importPupils({{1, QStringLiteral("Malá"), QStringLiteral("3A")}});
            },
            [&] { database->deletePupil(database->pupils().first().key); },
            [&] { database->deleteReports({QStringLiteral("blok")}); }};
        for (const auto &write : writes) {
            const QString failure = failureOf(write);
            QVERIFY2(failure.contains(QStringLiteral("databáze je otevřená jen pro čtení")),
                     qPrintable(failure));
        }
    }
    QCOMPARE(contents(file), before);
}

QTEST_GUILESS_MAIN(TeacherDatabaseTest)
#include "tst_teacherdatabase.moc"
