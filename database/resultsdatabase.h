// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/schooldatabase.h" // DatabaseError

#include <QDate>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <utility>

class TeacherDatabase;

// Which runs a view shows. Empty texts and invalid dates leave that side open.
struct ResultFilter
{
    enum class Sources
    {
        Both,
        School, // runs stored by the pupil's program in "Prehled "
        Mail    // reports stored from e-mail in "Zpravy"
    };
    QString className;
    QString surname; // with className: one pupil of that class
    QDate from;      // first day, included
    QDate to;        // last day, included
    Sources sources = Sources::Both;
};

enum class ResultSource
{
    School = 1,
    Mail = 2
};

// The columns of the results table, in the order shown.
enum class ResultColumn
{
    Date,
    Start,
    End,
    Name,
    Class,
    Answers,
    Right,
    Wrong,
    Success,
    Source
};
inline constexpr int resultColumnCount = 10;

struct ResultSort
{
    ResultColumn column = ResultColumn::Date;
    bool descending = true;
};

// Success in per cent of `right` out of `answers`, rounded to hundredths; -1 without answers.
double successPercent(qint64 right, qint64 answers);

struct ResultRow
{
    ResultSource source = ResultSource::School;
    QDate date; // the day the run ended
    QString start;
    QString end;
    QString name;
    QString className;
    int answers = 0;
    int right = 0;
    int wrong = 0;

    friend bool operator==(const ResultRow &, const ResultRow &) = default;
};

struct PupilSummary
{
    QString name;
    QString className;
    qint64 runs = 0;
    qint64 answers = 0;
    qint64 right = 0;
    qint64 wrong = 0;
    QDate first;
    QDate last;
    bool marked = false; // success below the threshold
};

struct ClassSummary
{
    QString className;
    qint64 pupils = 0;
    qint64 runs = 0;
    qint64 answers = 0;
    qint64 right = 0;
    qint64 wrong = 0;
    qint64 markedPupils = 0;
};

enum class ProgressPeriod
{
    Day,
    Week
};

struct ProgressPoint
{
    QDate period; // the day, or the Monday of the week
    qint64 runs = 0;
    qint64 answers = 0;
    qint64 right = 0;
    qint64 wrong = 0;
};

// The results views over the teacher's open database: every figure is an SQL aggregate over
// "Prehled " and "Zpravy", every filter a bound value. A pupil is a surname in a class, so that
// namesakes in two classes stay apart. Failures throw DatabaseError with a Czech sentence.
class ResultsDatabase
{
public:
    // Adds the indexes the views need to an older file and, on SQLite, the Czech collation to
    // the connection. The database must outlive this object.
    explicit ResultsDatabase(const TeacherDatabase &database);
    ResultsDatabase(const ResultsDatabase &) = delete;
    ResultsDatabase &operator=(const ResultsDatabase &) = delete;
    ~ResultsDatabase() = default;

    [[nodiscard]] qint64 countRuns(const ResultFilter &filter) const;
    // One page of the results table.
    [[nodiscard]] QList<ResultRow> runs(const ResultFilter &filter, const ResultSort &sort,
                                        qint64 offset, int limit) const;
    // Every row in order, handed one by one to `row`, which returns false to stop. Returns
    // false when stopped.
    // NOLINTNEXTLINE(modernize-use-nodiscard): the calls are the use
    bool forEachRun(const ResultFilter &filter, const ResultSort &sort,
                    const std::function<bool(const ResultRow &)> &row) const;

    // One row per pupil with runs in the filter, in Czech order of class and surname.
    // `threshold` in per cent marks the pupils below it; `markedOnly` keeps only those.
    [[nodiscard]] QList<PupilSummary> pupilSummaries(const ResultFilter &filter, double threshold,
                                                     bool markedOnly = false) const;
    [[nodiscard]] QList<ClassSummary> classSummaries(const ResultFilter &filter,
                                                     double threshold) const;
    // Runs, answers, right and wrong per day or week, oldest first; days without runs are left
    // out.
    [[nodiscard]] QList<ProgressPoint> progress(const ResultFilter &filter,
                                                ProgressPeriod period) const;

    // The classes and the pupils (surname, class) that have results, in Czech order.
    [[nodiscard]] QStringList classes() const;
    [[nodiscard]] QList<std::pair<QString, QString>> pupils(const QString &className) const;

private:
    struct Collation;
    const TeacherDatabase &database_;
};
