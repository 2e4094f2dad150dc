// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/reportdecoder.h"
#include "support/reportblocks.h"
#include "teacher/files/mailbox.h"
#include "teacher/files/mailtext.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

// A school year's mailbox exported as one mbox of half a gigabyte: twenty thousand messages,
// their reports in plain, base64, quoted-printable and HTML parts beside photos; read message
// by message as the window and --decode read it. Prints the times and the peak memory.
namespace {
constexpr int messageCount = 20'000;

// Figures with a decimal point whatever the locale, as a log is read.
QString figure(double value, int decimals = 1)
{
    return QString::number(value, 'f', decimals);
}

void say(const QString &line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

QByteArray lines76(const QByteArray &base64)
{
    QByteArray out;
    for (qsizetype at = 0; at < base64.size(); at += 76) {
        out += base64.mid(at, 76) + "\r\n";
    }
    return out;
}

QByteArray quotedPrintable(const QByteArray &bytes)
{
    QByteArray out;
    int column = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '\r' || c == '\n') {
            if (out.endsWith(' ')) {
                out.chop(1);
                out += "=20";
            }
            out += c;
            column = 0;
            continue;
        }
        const bool escape = static_cast<unsigned char>(c) >= 0x80 || c == '=';
        const QByteArray piece =
            escape ? '=' + QByteArray(1, c).toHex().toUpper() : QByteArray(1, c);
        if (column + piece.size() > 75) {
            out += "=\r\n";
            column = 0;
        }
        out += piece;
        column += static_cast<int>(piece.size());
    }
    return out;
}

QByteArray message(int i, const QString &block, const QString &previous, const QByteArray &photos)
{
    QString text = QStringLiteral("Dobrý den, paní učitelko,\r\nposílám výsledek dnešního "
                                  "procvičování Ohmova zákona.\r\n\r\n") +
                   block + QStringLiteral("\r\nS pozdravem\r\nŽák %1\r\n").arg(i);
    if (i % 10 == 9) {
        // A reply that quotes the previous pupil's block once more.
        text += QStringLiteral("\r\n> ") +
                QString(previous).replace(QStringLiteral("\r\n"), QStringLiteral("\r\n> "));
    }
    const QByteArray utf8 = text.toUtf8();
    QByteArray part;
    switch (i % 4) {
    case 0:
        part =
            "Content-Type: text/plain; charset=utf-8\r\nContent-Transfer-Encoding: 8bit\r\n\r\n" +
            utf8;
        break;
    case 1:
        part =
            "Content-Type: text/plain; charset=utf-8\r\nContent-Transfer-Encoding: base64\r\n\r\n" +
            lines76(utf8.toBase64());
        break;
    case 2:
        part = "Content-Type: text/plain; charset=utf-8\r\n"
               "Content-Transfer-Encoding: quoted-printable\r\n\r\n" +
               quotedPrintable(utf8);
        break;
    default: {
        const QByteArray html =
            "<html><body><div>" +
            QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("<br>\r\n")).toUtf8() +
            "</div></body></html>";
        part = "Content-Type: multipart/alternative; boundary=alt\r\n\r\n--alt\r\n"
               "Content-Type: text/plain\r\n\r\nZpráva je v HTML.\r\n--alt\r\n"
               "Content-Type: text/html; charset=utf-8\r\n"
               "Content-Transfer-Encoding: quoted-printable\r\n\r\n" +
               quotedPrintable(html) + "\r\n--alt--\r\n";
    }
    }
    QByteArray mail =
        QStringLiteral("From: zak%1@skola.example.org\r\nTo: ucitelka@skola.example.org"
                       "\r\nSubject: Tesilka\r\nDate: Mon, 7 Dec 2026 10:25:00 +0100"
                       "\r\nMessage-ID: <%1@skola.example.org>\r\nMIME-Version: 1.0"
                       "\r\n")
            .arg(i)
            .toUtf8();
    if (i % 3 == 0) {
        return mail + part;
    }
    // A photo of the circuit: what makes a real mailbox large.
    const qsizetype lineBytes = 78;
    const qsizetype length =
        (20'000 + (static_cast<qsizetype>(i) * 7919) % 30'000) / lineBytes * lineBytes;
    const qsizetype start =
        (static_cast<qsizetype>(i) * 131) % ((photos.size() - length) / lineBytes) * lineBytes;
    return mail + "Content-Type: multipart/mixed; boundary=mix\r\n\r\n--mix\r\n" + part +
           "\r\n--mix\r\nContent-Type: image/jpeg; name=obvod.jpg\r\n"
           "Content-Disposition: attachment; filename=obvod.jpg\r\n"
           "Content-Transfer-Encoding: base64\r\n\r\n" +
           photos.mid(start, length) + "--mix--\r\n";
}
} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rocnik.mbox"));
    QElapsedTimer timer;
    timer.start();
    {
        QByteArray random(64 * 1024, Qt::Uninitialized);
        QRandomGenerator generator(500);
        for (char &byte : random) {
            byte = static_cast<char>(generator.bounded(256));
        }
        const QByteArray photos = lines76(random.toBase64());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            std::fputs(qPrintable(QStringLiteral("cannot write %1\n").arg(path)), stderr);
            return 2;
        }
        QString previous;
        for (int i = 0; i < messageCount; ++i) {
            const QString block = pupilReportBlock(QStringLiteral("Žák číslo %1 Novotný").arg(i),
                                                   QStringLiteral("%1.B").arg(6 + i % 4),
                                                   1000 + i % 97, i % 13, i % 256, 1 + i % 28);
            file.write(QStringLiteral("From zak%1@skola.example.org Mon Dec  7 10:%2:00 2026\r\n")
                           .arg(i)
                           .arg(i % 60, 2, 10, QLatin1Char('0'))
                           .toLatin1() +
                       message(i, block, previous, photos) + "\r\n");
            previous = block;
        }
    }
    const double size = static_cast<double>(QFileInfo(path).size()) / 1e6;
    say(QStringLiteral("mbox: %1 messages, %2 MB, written in %3 s")
            .arg(messageCount)
            .arg(figure(size), figure(static_cast<double>(timer.elapsed()) / 1000.0)));
    say(QStringLiteral("peak memory before reading: %1 MB").arg(figure(peakMegabytes())));

    // The anchor: the same bytes read in chunks and looked at once, nothing more.
    timer.restart();
    qint64 lineBreaks = 0;
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QByteArray chunk(4 * 1024 * 1024, Qt::Uninitialized);
        for (qint64 got = 0; (got = file.read(chunk.data(), chunk.size())) > 0;) {
            lineBreaks += std::count(chunk.constData(), chunk.constData() + got, '\n');
        }
    }
    const double plain = static_cast<double>(timer.elapsed()) / 1000.0;
    say(QStringLiteral("plain pass over the bytes: %1 s (%2 line breaks)")
            .arg(figure(plain, 2))
            .arg(lineBreaks));

    // Message by message, nothing kept: what the reader and the decoder cost.
    timer.restart();
    MailSourceReader reader;
    reader.open(path);
    MailMessage mail;
    BlockRepeats repeats;
    int messages = 0;
    int good = 0;
    int bad = 0;
    int repeated = 0;
    while (reader.next(mail)) {
        ++messages;
        for (const DecodedReport &report : findReportBlocks(readableMailText(mail.raw))) {
            if (repeats.isRepeat(report)) {
                ++repeated;
            } else {
                (report.isOk() ? good : bad) += 1;
            }
        }
    }
    const double streamed = static_cast<double>(timer.elapsed()) / 1000.0;
    say(QStringLiteral("reader + findReportBlocks: %1 s (%2 times the plain pass), %3 messages, "
                       "%4 reports, %5 repeated, %6 bad; peak memory %7 MB")
            .arg(figure(streamed, 2), figure(streamed / plain))
            .arg(messages)
            .arg(good)
            .arg(repeated)
            .arg(bad)
            .arg(figure(peakMegabytes())));

    // As the window and --decode read it: every report kept for the table.
    timer.restart();
    const MailReading reading = readMailSource(path);
    say(QStringLiteral("readMailSource, reports kept: %1 s, %2 messages, %3 reports; peak memory "
                       "%4 MB")
            .arg(figure(static_cast<double>(timer.elapsed()) / 1000.0, 2))
            .arg(reading.messages)
            .arg(reading.good)
            .arg(figure(peakMegabytes())));

    const int expectedRepeats = messageCount / 10;
    const bool right = messages == messageCount && good == messageCount && bad == 0 &&
                       repeated == expectedRepeats && reading.good == messageCount &&
                       reading.repeated == expectedRepeats;
    say(right ? QStringLiteral("counts as expected") : QStringLiteral("COUNTS WRONG"));
    return right ? 0 : 1;
}
