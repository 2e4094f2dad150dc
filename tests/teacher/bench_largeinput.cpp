// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/teacherdatabase.h"
#include "support/reportblocks.h"
#include "teacher/files/classlistcsv.h"
#include "teacher/files/mailbox.h"
#include "teacher/reportspage.h"
#include "teacher/reporttablemodel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <memory>

// A single mail of 200 MB (four text attachments just under the part limit, each with blocks
// in pages of prose, and a photo), an mbox of 200 MB (2,000 messages) and a class list of a
// million lines, each read as the window reads it (the class list also previewed and imported
// into a new SQLite file), alternating with a plain pass over the same bytes. Each step runs in
// a process of its own, so that its peak memory (ru_maxrss) is its own.
namespace {
constexpr qint64 megabyte = 1 << 20;

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

QByteArray prosePage(int number)
{
    return QByteArray("Dobrý den, posílám výsledky z dnešní hodiny, zdraví žák číslo ") +
           QByteArray::number(number) + ".\n";
}

QByteArray lines76(const QByteArray &base64)
{
    QByteArray out;
    out.reserve(base64.size() + base64.size() / 38);
    for (qsizetype at = 0; at < base64.size(); at += 76) {
        out += base64.mid(at, 76) + "\r\n";
    }
    return out;
}

// Text of about `bytes` with a block every 100 KB.
QByteArray textWithBlocks(qint64 bytes, int &pupil)
{
    QByteArray text;
    text.reserve(bytes + megabyte);
    while (text.size() < bytes) {
        for (int i = 0; i < 1500; ++i) {
            text += prosePage(i);
        }
        text += pupilReportBlock(QStringLiteral("Žák %1").arg(pupil), QStringLiteral("3.A"), 5, 1,
                                 pupil % 256, 1 + pupil % 28)
                    .toUtf8() +
                "\r\n";
        ++pupil;
    }
    return text;
}

bool writeMail(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write("From: zak@skola.cz\r\nSubject: Vysledky\r\nMIME-Version: 1.0\r\n"
               "Content-Type: multipart/mixed; boundary=\"b\"\r\n\r\n");
    int pupil = 0;
    for (int part = 0; part < 4; ++part) {
        // 34 MB of text is 46 MB of base64 with its line breaks: under the limit of 50 MB.
        file.write("--b\r\nContent-Type: text/plain; charset=utf-8\r\n"
                   "Content-Disposition: attachment; filename=\"vysledky" +
                   QByteArray::number(part) +
                   ".txt\"\r\nContent-Transfer-Encoding: base64\r\n\r\n" +
                   lines76(textWithBlocks(34 * megabyte, pupil).toBase64()));
    }
    QByteArray photo(14 * megabyte, '\0');
    for (qsizetype i = 0; i < photo.size(); ++i) {
        photo[i] = static_cast<char>((i * 2654435761U) >> 24);
    }
    file.write("--b\r\nContent-Type: image/jpeg; name=\"tabule.jpg\"\r\n"
               "Content-Transfer-Encoding: base64\r\n\r\n" +
               lines76(photo.toBase64()) + "--b--\r\n");
    return file.error() == QFileDevice::NoError;
}

bool writeMbox(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    int pupil = 0;
    while (file.size() < qint64(200) * megabyte) {
        file.write("From zak@skola.cz Tue Dec  8 10:20:00 2026\nSubject: Vysledky\n\n" +
                   textWithBlocks(qint64(100) * 1024, pupil) + "\n");
    }
    return file.error() == QFileDevice::NoError;
}

bool writeClassList(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QByteArray text = "Příjmení;Jméno;Třída\r\n";
    for (int i = 0; i < 1'000'000 - 1; ++i) {
        text +=
            "Novák" + QByteArray::number(i) + ";Petr;" + QByteArray::number(i % 9 + 1) + ".A\r\n";
    }
    return file.write(text) == text.size();
}

// One step in this process; prints "seconds peak-MB result".
int runStep(const QString &step, const QStringList &arguments)
{
    QElapsedTimer clock;
    clock.start();
    qint64 result = 0;
    if (step == QLatin1String("plain")) {
        // The anchor: the bytes read in chunks of 4 MB and their line breaks counted.
        QFile file(arguments.value(0));
        if (!file.open(QIODevice::ReadOnly)) {
            return 1;
        }
        QByteArray chunk(4 * megabyte, Qt::Uninitialized);
        for (qint64 got = 0; (got = file.read(chunk.data(), chunk.size())) > 0;) {
            result += QByteArrayView(chunk.constData(), got).count('\n');
        }
    } else if (step == QLatin1String("mail")) {
        const MailReading reading = readMailSource(arguments.value(0));
        result = reading.good;
        if (!reading.messageProblems.isEmpty()) {
            say(reading.messageProblems.join(u'\n'));
        }
    } else if (step == QLatin1String("window")) {
        // The teacher's page reads the file; a timer of the window's thread notes its longest
        // pause, which is printed as the result.
        ReportsPage page;
        page.show();
        QElapsedTimer since;
        qint64 largest = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout,
                         [&] { largest = std::max(largest, since.restart()); });
        since.start();
        tick.start(5);
        page.addFiles({arguments.value(0)});
        result = std::max(largest, since.elapsed());
        say(QStringLiteral("%1 reports").arg(page.model()->goodCount()));
    } else if (step == QLatin1String("classlist")) {
        ClassListSource source;
        if (!readClassListFile(arguments.value(0), source).isEmpty()) {
            return 1;
        }
        const ClassList list = parseClassList(source, guessClassListOptions(source));
        const qint64 parsed = clock.elapsed();
        const auto database =
            TeacherDatabase::create(DatabaseLocation::sqliteFile(arguments.value(1)), true);
        const QList<LineIssue> stored = database->pupilsAlreadyStored(list.rows);
        const qint64 checked = clock.elapsed();
        result = database->importPupils(list.rows).added + stored.size();
        say(QStringLiteral("read and parsed %1 s, checked against the list %2 s, imported %3 s")
                .arg(static_cast<double>(parsed) / 1000.0, 0, 'f', 2)
                .arg(static_cast<double>(checked - parsed) / 1000.0, 0, 'f', 2)
                .arg(static_cast<double>(clock.elapsed() - checked) / 1000.0, 0, 'f', 2));
    } else if (step == QLatin1String("write")) {
        const QDir dir(arguments.value(0));
        return writeMail(dir.filePath(QStringLiteral("velky.eml"))) &&
                       writeMbox(dir.filePath(QStringLiteral("posta.mbox"))) &&
                       writeClassList(dir.filePath(QStringLiteral("trida.csv")))
                   ? 0
                   : 1;
    } else {
        return 1;
    }
    say(QStringLiteral("%1 %2 %3")
            .arg(static_cast<double>(clock.elapsed()) / 1000.0, 0, 'f', 2)
            .arg(peakMegabytes(), 0, 'f', 0)
            .arg(result));
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    const bool window = argc > 1 && qstrcmp(argv[1], "window") == 0;
    if (window) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const std::unique_ptr<QCoreApplication> app(window ? new QApplication(argc, argv)
                                                       : new QCoreApplication(argc, argv));
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!arguments.isEmpty()) {
        const QString step = arguments.takeFirst();
        return runStep(step, arguments);
    }
    QTemporaryDir dir;
    const QString mail = dir.filePath(QStringLiteral("velky.eml"));
    const QString mbox = dir.filePath(QStringLiteral("posta.mbox"));
    const QString list = dir.filePath(QStringLiteral("trida.csv"));
    const auto run = [&](const QStringList &step) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), step);
        child.waitForFinished(-1);
        return QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    };
    // Written by a child too: a child starts with the peak memory of the process it was
    // forked from, which is to stay small.
    run({QStringLiteral("write"), dir.path()});
    if (!QFile::exists(list)) {
        say(QStringLiteral("cannot write the inputs into %1").arg(dir.path()));
        return 1;
    }
    const QList<std::pair<QString, QStringList>> cases{
        {QStringLiteral("mail"), {mail}},
        {QStringLiteral("mail"), {mbox}},
        {QStringLiteral("classlist"), {list, dir.filePath(QStringLiteral("skola.db"))}}};
    say(QStringLiteral("input | MB | step: seconds peak-MB result"));
    for (int round = 1; round <= 2; ++round) {
        for (const auto &[step, inputs] : cases) {
            const QString &input = inputs.front();
            const QString name = QFileInfo(input).fileName();
            const QString size = QString::number(QFileInfo(input).size() / megabyte);
            say(QStringLiteral("%1 | %2 | plain: %3").arg(name, size, run({"plain", input})));
            say(QStringLiteral("%1 | %2 | %3: %4")
                    .arg(name, size, step, run(QStringList{step} + inputs)));
            if (step == QLatin1String("mail")) {
                say(QStringLiteral("%1 | %2 | window, longest pause in ms: %3")
                        .arg(name, size, run({QStringLiteral("window"), input})));
            }
        }
    }
    return 0;
}
