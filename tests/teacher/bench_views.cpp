// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/resultsdatabase.h"
#include "database/teacherdatabase.h"
#include "teacher/afterfirstpaint.h"
#include "teacher/mainwindow.h"
#include "teacher/resultformat.h"
#include "teacher/resulttablemodel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>

// Each results view of a school, and the teacher's window's first paint, timed against an
// anchor run alternately in the same run: the statements the view sent, run by sqlite3 or
// psql alone, and a process that shows an empty QMainWindow. Prints markdown table rows
// "| engine | what | project ms | anchor ms | ratio |".
//   bench_views sqlite FILE
//   bench_views postgresql URL SERVERLOG PSQL-ARGUMENTS...   (the log of a server that logs
//                                                             every statement)
//   bench_views --first-paint empty|LOCATION                 (one window, then exits)
namespace {

constexpr int rounds = 3;

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? -1 : values.at(values.size() / 2);
}

// The statements one view sends, as text an engine's own client runs.
class Capture
{
public:
    virtual ~Capture() = default;
    virtual void start() = 0;
    virtual QStringList stop() = 0;
    // Milliseconds the engine's own client takes for the statements.
    virtual double anchor(const QStringList &statements) = 0;
};

// SQLite reports each statement as it runs, its values bound in; the teacher's collation is
// the program's own, so the client runs the statements without it.
class SqliteCapture : public Capture
{
public:
    SqliteCapture(const QSqlDatabase &db, QString file) : db_(db), file_(std::move(file))
    {
        handle_ = *static_cast<sqlite3 *const *>(db.driver()->handle().data());
    }
    void start() override
    {
        statements_.clear();
        sqlite3_trace_v2(handle_, SQLITE_TRACE_STMT, &SqliteCapture::traced, this);
    }
    QStringList stop() override
    {
        sqlite3_trace_v2(handle_, 0, nullptr, nullptr);
        return statements_;
    }
    double anchor(const QStringList &statements) override
    {
        // The ranks of the names as the program's connection holds them, put in untimed.
        QSqlQuery ranks(db_);
        ranks.exec(QStringLiteral(R"(SELECT json_group_array("Nazev") FROM (SELECT "Nazev" )"
                                  R"(FROM temp."Poradi" ORDER BY "Poradi"))"));
        const QString names = ranks.next() ? ranks.value(0).toString() : QStringLiteral("[]");
        QString script =
            QStringLiteral("CREATE TEMP TABLE \"Poradi\" (\"Nazev\" TEXT PRIMARY KEY, "
                           "\"Poradi\" INTEGER NOT NULL UNIQUE);\nINSERT INTO temp.\"Poradi\" "
                           "SELECT \"value\", \"key\" FROM json_each('%1');\n.timer on\n")
                .arg(QString(names).replace(u'\'', QStringLiteral("''")));
        for (QString statement : statements) {
            statement.replace(QStringLiteral(R"( COLLATE "tesilka_cs")"), QString());
            script += statement + QStringLiteral(";\n");
        }
        QProcess sqlite;
        sqlite.start(QStringLiteral("sqlite3"), {file_});
        sqlite.write(script.toUtf8());
        sqlite.closeWriteChannel();
        sqlite.waitForFinished(-1);
        const QString out = QString::fromUtf8(sqlite.readAllStandardOutput());
        double seconds = 0;
        static const QRegularExpression time(QStringLiteral(R"(Run Time: real ([0-9.]+))"));
        for (auto match = time.globalMatch(out); match.hasNext();) {
            seconds += match.next().captured(1).toDouble();
        }
        return seconds * 1000;
    }

private:
    static int traced(unsigned type, void *self, void *statement, void *text)
    {
        if (type == SQLITE_TRACE_STMT &&
            !QByteArray(static_cast<const char *>(text)).startsWith("--")) {
            char *expanded = sqlite3_expanded_sql(static_cast<sqlite3_stmt *>(statement));
            static_cast<SqliteCapture *>(self)->statements_ << QString::fromUtf8(expanded);
            sqlite3_free(expanded);
        }
        return 0;
    }
    sqlite3 *handle_ = nullptr;
    QSqlDatabase db_;
    QString file_;
    QStringList statements_;
};

// The server logs every statement the driver sends (PREPARE, EXECUTE with its values,
// DEALLOCATE); they are read back from its log between two marks.
class PostgresqlCapture : public Capture
{
public:
    PostgresqlCapture(const QSqlDatabase &db, QString log, QStringList psql)
        : db_(db), log_(std::move(log)), psql_(std::move(psql))
    {
    }
    void start() override { mark(QStringLiteral("start")); }
    QStringList stop() override
    {
        const QString end = mark(QStringLiteral("end"));
        QStringList statements;
        QFile file(log_);
        for (int wait = 0; wait < 100; ++wait) {
            if (!file.open(QIODevice::ReadOnly)) {
                return {};
            }
            file.seek(begin_);
            const QString text = QString::fromUtf8(file.readAll());
            file.close();
            if (!text.contains(end)) {
                QThread::msleep(20);
                continue;
            }
            bool inside = false;
            for (const QString &line : text.split(u'\n')) {
                const qsizetype at = line.indexOf(QStringLiteral("  statement: "));
                if (line.startsWith(u'\t') && inside && !statements.isEmpty()) {
                    statements.last() += u'\n' + line.mid(1);
                    continue;
                }
                inside = false;
                if (at < 0) {
                    continue;
                }
                const QString statement = line.mid(at + 13);
                if (statement.contains(QStringLiteral("'bench-mark-"))) {
                    continue;
                }
                statements << statement;
                inside = true;
            }
            return statements;
        }
        return statements;
    }
    double anchor(const QStringList &statements) override
    {
        QString script = QStringLiteral("\\timing on\n");
        for (const QString &statement : statements) {
            script += statement + QStringLiteral(";\n");
        }
        QProcess psql;
        // Its timings in the C locale's numbers.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        psql.setProcessEnvironment(environment);
        psql.start(QStringLiteral("psql"),
                   psql_ + QStringList{QStringLiteral("-X"), QStringLiteral("-q")});
        psql.write(script.toUtf8());
        psql.closeWriteChannel();
        psql.waitForFinished(-1);
        const QString out = QString::fromUtf8(psql.readAllStandardOutput());
        double ms = 0;
        static const QRegularExpression time(QStringLiteral(R"(Time: ([0-9.]+) ms)"));
        for (auto match = time.globalMatch(out); match.hasNext();) {
            ms += match.next().captured(1).toDouble();
        }
        return ms;
    }

private:
    QString mark(const QString &what)
    {
        QString text = QStringLiteral("bench-mark-%1-%2").arg(what).arg(++marks_);
        if (what == QLatin1String("start")) {
            begin_ = QFileInfo(log_).size();
        }
        QSqlQuery(db_).exec(QStringLiteral("SELECT '%1'").arg(text));
        return text;
    }
    QSqlDatabase db_;
    QString log_;
    QStringList psql_;
    qint64 begin_ = 0;
    int marks_ = 0;
};

// Milliseconds from making the window until its first paint, in this process.
int firstPaint(const QString &what)
{
    // "+LOCATION": the first paint once the database is open and its pages are filled.
    const bool opened = what.startsWith(u'+');
    const QString where = opened ? what.mid(1) : what;
    struct PaintWatch : QObject
    {
        bool painted = false;
        bool counting = true;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            painted = painted || (counting && event->type() == QEvent::Paint);
            return QObject::eventFilter(watched, event);
        }
    } watch;
    watch.counting = !opened;
    QStandardPaths::setTestModeEnabled(true);
    std::unique_ptr<QMainWindow> window;
    if (what == QLatin1String("empty")) {
        window = std::make_unique<QMainWindow>();
    } else {
        // As the program starts: the window shown, the database opened once it has painted.
        auto teacher = std::make_unique<MainWindow>();
        MainWindow *shown = teacher.get();
        afterFirstPaint(shown, [shown, where, &watch] {
            shown->openDatabase(where.startsWith(QLatin1String("postgresql:"))
                                    ? DatabaseLocation::server(where)
                                    : DatabaseLocation::sqliteFile(where));
            watch.counting = true;
            shown->update();
        });
        window = std::move(teacher);
    }
    window->installEventFilter(&watch);
    window->show();
    QElapsedTimer clock;
    clock.start();
    while (!watch.painted && clock.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return watch.painted ? 0 : 1;
}

void row(const char *engine, const QString &what, double project, double anchor)
{
    // In the C locale's numbers, whatever the user's.
    std::printf("| %s | %s | %s | %s | %s |\n", engine, qPrintable(what),
                qPrintable(QString::number(project, 'f', 0)),
                qPrintable(QString::number(anchor, 'f', 0)),
                qPrintable(QString::number(anchor > 0 ? project / anchor : 0.0, 'f', 2)));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 2 && args.at(0) == QLatin1String("--first-paint")) {
        return firstPaint(args.at(1));
    }
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_views sqlite FILE | postgresql URL LOG PSQL-ARGS...\n");
        return 2;
    }
    const bool server = args.at(0) == QLatin1String("postgresql");
    const char *engine = server ? "PostgreSQL" : "SQLite";
    const DatabaseLocation location =
        server ? DatabaseLocation::server(args.at(1)) : DatabaseLocation::sqliteFile(args.at(1));

    // The window at once: the whole program started until its first paint, against the same
    // with an empty window, each the median of five alternate starts.
    {
        QList<double> teacher;
        QList<double> empty;
        QList<double> filled;
        for (int round = 0; round < 5; ++round) {
            for (const QString &what : {QStringLiteral("empty"), args.at(1), u'+' + args.at(1)}) {
                QElapsedTimer clock;
                clock.start();
                QProcess child;
                child.start(QCoreApplication::applicationFilePath(),
                            {QStringLiteral("--first-paint"), what});
                child.waitForFinished(-1);
                (what == QLatin1String("empty") ? empty
                 : what.startsWith(u'+')        ? filled
                                                : teacher)
                    << static_cast<double>(clock.nsecsElapsed()) / 1e6;
            }
        }
        row(engine, QStringLiteral("start-up to the first paint (anchor: an empty QMainWindow)"),
            median(teacher), median(empty));
        row(engine, QStringLiteral("start-up until the database is open and painted"),
            median(filled), median(empty));
    }

    const auto database = TeacherDatabase::open(location);
    const ResultsDatabase results(*database);
    std::unique_ptr<Capture> capture;
    if (server) {
        capture =
            std::make_unique<PostgresqlCapture>(database->connection(), args.at(2), args.mid(3));
    } else {
        capture = std::make_unique<SqliteCapture>(database->connection(), args.at(1));
    }

    ResultFilter classMonth;
    classMonth.className = QStringLiteral("T42");
    std::tie(classMonth.from, classMonth.to) =
        datePeriodRange(DatePeriod::ThisMonth, QDate(2025, 10, 15));
    ResultFilter pupil;
    pupil.className = QStringLiteral("T42");
    pupil.surname = QStringLiteral("Žák 50");
    ResultFilter term;
    term.from = QDate(2025, 10, 15);
    term.to = QDate(2026, 2, 10);
    const qint64 total = results.countRuns({});
    const auto table = [&](const ResultFilter &filter, int column, Qt::SortOrder order,
                           int rowShown) {
        return [&results, filter, column, order, rowShown] {
            ResultTableModel model;
            model.setSource(&results, filter);
            if (column >= 0) {
                model.sort(column, order);
            }
            if (!model.data(model.index(rowShown, 3), Qt::DisplayRole).isValid()) {
                std::fprintf(stderr, "no row %d\n", rowShown);
            }
        };
    };
    const QList<std::pair<QString, std::function<void()>>> views{
        {QStringLiteral("table, first page"), table({}, -1, Qt::AscendingOrder, 0)},
        {QStringLiteral("table sorted by name"),
         table({}, static_cast<int>(ResultColumn::Name), Qt::AscendingOrder, 0)},
        {QStringLiteral("table sorted by answers"),
         table({}, static_cast<int>(ResultColumn::Answers), Qt::AscendingOrder, 0)},
        {QStringLiteral("table sorted by success, best first"),
         table({}, static_cast<int>(ResultColumn::Success), Qt::DescendingOrder, 0)},
        {QStringLiteral("table sorted by class"),
         table({}, static_cast<int>(ResultColumn::Class), Qt::AscendingOrder, 0)},
        {QStringLiteral("table sorted by the time begun"),
         table({}, static_cast<int>(ResultColumn::Start), Qt::AscendingOrder, 0)},
        {QStringLiteral("table, a class this month"), table(classMonth, -1, Qt::AscendingOrder, 0)},
        {QStringLiteral("table, jump to the middle row"),
         table({}, -1, Qt::AscendingOrder, static_cast<int>(total / 2))},
        {QStringLiteral("table by name, jump to the middle row"),
         table({}, static_cast<int>(ResultColumn::Name), Qt::AscendingOrder,
               static_cast<int>(total / 2))},
        {QStringLiteral("summary per pupil, whole school"),
         [&] { (void)results.pupilSummaries({}, 50); }},
        {QStringLiteral("summary per pupil, whole school, mid-month to mid-month"),
         [&] { (void)results.pupilSummaries(term, 50); }},
        {QStringLiteral("summary per pupil, one class"),
         [&] { (void)results.pupilSummaries(classMonth, 50); }},
        {QStringLiteral("summary per class, whole school"),
         [&] { (void)results.classSummaries({}, 50); }},
        {QStringLiteral("progress per week, one pupil"),
         [&] { (void)results.progress(pupil, ProgressPeriod::Week); }},
        {QStringLiteral("progress per day, whole school"),
         [&] { (void)results.progress({}, ProgressPeriod::Day); }},
        {QStringLiteral("filter lists (classes, pupils)"),
         [&] { (void)results.classes(), (void)results.pupils(QString()); }},
    };
    for (const auto &[name, view] : views) {
        view(); // warm: the first read of a cold cache is the disk's, not the program's
        QList<double> project;
        QList<double> anchor;
        for (int round = 0; round < rounds; ++round) {
            capture->start();
            QElapsedTimer clock;
            clock.start();
            view();
            project << static_cast<double>(clock.nsecsElapsed()) / 1e6;
            anchor << capture->anchor(capture->stop());
        }
        row(engine, name, median(project), median(anchor));
    }
    return 0;
}
