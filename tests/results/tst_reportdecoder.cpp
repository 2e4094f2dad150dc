// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/reportdecoder.h"

#include "app/sharedstate.h"
#include "results/reportencoder.h"
#include "results/teacherreport.h"

#include "support/sequencesource.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

class ReportDecoderTest : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatThePupilsProgramWrites();
    void findsBlocksInMangledMail_data();
    void findsBlocksInMangledMail();
    void badBlocksSayWhy_data();
    void badBlocksSayWhy();
    void damagedBlockAmongGoodOnesKeepsItsPlace();
    void readsQuotedPrintableAsSent_data();
    void readsQuotedPrintableAsSent();
};

namespace {
QString encode(const QString &text, int salt)
{
    SequenceSource random({(static_cast<float>(salt) + 0.5F) / 256.0F});
    ReportEncoder encoder(random);
    encoder.beginReportBlock();
    encoder.encodeReportText(text);
    return encoder.reportBlockText();
}

const QString czechLetters = QStringLiteral("aábcčdďeéěfhiíjklmnňoópqrřsštťuúůvwxyýzž"
                                            "AÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ .-'");

QString randomName(QRandomGenerator &random)
{
    QString name;
    const int length = random.bounded(1, 25);
    for (int i = 0; i < length; ++i) {
        name += czechLetters.at(random.bounded(static_cast<int>(czechLetters.size())));
    }
    return name;
}

struct Sample
{
    SharedState state;
    QDateTime end;
    QString text;
    QString block;
};

Sample sample(QRandomGenerator &random, const QLocale &locale)
{
    Sample s;
    s.state.reportName = randomName(random);
    s.state.reportClass = randomName(random);
    const int scale = random.bounded(3) == 0 ? 1'000'000'000 : 50;
    s.state.correctCount = random.bounded(scale);
    s.state.wrongCount = random.bounded(scale);
    if (random.bounded(8) == 0) {
        s.state.correctCount = s.state.wrongCount = 0;
    }
    s.state.reportStart = QDateTime(QDate(2020, 1, 1).addDays(random.bounded(3000)),
                                    QTime(random.bounded(24), random.bounded(60)));
    s.end = s.state.reportStart.addSecs(random.bounded(100'000));
    s.text = buildTeacherReport(s.state, s.end, locale);
    s.block = encode(s.text, random.bounded(256));
    return s;
}

QDateTime toMinute(const QDateTime &moment)
{
    return QDateTime(moment.date(), QTime(moment.time().hour(), moment.time().minute()));
}

// Joins everything onto one line and breaks it again at the last blank before `width`.
QString rewrap(const QString &block, int width)
{
    const QStringList groups = QString(block).simplified().split(u' ');
    QString text;
    QString line;
    for (const QString &group : groups) {
        if (!line.isEmpty() && line.size() + 1 + group.size() > width) {
            text += line + QStringLiteral("\r\n");
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + group;
    }
    return text + line + QStringLiteral("\r\n");
}

QString quoteLines(const QString &text, const QString &mark)
{
    QStringList lines = text.split(QStringLiteral("\n"));
    for (QString &line : lines) {
        line.prepend(mark);
    }
    return lines.join(u'\n');
}
} // namespace

void ReportDecoderTest::readsWhatThePupilsProgramWrites()
{
    QRandomGenerator random(20260512);
    const QList<QLocale> locales{QLocale(QLocale::Czech, QLocale::Czechia),
                                 QLocale(QLocale::English, QLocale::UnitedStates),
                                 QLocale(QLocale::Finnish, QLocale::Finland)};
    for (int i = 0; i < 600; ++i) {
        const Sample s = sample(random, locales.at(i % locales.size()));
        const DecodedReport report = decodeReportBlock(s.block);
        QVERIFY2(report.isOk(), qPrintable(report.reason + u'\n' + s.text));
        QVERIFY(report.isCanonicalLayout);
        QCOMPARE(report.canonicalBlock, s.block);
        QCOMPARE(report.text, s.text);
        QCOMPARE(report.student, s.state.reportName);
        QCOMPARE(report.className, s.state.reportClass);
        QCOMPARE(report.from, toMinute(s.state.reportStart));
        QCOMPARE(report.to, toMinute(s.end));
        QCOMPARE(report.correct, s.state.correctCount);
        QCOMPARE(report.wrong, s.state.wrongCount);
        QCOMPARE(report.answers, s.state.correctCount + s.state.wrongCount);
        const QList<DecodedReport> found = findReportBlocks(s.block);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.front().text, s.text);
        QCOMPARE(found.front().originalText, s.block.trimmed());
    }
}

void ReportDecoderTest::findsBlocksInMangledMail_data()
{
    QTest::addColumn<QString>("mail");
    QTest::addColumn<QStringList>("blocks");
    QRandomGenerator random(7);
    const QLocale czech(QLocale::Czech, QLocale::Czechia);
    QStringList b;
    for (int i = 0; i < 3; ++i) {
        b << sample(random, czech).block;
    }
    const QString prose = QStringLiteral("Dobrý den, posílám výsledky třídy 4B.\r\n"
                                         "a be de cafe 12 ff 4b 00\r\n\r\n");

    QTest::newRow("as written, with prose") << prose + b[0] + prose + b[1] + b[2] + prose << b;
    QTest::newRow("LF only")
        << QString(prose + b[0] + b[1] + b[2]).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        << b;
    QTest::newRow("rewrapped at 72") << rewrap(b[0], 72) + prose + rewrap(b[1] + b[2], 72) << b;
    QTest::newRow("one group per line") << QString(b[0] + b[1] + b[2]).replace(u' ', u'\n') << b;
    QTest::newRow("quoted") << quoteLines(prose + b[0], QStringLiteral("> ")) + u'\n' +
                                   quoteLines(b[1], QStringLiteral(">> ")) + u'\n' +
                                   quoteLines(rewrap(b[2], 60), QStringLiteral("> > "))
                            << b;
    QTest::newRow("blanks, tabs and uppercase")
        << QString(b[0] + b[1] + b[2]).replace(u' ', QStringLiteral(" \t  ")).toUpper() << b;
    QTest::newRow("back to back on one line")
        << QString(b[0] + b[1] + b[2]).remove(QStringLiteral("\r\n")) << b;
    QTest::newRow("double spaced")
        << QString(prose + b[0] + b[1] + b[2])
               .replace(QStringLiteral("\r\n"), QStringLiteral("\r\n\r\n"))
        << b;
    QTest::newRow("class name right before the block")
        << QStringLiteral("Třída 4B\r\n") + b[0] + QStringLiteral("4b\r\n") + b[1] + b[2] << b;
}

void ReportDecoderTest::findsBlocksInMangledMail()
{
    QFETCH(QString, mail);
    QFETCH(QStringList, blocks);
    const QList<DecodedReport> found = findReportBlocks(mail);
    QCOMPARE(found.size(), blocks.size());
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        QVERIFY2(found.at(i).isOk(), qPrintable(found.at(i).reason));
        QCOMPARE(found.at(i).canonicalBlock, blocks.at(i));
        QCOMPARE(found.at(i).text, decodeReportBlock(blocks.at(i)).text);
        QVERIFY(mail.contains(found.at(i).originalText));
    }
}

void ReportDecoderTest::badBlocksSayWhy_data()
{
    QTest::addColumn<QString>("block");
    QTest::addColumn<DecodedReport::Status>("status");
    QTest::addColumn<QString>("reason");
    using S = DecodedReport::Status;
    const QString good = QStringLiteral("Student: Jan Novák\r\nTřída: 3.A\r\n"
                                        "Tesilka: 1 - Ohmův zákon\r\nOd: 05.12.2026 14:07\r\n"
                                        "Do: 05.12.2026 14:31\r\nCelkem odpovědí: 3\r\n"
                                        "Z toho dobře: 2 (66,67%)\r\nšpatně: 1 (33,33%)\r\n");
    const auto changed = [&](const char *from, const char *to) {
        return encode(QString(good).replace(QString::fromUtf8(from), QString::fromUtf8(to)), 9);
    };
    QString damaged = encode(good, 9);
    damaged.replace(64, 2, QStringLiteral("4g"));
    QTest::newRow("damaged group")
        << damaged << S::DamagedGroup << QStringLiteral("Poškozená skupina „4g“ na řádku 3.");
    QTest::newRow("wrong marker") << QStringLiteral("4c") + encode(good, 9).mid(2) << S::WrongMarker
                                  << QStringLiteral("„4c“ na řádku 1");
    QTest::newRow("marker alone") << QStringLiteral("4b") << S::NotAReport << QString();
    QTest::newRow("other text") << encode(QStringLiteral("Ahoj, tohle není zpráva.\r\n"), 3)
                                << S::NotAReport << QStringLiteral("řádek 1");
    const QString incomplete =
        QStringLiteral("blok je neúplný: chybí jeho konec (žák zkopíroval jen část?)");
    QTest::newRow("cut short") << encode(good.left(60), 3) << S::NotAReport << incomplete;
    QTest::newRow("cut after its sixth line")
        << encode(good.left(good.indexOf(QStringLiteral("Z toho"))), 3) << S::NotAReport
        << incomplete;
    QTest::newRow("cut in its last line")
        << encode(good.chopped(5), 3) << S::NotAReport << incomplete;
    QTest::newRow("third line") << changed("Tesilka: 1", "Tesilka: 2") << S::NotAReport
                                << QStringLiteral("řádek 3");
    QTest::newRow("no such date") << changed("Od: 05.12", "Od: 31.02") << S::NotAReport
                                  << QStringLiteral("řádek 4");
    QTest::newRow("sum") << changed("dobře: 2", "dobře: 3") << S::InconsistentCounts
                         << QStringLiteral("3 dobře a 1 špatně");
    QTest::newRow("percent") << changed("66,67", "66,65") << S::InconsistentCounts
                             << QStringLiteral("Procenta");
    QTest::newRow("beyond 32 bits") << changed("odpovědí: 3", "odpovědí: 4294967299")
                                    << S::InconsistentCounts << QStringLiteral("rozsah");
    QTest::newRow("negative") << changed("dobře: 2", "dobře: -2") << S::NotAReport
                              << QStringLiteral("řádek 7");
    QTest::newRow("no answers but counts")
        << changed("odpovědí: 3", "odpovědí: 0") << S::InconsistentCounts << QString();
    QTest::newRow("ends before it starts")
        << changed("Do: 05.12", "Do: 04.12") << S::InconsistentCounts << QStringLiteral("Do");
}

void ReportDecoderTest::badBlocksSayWhy()
{
    QFETCH(QString, block);
    QFETCH(DecodedReport::Status, status);
    QFETCH(QString, reason);
    const DecodedReport report = decodeReportBlock(block);
    QCOMPARE(report.status, status);
    QVERIFY(!report.reason.isEmpty());
    if (reason.startsWith(QStringLiteral("blok je"))) {
        QCOMPARE(report.reason, reason);
    }
    QVERIFY2(report.reason.contains(reason), qPrintable(report.reason));
    QVERIFY(report.student.isEmpty());
}

void ReportDecoderTest::damagedBlockAmongGoodOnesKeepsItsPlace()
{
    QRandomGenerator random(11);
    const QLocale czech(QLocale::Czech, QLocale::Czechia);
    const QString first = sample(random, czech).block;
    QString second = sample(random, czech).block;
    second.replace(QRegularExpression(QStringLiteral("^((?:\\S\\S \\s*){25})\\S\\S")),
                   QStringLiteral("\\1zz"));
    const QString third = sample(random, czech).block;
    const QString mail = QStringLiteral("Ahoj,\n\n") + first + QStringLiteral("\nDíky\n") + second +
                         third + QStringLiteral("-- \nJana\n");
    const QList<DecodedReport> found = findReportBlocks(mail);
    QCOMPARE(found.size(), 3);
    QVERIFY(found.at(0).isOk());
    QCOMPARE(found.at(1).status, DecodedReport::Status::DamagedGroup);
    const int secondLine = static_cast<int>(mail.left(mail.indexOf(second)).count(u'\n')) + 1;
    QCOMPARE(found.at(1).firstLine, secondLine);
    QCOMPARE(found.at(1).reason,
             QStringLiteral("Poškozená skupina „zz“ na řádku %1.").arg(secondLine + 2));
    QCOMPARE(found.at(1).originalText, second.trimmed());
    QVERIFY(found.at(2).isOk());
    QCOMPARE(found.at(2).canonicalBlock, third);
}

namespace {
// As a mail program sends text: "=" and non-ASCII bytes (UTF-8) escaped, a blank before a line
// break as =20, lines longer than `width` cut by soft breaks; with `binary` the line breaks
// themselves are escaped, as for a part sent as binary data.
QString quotedPrintable(const QString &text, int width, bool binary = false)
{
    QString out;
    int column = 0;
    const QByteArray bytes = text.toUtf8();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        const bool lineBreak = c == '\r' || c == '\n';
        if (lineBreak && !binary) {
            out += QLatin1Char(c);
            column = 0;
            continue;
        }
        const bool blankAtEnd = (c == ' ' || c == '\t') && i + 1 < bytes.size() &&
                                (bytes.at(i + 1) == '\r' || bytes.at(i + 1) == '\n') && !binary;
        const QString piece =
            (static_cast<unsigned char>(c) >= 0x80 || c == '=' || lineBreak || blankAtEnd)
                ? QStringLiteral("=%1")
                      .arg(static_cast<unsigned char>(c), 2, 16, QLatin1Char('0'))
                      .toUpper()
                : QString(QLatin1Char(c));
        if (column + piece.size() > width) {
            out += QStringLiteral("=\r\n");
            column = 0;
        }
        out += piece;
        column += static_cast<int>(piece.size());
    }
    return out;
}
} // namespace

void ReportDecoderTest::readsQuotedPrintableAsSent_data()
{
    QTest::addColumn<QString>("mail");
    QTest::addColumn<QStringList>("blocks");
    QTest::addColumn<QList<int>>("lines");
    QRandomGenerator random(3);
    const QLocale czech(QLocale::Czech, QLocale::Czechia);
    const QString first = sample(random, czech).block;
    const QString second = sample(random, czech).block;
    const QString hello = QStringLiteral("Dobrý den, U = R · I, tedy R=20 Ω:\r\n\r\n");
    // A line of prose ending in "=" is no soft break of a block.
    QTest::newRow("=20 at the ends of its lines")
        << quotedPrintable(hello + first, 76) << QStringList{first} << QList<int>{3};
    QTest::newRow("joined and cut by soft breaks inside groups")
        << quotedPrintable(hello + rewrap(first, 200) + QStringLiteral("Díky\r\n") + second, 75)
        << QStringList{first, second} << QList<int>{3, 12};
    QTest::newRow("line breaks escaped too")
        << quotedPrintable(hello + first, 76, true) << QStringList{first} << QList<int>{1};
    QTest::newRow("beside an ordinary block, in a reply")
        << first + QStringLiteral("\r\nU =\r\n\r\n") +
               quoteLines(quotedPrintable(second, 60), QStringLiteral("> "))
        << QStringList{first, second} << QList<int>{1, 21};
    QTest::newRow("ordinary text with = in it")
        << QStringLiteral("R=20 ohmů, U=\r\n") + first + QStringLiteral("=3D\r\n") + second
        << QStringList{first, second} << QList<int>{2, 20};
}

void ReportDecoderTest::readsQuotedPrintableAsSent()
{
    QFETCH(QString, mail);
    QFETCH(QStringList, blocks);
    QFETCH(QList<int>, lines);
    const QList<DecodedReport> found = findReportBlocks(mail);
    QCOMPARE(found.size(), blocks.size());
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        QVERIFY2(found.at(i).isOk(), qPrintable(found.at(i).reason));
        QCOMPARE(found.at(i).canonicalBlock, blocks.at(i));
        // Lines as the teacher sees them in the file, not in the decoded text.
        QCOMPARE(found.at(i).firstLine, lines.at(i));
    }

    // Cut off, such a block says what the teacher has to ask the pupil for.
    const QList<DecodedReport> cut = findReportBlocks(mail.left(mail.size() * 2 / 3));
    QVERIFY(!cut.isEmpty());
    QCOMPARE(cut.back().reason,
             QStringLiteral("blok je neúplný: chybí jeho konec (žák zkopíroval jen část?)"));
}

QTEST_GUILESS_MAIN(ReportDecoderTest)
#include "tst_reportdecoder.moc"
