// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/resultsdatabase.h"
#include "database/teacherdatabase.h"
#include "support/reportblocks.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

// --export-results of a school's million runs (CSV and XLSX) and --decode of a mailbox of a
// hundred thousand reports, each run as the teacher runs it (a process of its own) alternately
// with its anchor: the same statement in sqlite3 -csv, and a plain pass that turns the mail's
// hex digits into bytes. Prints markdown rows of the best of the rounds, and peak memory.
// Usage: bench_exportdecode [--runs N] [--blocks N] [--rounds N] [--keep FOLDER]; with
// --statement DATABASE it prints the anchor's statement of that file.

namespace {

void say(const QString &line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

struct Child
{
    double ms = 0;
    double peakMiB = 0;
    int status = -1;
};

// Runs a program with its standard output (and error) into files, as a shell would.
Child runChild(const QStringList &arguments, const QString &outPath, const QString &errPath)
{
    std::vector<QByteArray> bytes;
    bytes.reserve(static_cast<std::size_t>(arguments.size()));
    std::vector<char *> argv;
    for (const QString &argument : arguments) {
        bytes.push_back(argument.toLocal8Bit());
        argv.push_back(bytes.back().data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray out = outPath.toLocal8Bit();
    const QByteArray err = errPath.toLocal8Bit();
    posix_spawn_file_actions_addopen(&actions, 1, out.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    Child child;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv.front(), &actions, nullptr, argv.data(), environ) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return child;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    child.ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    child.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    child.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

// The anchor of decoding: every pair of hex digits of the text as a byte, the rest skipped.
int hexPass(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 2;
    }
    const QByteArray text = file.readAll();
    QByteArray bytes(text.size() / 2, Qt::Uninitialized);
    qsizetype count = 0;
    int high = -1;
    for (const char c : text) {
        int value = -1;
        if (c >= '0' && c <= '9') {
            value = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            value = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            value = c - 'A' + 10;
        }
        if (value < 0) {
            high = -1;
        } else if (high < 0) {
            high = value;
        } else {
            bytes[count++] = static_cast<char>(high * 16 + value);
            high = -1;
        }
    }
    std::printf("%lld\n", static_cast<long long>(count));
    return 0;
}

// 2,000 pupils in 80 classes, `runs` school runs over 400 days and a report per thousand.
bool makeSchool(const QString &path, qint64 runs)
{
    auto database = TeacherDatabase::create(DatabaseLocation::sqliteFile(path), false);
    QSqlQuery fill(database->connection());
    const QString schoolRuns =
        QStringLiteral(
            R"(WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) )"
            R"(INSERT INTO "Prehled " SELECT 'Žák ' || (i % 2000), 'T' || ((i % 2000) / 25), )"
            R"((i * 7) % 13, (i * 3) % 5, '10:00:00', printf('%02d:%02d:00', 10 + i % 8, )"
            R"(i % 60), date('2025-09-01', '+' || ((i / 2000) % 400) || ' days'), 'zak', 1, )"
            R"(NULL FROM n)")
            .arg(runs - 1);
    const QString reports =
        QStringLiteral(
            R"(WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) )"
            R"(INSERT INTO "Zpravy" SELECT 'Žák ' || (i % 2000), 'T' || ((i % 2000) / 25), )"
            R"(date('2025-09-01', '+' || (i % 400) || ' days') || ' 10:00', )"
            R"(date('2025-09-01', '+' || (i % 400) || ' days') || ' 10:20', 10, 6, 4, 't', )"
            R"('b' || i, 'b' || i, '2026-01-01 00:00:00', 'Žák ' || (i % 2000), )"
            R"('T' || ((i % 2000) / 25), 0 FROM n)")
            .arg(std::max<qint64>(runs / 1000, 1) - 1);
    for (const QString &statement :
         {QStringLiteral("BEGIN"), schoolRuns, reports, QStringLiteral("COMMIT")}) {
        if (!fill.exec(statement)) {
            say(QStringLiteral("The school cannot be made: ") + fill.lastError().text());
            return false;
        }
    }
    // The views' indexes now, so that no timed run makes them.
    const ResultsDatabase results(*database);
    return true;
}

// One message per report in an mbox, as a pupil sends it.
bool makeMail(const QString &path, int blocks)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QByteArray chunk;
    for (int i = 0; i < blocks; ++i) {
        const QString block = pupilReportBlock(QStringLiteral("Žák %1").arg(i % 2000),
                                               QStringLiteral("T%1").arg((i % 2000) / 25), i % 13,
                                               (i * 3) % 5, i % 256, 1 + i % 7);
        chunk += "From zak@skola.example Mon Dec  7 10:20:00 2026\n"
                 "From: zak@skola.example\nTo: ucitel@skola.example\n"
                 "Subject: =?UTF-8?Q?Zpr=C3=A1va?=\nMIME-Version: 1.0\n"
                 "Content-Type: text/plain; charset=utf-8\nContent-Transfer-Encoding: 8bit\n\n" +
                 QStringLiteral("Dobrý den, posílám výsledek.\n\n%1\nS pozdravem\n\n")
                     .arg(QString(block).replace(QStringLiteral("\r\n"), QStringLiteral("\n")))
                     .toUtf8();
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    file.write(chunk);
    return file.flush();
}

QString figure(double value, int decimals = 0)
{
    return QString::number(value, 'f', decimals);
}

struct Measured
{
    QString what;
    std::optional<Child> project;
    std::optional<Child> anchor;

    void keepBest(std::optional<Child> &best, const Child &child)
    {
        if (!best || child.ms < best->ms) {
            best = child;
        }
    }
};

// The statement of --export-results for sqlite3. The Czech collation is the teacher's
// program's own: it orders nothing here (the rows go by day and time), and sqlite3 lacks it.
QString anchorStatement(const QString &database)
{
    const auto opened = TeacherDatabase::open(DatabaseLocation::sqliteFile(database));
    const ResultsDatabase results(*opened);
    return results.runsStatement({}, {}).text.remove(QStringLiteral(R"( COLLATE "tesilka_cs")"));
}

} // namespace

int main(int argc, char **argv)
{
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    qint64 runs = 1'000'000;
    int blocks = 100'000;
    int rounds = 3;
    QString keep;
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        const QString &option = arguments.at(i);
        const QString &value = arguments.at(i + 1);
        if (option == QLatin1String("--hex-pass")) {
            return hexPass(value);
        }
        if (option == QLatin1String("--statement")) {
            say(anchorStatement(value));
            return 0;
        }
        if (option == QLatin1String("--runs")) {
            runs = std::max<qint64>(1, value.toLongLong());
        } else if (option == QLatin1String("--blocks")) {
            blocks = std::max(1, value.toInt());
        } else if (option == QLatin1String("--rounds")) {
            rounds = std::max(1, value.toInt());
        } else if (option == QLatin1String("--keep")) {
            keep = value;
        }
    }
    QTemporaryDir temporary;
    const QDir dir(keep.isEmpty() ? temporary.path() : keep);
    if (!keep.isEmpty()) {
        QDir().mkpath(keep);
    }
    const QString database = dir.filePath(QStringLiteral("skola.db"));
    const QString mail = dir.filePath(QStringLiteral("posta.mbox"));
    QFile::remove(database);
    QElapsedTimer making;
    making.start();
    if (!makeSchool(database, runs) || !makeMail(mail, blocks)) {
        say(QStringLiteral("The data cannot be made in %1.").arg(dir.path()));
        return 1;
    }
    QString statement;
    {
        const auto opened = TeacherDatabase::open(DatabaseLocation::sqliteFile(database));
        const ResultsDatabase results(*opened);
        // The Czech collation is the teacher's program's own: it orders nothing here (the rows
        // go by day and time), and sqlite3 does not know it.
        statement =
            results.runsStatement({}, {}).text.remove(QStringLiteral(R"( COLLATE "tesilka_cs")"));
    }
    const double mailMiB = static_cast<double>(QFileInfo(mail).size()) / (1024.0 * 1024.0);
    say(QStringLiteral("Made %1 runs and %2 blocks (%3 MiB of mail) in %4 s.")
            .arg(runs)
            .arg(blocks)
            .arg(figure(mailMiB, 1))
            .arg(figure(static_cast<double>(making.elapsed()) / 1000.0, 1)));

    const QString teacher = QStringLiteral(TESILKA_TEACHER_PROGRAM);
    const QString self = QCoreApplication::applicationFilePath();
    const QString err = dir.filePath(QStringLiteral("chyby.txt"));
    const QString sink = dir.filePath(QStringLiteral("vystup.txt"));
    const QString anchorCsv = dir.filePath(QStringLiteral("sqlite3.csv"));
    const QStringList sqlite3{QStringLiteral("sqlite3"), QStringLiteral("-csv"), database,
                              statement};
    struct Case
    {
        QString what;
        QStringList project;
        QString projectOut;
        QStringList anchor;
        QString anchorOut;
    };
    const std::vector<Case> cases{
        {QStringLiteral("--export-results CSV, %1 runs").arg(runs),
         {teacher, QStringLiteral("--database"), database, QStringLiteral("--export-results"),
          dir.filePath(QStringLiteral("vysledky.csv"))},
         sink,
         sqlite3,
         anchorCsv},
        {QStringLiteral("--export-results XLSX, %1 runs").arg(runs),
         {teacher, QStringLiteral("--database"), database, QStringLiteral("--export-results"),
          dir.filePath(QStringLiteral("vysledky.xlsx"))},
         sink,
         sqlite3,
         anchorCsv},
        {QStringLiteral("--decode, %1 blocks").arg(blocks),
         {teacher, QStringLiteral("--decode"), mail},
         dir.filePath(QStringLiteral("zpravy.csv")),
         {self, QStringLiteral("--hex-pass"), mail},
         sink},
    };
    std::vector<Measured> measured(cases.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t c = 0; c < cases.size(); ++c) {
            const Case &one = cases[c];
            Measured &best = measured[c];
            best.what = one.what;
            const Child project = runChild(one.project, one.projectOut, err);
            const Child anchor = runChild(one.anchor, one.anchorOut, sink + u'2');
            if (project.status < 0 || project.status > 1 || anchor.status != 0) {
                say(QStringLiteral("%1 failed (%2, %3); see %4.")
                        .arg(one.what)
                        .arg(project.status)
                        .arg(anchor.status)
                        .arg(err));
                return 1;
            }
            best.keepBest(best.project, project);
            best.keepBest(best.anchor, anchor);
        }
    }
    say(QStringLiteral("| what | project ms | anchor ms | ratio |"));
    say(QStringLiteral("|---|---:|---:|---:|"));
    for (const Measured &one : measured) {
        say(QStringLiteral("| %1 | %2 | %3 | %4 |")
                .arg(one.what, figure(one.project->ms), figure(one.anchor->ms),
                     figure(one.project->ms / one.anchor->ms, 2)));
    }
    say(QString());
    say(QStringLiteral("| peak memory | project MiB | anchor MiB | project / input |"));
    say(QStringLiteral("|---|---:|---:|---:|"));
    for (std::size_t c = 0; c < measured.size(); ++c) {
        const Measured &one = measured[c];
        const bool decoding = c + 1 == measured.size();
        say(QStringLiteral("| %1 | %2 | %3 | %4 |")
                .arg(one.what, figure(one.project->peakMiB), figure(one.anchor->peakMiB),
                     decoding ? figure(one.project->peakMiB / mailMiB, 2) : QStringLiteral("–")));
    }
    return 0;
}
