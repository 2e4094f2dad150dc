// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/schooldatabase.h" // DatabaseError

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
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
    QString className;       // a pupil's class; for a report, the class of the pupil it belongs to
    QString surname;         // with className: one pupil of that class, school runs and reports
    bool unassigned = false; // only the reports of no pupil (of the class, when one is given)
    QDate from;              // first day, included
    QDate to;                // last day, included
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
    Source,
    ReportedName, // what an e-mailed report said, beside the pupil it belongs to
    ReportedClass
};
inline constexpr int resultColumnCount = 12;

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
    QString name;      // the pupil: of the school run, or the one a report belongs to
    QString className; // empty for a report of nobody's whose class is not on the list
    int answers = 0;
    int right = 0;
    int wrong = 0;
    QString reportedName; // a report's name and class as the pupil typed them
    QString reportedClass;
    // The row in its table, for deleting it: a school run's row key, a report's block.
    QString key;

    [[nodiscard]] bool unassigned() const { return source == ResultSource::Mail && name.isEmpty(); }
    friend bool operator==(const ResultRow &, const ResultRow &) = default;
};

struct PupilSummary
{
    QString name; // empty on the line of a class's reports of nobody's
    QString className;
    qint64 runs = 0;
    qint64 answers = 0;
    qint64 right = 0;
    qint64 wrong = 0;
    QDate first;
    QDate last;
    bool marked = false; // success below the threshold
    bool onList = false; // a pupil of "Zaci"
    bool unassignedReports = false;

    [[nodiscard]] bool withoutRuns() const { return !unassignedReports && runs == 0; }
};

struct ClassSummary
{
    QString className;
    qint64 listPupils = 0;   // on the class list
    qint64 practised = 0;    // pupils with a run in the filter, on the list or not
    qint64 withoutRuns = 0;  // pupils of the list without one
    qint64 markedPupils = 0; // pupils who practised, below the threshold
    qint64 runs = 0;         // every run of the class, reports of nobody's included
    qint64 answers = 0;
    qint64 right = 0;
    qint64 wrong = 0;
    qint64 unassignedReports = 0;
};

// Where a page of the results table begins: the values of the sort's columns in one row, its
// row key last, so that the next page seeks there instead of counting rows from the top.
using ResultKey = QVariantList;

struct ResultRowsPage
{
    QList<ResultRow> rows;
    std::optional<ResultKey> next; // where the following page begins; none after the last
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
// "Prehled ", "Zpravy" and "Zaci", every filter a bound value. A pupil is a surname in a class,
// so that namesakes in two classes stay apart: the school runs of that name and the reports
// assigned to that pupil. Reports of nobody's are counted apart, never merged by their names.
// Failures throw DatabaseError with a Czech sentence.
class ResultsDatabase
{
public:
    // Adds the indexes the views need to an older file and, on SQLite, the Czech collation to
    // the connection. The database must outlive this object.
    explicit ResultsDatabase(const TeacherDatabase &database);
    ResultsDatabase(const ResultsDatabase &) = delete;
    ResultsDatabase &operator=(const ResultsDatabase &) = delete;
    ~ResultsDatabase() = default;

    [[nodiscard]] const TeacherDatabase &database() const { return database_; }

    [[nodiscard]] qint64 countRuns(const ResultFilter &filter) const;
    // One page of the results table, counted from the top: what runsFrom() must equal.
    [[nodiscard]] QList<ResultRow> runs(const ResultFilter &filter, const ResultSort &sort,
                                        qint64 offset, int limit) const;
    // One page that begins at `first` (nullptr: at the top), in the same order as runs(); ties
    // are broken by the row, so that pages neither overlap nor skip.
    [[nodiscard]] ResultRowsPage runsFrom(const ResultFilter &filter, const ResultSort &sort,
                                          const ResultKey *first, int limit) const;
    // Where the row `skip` rows after `from` (nullptr: the top) begins, read from the sort's
    // columns alone; none past the end.
    [[nodiscard]] std::optional<ResultKey> keyAfter(const ResultFilter &filter,
                                                    const ResultSort &sort, const ResultKey *from,
                                                    qint64 skip) const;
    // Whether keyAfter() from the top counts whole months instead of walking the rows: a far
    // jump is then cheaper from the top than from a page before it.
    [[nodiscard]] bool jumpsByCounts(const ResultSort &sort) const;
    // Every row in order, handed one by one to `row`, which returns false to stop. Returns
    // false when stopped.
    // NOLINTNEXTLINE(modernize-use-nodiscard): the calls are the use
    bool forEachRun(const ResultFilter &filter, const ResultSort &sort,
                    const std::function<bool(const ResultRow &)> &row) const;
    // The statement forEachRun() reads, with its bound values in the order of their "?", for
    // a reader that takes the columns as the engine gives them (a file export).
    struct Statement
    {
        QString text;
        QVariantList values;
    };
    [[nodiscard]] Statement runsStatement(const ResultFilter &filter, const ResultSort &sort) const;

    // One row per pupil of the list in the filter's class (with runs or not) and per other
    // pupil with runs, in Czech order of class and surname, and one row per class for its
    // reports of nobody's. `threshold` in per cent marks the pupils below it; `markedOnly`
    // keeps those and the pupils of the list without a run.
    [[nodiscard]] QList<PupilSummary> pupilSummaries(const ResultFilter &filter, double threshold,
                                                     bool markedOnly = false) const;
    [[nodiscard]] QList<ClassSummary> classSummaries(const ResultFilter &filter,
                                                     double threshold) const;
    // Runs, answers, right and wrong per day or week, oldest first; days without runs are left
    // out.
    [[nodiscard]] QList<ProgressPoint> progress(const ResultFilter &filter,
                                                ProgressPeriod period) const;

    // The classes and the pupils (surname, class) of the list or with results, in Czech order.
    [[nodiscard]] QStringList classes() const;
    [[nodiscard]] QList<std::pair<QString, QString>> pupils(const QString &className) const;

    // The filter bars' lists, read once and shared by every bar until forgetFilterLists():
    // each read scans the indexes of the whole school.
    struct FilterLists
    {
        QStringList classes;
        QList<std::pair<QString, QString>> pupils; // of every class, in Czech order
    };
    [[nodiscard]] const FilterLists &filterLists() const;
    // The database changed: the next filterLists() reads them again.
    void forgetFilterLists() { filterLists_.reset(); }

    // Whether the summaries come from the per-month table "Souhrn" (with the partial months at
    // a filter's ends from the runs) and the name order from ranks of the distinct names; an
    // older server without the table, or a file that cannot be written, reads the runs alone.
    [[nodiscard]] bool usesSummaryTable() const { return summaryTable_ && !plain_; }
    // The statements over the runs alone, every comparison collated: the figures and rows the
    // faster ones must give.
    void usePlainStatements(bool plain) { plain_ = plain; }

private:
    struct Collation;
    [[nodiscard]] bool ranked(const ResultSort &sort) const;
    void refreshRanks() const;

    const TeacherDatabase &database_;
    mutable std::optional<FilterLists> filterLists_;
    Collation *collation_ = nullptr; // owned by the SQLite connection
    bool summaryTable_ = false;
    bool plain_ = false;
    mutable QStringList rankedNames_;
};
