// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/teacherreport.h"

#include "app/sharedstate.h"

#include <QTest>

#include <limits>
#include <stdexcept>

class TeacherReportTest : public QObject
{
    Q_OBJECT

private slots:
    void pluralWordFollowsTheExactCount_data();
    void pluralWordFollowsTheExactCount();
    void reportInLocale_data();
    void reportInLocale();
    void noAnswersGiveSixLines();
    void runOverMidnight();
    void typedTextsStayUnchanged();
    void overflowingCountsAreAnError();
};

namespace {
const QLocale czech(QLocale::Czech, QLocale::Czechia);

SharedState emailRun(std::int32_t right, std::int32_t wrong)
{
    SharedState state;
    state.emailMode = true;
    state.reportName = QStringLiteral("Jana Nováková");
    state.reportClass = QStringLiteral("8.B");
    state.reportStart = QDateTime(QDate(2026, 12, 5), QTime(14, 7, 42));
    state.correctCount = right;
    state.wrongCount = wrong;
    return state;
}

const QDateTime endOfRun(QDate(2026, 12, 5), QTime(14, 31, 5));
} // namespace

void TeacherReportTest::pluralWordFollowsTheExactCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("label");
    QTest::newRow("0") << 0 << QStringLiteral(" 0 příkladů");
    QTest::newRow("1") << 1 << QStringLiteral(" 1 příklad");
    QTest::newRow("2") << 2 << QStringLiteral(" 2 příklady");
    QTest::newRow("4") << 4 << QStringLiteral(" 4 příklady");
    QTest::newRow("5") << 5 << QStringLiteral(" 5 příkladů");
    QTest::newRow("11") << 11 << QStringLiteral(" 11 příkladů");
    QTest::newRow("21, no rule on the last digit") << 21 << QStringLiteral(" 21 příkladů");
    QTest::newRow("22") << 22 << QStringLiteral(" 22 příkladů");
    QTest::newRow("largest") << std::numeric_limits<std::int32_t>::max()
                             << QStringLiteral(" 2147483647 příkladů");
}

void TeacherReportTest::pluralWordFollowsTheExactCount()
{
    QFETCH(int, count);
    QFETCH(QString, label);
    QCOMPARE(formatCountLabel(count), label);
    QCOMPARE(choosePluralWord(count), label.mid(label.indexOf(u' ', 1)));
    QCOMPARE(choosePluralWord(-1), QStringLiteral(" příkladů"));
}

void TeacherReportTest::reportInLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<QString>("tail");
    QTest::newRow("Czech, 2 of 3")
        << czech << 2 << 1
        << QStringLiteral(
               "Od: 05.12.2026 14:07\r\nDo: 05.12.2026 14:31\r\n"
               "Celkem odpovědí: 3\r\nZ toho dobře: 2 (66,67%)\r\nšpatně: 1 (33,33%)\r\n");
    QTest::newRow("Czech, all right")
        << czech << 4 << 0
        << QStringLiteral(
               "Od: 05.12.2026 14:07\r\nDo: 05.12.2026 14:31\r\n"
               "Celkem odpovědí: 4\r\nZ toho dobře: 4 (100,00%)\r\nšpatně: 0 (0,00%)\r\n");
    QTest::newRow("English, no AM/PM and no grouping")
        << QLocale(QLocale::English, QLocale::UnitedStates) << 1234 << 1
        << QStringLiteral("Od: 05.12.2026 14:07\r\nDo: 05.12.2026 14:31\r\n"
                          "Celkem odpovědí: 1235\r\nZ toho dobře: 1234 (99.92%)\r\n"
                          "špatně: 1 (0.08%)\r\n");
    QTest::newRow("Finnish time separator")
        << QLocale(QLocale::Finnish, QLocale::Finland) << 1 << 2
        << QStringLiteral(
               "Od: 05.12.2026 14.07\r\nDo: 05.12.2026 14.31\r\n"
               "Celkem odpovědí: 3\r\nZ toho dobře: 1 (33,33%)\r\nšpatně: 2 (66,67%)\r\n");
}

void TeacherReportTest::reportInLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(QString, tail);
    const QString head = QStringLiteral("Student: Jana Nováková\r\nTřída: 8.B\r\n"
                                        "Tesilka: 1 - Ohmův zákon\r\n");
    QCOMPARE(buildTeacherReport(emailRun(right, wrong), endOfRun, locale), head + tail);
}

void TeacherReportTest::noAnswersGiveSixLines()
{
    const QString report = buildTeacherReport(emailRun(0, 0), endOfRun, czech);
    QCOMPARE(report.count(QStringLiteral("\r\n")), 6);
    QVERIFY(report.endsWith(QStringLiteral("\r\nCelkem odpovědí: 0\r\n")));
    QVERIFY(!report.contains(u'%'));
}

void TeacherReportTest::runOverMidnight()
{
    SharedState state = emailRun(1, 0);
    state.reportStart = QDateTime(QDate(2026, 12, 31), QTime(23, 58, 59));
    const QString report =
        buildTeacherReport(state, QDateTime(QDate(2027, 1, 1), QTime(0, 3)), czech);
    QVERIFY(
        report.contains(QStringLiteral("\r\nOd: 31.12.2026 23:58\r\nDo: 01.01.2027 00:03\r\n")));
}

void TeacherReportTest::typedTextsStayUnchanged()
{
    SharedState state = emailRun(0, 0);
    state.reportName = QStringLiteral("  Řehoř; O'Brien ");
    state.reportClass = QString();
    const QString report = buildTeacherReport(state, endOfRun, czech);
    QVERIFY(report.startsWith(QStringLiteral("Student:   Řehoř; O'Brien \r\nTřída: \r\n")));
}

void TeacherReportTest::overflowingCountsAreAnError()
{
    const SharedState state = emailRun(std::numeric_limits<std::int32_t>::max(), 1);
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, buildTeacherReport(state, endOfRun, czech));
}

QTEST_GUILESS_MAIN(TeacherReportTest)
#include "tst_teacherreport.moc"
