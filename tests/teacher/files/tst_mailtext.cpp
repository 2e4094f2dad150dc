// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/files/mailtext.h"

#include "results/reportdecoder.h"
#include "results/reportencoder.h"
#include "teacher/files/mailbox.h"

#include "support/reportblocks.h"
#include "support/sequencesource.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

class MailTextTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheTextPartsOfAMessage();
    void readsPlainTextFiles_data();
    void readsPlainTextFiles();
    void readsMailboxesMessageByMessage();
    void readsMaildirFolders();
    void readsNestedPartsAtAnyDepth();
    void hostileHtmlReadsInLinearTime();
    void wrongCharsetsAndEmptyPartsHideNothing();
    void headerFieldsGivenAgainOrByThousands();
    void refusesAPartTooLargeAndReadsTheRest();
    void aCancelledReadKeepsNothing();
    void readsAMessageForwardedInsideAnEncodedOne();
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
// A message whose block lies `levels` multiparts deep.
QByteArray nestedMessage(int levels, const QString &innermost)
{
    QByteArray opening = "MIME-Version: 1.0\r\n";
    QByteArray closing;
    for (int level = 1; level <= levels; ++level) {
        const QByteArray boundary = "b" + QByteArray::number(level);
        opening += "Content-Type: multipart/mixed; boundary=" + boundary + "\r\n\r\n--" + boundary +
                   "\r\n";
        closing.prepend("\r\n--" + boundary + "--\r\n");
    }
    return opening + "Content-Type: text/plain; charset=utf-8\r\n\r\n" + innermost.toUtf8() +
           closing;
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
    // The HTML form too: a plain form may be a stub while the HTML one holds the block.
    QVERIFY(text.contains(
        QStringLiteral("S pozdravem Řehoř\r\n\n\nHTML form of the same text\n\n\nŽák: 4b e6 ")));
    QVERIFY(text.endsWith(QStringLiteral("\n\nšpatně")));
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

namespace {
// Three messages as pupils send them, each block somewhere a reader of the first text part
// alone would miss it; a forwarded mail repeats the first block and holds a damaged one.
QList<QByteArray> pupilMessages()
{
    const QString a = pupilReportBlock(QStringLiteral("Adam"), QStringLiteral("8.B"), 3, 1, 10);
    const QString b = pupilReportBlock(QStringLiteral("Běla"), QStringLiteral("8.B"), 2, 2, 20);
    const QString c = pupilReportBlock(QStringLiteral("Cyril"), QStringLiteral("8.B"), 1, 0, 30);
    const QString d = pupilReportBlock(QStringLiteral("Dana"), QStringLiteral("8.B"), 0, 4, 40);
    const auto html = [](const QString &block) {
        return (QStringLiteral("<html><body><p>Dobrý den,</p><div>") +
                QString(block).replace(QStringLiteral("\r\n"), QStringLiteral("<br>\r\n")) +
                QStringLiteral("</div></body></html>"))
            .toUtf8();
    };
    const QByteArray first = "From: adam@example.org\r\nSubject: vysledky\r\nMIME-Version: 1.0\r\n"
                             "Content-Type: multipart/mixed; boundary=b1\r\n\r\n"
                             "--b1\r\nContent-Type: text/plain; charset=utf-8\r\n"
                             "Content-Transfer-Encoding: base64\r\n\r\n" +
                             (QStringLiteral("Posílám:\r\n") + a).toUtf8().toBase64() +
                             "\r\n--b1\r\nContent-Type: application/octet-stream; "
                             "name=\"vysledek.html\"\r\nContent-Transfer-Encoding: base64\r\n\r\n" +
                             html(b).toBase64() + "\r\n--b1--\r\n";
    // HTML alone, quoted-printable, and a line that the mbox escaped; then a "From " line of
    // the letter itself that no program escaped: no time in it, so no new message.
    const QByteArray second = "From: cyril@example.org\r\nMIME-Version: 1.0\r\n"
                              "Content-Type: text/html; charset=utf-8\r\n"
                              "Content-Transfer-Encoding: quoted-printable\r\n\r\n" +
                              quotedPrintable(html(c)) +
                              "\r\n\r\n>From the teacher\r\n\r\nFrom me to you\r\n";
    const QByteArray forwarded = "From: eva@example.org\r\nMIME-Version: 1.0\r\n"
                                 "Content-Type: multipart/mixed; boundary=f\r\n\r\n"
                                 "--f\r\nContent-Type: text/plain\r\n\r\n" +
                                 damagedBlock(d).toLatin1() +
                                 "\r\n--f\r\nContent-Type: text/plain; name=a.txt\r\n"
                                 "Content-Disposition: attachment; filename=a.txt\r\n\r\n" +
                                 a.toLatin1() + "\r\n--f--\r\n";
    const QByteArray third = "From: dana@example.org\r\nMIME-Version: 1.0\r\n"
                             "Content-Type: multipart/mixed; boundary=m\r\n\r\n"
                             "--m\r\nContent-Type: multipart/alternative; boundary=alt\r\n\r\n"
                             "--alt\r\nContent-Type: text/plain\r\n\r\nViz HTML.\r\n"
                             "--alt\r\nContent-Type: text/html\r\n\r\n" +
                             html(d) +
                             "\r\n--alt--\r\n--m\r\nContent-Type: message/rfc822\r\n\r\n" +
                             forwarded + "\r\n--m--\r\n";
    return {first, second, third};
}

QByteArray mbox(const QList<QByteArray> &messages)
{
    QByteArray file;
    for (const QByteArray &message : messages) {
        file += "From zak@example.org Mon Dec  7 10:25:00 2026\r\n" + message + "\r\n";
    }
    return file;
}

void checkPupilMessages(const MailReading &reading)
{
    QVERIFY2(reading.error.isEmpty(), qPrintable(reading.error));
    QCOMPARE(reading.messages, 3);
    QStringList found;
    for (const FoundReport &report : reading.reports) {
        found << QStringLiteral("%1:%2")
                     .arg(report.message)
                     .arg(report.report.isOk() ? report.report.student : QStringLiteral("vadný"));
    }
    QCOMPARE(found, QStringList({"1:Adam", "1:Běla", "2:Cyril", "3:Dana", "3:vadný"}));
    QCOMPARE(reading.good, 4);
    QCOMPARE(reading.refused, 1);
    QCOMPARE(reading.repeated, 1); // Adam's block again in the forwarded mail
}
} // namespace

void MailTextTest::readsMailboxesMessageByMessage()
{
    QTemporaryDir dir;
    const QByteArray file = mbox(pupilMessages());
    const QString path = dir.filePath(QStringLiteral("Doručená"));
    {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
    }
    const MailReading reading = readMailSource(path);
    QCOMPARE(reading.kind, MailSourceReader::Kind::Mbox);
    checkPupilMessages(reading);

    // Read a few bytes at a time, every separator falls across the end of a chunk somewhere:
    // the same messages, unescaped, with the blank line before the next "From " left out.
    const auto messages = [&](qint64 chunk) {
        QBuffer device;
        device.setData(file);
        device.open(QIODevice::ReadOnly);
        MailSourceReader reader(chunk);
        QList<std::pair<qint64, QByteArray>> list;
        MailMessage message;
        if (reader.open(&device, QStringLiteral("-"))) {
            while (reader.next(message)) {
                list.append({message.offset, message.raw});
            }
        }
        return list;
    };
    const auto whole = messages(1 << 22);
    QCOMPARE(whole.size(), 3);
    QCOMPARE(whole.at(0).second, pupilMessages().at(0));
    QVERIFY(whole.at(1).second.contains("\r\n\r\nFrom the teacher\r\n\r\nFrom me to you\r\n"));
    QCOMPARE(whole.at(2).first, file.indexOf("From zak", whole.at(1).first + 1));
    for (const qint64 chunk : {1, 5, 64, 1000}) {
        QCOMPARE(messages(chunk), whole);
    }

    QBuffer blankFirst;
    blankFirst.setData("\r\n" + file);
    blankFirst.open(QIODevice::ReadOnly);
    checkPupilMessages(readMailSource(&blankFirst, QStringLiteral("-")));

    // Cancelled, it keeps nothing of what it read.
    const MailReading cancelled =
        readMailSource(path, [calls = 0](qint64, qint64) mutable { return ++calls < 2; });
    QVERIFY(cancelled.cancelled);
    QVERIFY(cancelled.reports.isEmpty());

    // A single message is one, whatever its first line.
    QBuffer single;
    single.setData(pupilMessages().at(2));
    single.open(QIODevice::ReadOnly);
    const MailReading one = readMailSource(&single, QStringLiteral("-"));
    QCOMPARE(one.kind, MailSourceReader::Kind::Message);
    QCOMPARE(one.messages, 1);
    QCOMPARE(one.good, 2);

    QCOMPARE(readMailSource(dir.filePath(QStringLiteral("nic.mbox"))).error,
             QStringLiteral("soubor neexistuje"));
}

void MailTextTest::readsMaildirFolders()
{
    QTemporaryDir dir;
    const QDir root(dir.filePath(QStringLiteral("posta")));
    for (const char *sub : {"cur", "new", "tmp"}) {
        QVERIFY(root.mkpath(QString::fromLatin1(sub)));
    }
    const QList<QByteArray> messages = pupilMessages();
    const QStringList names{"cur/1733560001.M1P1.ucitel:2,S", "new/1733560002.M2P1.ucitel",
                            "cur/1733560003.M3P1.ucitel:2,"};
    for (qsizetype i = 0; i < messages.size(); ++i) {
        QFile file(root.filePath(names.at(i)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(messages.at(i));
    }
    QFile own(root.filePath(QStringLiteral("cur/.uidlist")));
    QVERIFY(own.open(QIODevice::WriteOnly));
    own.close();

    for (const QString &given : {root.path(), root.filePath(QStringLiteral("cur"))}) {
        const MailReading reading = readMailSource(given);
        QCOMPARE(reading.kind, MailSourceReader::Kind::Maildir);
        QCOMPARE(reading.path, root.absolutePath());
        checkPupilMessages(reading);
        QCOMPARE(reading.reports.at(2).messagePath, root.filePath(names.at(1)));
    }
    QVERIFY(readMailSource(dir.path()).error.contains(QStringLiteral("Maildir")));
}

void MailTextTest::readsNestedPartsAtAnyDepth()
{
    const QString inner = block(0.3F);
    for (const int levels : {13, 1000}) {
        bool cutShort = true;
        const QString text = readableMailText(nestedMessage(levels, inner), &cutShort);
        QVERIFY2(!cutShort, qPrintable(QString::number(levels)));
        const QList<DecodedReport> found = findReportBlocks(text);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().canonicalBlock, inner);
    }

    // Nesting that would take unbounded work is named, not passed over in silence.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hluboka.eml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(nestedMessage(20000, inner));
    file.close();
    QElapsedTimer clock;
    clock.start();
    const MailReading reading = readMailSource(path);
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(reading.reports.isEmpty());
    QCOMPARE(reading.messageProblems,
             QStringList{QStringLiteral("zpráva je vnořená příliš hluboko")});
}

void MailTextTest::hostileHtmlReadsInLinearTime()
{
    const QString inner = block(0.6F);
    // Hidden elements never closed, closed only nearly, and a "<" with no ">" at all.
    for (const QByteArray &filler :
         {QByteArray("<style>").repeated(150000), QByteArray("<script></script x").repeated(60000),
          QByteArray("<HEAD <br ").repeated(100000), QByteArray(1 << 20, '<')}) {
        const QByteArray html =
            "Content-Type: text/html; charset=utf-8\r\n\r\n<p>" + inner.toUtf8() + "</p>" + filler;
        QElapsedTimer clock;
        clock.start();
        const QString text = readableMailText(html);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        const QList<DecodedReport> found = findReportBlocks(text);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().canonicalBlock, inner);
    }
    // What is closed is still left out, and breaks still break.
    QCOMPARE(readableMailText("Content-Type: text/html\r\n\r\n<STYLE>p{}</style >a<br/>b"
                              "<script>x</script>\r\nc<style>d"),
             QStringLiteral("a\nb cd"));
}

void MailTextTest::wrongCharsetsAndEmptyPartsHideNothing()
{
    const QString inner = block(0.4F);
    // Windows-1250 bytes that the mail program labelled UTF-16, and UTF-8 labelled ASCII.
    for (const QByteArray &label :
         {QByteArray("utf-16"), QByteArray("UTF-16LE"), QByteArray("utf-8")}) {
        const QByteArray eml = "MIME-Version: 1.0\r\nContent-Type: text/plain; charset=" + label +
                               "\r\n\r\n" + windows1250(QStringLiteral("Žák Šťastný\r\n") + inner);
        const QString text = readableMailText(eml);
        QVERIFY2(text.startsWith(QStringLiteral("Žák Šťastný")), qPrintable(label));
        QCOMPARE(findReportBlocks(text).size(), 1);
    }
    const QByteArray utf16 =
        "Content-Type: text/plain; charset=utf-16le\r\n\r\n" +
        QByteArray(reinterpret_cast<const char *>(inner.utf16()), inner.size() * 2);
    QCOMPARE(findReportBlocks(readableMailText(utf16)).size(), 1);

    // An empty plain-text part before the HTML attachment that holds the block.
    for (const QByteArray &empty :
         {QByteArray("Content-Type: text/plain; charset=utf-8\r\n\r\n"),
          QByteArray("Content-Type: text/plain; charset=utf-8\r\n"), QByteArray(""),
          QByteArray("\r\n"),
          QByteArray("Content-Type: text/plain\r\nContent-Transfer-Encoding: base64\r\n\r\n"),
          QByteArray("Content-Type: text/plain\r\nContent-Transfer-Encoding: "
                     "quoted-printable\r\n\r\n=")}) {
        const QByteArray eml =
            "MIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"b\"\r\n"
            "\r\n--b\r\n" +
            empty +
            "\r\n--b\r\n"
            "Content-Type: text/html; name=\"vysledky.html\"\r\n"
            "Content-Disposition: attachment; filename=\"vysledky.html\"\r\n"
            "Content-Transfer-Encoding: base64\r\n\r\n" +
            ("<html><body><p>" + inner.toUtf8() + "</p></body></html>").toBase64() +
            "\r\n--b--\r\n";
        QCOMPARE(findReportBlocks(readableMailText(eml)).size(), 1);
    }
}

// A field given again takes the new value, whether the header has a few fields or thousands.
void MailTextTest::headerFieldsGivenAgainOrByThousands()
{
    const QByteArray base64 = QStringLiteral("Zpráva 4b").toUtf8().toBase64();
    for (const int extra : {0, 5, 3000}) {
        QByteArray eml = "From: zak@skola.example\r\nContent-Transfer-Encoding: 8bit\r\n";
        for (int i = 0; i < extra; ++i) {
            eml += "X-Pole-" + QByteArray::number(i) + ": " + QByteArray::number(i) + "\r\n";
        }
        eml += "Content-Type: text/html\r\nCONTENT-TYPE: text/plain; charset=utf-8\r\n"
               "Content-Transfer-Encoding: base64\r\n\r\n" +
               base64 + "\r\n";
        QCOMPARE(readableMailText(eml), QStringLiteral("Zpráva 4b"));
    }
}

void MailTextTest::refusesAPartTooLargeAndReadsTheRest()
{
    // Base64 of a text a little larger than the limit, and the block in a small part after it.
    const QByteArray huge = QByteArray(mailPartLimit + 1024, 'A');
    const QByteArray eml = "MIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"b\"\r\n"
                           "\r\n--b\r\nContent-Type: text/plain\r\n"
                           "Content-Disposition: attachment; filename=\"obrovsky.txt\"\r\n"
                           "Content-Transfer-Encoding: base64\r\n\r\n" +
                           huge + "\r\n--b\r\nContent-Type: text/plain\r\n\r\n" +
                           block(0.3F).toUtf8() + "\r\n--b--\r\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("velky.eml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(eml);
    file.close();
    const MailReading reading = readMailSource(path);
    QCOMPARE(reading.good, 1);
    QCOMPARE(reading.messageProblems.size(), 1);
    const QString &problem = reading.messageProblems.front();
    QVERIFY2(problem.contains(QStringLiteral("„obrovsky.txt“")) &&
                 problem.contains(QStringLiteral("51 MB")) &&
                 problem.contains(QStringLiteral("nebyla přečtena")),
             qPrintable(problem));
    // A plain text file of that size is one part too.
    QCOMPARE(visitMailTexts(huge, [](const QString &) { return true; }).refusedParts.size(), 1);
}

void MailTextTest::aCancelledReadKeepsNothing()
{
    QByteArray mbox;
    for (int i = 0; i < 3; ++i) {
        mbox += "From a@b Tue Dec  8 10:20:00 2026\nSubject: x\n\n" +
                block(0.1F * static_cast<float>(i + 1)).toUtf8() + "\n\n";
    }
    QBuffer buffer(&mbox);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    int asked = 0;
    // Stopped while the second message is read: not even the first one's block is kept.
    const MailReading reading = readMailSource(&buffer, QStringLiteral("posta.mbox"),
                                               [&](qint64, qint64) { return ++asked < 3; });
    QVERIFY(reading.cancelled);
    QVERIFY(reading.reports.isEmpty());
    QCOMPARE(reading.good, 0);
}

void MailTextTest::readsAMessageForwardedInsideAnEncodedOne()
{
    // A forwarded message sent as it is, inside one sent in base64: the inner one is read from
    // the bytes decoded for the outer one, which must live as long as it is read.
    const QByteArray innermost = "Content-Type: text/plain\r\n\r\n" + block(0.6F).toUtf8() + "\r\n";
    const QByteArray inner = "Content-Type: message/rfc822\r\n\r\n" + innermost;
    const QByteArray eml = "MIME-Version: 1.0\r\nContent-Type: message/rfc822\r\n"
                           "Content-Transfer-Encoding: base64\r\n\r\n" +
                           inner.toBase64() + "\r\n";
    QCOMPARE(findReportBlocks(readableMailText(eml)).size(), 1);
}

QTEST_GUILESS_MAIN(MailTextTest)
#include "tst_mailtext.moc"
