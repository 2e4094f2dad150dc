// SPDX-License-Identifier: GPL-3.0-or-later
// What a classroom sees when it stores its runs: one pupil alone, then 30 and 100 processes
// released together, each appending its run and reading the pupil's totals, against an SQLite
// file on the local disk and against a PostgreSQL server that this program starts for itself
// as a school runs one (fsync on, the pupils over TLS with the school's client certificate).
// For the server it also counts the statements of one run and the server's CPU time per run.
// Prints its settings and a table; every row must land. Run by hand: bench_classroom [N...]
#include "database/schooldatabase.h"
#include "schoolanswers.h"
#include "support/sqlscript.h"
#include "support/testserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

constexpr int pupilsOnTheList = 30;

// Signs in as the pupil's program does, waits for the word to go, then appends one run; prints
// both times in whole microseconds (no decimal separator for the locale to change).
int worker(const QString &location, const QString &surname)
{
    const SchoolDatabase database(location);
    QElapsedTimer timer;
    timer.start();
    try {
        (void)database.loadPupilList();
    } catch (const DatabaseError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    const qint64 signIn = timer.nsecsElapsed() / 1000;
    char line[16];
    if (std::fgets(line, sizeof line, stdin) == nullptr) {
        return 2;
    }
    SchoolRun state;
    state.surname = surname;
    state.className = QStringLiteral("3A");
    state.start = QTime::currentTime().addSecs(-600);
    state.correct = 7;
    state.wrong = 3;
    state.answers = answersFor(7, 3);
    timer.restart();
    try {
        (void)database.recordRunResult(state, QDateTime::currentDateTime());
    } catch (const DatabaseError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::printf("%lld %lld\n", static_cast<long long>(signIn),
                static_cast<long long>(timer.nsecsElapsed() / 1000));
    return 0;
}

struct Outcome
{
    int failed = 0;
    double signIn = 0; // median, ms
    double median = 0; // of storing the run, ms
    double slowest = 0;
};

// The medians of the sign-ins and of the stores, and the slowest store.
void summarise(Outcome &outcome, std::vector<double> signIns, std::vector<double> times)
{
    std::sort(signIns.begin(), signIns.end());
    std::sort(times.begin(), times.end());
    if (!times.empty()) {
        outcome.signIn = signIns[signIns.size() / 2];
        outcome.median = times[times.size() / 2];
        outcome.slowest = times.back();
    }
}

Outcome classroom(const QString &location, int processes)
{
    std::vector<std::unique_ptr<QProcess>> pupils;
    for (int i = 0; i < processes; ++i) {
        auto pupil = std::make_unique<QProcess>();
        pupil->setProgram(QCoreApplication::applicationFilePath());
        pupil->setArguments({QStringLiteral("--worker"), location,
                             QStringLiteral("Žák %1").arg(i % pupilsOnTheList)});
        pupil->start();
        pupils.push_back(std::move(pupil));
    }
    for (auto &pupil : pupils) {
        pupil->waitForStarted();
    }
    QThread::msleep(500); // every process loaded and waiting
    for (auto &pupil : pupils) {
        pupil->write("go\n");
        pupil->waitForBytesWritten();
    }
    Outcome outcome;
    std::vector<double> signIns;
    std::vector<double> times;
    for (auto &pupil : pupils) {
        pupil->waitForFinished(120000);
        const QList<QByteArray> fields = pupil->readAllStandardOutput().trimmed().split(' ');
        bool signedIn = false;
        bool stored = false;
        const qlonglong signIn = fields.value(0).toLongLong(&signedIn);
        const qlonglong microseconds = fields.value(1).toLongLong(&stored);
        if (pupil->exitCode() != 0 || !signedIn || !stored) {
            ++outcome.failed;
            std::fprintf(stderr, "%s", pupil->readAllStandardError().constData());
            continue;
        }
        signIns.push_back(static_cast<double>(signIn) / 1000.0);
        times.push_back(static_cast<double>(microseconds) / 1000.0);
    }
    summarise(outcome, signIns, times);
    return outcome;
}

// One pupil at a time, `runs` times: what a pupil sees in a quiet classroom.
Outcome alone(const QString &location, int runs)
{
    std::vector<double> signIns;
    std::vector<double> times;
    Outcome outcome;
    for (int i = 0; i < runs; ++i) {
        const Outcome one = classroom(location, 1);
        outcome.failed += one.failed;
        if (one.failed == 0) {
            signIns.push_back(one.signIn);
            times.push_back(one.median);
        }
    }
    summarise(outcome, signIns, times);
    return outcome;
}

QString psqlValue(const QString &database, const QString &sql)
{
    QProcess psql;
    psql.start(QStringLiteral("psql"),
               {QStringLiteral("-XtA"), QStringLiteral("-h"), testserver::socketDirectory(),
                QStringLiteral("-p"), testserver::port(), QStringLiteral("-U"),
                QStringLiteral("postgres"), QStringLiteral("-d"), database, QStringLiteral("-c"),
                sql});
    psql.waitForFinished();
    return QString::fromUtf8(psql.readAllStandardOutput()).trimmed();
}

qlonglong storedRows(const QString &file, const QString &database)
{
    if (!database.isEmpty()) {
        return psqlValue(database, QStringLiteral("SELECT COUNT(*) FROM \"Prehled \""))
            .toLongLong();
    }
    const ScratchConnection db(file, QStringLiteral("count"));
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Prehled \"")).toLongLong();
}

// The CPU time of the server's ended backends, in ms: the postmaster's children's time.
double serverChildrenCpuMs()
{
    QFile pidFile(testserver::socketDirectory() + QStringLiteral("/data/postmaster.pid"));
    if (!pidFile.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray pid = pidFile.readLine().trimmed();
    QFile stat(QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(pid)));
    if (!stat.open(QIODevice::ReadOnly)) {
        return 0;
    }
    // Fields after the command's closing parenthesis; cutime and cstime are the 16th and 17th
    // of the line.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    return (fields.value(13).toDouble() + fields.value(14).toDouble()) * 1000.0 / ticks;
}

// The statements the server received for one pupil's run, from its log.
QStringList statementsOfOneRun(const QString &location, const QString &database)
{
    const QString log = testserver::socketDirectory() + QStringLiteral("/server.log");
    psqlValue(database,
              QStringLiteral("ALTER DATABASE %1 SET log_min_duration_statement = 0").arg(database));
    const qint64 before = QFileInfo(log).size();
    (void)alone(location, 1);
    psqlValue(database,
              QStringLiteral("ALTER DATABASE %1 RESET log_min_duration_statement").arg(database));
    QFile file(log);
    QStringList statements;
    if (file.open(QIODevice::ReadOnly) && file.seek(before)) {
        static const QRegularExpression entry(QStringLiteral(R"(duration: [0-9.]+ ms\s+(.*)$)"));
        for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            const QRegularExpressionMatch match = entry.match(line);
            if (match.hasMatch() && !match.captured(1).contains(QStringLiteral("ALTER DATABASE"))) {
                statements << match.captured(1).left(90);
            }
        }
    }
    return statements;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--worker") == 0) {
        return worker(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QList<int> sizes;
    for (int i = 1; i < argc; ++i) {
        sizes.append(QString::fromLocal8Bit(argv[i]).toInt());
    }
    if (sizes.isEmpty()) {
        sizes = {30, 100};
    }
    const QString script = QStringLiteral(TESILKA_TEST_SERVER_SCRIPT);
    const QString state = QStringLiteral(TESILKA_TEST_SERVER_STATE);
    if (QProcess::execute(script, {QStringLiteral("start"), state, QStringLiteral("durable")}) !=
        0) {
        return 1;
    }
    QTemporaryDir dir;
    QTextStream out(stdout);
    out << "SQLite: a file on the local disk, rollback journal, short waits for a busy file.\n"
           "PostgreSQL: on this machine, fsync and synchronous_commit on, the pupils' login over "
           "TLS on 127.0.0.1 with the school's client certificate (as README.md sets it up).\n"
           "Sign-in: the list read as the pupil's program reads it, each process on its own.\n"
           "Summary: from the start signal, given to all at once, to the totals.\n\n";
    out << "engine      processes  stored  failed  sign-in ms  summary median ms  slowest ms\n";
    int status = 0;
    const auto report = [&](bool server, const QString &what, const Outcome &outcome,
                            qlonglong stored, qlonglong expected) {
        out << QStringLiteral("%1  %2  %3  %4  %5  %6  %7\n")
                   .arg(server ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite"), -10)
                   .arg(what, 9)
                   .arg(stored, 6)
                   .arg(outcome.failed, 6)
                   .arg(outcome.signIn, 10, 'f', 1)
                   .arg(outcome.median, 17, 'f', 1)
                   .arg(outcome.slowest, 10, 'f', 1);
        out.flush();
        if (stored != expected || outcome.failed != 0) {
            status = 1;
        }
    };
    constexpr int aloneRuns = 20;
    QStringList pupils;
    for (int i = 0; i < pupilsOnTheList; ++i) {
        pupils << QStringLiteral("('Žák %1', '3A')").arg(i);
    }
    const QString listSql =
        QStringLiteral(R"(INSERT INTO "Zaci" ("Prijmeni", "Trida") VALUES )") + pupils.join(u',');
    double cpuPerRun = 0;
    QStringList oneRun;
    for (const bool server : {false, true}) {
        qlonglong expected = 0;
        // One database per engine: the classrooms append to what the pupil alone left.
        QString file;
        QString database;
        QString location;
        if (server) {
            QString error;
            database = testserver::createDatabase(error);
            if (database.isEmpty()) {
                out << error << '\n';
                status = 1;
                continue;
            }
            psqlValue(database, listSql);
            psqlValue(database, QStringLiteral("DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles "
                                               "WHERE rolname = 'zak_cert') THEN CREATE ROLE "
                                               "zak_cert LOGIN IN ROLE tesilka_zak; END IF; "
                                               "END $$"));
            const QString certificates = testserver::certificateFolder();
            location = QStringLiteral("postgresql://zak_cert@127.0.0.1:%1/%2?sslmode=verify-full&"
                                      "sslrootcert=%3/skola-ca.crt&sslcert=%3/zak_cert.crt&"
                                      "sslkey=%3/zak_cert.key")
                           .arg(testserver::port(), database, certificates);
        } else {
            file = dir.filePath(QStringLiteral("classroom.db"));
            const ScratchConnection setup(file, QStringLiteral("setup"));
            runSqlFile(setup.db(), QStringLiteral(TESILKA_DATABASE_SOURCE_DIR "/schema.sql"));
            setup.run(listSql);
            location = file;
        }
        const double cpuBefore = server ? serverChildrenCpuMs() : 0;
        const Outcome quiet = alone(location, aloneRuns);
        expected += aloneRuns;
        if (server) {
            cpuPerRun = (serverChildrenCpuMs() - cpuBefore) / aloneRuns;
        }
        report(server, QStringLiteral("1 alone"), quiet, storedRows(file, database), expected);
        for (const int processes : sizes) {
            const Outcome outcome = classroom(location, processes);
            expected += processes;
            report(server, QString::number(processes), outcome, storedRows(file, database),
                   expected);
        }
        if (server) {
            oneRun = statementsOfOneRun(location, database);
        }
    }
    out << QStringLiteral("\nPostgreSQL, one pupil's run (sign-in and summary): %1 ms of the "
                          "server's CPU; %2 statements after the connection:\n")
               .arg(cpuPerRun, 0, 'f', 1)
               .arg(oneRun.size());
    for (const QString &statement : oneRun) {
        out << "  " << statement << '\n';
    }
    QProcess::execute(script, {QStringLiteral("stop"), state});
    return status;
}
