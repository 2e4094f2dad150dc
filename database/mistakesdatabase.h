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

// A median of every answer of a whole school takes a pass over all of them, which a summary
// cannot spare: without a class chosen it is taken only up to this many answers in the school.
inline constexpr qint64 medianAnswersLimit = 300000;

enum class Medians
{
    None,         // the counts alone
    IfAffordable, // with a class or a pupil chosen, or in a school of few answers
    Always        // whatever they cost
};

struct AnswerMedians
{
    double rightSeconds = noMedian;
    double wrongSeconds = noMedian;
};

struct MistakeFigures
{
    AnswerShare all;
    std::array<AnswerShare, askedQuantityCount> byQuantity{};
    std::array<AnswerShare, prefixStepCount> byStep{};
    MistakeCounts wrongByKind{}; // the wrong answers of each kind; they add up to the wrong ones
    double medianRightSeconds = noMedian;
    double medianWrongSeconds = noMedian;
    bool mediansLeftOut = false; // not taken: they would cost a pass over every answer
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
// reports only (or of reports of nobody's) finds none. The counts are read from the tables the
// database's triggers keep, "SouhrnOdpovediTrid" (per class and day) and "SouhrnOdpovediZaku"
// (per pupil and day), on a server together with the counts appended since the last folding;
// a pupil's quantities and steps and every median from the answers themselves. Every figure
// is an SQL aggregate, every filter a bound value. Failures throw DatabaseError with a Czech
// sentence.
class MistakesDatabase
{
public:
    // On SQLite registers the median on the connection. The database must outlive this object.
    explicit MistakesDatabase(const TeacherDatabase &database);

    // On a server, moves the counts the pupils' runs appended into the summaries, so that the
    // views read fewer rows; the figures are the same either way. Nothing on SQLite.
    void foldCounts() const;

    [[nodiscard]] MistakeFigures figures(const ResultFilter &filter,
                                         Medians medians = Medians::IfAffordable) const;
    // The medians of the seconds of the right and the wrong answers, from every answer.
    [[nodiscard]] AnswerMedians medians(const ResultFilter &filter) const;
    // Whether `Medians::IfAffordable` takes the medians of the filter.
    [[nodiscard]] bool mediansAffordable(const ResultFilter &filter) const;
    // The answers and the wrong ones of each kind per week (Monday to Sunday), oldest first;
    // weeks without answers are left out.
    [[nodiscard]] QList<MistakeWeek> weeks(const ResultFilter &filter) const;
    // One row per pupil with answers in the filter, in Czech order of class and surname; the
    // median of each pupil's seconds as `medians` says (a second statement over the answers).
    [[nodiscard]] QList<PupilMistakes> pupils(const ResultFilter &filter,
                                              Medians medians = Medians::None) const;

    enum class MistakeView
    {
        Figures,
        FigureMedians,
        Weeks,
        Pupils,
        PupilsWithMedian
    };
    // The statement a view runs, with its values written in as literals: for running it alone
    // (a benchmark, a look at its plan). PupilsWithMedian is the medians' own statement.
    [[nodiscard]] QString statementText(MistakeView view, const ResultFilter &filter) const;

private:
    const TeacherDatabase &database_;
};
