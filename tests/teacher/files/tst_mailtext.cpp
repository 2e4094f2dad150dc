// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/files/mailtext.h"

#include "results/reportdecoder.h"
#include "results/reportencoder.h"

#include "support/sequencesource.h"

#include <QStringEncoder>
#include <QTest>

class MailTextTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheTextPartsOfAMessage();
    void readsPlainTextFiles_data();
    void readsPlainTextFiles();
};

namespace {
const QString report = QStringLiteral("Student: Řehoř Šťastný\r\nTřída: 3.A\r\n"
                                      "Tesilka: 1 - Ohmův zákon\r\nOd: 05.12.2026 14:07\r\n"
                                      "Do: 05.12.2026 14:31\r\nCelkem odpovědí: 0\r\n");

QString block(float draw)
{
    SequenceSource random({draw});
    ReportEncoder encoder(random);
    encoder.beginReportBlock();
    encoder.encodeReportText(report);
    return encoder.reportBlockText();
}

QByteArray windows1250(const QString &text)
{
    QStringEncoder encoder("windows-1250");
    return encoder.encode(text);
}

// What a mail program sends: long lines cut by soft breaks, a blank before a break as =20.
QByteArray quotedPrintable(const QByteArray &bytes)
{
    QByteArray out;
    int column = 0;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        QByteArray piece = (byte >= 0x80 || c == '=') ? '=' + QByteArray(1, c).toHex().toUpper()
                                                      : QByteArray(1, c);
        if (c == '\r' || c == '\n') {
            column = 0;
            out += c;
            continue;
        }
        if (column + piece.size() > 72) {
            if (out.endsWith(' ')) {
                out.chop(1);
                out += "=20";
            }
            out += "=\r\n";
            column = 0;
        }
        out += piece;
        column += static_cast<int>(piece.size());
    }
    return out;
}
} // namespace

void MailTextTest::readsTheTextPartsOfAMessage()
{
    const QString first = block(0.1F);
    const QString second = block(0.9F);
    // The first block joined onto one line, as a mail program that re-wraps does.
    const QByteArray prose = windows1250(QStringLiteral("Dobrý den, posílám výsledky:\r\n") +
                                         QString(first).remove(QStringLiteral("\r\n")) +
                                         QStringLiteral("\r\nS pozdravem Řehoř\r\n"));
    const QByteArray eml = "Return-Path: <zak@example.org>\r\n"
                           "From: =?utf-8?q?=C5=98eho=C5=99?= <zak@example.org>\r\n"
                           "Subject: vysledky\r\n"
                           "MIME-Version: 1.0\r\n"
                           "Content-Type: multipart/mixed;\r\n boundary=\"outer; 1\"\r\n"
                           "\r\n"
                           "This is a multi-part message in MIME format.\r\n"
                           "--outer; 1\r\n"
                           "Content-Type: multipart/alternative; boundary=inner\r\n"
                           "\r\n"
                           "--inner\r\n"
                           "Content-Type: text/plain; charset=\"Windows-1250\"; format=flowed\r\n"
                           "Content-Transfer-Encoding: quoted-printable\r\n"
                           "\r\n" +
                           quotedPrintable(prose) +
                           "\r\n--inner\r\n"
                           "Content-Type: text/html; charset=utf-8\r\n"
                           "\r\n"
                           "<p>HTML form of the same text</p>\r\n"
                           "--inner--\r\n"
                           "--outer; 1\r\n"
                           "Content-Type: application/octet-stream; name=\"data.txt\"\r\n"
                           "Content-Disposition: attachment; filename=\"data.txt\"\r\n"
                           "Content-Transfer-Encoding: base64\r\n"
                           "\r\n" +
                           (QStringLiteral("Žák: ") + second).toUtf8().toBase64() +
                           "\r\n--outer; 1\r\n"
                           "Content-Type: text/plain; charset=iso-8859-2\r\n"
                           "\r\n"
                           "\xb9patn\xec\r\n"
                           "--outer; 1\r\n"
                           "Content-Type: image/png\r\n"
                           "Content-Transfer-Encoding: base64\r\n"
                           "\r\n"
                           "iVBORw0KGgo=\r\n"
                           "--outer; 1--\r\n";

    const QString text = readableMailText(eml);
    QVERIFY2(text.startsWith(QStringLiteral("Dobrý den, posílám výsledky:\r\n4b 19 ")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("S pozdravem Řehoř\r\n\n\nŽák: 4b e6 ")));
    QVERIFY(text.endsWith(QStringLiteral("\n\nšpatně")));
    QVERIFY(!text.contains(QStringLiteral("HTML")));
    QVERIFY(!text.contains(QStringLiteral("Return-Path")));

    const QList<DecodedReport> found = findReportBlocks(text);
    QCOMPARE(found.size(), 2);
    QCOMPARE(found.at(0).canonicalBlock, first);
    QCOMPARE(found.at(1).canonicalBlock, second);
    QVERIFY(found.at(0).isOk() && found.at(1).isOk());
    QCOMPARE(found.at(1).student, QStringLiteral("Řehoř Šťastný"));

    // Cut off in the middle of its parts, or with the HTML part alone, it still gives its text.
    QVERIFY(readableMailText(eml.left(eml.indexOf("--inner\r\nContent-Type: text/html")))
                .trimmed()
                .endsWith(QStringLiteral("S pozdravem Řehoř")));
    const QByteArray htmlOnly = "Content-Type: text/html; charset=utf-8\r\n\r\n"
                                "<html><head><style>p {}</style></head><body>4b 00<br>"
                                "&lt;ok&gt;&#382;&#x161;</body></html>";
    QCOMPARE(readableMailText(htmlOnly), QStringLiteral("4b 00\n<ok>žš"));
}

void MailTextTest::readsPlainTextFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    const QString czech = QStringLiteral("Příliš žluťoučký kůň\r\n4b 00 ");
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + czech.toUtf8() << czech;
    QTest::newRow("UTF-8") << czech.toUtf8() << czech;
    QTest::newRow("Windows-1250") << windows1250(czech) << czech;
    QTest::newRow("a colon on the first line is no header")
        << QByteArray("Posílám: 4b 00\r\n") << QString::fromUtf8("Posílám: 4b 00\r\n");
    QTest::newRow("empty") << QByteArray() << QString();
}

void MailTextTest::readsPlainTextFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    QCOMPARE(readableMailText(file), text);
}

QTEST_GUILESS_MAIN(MailTextTest)
#include "tst_mailtext.moc"
