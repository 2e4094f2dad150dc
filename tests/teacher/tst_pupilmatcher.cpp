// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/pupilmatcher.h"

#include <QTest>

class TestPupilMatcher : public QObject
{
    Q_OBJECT

private slots:
    void match_data();
    void match();
};

void TestPupilMatcher::match_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<qsizetype>("expected");

    // Indexes refer to the list in match().
    QTest::newRow("first name first") << "Jan Novák"
                                      << "3. A" << qsizetype(0);
    QTest::newRow("surname first, lower case") << "novák jan"
                                               << " 3.a " << qsizetype(0);
    QTest::newRow("capitals, no diacritics") << "NOVAK Jan"
                                             << "3 A" << qsizetype(0);
    QTest::newRow("comma form") << "Novák, Jan"
                                << "3a" << qsizetype(0);
    QTest::newRow("semicolon, tab") << "Novák;\tJan"
                                    << "3.A" << qsizetype(0);
    QTest::newRow("list holds only the surname") << "Novak Jana"
                                                 << "3.A" << qsizetype(0);
    QTest::newRow("namesake in the other class") << "Novák"
                                                 << "3.b" << qsizetype(1);
    QTest::newRow("no diacritics, short class") << "adela novakova"
                                                << "3a" << qsizetype(2);
    QTest::newRow("one letter wrong") << "Nowák"
                                      << "3.A" << qsizetype(-1);
    QTest::newRow("prefix") << "Nov"
                            << "3.A" << qsizetype(-1);
    QTest::newRow("full name reversed") << "simon reznicek"
                                        << "4B" << qsizetype(3);
    QTest::newRow("report without first name") << "Řezníček"
                                               << "4.B" << qsizetype(3);
    QTest::newRow("empty name") << " , "
                                << "4.B" << qsizetype(-1);
    QTest::newRow("class not on the list") << "Řezníček Šimon"
                                           << "4.A" << qsizetype(-1);
    QTest::newRow("empty class") << "Beneš"
                                 << "" << qsizetype(-1);
    QTest::newRow("same name twice in a class") << "Dvořák"
                                                << "2.C" << qsizetype(-1);
    QTest::newRow("hyphenated surname") << "nováková-dvořáková Eva"
                                        << "5a" << qsizetype(6);
    QTest::newRow("half of hyphenated surname") << "Nováková Eva"
                                                << "5.A" << qsizetype(-1);
    QTest::newRow("surname fits two pupils") << "Novák"
                                             << "1.A" << qsizetype(-1);
    QTest::newRow("first name decides") << "Petr Novák"
                                        << "1.A" << qsizetype(8);
    QTest::newRow("fits both nested names") << "Jan Novák"
                                            << "6.A" << qsizetype(-1);
    QTest::newRow("word class") << "Malá"
                                << "PRIMA" << qsizetype(11);
    QTest::newRow("roman numeral class") << "Novák"
                                         << "iii a" << qsizetype(12);
}

void TestPupilMatcher::match()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(qsizetype, expected);

    const PupilMatcher matcher({
        {QStringLiteral("Novák"), QStringLiteral("3.A")},
        {QStringLiteral("Novák"), QStringLiteral("3.B")},
        {QStringLiteral("Nováková"), QStringLiteral("3.A")},
        {QStringLiteral("Řezníček Šimon"), QStringLiteral("4.B")},
        {QStringLiteral("Dvořák"), QStringLiteral("2.C")},
        {QStringLiteral("Dvořák"), QStringLiteral("2.C")},
        {QStringLiteral("Nováková-Dvořáková"), QStringLiteral("5.A")},
        {QStringLiteral("Novák Jan"), QStringLiteral("1.A")},
        {QStringLiteral("Novák Petr"), QStringLiteral("1.A")},
        {QStringLiteral("Novák"), QStringLiteral("6.A")},
        {QStringLiteral("Novák Jan"), QStringLiteral("6.A")},
        {QStringLiteral("Malá"), QStringLiteral("Prima")},
        {QStringLiteral("Novák"), QStringLiteral("III.A")},
        {QStringLiteral("Beneš"), QStringLiteral(" ")}, // class not filled in
    });
    QCOMPARE(matcher.match(name, className), expected);
}

QTEST_APPLESS_MAIN(TestPupilMatcher)
#include "tst_pupilmatcher.moc"
