// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/resultsdatabase.h" // ResultFilter, DatabaseError

#include <QDate>
#include <QList>
#include <QString>

#include <array>

class TeacherDatabase;

// The values of "Velicina": the quantity an answer was asked for.
enum class AskedQuantity
{
    Voltage = 0,
    Resistance = 1,
    Current = 2
};
inline constexpr int askedQuantityCount = 3;

// How far the prefix of the right answer is from the givens' prefixes, in steps of 1000: the
// same prefix as one of the givens, one step from the nearer of them, or two and more.
enum class PrefixStep
{
    Same = 0,
    One = 1,
    TwoOrMore = 2
};
inline constexpr int prefixStepCount = 3;

// The values of "Chyba": 0 is a wrong answer the pupil's program could not name (or a kind
// this program does not know yet); 1 a wrong prefix, 2 multiplied instead of divided,
// 3 divided instead of multiplied, 4 divided the wrong way round.
inline constexpr int mistakeKindCount = 5;
using MistakeCounts = std::array<qint64, mistakeKindCount>;

struct AnswerShare
{
    qint64 answers = 0;
    qint64 right = 0;
    friend bool operator==(const AnswerShare &, const AnswerShare &) = default;
};

// A median of seconds; negative when there is no answer to take it from.
inline constexpr double noMedian = -1;

struct MistakeFigures
{
    AnswerShare all;
    std::array<AnswerShare, askedQuantityCount> byQuantity{};
    std::array<AnswerShare, prefixStepCount> byStep{};
    MistakeCounts wrongByKind{}; // the wrong answers of each kind; they add up to the wrong ones
    double medianRightSeconds = noMedian;
    double medianWrongSeconds = noMedian;
};

struct MistakeWeek
{
    QDate monday;
    qint64 answers = 0;
    MistakeCounts wrongByKind{};
};

struct PupilMistakes
{
    QString name;
    QString className;
    qint64 answers = 0;
    qint64 right = 0;
    MistakeCounts wrongByKind{};
    double medianSeconds = noMedian; // read only when asked for

    [[nodiscard]] qint64 wrong() const { return answers - right; }
};

// A pupil in whom one named kind dominates: at least this many wrong answers, and one kind in
// at least half of them and in more than any other kind.
inline constexpr qint64 dominanceLeastWrong = 5;
// That kind (1 to 4), or 0 when no kind dominates.
int dominantMistake(const PupilMistakes &pupil);

// The mistakes views over "Odpovedi", the answers of the school runs, with the results views'
// filter: a class, a pupil of it, a period. E-mailed reports keep no answers, so a filter of
// reports only (or of reports of nobody's) finds none. Every figure is an SQL aggregate, every
// filter a bound value. Failures throw DatabaseError with a Czech sentence.
class MistakesDatabase
{
public:
    // On SQLite registers the median on the connection. The database must outlive this object.
    explicit MistakesDatabase(const TeacherDatabase &database);

    [[nodiscard]] MistakeFigures figures(const ResultFilter &filter) const;
    // The answers and the wrong ones of each kind per week (Monday to Sunday), oldest first;
    // weeks without answers are left out.
    [[nodiscard]] QList<MistakeWeek> weeks(const ResultFilter &filter) const;
    // One row per pupil with answers in the filter, in Czech order of class and surname; the
    // median of the pupil's seconds only with `withMedian`, which costs a little more.
    [[nodiscard]] QList<PupilMistakes> pupils(const ResultFilter &filter,
                                              bool withMedian = false) const;

    enum class MistakeView
    {
        Figures,
        Weeks,
        Pupils,
        PupilsWithMedian
    };
    // The statement a view runs, with its values written in as literals: for running it alone
    // (a benchmark, a look at its plan).
    [[nodiscard]] QString statementText(MistakeView view, const ResultFilter &filter) const;

private:
    const TeacherDatabase &database_;
};
