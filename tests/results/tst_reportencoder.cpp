// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/reportencoder.h"
#include "results/reportkey.h"

#include "results/reportdecoder.h"
#include "support/sequencesource.h"

#include <QTest>

class ReportEncoderTest : public QObject
{
    Q_OBJECT

private slots:
    void byteToHexIsTwoLowercaseDigits();
    void freshBlockHoldsMarkerAndRandomByte_data();
    void freshBlockHoldsMarkerAndRandomByte();
    void linesBreakAfterTenGroups_data();
    void linesBreakAfterTenGroups();
    void keyWrapsAfterThirtyTwoCharacters();
    void blocksOfOneTextDifferBySaltXor();
    void czechCharactersAsWindows1250Codes();
    void unrepresentableCharactersBecomeQuestionMarks();
    void callsCarryStateWithinABlock();
    void roundTripAndNewBlocks();
    void blockWithoutInitIsStillReadable();
};

namespace {
QString repeated(QChar c, qsizetype n)
{
    return QString(n, c);
}
} // namespace

void ReportEncoderTest::byteToHexIsTwoLowercaseDigits()
{
    SequenceSource random;
    ReportEncoder encoder(random);
    encoder.initReportEncoder();
    QCOMPARE(encoder.byteToHex(0), QStringLiteral("00"));
    QCOMPARE(encoder.byteToHex(0x0a), QStringLiteral("0a"));
    QCOMPARE(encoder.byteToHex(0x4b), QStringLiteral("4b"));
    QCOMPARE(encoder.byteToHex(0xc8), QStringLiteral("c8"));
    QCOMPARE(encoder.byteToHex(255), QStringLiteral("ff"));
}

void ReportEncoderTest::freshBlockHoldsMarkerAndRandomByte_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<QString>("block");
    QTest::newRow("0") << 0.0F << QStringLiteral("4b 00 ");
    QTest::newRow("0.5") << 0.5F << QStringLiteral("4b 80 ");
    QTest::newRow("just below 1/256") << 0.0039F << QStringLiteral("4b 00 ");
    QTest::newRow("largest draw") << 0.99999994F << QStringLiteral("4b ff ");
}

void ReportEncoderTest::freshBlockHoldsMarkerAndRandomByte()
{
    QFETCH(float, draw);
    QFETCH(QString, block);
    SequenceSource random({0.25F, draw});
    ReportEncoder encoder(random);
    encoder.initReportEncoder();
    QCOMPARE(encoder.saltByte(), 64);
    encoder.beginReportBlock();
    QCOMPARE(random.draws(), 2);
    QCOMPARE(encoder.reportBlockText(), block);
    QCOMPARE(encoder.reportBlockText().size(), 6);
}

void ReportEncoderTest::linesBreakAfterTenGroups_data()
{
    QTest::addColumn<int>("characters");
    QTest::addColumn<int>("lineBreaks");
    QTest::addColumn<bool>("endsWithLineBreak");
    QTest::newRow("0") << 0 << 0 << false;
    QTest::newRow("7") << 7 << 0 << false;
    QTest::newRow("8 fill the first line") << 8 << 1 << true;
    QTest::newRow("9 start the second") << 9 << 1 << false;
    QTest::newRow("18 fill two lines") << 18 << 2 << true;
    QTest::newRow("19") << 19 << 2 << false;
    QTest::newRow("98") << 98 << 10 << true;
}

void ReportEncoderTest::linesBreakAfterTenGroups()
{
    QFETCH(int, characters);
    QFETCH(int, lineBreaks);
    QFETCH(bool, endsWithLineBreak);
    SequenceSource random({0.3F});
    ReportEncoder encoder(random);
    encoder.initReportEncoder();
    encoder.beginReportBlock();
    encoder.encodeReportText(repeated(u'x', characters));
    const QString block = encoder.reportBlockText();

    QCOMPARE(block.size(), 6 + 3 * characters + 2 * lineBreaks);
    QCOMPARE(block.count(QStringLiteral("\r\n")), lineBreaks);
    QCOMPARE(block.endsWith(QStringLiteral(" \r\n")), endsWithLineBreak);
    if (!endsWithLineBreak) {
        QVERIFY(block.endsWith(u' '));
    }
    // Every line but a short last one holds exactly ten groups.
    const QStringList lines = block.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        QCOMPARE(lines.at(i).size(), 30);
    }
    const DecodedReport decoded = decodeReportBlock(block);
    QVERIFY2(decoded.isCanonicalLayout, qPrintable(decoded.reason));
    QCOMPARE(decoded.text, repeated(u'x', characters));
}

void ReportEncoderTest::keyWrapsAfterThirtyTwoCharacters()
{
    SequenceSource random({0.7F});
    ReportEncoder encoder(random);
    encoder.initReportEncoder();
    encoder.beginReportBlock();
    encoder.encodeReportText(repeated(u'A', 34));
    const DecodedReport decoded = decodeReportBlock(encoder.reportBlockText());
    QVERIFY2(decoded.isCanonicalLayout, qPrintable(decoded.reason));
    QCOMPARE(decoded.masked.size(), 34);
    const std::uint8_t salt = encoder.saltByte();
    for (qsizetype n = 0; n < decoded.masked.size(); ++n) {
        const auto expected = static_cast<char>('A' ^ salt ^ reportKeyBytes[n % 32]);
        QCOMPARE(decoded.masked.at(n), expected);
    }
    // The 33rd character uses key position 0 again, the 34th position 1.
    QCOMPARE(decoded.masked.at(32), decoded.masked.at(0));
    QCOMPARE(decoded.masked.at(33), decoded.masked.at(1));
    QVERIFY(decoded.masked.at(32) != decoded.masked.at(31));
}

void ReportEncoderTest::blocksOfOneTextDifferBySaltXor()
{
    const QString text = QStringLiteral("Student: Jana Dvořáková\r\nTřída: 8.B\r\n");
    SequenceSource random({0.1F, 0.9F});
    ReportEncoder encoder(random);
    encoder.initReportEncoder();
    const std::uint8_t s1 = encoder.saltByte();
    encoder.encodeReportText(text);
    const DecodedReport first = decodeReportBlock(encoder.reportBlockText());
    encoder.beginReportBlock();
    const std::uint8_t s2 = encoder.saltByte();
    encoder.encodeReportText(text);
    const DecodedReport second = decodeReportBlock(encoder.reportBlockText());

    QVERIFY(s1 != s2);
    QCOMPARE(first.masked.size(), text.size());
    QCOMPARE(second.masked.size(), text.size());
    for (qsizetype n = 0; n < text.size(); ++n) {
        QCOMPARE(static_cast<std::uint8_t>(first.masked.at(n) ^ second.masked.at(n)),
                 static_cast<std::uint8_t>(s1 ^ s2));
    }
}

void ReportEncoderTest::czechCharactersAsWindows1250Codes()
{
    SequenceSource random({0.42F});
    ReportEncoder encoder(random);
    encoder.initReportEncoder();
    encoder.encodeReportText(QStringLiteral("ČŘŽščěůŠťÁ"));
    const DecodedReport decoded = decodeReportBlock(encoder.reportBlockText());
    QVERIFY2(decoded.isCanonicalLayout, qPrintable(decoded.reason));
    QCOMPARE(decoded.codes, QByteArray::fromHex("c8d88e9ae8ecf98a9dc1"));
}

void ReportEncoderTest::unrepresentableCharactersBecomeQuestionMarks()
{
    SequenceSource random({0.42F});
    ReportEncoder encoder(random);
    encoder.initReportEncoder();
    // An arrow, an emoji (one character of two UTF-16 units), a French à, an invisible
    // zero-width no-break space, and the control character SUB, which the code page does hold.
    encoder.encodeReportText(QStringLiteral("a\u2192b\U0001F600c\u00e0d\ufeffe\u001af"));
    const DecodedReport decoded = decodeReportBlock(encoder.reportBlockText());
    QVERIFY2(decoded.isCanonicalLayout, qPrintable(decoded.reason));
    QCOMPARE(decoded.codes, QByteArray("a?b?c?d?e\x1a"
                                       "f"));
}

void ReportEncoderTest::callsCarryStateWithinABlock()
{
    const QString whole = QStringLiteral("Celkem odpovědí: 12\r\nZ toho dobře: 9 (75,00%)\r\n");
    SequenceSource random({0.6F});
    ReportEncoder once(random);
    once.initReportEncoder();
    once.encodeReportText(whole);

    random.setValues({0.6F});
    ReportEncoder inPieces(random);
    inPieces.initReportEncoder();
    inPieces.encodeReportText(whole.left(7));
    inPieces.encodeReportText(QString());
    inPieces.encodeReportText(whole.mid(7, 30));
    inPieces.encodeReportText(whole.mid(37));
    QCOMPARE(inPieces.reportBlockText(), once.reportBlockText());
}

void ReportEncoderTest::roundTripAndNewBlocks()
{
    const QString report = QStringLiteral("Student: Šimon Čech\r\nTřída: 4.A\r\n"
                                          "Tesilka: 1 - Ohmův zákon\r\nOd: 05.12.2026 14:07\r\n"
                                          "Do: 05.12.2026 14:31\r\nCelkem odpovědí: 3\r\n"
                                          "Z toho dobře: 2 (66,67%)\r\nšpatně: 1 (33,33%)\r\n");
    SequenceSource random({0.2F, 0.8F, 0.5F});
    ReportEncoder encoder(random);
    encoder.initReportEncoder();
    encoder.beginReportBlock();
    encoder.encodeReportText(report);
    const QString block = encoder.reportBlockText();
    QCOMPARE(encoder.reportBlockText(), block);
    const DecodedReport decoded = decodeReportBlock(block);
    QVERIFY2(decoded.isCanonicalLayout, qPrintable(decoded.reason));
    QCOMPARE(decoded.salt, encoder.saltByte());
    QCOMPARE(decoded.text, report);

    // A new block drops the old text and draws a new random byte.
    encoder.beginReportBlock();
    QCOMPARE(encoder.reportBlockText(), QStringLiteral("4b 80 "));
}

void ReportEncoderTest::blockWithoutInitIsStillReadable()
{
    SequenceSource random({0.5F});
    ReportEncoder encoder(random);
    encoder.beginReportBlock();
    encoder.encodeReportText(QStringLiteral("Novák"));
    const DecodedReport decoded = decodeReportBlock(encoder.reportBlockText());
    QVERIFY2(decoded.isCanonicalLayout, qPrintable(decoded.reason));
    QCOMPARE(decoded.text, QStringLiteral("Novák"));
}

QTEST_GUILESS_MAIN(ReportEncoderTest)
#include "tst_reportencoder.moc"
