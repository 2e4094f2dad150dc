// SPDX-License-Identifier: GPL-3.0-or-later
// A classroom finishing at once: 30 and 100 processes, released together, each appending its
// run and reading the pupil's totals, against an SQLite file and against a PostgreSQL server
// that this program starts for itself. Prints each process's time and checks that every row
// landed. Run by hand: bench_classroom [PROCESSES...]
#include "database/schooldatabase.h"
#include "support/sqlscript.h"
#include "support/testserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Waits for the word to go, then appends one run and prints how long that took, in ms.
int worker(const QString &location, const QString &surname)
{
    char line[16];
    if (std::fgets(line, sizeof line, stdin) == nullptr) {
        return 2;
    }
    SchoolRun state;
    state.surname = surname;
    state.className = QStringLiteral("3A");
    state.start = QTime(8, 0);
    state.correct = 7;
    state.wrong = 3;
    QElapsedTimer timer;
    timer.start();
    try {
        (void)SchoolDatabase(location).recordRunResult(state, QDateTime::currentDateTime());
    } catch (const DatabaseError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::printf("%.1f\n", static_cast<double>(timer.nsecsElapsed()) / 1e6);
    return 0;
}

struct Outcome
{
    int failed = 0;
    double median = 0;
    double slowest = 0;
};

Outcome classroom(const QString &location, int processes)
{
    std::vector<std::unique_ptr<QProcess>> pupils;
    for (int i = 0; i < processes; ++i) {
        auto pupil = std::make_unique<QProcess>();
        pupil->setProgram(QCoreApplication::applicationFilePath());
        pupil->setArguments(
            {QStringLiteral("--worker"), location, QStringLiteral("Žák %1").arg(i % 30)});
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
    std::vector<double> times;
    for (auto &pupil : pupils) {
        pupil->waitForFinished(120000);
        bool ok = false;
        const double ms = pupil->readAllStandardOutput().trimmed().toDouble(&ok);
        if (pupil->exitCode() != 0 || !ok) {
            ++outcome.failed;
            std::fprintf(stderr, "%s", pupil->readAllStandardError().constData());
            continue;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    if (!times.empty()) {
        outcome.median = times[times.size() / 2];
        outcome.slowest = times.back();
    }
    return outcome;
}

qlonglong storedRows(const DatabaseLocation &location)
{
    if (location.isServer()) {
        QProcess psql;
        psql.start(QStringLiteral("psql"),
                   {QStringLiteral("-XtA"), QStringLiteral("-d"), location.path,
                    QStringLiteral("-c"), QStringLiteral("SELECT COUNT(*) FROM \"Prehled \"")});
        psql.waitForFinished();
        return psql.readAllStandardOutput().trimmed().toLongLong();
    }
    const ScratchConnection db(location.path, QStringLiteral("count"));
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Prehled \"")).toLongLong();
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
    if (QProcess::execute(script, {QStringLiteral("start"), state}) != 0) {
        return 1;
    }
    QTemporaryDir dir;
    QTextStream out(stdout);
    out << "engine      processes  stored  failed  median ms  slowest ms\n";
    int status = 0;
    for (const int processes : sizes) {
        for (const bool server : {false, true}) {
            DatabaseLocation location;
            QString database;
            if (server) {
                QString error;
                database = testserver::createDatabase(error);
                if (database.isEmpty()) {
                    out << error << '\n';
                    status = 1;
                    continue;
                }
                location = testserver::location(database, QStringLiteral("zak"));
            } else {
                location = DatabaseLocation::sqliteFile(
                    dir.filePath(QStringLiteral("classroom-%1.db").arg(processes)));
                const ScratchConnection setup(location.path, QStringLiteral("setup"));
                runSqlFile(setup.db(), QStringLiteral(TESILKA_DATABASE_SOURCE_DIR "/schema.sql"));
            }
            const Outcome outcome = classroom(location.path, processes);
            const qlonglong stored = storedRows(
                server ? testserver::location(database, QStringLiteral("postgres")) : location);
            out << QStringLiteral("%1  %2  %3  %4  %5  %6\n")
                       .arg(server ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite"), -10)
                       .arg(processes, 9)
                       .arg(stored, 6)
                       .arg(outcome.failed, 6)
                       .arg(outcome.median, 9, 'f', 1)
                       .arg(outcome.slowest, 10, 'f', 1);
            out.flush();
            if (stored != processes || outcome.failed != 0) {
                status = 1;
            }
        }
    }
    QProcess::execute(script, {QStringLiteral("stop"), state});
    return status;
}
