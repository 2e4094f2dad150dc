// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/resultexport.h"

#include "database/databaseconnection.h"
#include "database/isoday.h"
#include "database/sqliteerror.h"
#include "database/teacherdatabase.h"

#include <QCoreApplication>
#include <QSqlDriver>
#include <QSqlError>
#include <QVariant>

#include <sqlite3.h>

#include <array>
#include <cstring>
#include <limits>
#include <memory>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(ResultsDatabase)
};

// The columns of the statement, as forEachRun() reads them.
enum Column
{
    SourceColumn = 0,
    DayColumn = 1,
    StartColumn = 2,
    EndColumn = 3,
    NameColumn = 4,
    ClassColumn = 5,
    AnswersColumn = 6,
    RightColumn = 7,
    WrongColumn = 8,
    ReportedNameColumn = 10,
    ReportedClassColumn = 11,
};

[[noreturn]] void fail(const TeacherDatabase &database, sqlite3 *handle)
{
    const QSqlError error(QString(), QString::fromUtf8(sqlite3_errmsg(handle)),
                          QSqlError::StatementError, QString::number(sqlite3_errcode(handle)));
    const DatabaseFailure failure = describeFailure(error, database.location());
    QString message = Texts::tr("Výsledky nelze načíst z databáze %1: %2.")
                          .arg(quotedName(database.location().displayName()), failure.cause);
    if (!failure.detail.isEmpty()) {
        message += u' ' + failure.detail;
    }
    throw DatabaseError(message.toStdString());
}

// A column as Qt's SQLite driver hands it over, for the values the fast paths below leave.
QVariant qtValue(sqlite3_stmt *statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(statement, column)),
                          sqlite3_column_bytes(statement, column));
    case SQLITE_INTEGER:
        return static_cast<qlonglong>(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column);
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    default:
        return QString(static_cast<const QChar *>(sqlite3_column_text16(statement, column)),
                       sqlite3_column_bytes16(statement, column) / qsizetype(sizeof(QChar)));
    }
}

// Whether the bytes are UTF-8 that SQLite and Qt turn into UTF-16 and back unchanged.
bool isStrictUtf8(const unsigned char *bytes, int size)
{
    int i = 0;
    while (i < size) {
        const unsigned char c = bytes[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int more = 0;
        char32_t code = 0;
        char32_t least = 0;
        if ((c & 0xe0) == 0xc0) {
            more = 1;
            code = c & 0x1fU;
            least = 0x80;
        } else if ((c & 0xf0) == 0xe0) {
            more = 2;
            code = c & 0x0fU;
            least = 0x800;
        } else if ((c & 0xf8) == 0xf0) {
            more = 3;
            code = c & 0x07U;
            least = 0x10000;
        } else {
            return false;
        }
        if (i + more >= size) {
            return false;
        }
        for (int k = 1; k <= more; ++k) {
            const unsigned char next = bytes[i + k];
            if ((next & 0xc0) != 0x80) {
                return false;
            }
            code = (code << 6U) | (next & 0x3fU);
        }
        if (code < least || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) {
            return false;
        }
        i += more + 1;
    }
    return true;
}

// Reads the text columns of one row, with room for the few that take the slow way.
class RowTexts
{
public:
    std::string_view text(sqlite3_stmt *statement, int column, int slot)
    {
        if (sqlite3_column_type(statement, column) == SQLITE_TEXT) {
            const unsigned char *bytes = sqlite3_column_text(statement, column);
            const int size = sqlite3_column_bytes(statement, column);
            if (isStrictUtf8(bytes, size)) {
                return {reinterpret_cast<const char *>(bytes), static_cast<std::size_t>(size)};
            }
        } else if (sqlite3_column_type(statement, column) == SQLITE_NULL) {
            return {};
        }
        QByteArray &kept = slow_.at(static_cast<std::size_t>(slot));
        kept = qtValue(statement, column).toString().toUtf8();
        return {kept.constData(), static_cast<std::size_t>(kept.size())};
    }

private:
    std::array<QByteArray, 6> slow_;
};

int intOf(sqlite3_stmt *statement, int column)
{
    if (sqlite3_column_type(statement, column) == SQLITE_INTEGER) {
        const sqlite3_int64 value = sqlite3_column_int64(statement, column);
        if (value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max()) {
            return static_cast<int>(value);
        }
    }
    return qtValue(statement, column).toInt();
}

int digit(const unsigned char *text, int at)
{
    return text[at] >= '0' && text[at] <= '9' ? text[at] - '0' : -1;
}

// 'YYYY-MM-DD' as the views read it (resultsdatabase.cpp): plain digits at once, anything else
// the views' way, through Qt's number parsing.
QDate dayOf(sqlite3_stmt *statement, int column)
{
    if (sqlite3_column_type(statement, column) == SQLITE_TEXT &&
        sqlite3_column_bytes(statement, column) >= 10) {
        const unsigned char *text = sqlite3_column_text(statement, column);
        constexpr std::array<int, 8> at{0, 1, 2, 3, 5, 6, 8, 9};
        std::array<int, 8> digits{};
        bool plain = text[4] == '-' && text[7] == '-';
        for (std::size_t k = 0; plain && k < at.size(); ++k) {
            digits.at(k) = digit(text, at.at(k));
            plain = digits.at(k) >= 0;
        }
        if (plain) {
            return {digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3],
                    digits[4] * 10 + digits[5], digits[6] * 10 + digits[7]};
        }
    }
    return isoDayOf(qtValue(statement, column).toString());
}

struct Finalize
{
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};

bool bindValue(sqlite3_stmt *statement, int index, const QVariant &value)
{
    // As Qt's driver binds the filter's values: numbers as numbers, dates and texts as text.
    if (value.isNull()) {
        return sqlite3_bind_null(statement, index) == SQLITE_OK;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        return sqlite3_bind_int64(statement, index, value.toLongLong()) == SQLITE_OK;
    default: {
        const QByteArray text = value.toString().toUtf8();
        return sqlite3_bind_text(statement, index, text.constData(), static_cast<int>(text.size()),
                                 SQLITE_TRANSIENT) == SQLITE_OK;
    }
    }
}

bool forEachSqliteRow(const TeacherDatabase &database, sqlite3 *handle,
                      const ResultsDatabase::Statement &sql,
                      const std::function<bool(const ResultRowText &)> &row)
{
    const QByteArray text = sql.text.toUtf8();
    sqlite3_stmt *prepared = nullptr;
    if (sqlite3_prepare_v2(handle, text.constData(), static_cast<int>(text.size()), &prepared,
                           nullptr) != SQLITE_OK) {
        fail(database, handle);
    }
    const std::unique_ptr<sqlite3_stmt, Finalize> statement(prepared);
    for (qsizetype i = 0; i < sql.values.size(); ++i) {
        if (!bindValue(prepared, static_cast<int>(i) + 1, sql.values.at(i))) {
            fail(database, handle);
        }
    }
    RowTexts texts;
    ResultRowText fields;
    // Rows come day by day: a day's date is read once for its rows.
    std::array<unsigned char, 16> lastDay{};
    int lastDaySize = -1;
    for (;;) {
        const int step = sqlite3_step(prepared);
        if (step == SQLITE_DONE) {
            return true;
        }
        if (step != SQLITE_ROW) {
            fail(database, handle);
        }
        fields.source =
            intOf(prepared, SourceColumn) == 2 ? ResultSource::Mail : ResultSource::School;
        const bool dayText = sqlite3_column_type(prepared, DayColumn) == SQLITE_TEXT;
        const auto *day = dayText ? sqlite3_column_text(prepared, DayColumn) : nullptr;
        const int daySize = dayText ? sqlite3_column_bytes(prepared, DayColumn) : -1;
        if (day == nullptr || daySize != lastDaySize || daySize > int(lastDay.size()) ||
            std::memcmp(day, lastDay.data(), static_cast<std::size_t>(daySize)) != 0) {
            fields.date = dayOf(prepared, DayColumn);
            lastDaySize = -1;
            if (day != nullptr && daySize <= int(lastDay.size())) {
                std::memcpy(lastDay.data(), day, static_cast<std::size_t>(daySize));
                lastDaySize = daySize;
            }
        }
        fields.start = texts.text(prepared, StartColumn, 0);
        fields.end = texts.text(prepared, EndColumn, 1);
        fields.name = texts.text(prepared, NameColumn, 2);
        fields.className = texts.text(prepared, ClassColumn, 3);
        fields.answers = intOf(prepared, AnswersColumn);
        fields.right = intOf(prepared, RightColumn);
        fields.wrong = intOf(prepared, WrongColumn);
        fields.reportedName = texts.text(prepared, ReportedNameColumn, 4);
        fields.reportedClass = texts.text(prepared, ReportedClassColumn, 5);
        if (!row(fields)) {
            return false;
        }
    }
}

} // namespace

bool forEachRunText(const ResultsDatabase &results, const ResultFilter &filter,
                    const ResultSort &sort, const std::function<bool(const ResultRowText &)> &row)
{
    const TeacherDatabase &database = results.database();
    const QVariant handle = database.connection().driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        return forEachSqliteRow(database, *static_cast<sqlite3 *const *>(handle.data()),
                                results.runsStatement(filter, sort), row);
    }
    // A server sends its rows as text anyway: Qt's reading is what it costs.
    std::array<QByteArray, 6> texts;
    const auto view = [&](std::size_t slot, const QString &text) {
        texts.at(slot) = text.toUtf8();
        return std::string_view(texts.at(slot).constData(),
                                static_cast<std::size_t>(texts.at(slot).size()));
    };
    return results.forEachRun(filter, sort, [&](const ResultRow &run) {
        return row({run.source, run.date, view(0, run.start), view(1, run.end), view(2, run.name),
                    view(3, run.className), run.answers, run.right, run.wrong,
                    view(4, run.reportedName), view(5, run.reportedClass)});
    });
}
