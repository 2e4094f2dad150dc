// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/teacherdatabase.h"
#include "support/testserver.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include <memory>

// A school database with hand-counted runs, written as the pupil's program and the reports
// page write them:
//   3A  Novák   2.3.2026 (7 right, 3 wrong); 4.3. 23:50 to 5.3. 00:10 (4, 4); e-mail 5.3. (5, 5)
//   3A  Černá   28.2.2026 (5, 0)
//   3A  Eva Malá  e-mail 1.3.2026 (5, 5): exactly 50 %
//   4B  Novák   9.3.2026 (1, 9): the namesake in another class
//   5C  Hruška "Béďa", Chalupa, =1+1   3.3.2026
// Every pupil is on the class list, and each e-mailed report is assigned to its pupil.
// With TESILKA_TEST_ENGINE=postgresql the same rows go to a new database on the test run's
// server, opened with a teacher's login; `path` is then not used.
inline std::unique_ptr<TeacherDatabase> createResultsFixture(const QString &path)
{
    std::unique_ptr<TeacherDatabase> database;
    if (qEnvironmentVariable("TESILKA_TEST_ENGINE") == QLatin1String("postgresql")) {
        QString error;
        const QString name = testserver::createDatabase(error);
        if (name.isEmpty()) {
            qFatal("%s", qPrintable(error));
        }
        database = TeacherDatabase::open(testserver::location(name, QStringLiteral("ucitel")));
    } else {
        database = TeacherDatabase::create(DatabaseLocation::sqliteFile(path), false);
    }
    QSqlQuery query(database->connection());
    const auto run = [&](const char *surname, const char *className, int right, int wrong,
                         const char *start, const char *end, const char *day) {
        query.prepare(QStringLiteral(
            R"(INSERT INTO "Prehled " ("Prijmeni", "Trida", "Spravne", "Chybne", "CasStrt", )"
            R"("CasEnd", "Datum", "Prihlasenjako", "TypTesil") VALUES (?, ?, ?, ?, ?, ?, ?, 'zak', 1))"));
        for (const QVariant &value :
             {QVariant(QString::fromUtf8(surname)), QVariant(QString::fromUtf8(className)),
              QVariant(right), QVariant(wrong), QVariant(QString::fromUtf8(start)),
              QVariant(QString::fromUtf8(end)), QVariant(QString::fromUtf8(day))}) {
            query.addBindValue(value);
        }
        if (!query.exec()) {
            qFatal("%s", qPrintable(query.lastError().text()));
        }
    };
    const auto mail = [&](const char *student, const char *className, int right, int wrong,
                          const char *from, const char *to, const char *pupil) {
        query.prepare(QStringLiteral(
            R"(INSERT INTO "Zpravy" ("Student", "Trida", "Od", "Do", "Odpovedi", "Spravne", )"
            R"("Chybne", "Text", "Blok", "Puvodni", "Vlozeno", "ZakPrijmeni", "ZakTrida") )"
            R"(VALUES (?, ?, ?, ?, ?, ?, ?, 't', ?, 'b', '2026-03-10 12:00:00', ?, '3A'))"));
        for (const QVariant &value :
             {QVariant(QString::fromUtf8(student)), QVariant(QString::fromUtf8(className)),
              QVariant(QString::fromUtf8(from)), QVariant(QString::fromUtf8(to)),
              QVariant(right + wrong), QVariant(right), QVariant(wrong),
              QVariant(QString::fromUtf8(student) + QString::fromUtf8(to)),
              QVariant(QString::fromUtf8(pupil))}) {
            query.addBindValue(value);
        }
        if (!query.exec()) {
            qFatal("%s", qPrintable(query.lastError().text()));
        }
    };
    run("Novák", "3A", 7, 3, "08:00:00", "08:20:00", "2026-03-02");
    run("Novák", "3A", 4, 4, "23:50:00", "00:10:00", "2026-03-05");
    run("Černá", "3A", 5, 0, "09:00:00", "09:10:00", "2026-02-28");
    run("Novák", "4B", 1, 9, "10:00:00", "10:30:00", "2026-03-09");
    run("Hruška \"Béďa\"", "5C", 2, 1, "10:00:00", "10:15:00", "2026-03-03");
    run("Chalupa", "5C", 0, 0, "11:00:00", "11:10:00", "2026-03-03");
    run("=1+1", "5C", 1, 0, "09:00:00", "09:05:00", "2026-03-03");
    mail("Jan Novák", "3a", 5, 5, "2026-03-05 10:00", "2026-03-05 10:30", "Novák");
    mail("Eva Malá", "3A", 5, 5, "2026-03-01 09:00", "2026-03-01 09:20", "Eva Malá");
    for (const auto &[surname, className] :
         {std::pair("Novák", "3A"), std::pair("Černá", "3A"), std::pair("Eva Malá", "3A"),
          std::pair("Novák", "4B"), std::pair("Hruška \"Béďa\"", "5C"), std::pair("Chalupa", "5C"),
          std::pair("=1+1", "5C")}) {
        database->addPupil(QString::fromUtf8(surname), QString::fromUtf8(className));
    }
    return database;
}

// The export of class 5C, byte for byte: newest first, a formula neutralised, quotes doubled,
// no success without answers.
inline QByteArray class5cCsv()
{
    return QByteArrayLiteral("\xEF\xBB\xBF") +
           QStringLiteral("Datum;Začátek;Konec;Žák;Třída;Odpovědi;Správně;Chybně;Úspěšnost (%);"
                          "Zdroj;Jméno ve zprávě;Třída ve zprávě\r\n"
                          "3.3.2026;11:00:00;11:10:00;Chalupa;5C;0;0;0;;škola;;\r\n"
                          "3.3.2026;10:00:00;10:15:00;\"Hruška \"\"Béďa\"\"\";5C;3;2;1;66,67;"
                          "škola;;\r\n"
                          "3.3.2026;09:00:00;09:05:00;'=1+1;5C;1;1;0;100,00;škola;;\r\n")
               .toUtf8();
}
