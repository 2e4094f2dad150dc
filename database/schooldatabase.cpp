// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/schooldatabase.h"

#include "database/ansicodepage.h"
#include "database/databaseconnection.h"
#include "database/namebuffer.h"
#include "database/pupilserversession.h"
#include "database/schoolqueries.h"
#include "database/sqliteerror.h"
#include "databasepath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <limits>
#include <memory>
#include <mutex>
#include <vector>

#include <cerrno>
#include <pwd.h>
#include <unistd.h>

namespace {

enum class Operation
{
    ReadPupils,
    RecordRun
};

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(SchoolDatabase)
};

// The file or the server is named; a password written into the server's address is not.
[[noreturn]] void fail(Operation operation, const DatabaseLocation &location, const QString &cause,
                       const QString &detail = {})
{
    QString message = operation == Operation::ReadPupils
                          ? Texts::tr("Seznam žáků nelze načíst ze školní databáze „%1“: %2.")
                          : Texts::tr("Výsledek nelze zapsat do školní databáze „%1“: %2.");
    message = message.arg(location.displayName(), cause);
    if (!detail.isEmpty()) {
        message += u' ' + detail;
    }
    throw DatabaseError(message.toStdString());
}

QString quoted(const QString &name)
{
    return quotedName(name);
}

[[noreturn]] void failWith(Operation operation, const DatabaseLocation &location,
                           const QSqlError &error)
{
    const DatabaseFailure failure = describeFailure(error, location);
    fail(operation, location, failure.cause, failure.detail);
}

// One connection of its own per operation, removed again however the operation ends.
class Connection
{
public:
    Connection(const DatabaseLocation &location, std::chrono::milliseconds busyTimeout,
               Operation operation)
        : name_(QStringLiteral("tesilka-school-%1").arg(nextNumber_++))
    {
        DatabaseFailure failure;
        if (!openDatabaseConnection(name_, location, busyTimeout, failure)) {
            QSqlDatabase::removeDatabase(name_);
            fail(operation, location, failure.cause, failure.detail);
        }
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    ~Connection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }

    [[nodiscard]] QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }

private:
    static inline std::atomic<quint64> nextNumber_{0};
    QString name_;
};

// Rolls back unless committed, so that a failed run leaves no half-written row.
class WriteTransaction
{
public:
    WriteTransaction(const QSqlDatabase &db, Operation operation, const DatabaseLocation &location)
        : db_(db)
    {
        QSqlQuery begin(db_);
        if (!begin.exec(QString::fromUtf8(schoolsql::statementsFor(location.engine).beginWrite))) {
            failWith(operation, location, begin.lastError());
        }
    }
    WriteTransaction(const WriteTransaction &) = delete;
    WriteTransaction &operator=(const WriteTransaction &) = delete;
    ~WriteTransaction()
    {
        if (!committed_) {
            QSqlQuery rollback(db_);
            rollback.exec(QStringLiteral("ROLLBACK"));
        }
    }

    void commit(Operation operation, const DatabaseLocation &location)
    {
        QSqlQuery commit(db_);
        if (!commit.exec(QStringLiteral("COMMIT"))) {
            failWith(operation, location, commit.lastError());
        }
        committed_ = true;
    }

private:
    QSqlDatabase db_;
    bool committed_ = false;
};

QSqlQuery prepared(const QSqlDatabase &db, const char *sql, Operation operation,
                   const DatabaseLocation &path)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(QString::fromUtf8(sql))) {
        failWith(operation, path, query.lastError());
    }
    return query;
}

// A Null total (no rows, or only empty fields) is 0; a fraction or anything outside 32 bits
// is an error.
std::int32_t totalFrom(const QVariant &value, const QString &field, const QString &surname,
                       const DatabaseLocation &path)
{
    if (value.isNull()) {
        return 0;
    }
    const auto tooLarge = [&] {
        fail(Operation::RecordRun, path,
             Texts::tr("součet výsledků žáka %1 je větší, než program dokáže zpracovat")
                 .arg(quoted(surname)));
    };
    constexpr auto low = std::numeric_limits<std::int32_t>::min();
    constexpr auto high = std::numeric_limits<std::int32_t>::max();
    if (value.typeId() == QMetaType::Double) {
        const double total = value.toDouble();
        if (std::isfinite(total) && std::trunc(total) != total) {
            fail(Operation::RecordRun, path,
                 Texts::tr("pole %1 žáka %2 obsahuje hodnotu, která není celé číslo")
                     .arg(quoted(field), quoted(surname)));
        }
        if (!(total >= low && total <= high)) {
            tooLarge();
        }
        return static_cast<std::int32_t>(total);
    }
    bool ok = false;
    const qlonglong total = value.toLongLong(&ok);
    if (!ok || total < low || total > high) {
        tooLarge();
    }
    return static_cast<std::int32_t>(total);
}

// The server's 64-bit totals as the program's counters hold them: a Null total is 0, and
// totals beyond 32 bits (or whose sum is) are cut to the largest that fit, and said so.
RunTotals cappedTotals(const QString &correct, const QString &wrong, const QString &surname,
                       const DatabaseLocation &path)
{
    constexpr qint64 high = std::numeric_limits<std::int32_t>::max();
    const auto read = [&](const QString &value, const QString &field) {
        if (value.isNull()) {
            return qint64{0};
        }
        bool ok = false;
        const qint64 total = value.toLongLong(&ok);
        if (!ok || total < 0) {
            fail(Operation::RecordRun, path,
                 Texts::tr("pole %1 žáka %2 obsahuje hodnotu, která není celé číslo")
                     .arg(quoted(field), quoted(surname)));
        }
        return total;
    };
    const qint64 right = read(correct, QStringLiteral("Spravne"));
    const qint64 wrongTotal = read(wrong, QStringLiteral("Chybne"));
    RunTotals totals;
    totals.capped = right + wrongTotal > high;
    totals.totalCorrect = static_cast<std::int32_t>(std::min(right, high));
    totals.totalWrong = static_cast<std::int32_t>(std::min(wrongTotal, high - totals.totalCorrect));
    return totals;
}

// The server ended the session or the connection broke before the answer: nothing of the
// statement was kept.
bool isLostSession(const QSqlError &error)
{
    const QString state = error.nativeErrorCode();
    return state == QLatin1String("57P01") || state.startsWith(QLatin1String("08")) ||
           (state.isEmpty() && error.type() == QSqlError::ConnectionError);
}

// The pupil's program serves one pupil: the session opened at sign-in waits, idle and holding
// no lock, for the summary, so that storing the run is one round trip on a warm session
// instead of a new connection, a TLS handshake and a new server process.
struct KeptSession
{
    std::mutex guard;
    QString location;
    std::unique_ptr<PupilServerSession> session;
};

KeptSession &keptSession()
{
    static KeptSession kept;
    return kept;
}

void keepSession(const DatabaseLocation &location, std::unique_ptr<PupilServerSession> session)
{
    KeptSession &kept = keptSession();
    const std::scoped_lock lock(kept.guard);
    kept.location = location.path;
    kept.session = std::move(session);
}

// The kept session of this location when it is still connected, else nullptr.
std::unique_ptr<PupilServerSession> takeSession(const DatabaseLocation &location)
{
    KeptSession &kept = keptSession();
    const std::scoped_lock lock(kept.guard);
    if (kept.location != location.path || kept.session == nullptr || !kept.session->isOpen()) {
        kept.session.reset();
        return nullptr;
    }
    return std::move(kept.session);
}

// The answers as the server's function takes them: a JSON array of objects named like the
// fields of "Odpovedi" (numbers are written the same in every locale).
QByteArray answersJson(const QList<SchoolAnswer> &answers)
{
    QJsonArray array;
    for (const SchoolAnswer &each : answers) {
        array.append(QJsonObject{{QStringLiteral("Poradi"), each.order},
                                 {QStringLiteral("Velicina"), each.quantity},
                                 {QStringLiteral("HodnotaA"), each.givenA},
                                 {QStringLiteral("PredponaA"), each.prefixA},
                                 {QStringLiteral("HodnotaB"), each.givenB},
                                 {QStringLiteral("PredponaB"), each.prefixB},
                                 {QStringLiteral("Odpoved"), each.answer},
                                 {QStringLiteral("PredponaOdpovedi"), each.answerPrefix},
                                 {QStringLiteral("Spravne"), each.right ? 1 : 0},
                                 {QStringLiteral("Chyba"), each.mistake},
                                 {QStringLiteral("Sekundy"), each.seconds}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

QVariant timeText(const QTime &time)
{
    if (!time.isValid()) {
        return QVariant(QMetaType::fromType<QString>());
    }
    return time.toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

QString PupilProfile::entryText() const
{
    return surname + QStringLiteral("; ") + className;
}

SchoolDatabase::SchoolDatabase(QString path)
    : path_(std::move(path)), location_(DatabaseLocation::fromText(path_))
{
}

PupilList SchoolDatabase::loadPupilList() const
{
    constexpr Operation operation = Operation::ReadPupils;
    if (schoolsql::statementsFor(location_.engine).recordRun != nullptr) {
        return loadFromServer();
    }
    const Connection connection(location_, busyTimeout_, operation);
    const QSqlDatabase db = connection.database();
    const schoolsql::Statements &sql = schoolsql::statementsFor(location_.engine);

    PupilList list;
    {
        QSqlQuery query = prepared(db, sql.selectPupils, operation, location_);
        if (!query.exec()) {
            failWith(operation, location_, query.lastError());
        }
        while (query.next()) {
            // "Prehled " needs a surname: a pupil without one could practise but never store
            // the result, and a report would carry no name.
            if (query.value(0).isNull()) {
                ++list.withoutSurname;
                continue;
            }
            list.pupils.append({query.value(0).toString(), query.value(1).toString()});
        }
        if (query.lastError().isValid()) {
            failWith(operation, location_, query.lastError());
        }
    }
    // The results table is needed only at the end of the run; finding it missing now lets the
    // pupil practise in e-mail mode instead of losing the result.
    prepared(db, sql.insertRun, operation, location_);
    prepared(db, sql.selectTotals, operation, location_);
    return list;
}

RunTotals SchoolDatabase::recordRunResult(const SchoolRun &run, const QDateTime &now) const
{
    constexpr Operation operation = Operation::RecordRun;
    const schoolsql::Statements &statements = schoolsql::statementsFor(location_.engine);
    const QVariantList values{run.surname,
                              run.className,
                              run.correct,
                              run.wrong,
                              timeText(run.start),
                              timeText(now.time()),
                              now.date().toString(QStringLiteral("yyyy-MM-dd")),
                              trimNameBuffer(readUserName()),
                              1}; // TypTesil: this drill
    if (statements.recordRun != nullptr) {
        return recordOnServer(values, run);
    }
    const Connection connection(location_, busyTimeout_, operation);
    const QSqlDatabase db = connection.database();
    const schoolsql::Statements &sql = schoolsql::statementsFor(location_.engine);

    // Append, answers and totals under one write lock: the totals include exactly this row,
    // and a failure leaves neither the row nor any answer behind, so the run can be stored
    // again later.
    WriteTransaction transaction(db, operation, location_);
    RunTotals totals;
    {
        QSqlQuery present = prepared(db, schoolsql::answersPresent, operation, location_);
        if (!present.exec() || !present.next()) {
            failWith(operation, location_, present.lastError());
        }
        const bool keepsAnswers = present.value(0).toInt() == 2;
        present.finish();

        const QString key =
            keepsAnswers ? QUuid::createUuid().toString(QUuid::WithoutBraces) : QString();
        QSqlQuery insert = prepared(db, keepsAnswers ? schoolsql::insertKeyedRun : sql.insertRun,
                                    operation, location_);
        for (const QVariant &value : values) {
            insert.addBindValue(value);
        }
        if (keepsAnswers) {
            insert.addBindValue(key);
        }
        if (!insert.exec()) {
            failWith(operation, location_, insert.lastError());
        }
        if (keepsAnswers && !run.answers.isEmpty()) {
            QSqlQuery answer = prepared(db, schoolsql::insertAnswer, operation, location_);
            for (const SchoolAnswer &each : run.answers) {
                const QVariantList fields{key,
                                          each.order,
                                          each.quantity,
                                          each.givenA,
                                          each.prefixA,
                                          each.givenB,
                                          each.prefixB,
                                          each.answer,
                                          each.answerPrefix,
                                          each.right ? 1 : 0,
                                          each.mistake,
                                          each.seconds,
                                          values.at(0),  // Prijmeni
                                          values.at(1),  // Trida
                                          values.at(6)}; // Datum
                for (int i = 0; i < fields.size(); ++i) {
                    answer.bindValue(i, fields.at(i));
                }
                if (!answer.exec()) {
                    failWith(operation, location_, answer.lastError());
                }
            }
        }

        QSqlQuery sum = prepared(db, sql.selectTotals, operation, location_);
        sum.addBindValue(run.surname);
        if (!sum.exec()) {
            failWith(operation, location_, sum.lastError());
        }
        if (!sum.next()) {
            failWith(operation, location_, sum.lastError());
        }
        totals.totalCorrect =
            totalFrom(sum.value(0), QStringLiteral("Spravne"), run.surname, location_);
        totals.totalWrong =
            totalFrom(sum.value(1), QStringLiteral("Chybne"), run.surname, location_);
        // The summary shows their sum as well; found too large now, the row is not kept.
        const auto all = static_cast<qint64>(totals.totalCorrect) + totals.totalWrong;
        if (all > std::numeric_limits<std::int32_t>::max() ||
            all < std::numeric_limits<std::int32_t>::min()) {
            fail(operation, location_,
                 Texts::tr("součet výsledků žáka %1 je větší, než program dokáže zpracovat")
                     .arg(quoted(run.surname)));
        }
    }
    transaction.commit(operation, location_);
    return totals;
}

PupilList SchoolDatabase::loadFromServer() const
{
    constexpr Operation operation = Operation::ReadPupils;
    const schoolsql::Statements &sql = schoolsql::statementsFor(location_.engine);
    auto fresh = std::make_unique<PupilServerSession>();
    PupilServerSession &session = *fresh;
    DatabaseFailure failure;
    if (!session.open(location_, failure)) {
        fail(operation, location_, failure.cause, failure.detail);
    }
    // The list and the checks of what the end of the run needs, in one round trip; finding a
    // missing part now lets the pupil practise in e-mail mode instead of losing the result.
    const QByteArray statements =
        QByteArray(sql.selectPupils) + QByteArrayLiteral("; ") + QByteArray(sql.serverChecks);
    const QList<PupilServerSession::Result> results = session.runAll(statements.constData());
    for (const PupilServerSession::Result &result : results) {
        if (!result.ok()) {
            failWith(operation, location_, result.error);
        }
    }
    if (results.isEmpty()) {
        fail(operation, location_, Texts::tr("server neodpověděl"));
    }
    PupilList list;
    for (const QStringList &row : results.first().rows) {
        if (row.value(0).isNull()) {
            ++list.withoutSurname;
            continue;
        }
        list.pupils.append({row.value(0), row.value(1)});
    }
    keepSession(location_, std::move(fresh));
    return list;
}

RunTotals SchoolDatabase::recordOnServer(const QVariantList &values, const SchoolRun &run) const
{
    constexpr Operation operation = Operation::RecordRun;
    const schoolsql::Statements &sql = schoolsql::statementsFor(location_.engine);
    const QString &surname = run.surname;
    QList<QByteArray> parameters;
    for (const QVariant &value : values) {
        parameters << (value.isNull() ? QByteArray() : value.toString().toUtf8());
    }
    parameters << answersJson(run.answers);
    // One statement, one transaction: it stores its row and answers and reads the totals, or
    // nothing. A session the server ended before it answered (another login of the pupils may
    // end their sessions) is tried once more on a new one.
    for (int attempt = 0;; ++attempt) {
        std::unique_ptr<PupilServerSession> session = takeSession(location_);
        if (session == nullptr) {
            session = std::make_unique<PupilServerSession>();
            DatabaseFailure failure;
            if (!session->open(location_, failure)) {
                fail(operation, location_, failure.cause, failure.detail);
            }
        }
        const PupilServerSession::Result result = session->run(sql.recordRun, parameters);
        if (result.ok() && !result.rows.isEmpty()) {
            keepSession(location_, std::move(session));
            return cappedTotals(result.rows.first().value(0), result.rows.first().value(1), surname,
                                location_);
        }
        if (attempt == 0 && isLostSession(result.error)) {
            continue;
        }
        failWith(operation, location_, result.error);
    }
}

QString unscrambleString(QByteArrayView scrambled)
{
    QByteArray codes(scrambled.toByteArray());
    for (char &code : codes) {
        code = static_cast<char>(static_cast<unsigned char>(code) - 1U);
    }
    return fromAnsiBytes(codes);
}

QString schoolDatabasePath()
{
    return unscrambleString(
        QByteArrayView(reinterpret_cast<const char *>(scrambledDatabasePath.data()),
                       static_cast<qsizetype>(scrambledDatabasePath.size())));
}

bool fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool schoolDatabaseMayExist(const QString &location)
{
    return DatabaseLocation::namesServer(location) || fileExists(location);
}

QString nameBuffer(const QString &name)
{
    QString buffer(userNameBufferLength, u' ');
    if (!name.isEmpty() && name.size() < userNameBufferLength) {
        buffer.replace(0, name.size(), name);
        buffer[name.size()] = QChar(u'\0');
    }
    return buffer;
}

QString readUserName()
{
    const long hint = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> scratch(hint > 0 ? static_cast<std::size_t>(hint) : 1024U);
    passwd entry{};
    passwd *found = nullptr;
    int result = 0;
    while ((result = getpwuid_r(geteuid(), &entry, scratch.data(), scratch.size(), &found)) ==
               ERANGE &&
           scratch.size() < (1U << 20U)) {
        scratch.resize(scratch.size() * 2);
    }
    if (result != 0 || found == nullptr || found->pw_name == nullptr) {
        return nameBuffer({});
    }
    return nameBuffer(QString::fromLocal8Bit(found->pw_name));
}

QString trimNameBuffer(const QString &buffer)
{
    const qsizetype length = buffer.size();
    qsizetype cut = length;
    for (qsizetype i = 1; i <= length - 1; ++i) {
        const QChar c = buffer.at(length - i - 1);
        if (c == u' ' || c == u'\0') {
            cut = length - i;
        } else {
            break;
        }
    }
    return cut < 1 ? QString() : buffer.left(cut - 1);
}
