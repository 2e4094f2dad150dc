// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/reportdecoder.h"

#include "database/ansicodepage.h"
#include "results/localclock.h"
#include "results/reportkey.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {
// A word of the text that stands where a group of the block should: two hex digits, or
// something damaged in its place (value -1).
struct Group
{
    qsizetype begin = 0;
    qsizetype end = 0;
    int line = 0;
    int value = -1;
};

enum class WordKind
{
    Group,
    Damaged,
    Prose
};

// Shorter runs of groups that do not begin with the marker are prose ("be", "12", "cafe"):
// even a report with empty name and class encodes to over a hundred groups.
constexpr qsizetype minimumUnmarkedBlockGroups = 40;
// Words a mail program or a typo could have made of one group ("4g", "4", "4bb").
constexpr qsizetype longestDamagedGroup = 3;
// At most this many damaged groups in a row still count as part of a block.
constexpr int damagedGroupsInARow = 2;
// Summer time ending during a run may put its end before its start on the wall clock.
constexpr qint64 clockSetBackSeconds = 3600;
constexpr double shareTolerance = 0.01 + 1e-9;

const QByteArray studentPrefix = QByteArrayLiteral("Student: ");

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReportDecoder)
};

// Every word of a message is looked at: a table rather than three comparisons per digit.
constexpr std::array<signed char, 128> hexDigitValues = [] {
    std::array<signed char, 128> t{};
    for (auto &v : t) {
        v = -1;
    }
    for (std::size_t d = 0; d < 10; ++d) {
        t['0' + d] = static_cast<signed char>(d);
    }
    for (std::size_t d = 0; d < 6; ++d) {
        t['a' + d] = static_cast<signed char>(10 + d);
        t['A' + d] = static_cast<signed char>(10 + d);
    }
    return t;
}();

int hexValue(char16_t c)
{
    return c < hexDigitValues.size() ? hexDigitValues[c] : -1;
}

inline bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u' ' || u == u'\t') {
        return true;
    }
    return u > 0x7f && c.isSpace();
}

bool isAsciiAlnum(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

WordKind classify(QStringView word, int &value)
{
    value = -1;
    if (word.size() == 2) {
        const int high = hexValue(word.at(0).unicode());
        const int low = hexValue(word.at(1).unicode());
        if (high >= 0 && low >= 0) {
            value = high * 16 + low;
            return WordKind::Group;
        }
    }
    if (word.size() > longestDamagedGroup) {
        return WordKind::Prose;
    }
    for (const QChar c : word) {
        if (!isAsciiAlnum(c.unicode())) {
            return WordKind::Prose;
        }
    }
    return WordKind::Damaged;
}

// Walks the words of a text line by line, skipping the "> " marks that quote a reply.
class WordScanner
{
public:
    explicit WordScanner(QStringView text) : text_(text) {}

    // The next word, or false at the end of the text.
    bool next(Group &word)
    {
        const qsizetype size = text_.size();
        while (pos_ < size) {
            const QChar c = text_.at(pos_);
            if (c == u'\n' || c == u'\r') {
                // CR LF, a lone LF or a lone CR each end one line.
                if (c == u'\r' && pos_ + 1 < size && text_.at(pos_ + 1) == u'\n') {
                    ++pos_;
                }
                ++pos_;
                ++line_;
                lineStart_ = true;
                continue;
            }
            if (isBlank(c) || (lineStart_ && c == u'>')) {
                ++pos_;
                continue;
            }
            lineStart_ = false;
            word.begin = pos_;
            while (pos_ < size) {
                const QChar w = text_.at(pos_);
                if (w == u'\n' || w == u'\r' || isBlank(w)) {
                    break;
                }
                ++pos_;
            }
            word.end = pos_;
            word.line = line_;
            return true;
        }
        return false;
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    bool lineStart_ = true;
};

const std::array<char16_t, 256> &windows1250Table()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b) {
            QStringDecoder decoder("windows-1250");
            const QString one = decoder.decode(QByteArray(1, static_cast<char>(b)));
            t.at(static_cast<std::size_t>(b)) =
                one.size() == 1 ? one.front().unicode() : char16_t{QChar::ReplacementCharacter};
        }
        return t;
    }();
    return table;
}

QString fromWindows1250(const QByteArray &codes)
{
    const auto &table = windows1250Table();
    QString text(codes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < codes.size(); ++i) {
        text[i] = QChar(table.at(static_cast<std::uint8_t>(codes.at(i))));
    }
    return text;
}

std::uint8_t unmask(int value, std::uint8_t salt, qsizetype index)
{
    return static_cast<std::uint8_t>(value ^ salt ^
                                     reportKeyBytes.at(static_cast<std::size_t>(index % 32)));
}

QString groupText(QStringView source, const Group &group)
{
    return source.sliced(group.begin, group.end - group.begin).toString();
}

QString canonicalLayout(QStringView source, std::span<const Group> groups)
{
    static constexpr char16_t digits[] = u"0123456789abcdef";
    const auto count = static_cast<qsizetype>(groups.size());
    if (std::any_of(groups.begin(), groups.end(), [](const Group &g) { return g.value < 0; })) {
        // A damaged group stays as it was typed, lowercase.
        QString block;
        block.reserve(count * 3 + count / 5 + 2);
        for (std::size_t k = 0; k < groups.size(); ++k) {
            const Group &group = groups[k];
            if (group.value >= 0) {
                block += QChar(digits[group.value / 16]);
                block += QChar(digits[group.value % 16]);
            } else {
                block += groupText(source, group).toLower();
            }
            block += u' ';
            if ((k + 1) % reportGroupsPerLine == 0) {
                block += QStringLiteral("\r\n");
            }
        }
        return block;
    }
    // Sound groups, written through a pointer: a mailbox has a hundred thousand blocks.
    QString block(count * 3 + (count / reportGroupsPerLine) * 2, Qt::Uninitialized);
    QChar *out = block.data();
    for (std::size_t k = 0; k < groups.size(); ++k) {
        *out++ = QChar(digits[groups[k].value / 16]);
        *out++ = QChar(digits[groups[k].value % 16]);
        *out++ = u' ';
        if ((k + 1) % reportGroupsPerLine == 0) {
            *out++ = u'\r';
            *out++ = u'\n';
        }
    }
    return block;
}

// A count of the report: plain digits within 32 bits.
enum class Count
{
    Ok,
    NotANumber,
    TooLarge
};
Count parseCount(QStringView text, int &value)
{
    if (text.isEmpty() || text.size() > 12) {
        return text.isEmpty() ? Count::NotANumber : Count::TooLarge;
    }
    qint64 number = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return Count::NotANumber;
        }
        number = number * 10 + (c.unicode() - u'0');
    }
    if (number > std::numeric_limits<std::int32_t>::max()) {
        return Count::TooLarge;
    }
    value = static_cast<int>(number);
    return Count::Ok;
}

// "66,67" or "66.67": the pupil's decimal separator, exactly two decimals.
std::optional<double> parseShare(QStringView text)
{
    const qsizetype separator = text.size() - 3;
    if (separator < 1 || separator > 6 ||
        (text.at(separator) != u',' && text.at(separator) != u'.')) {
        return std::nullopt;
    }
    qint64 hundredths = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == separator) {
            continue;
        }
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        hundredths = hundredths * 10 + (c.unicode() - u'0');
    }
    return static_cast<double>(hundredths) / 100.0;
}

// dd.MM.yyyy hh:mm; the pupil's locale chose the separator between hours and minutes.
std::optional<QDateTime> parseReportDate(QStringView text)
{
    const auto number = [&](qsizetype from, qsizetype length) -> int {
        int value = 0;
        for (qsizetype i = from; i < from + length; ++i) {
            const QChar c = text.at(i);
            if (c < u'0' || c > u'9') {
                return -1;
            }
            value = value * 10 + (c.unicode() - u'0');
        }
        return value;
    };
    if (text.size() < 16 || text.at(2) != u'.' || text.at(5) != u'.' || text.at(10) != u' ') {
        return std::nullopt;
    }
    for (qsizetype i = 13; i < text.size() - 2; ++i) {
        if (text.at(i).isDigit() || text.at(i).isSpace()) {
            return std::nullopt;
        }
    }
    const QDate date(number(6, 4), number(3, 2), number(0, 2));
    const QTime time(number(11, 2), number(text.size() - 2, 2));
    if (!date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    return localDateTime(date, time);
}

// Splits "prefix<count> (<share>%)" of the right and wrong lines.
bool splitCountLine(QStringView line, QStringView prefix, QStringView &count, QStringView &share)
{
    if (!line.startsWith(prefix) || !line.endsWith(u"%)")) {
        return false;
    }
    const QStringView rest = line.sliced(prefix.size()).chopped(2);
    const qsizetype open = rest.indexOf(u" (");
    if (open < 0) {
        return false;
    }
    count = rest.first(open);
    share = rest.sliced(open + 2);
    return true;
}

void fail(DecodedReport &report, DecodedReport::Status status, const QString &reason)
{
    report.status = status;
    report.reason = reason;
}

// Reads the report lines out of the decoded text and checks that they agree with each other.
void parseReport(DecodedReport &report)
{
    using Status = DecodedReport::Status;
    const QString &text = report.text;
    // What the pupil did not copy: the lines up to the cut are sound, the rest is missing.
    const auto incomplete = [&] {
        fail(report, Status::NotAReport,
             Texts::tr("blok je neúplný: chybí jeho konec (žák zkopíroval jen část?)"));
    };
    // Whole lines, and what stands after the last line break (a line cut in the middle).
    QList<QStringView> lines = QStringView(text).split(QStringLiteral("\r\n"));
    const QStringView tail = lines.takeLast();
    const auto notAReport = [&](int line, const QString &expected) {
        fail(report, Status::NotAReport,
             Texts::tr(
                 "Text v bloku není zpráva z programu Tesilka: řádek %1 zprávy neodpovídá „%2“.")
                 .arg(line)
                 .arg(expected));
    };
    const QString datePattern = QStringLiteral("dd.MM.yyyy hh:mm");
    const std::array<QString, 6> prefixes{QStringLiteral("Student: "),
                                          QStringLiteral("Třída: "),
                                          QStringLiteral("Tesilka: 1 - Ohmův zákon"),
                                          QStringLiteral("Od: "),
                                          QStringLiteral("Do: "),
                                          QStringLiteral("Celkem odpovědí: ")};
    for (std::size_t i = 0; i < prefixes.size(); ++i) {
        const QString &prefix = prefixes.at(i);
        if (static_cast<qsizetype>(i) >= lines.size()) {
            // A cut line still has to begin as its line does, else this is other text.
            if (static_cast<qsizetype>(i) == lines.size() && !tail.isEmpty() &&
                !prefix.startsWith(tail) && !tail.startsWith(prefix)) {
                notAReport(static_cast<int>(i) + 1, prefix.trimmed() + u'…');
                return;
            }
            incomplete();
            return;
        }
        if (!lines.at(static_cast<qsizetype>(i)).startsWith(prefix)) {
            notAReport(static_cast<int>(i) + 1, prefix.trimmed() + u'…');
            return;
        }
    }
    if (lines.at(2) != prefixes.at(2)) {
        notAReport(3, prefixes.at(2));
        return;
    }
    const auto from = parseReportDate(lines.at(3).sliced(4));
    const auto to = parseReportDate(lines.at(4).sliced(4));
    if (!from) {
        notAReport(4, QStringLiteral("Od: ") + datePattern);
        return;
    }
    if (!to) {
        notAReport(5, QStringLiteral("Do: ") + datePattern);
        return;
    }
    int answers = 0;
    const Count answersRead = parseCount(lines.at(5).sliced(prefixes.at(5).size()), answers);
    if (answersRead == Count::NotANumber) {
        notAReport(6, prefixes.at(5) + u'N');
        return;
    }
    if (answersRead == Count::TooLarge) {
        fail(report, Status::InconsistentCounts,
             Texts::tr("Počet odpovědí ve zprávě je mimo možný rozsah."));
        return;
    }

    int correct = 0;
    int wrong = 0;
    // Eight lines with answers, six without; a report of no answers that has the counts all
    // the same is told below.
    if (lines.size() > 8 || (lines.size() == 8 && !tail.isEmpty()) ||
        (answers == 0 && lines.size() < 8 && (lines.size() > 6 || !tail.isEmpty()))) {
        fail(report, Status::NotAReport,
             Texts::tr("Text v bloku není zpráva z programu Tesilka: má nečekaný počet řádků."));
        return;
    }
    if (lines.size() == 7 && !lines.at(6).startsWith(u"Z toho dobře: ")) {
        notAReport(7, QStringLiteral("Z toho dobře: N (P%)"));
        return;
    }
    if (answers > 0 && lines.size() < 8) {
        incomplete();
        return;
    }
    if (lines.size() > 6) {
        QStringView correctText;
        QStringView correctShare;
        QStringView wrongText;
        QStringView wrongShare;
        if (!splitCountLine(lines.at(6), u"Z toho dobře: ", correctText, correctShare)) {
            notAReport(7, QStringLiteral("Z toho dobře: N (P%)"));
            return;
        }
        if (!splitCountLine(lines.at(7), u"špatně: ", wrongText, wrongShare)) {
            notAReport(8, QStringLiteral("špatně: N (P%)"));
            return;
        }
        const Count correctRead = parseCount(correctText, correct);
        const Count wrongRead = parseCount(wrongText, wrong);
        const auto correctPercent = parseShare(correctShare);
        const auto wrongPercent = parseShare(wrongShare);
        if (correctRead == Count::NotANumber || !correctPercent) {
            notAReport(7, QStringLiteral("Z toho dobře: N (P%)"));
            return;
        }
        if (wrongRead == Count::NotANumber || !wrongPercent) {
            notAReport(8, QStringLiteral("špatně: N (P%)"));
            return;
        }
        if (correctRead == Count::TooLarge || wrongRead == Count::TooLarge) {
            fail(report, Status::InconsistentCounts,
                 Texts::tr("Počet odpovědí ve zprávě je mimo možný rozsah."));
            return;
        }
        if (static_cast<qint64>(correct) + wrong != answers) {
            fail(report, Status::InconsistentCounts,
                 Texts::tr("Počty nesouhlasí: %1 dobře a %2 špatně není celkem %3 odpovědí.")
                     .arg(correct)
                     .arg(wrong)
                     .arg(answers));
            return;
        }
        if (answers == 0) {
            fail(report, Status::InconsistentCounts,
                 Texts::tr("Zpráva uvádí 0 odpovědí, ale obsahuje počty dobrých a špatných."));
            return;
        }
        const double correctShareValue = correct * 100.0 / answers;
        const double wrongShareValue = wrong * 100.0 / answers;
        if (std::abs(*correctPercent - correctShareValue) > shareTolerance ||
            std::abs(*wrongPercent - wrongShareValue) > shareTolerance) {
            fail(report, Status::InconsistentCounts,
                 Texts::tr("Procenta ve zprávě neodpovídají počtům dobrých a špatných odpovědí."));
            return;
        }
    }
    if (localSecsTo(*to, *from) > clockSetBackSeconds) {
        fail(report, Status::InconsistentCounts,
             Texts::tr("Konec práce (Do) je ve zprávě dříve než její začátek (Od)."));
        return;
    }

    report.student = lines.at(0).sliced(prefixes.at(0).size()).toString();
    report.className = lines.at(1).sliced(prefixes.at(1).size()).toString();
    report.from = *from;
    report.to = *to;
    report.answers = answers;
    report.correct = correct;
    report.wrong = wrong;
    report.successPercent = answers > 0 ? correct * 100.0 / answers : 0.0;
    report.status = Status::Ok;
    report.reason.clear();
}

// Decodes the groups of one block; the caller fills originalText and firstLine.
void decodeGroups(QStringView source, std::span<const Group> groups, DecodedReport &report)
{
    using Status = DecodedReport::Status;
    report.canonicalBlock = canonicalLayout(source, groups);
    report.isCanonicalLayout = false;
    if (groups.empty()) {
        fail(report, Status::NotAReport, Texts::tr("V bloku není žádná skupina číslic."));
        return;
    }
    report.firstLine = groups.front().line;
    const auto damagedReason = [&](const Group &group) {
        return Texts::tr("Poškozená skupina „%1“ na řádku %2.")
            .arg(groupText(source, group))
            .arg(group.line);
    };
    const Group &marker = groups.front();
    if (marker.value < 0) {
        fail(report, Status::DamagedGroup, damagedReason(marker));
        return;
    }
    if (marker.value != reportMarkerByte) {
        fail(report, Status::WrongMarker,
             Texts::tr("Blok nezačíná značkou „4b“, ale skupinou „%1“ na řádku %2.")
                 .arg(groupText(source, marker))
                 .arg(marker.line));
        return;
    }
    if (groups.size() < 2) {
        fail(report, Status::NotAReport,
             Texts::tr("Blok obsahuje jen značku „4b“, zpráva v něm není."));
        return;
    }
    if (groups[1].value < 0) {
        fail(report, Status::DamagedGroup, damagedReason(groups[1]));
        return;
    }
    report.salt = static_cast<std::uint8_t>(groups[1].value);
    const Group *firstDamaged = nullptr;
    const std::span<const Group> data = groups.subspan(2);
    report.masked.resize(static_cast<qsizetype>(data.size()));
    report.codes.resize(static_cast<qsizetype>(data.size()));
    for (std::size_t n = 0; n < data.size(); ++n) {
        const auto i = static_cast<qsizetype>(n);
        if (data[n].value < 0) {
            firstDamaged = firstDamaged != nullptr ? firstDamaged : &data[n];
            report.masked[i] = '?';
            report.codes[i] = '?';
            continue;
        }
        report.masked[i] = static_cast<char>(data[n].value);
        report.codes[i] = static_cast<char>(unmask(data[n].value, report.salt, i));
    }
    report.text = fromWindows1250(report.codes);
    if (firstDamaged != nullptr) {
        fail(report, Status::DamagedGroup, damagedReason(*firstDamaged));
        return;
    }
    parseReport(report);
}

// Whether the groups from `at` begin a report: the marker, then a random byte under which
// the next groups read "Student: ". Nine known bytes leave no room for chance.
bool beginsReport(std::span<const Group> run, std::size_t at)
{
    const std::size_t needed = 2 + static_cast<std::size_t>(studentPrefix.size());
    if (at + needed > run.size() || run[at].value != reportMarkerByte || run[at + 1].value < 0) {
        return false;
    }
    const auto salt = static_cast<std::uint8_t>(run[at + 1].value);
    for (qsizetype k = 0; k < studentPrefix.size(); ++k) {
        const int value = run[at + 2 + static_cast<std::size_t>(k)].value;
        if (value < 0 || unmask(value, salt, k) != static_cast<std::uint8_t>(studentPrefix[k])) {
            return false;
        }
    }
    return true;
}

// Where the report that begins at `start` ends: after its sixth line when it has no answers,
// else after its eighth. A report that never completes runs up to `limit`.
std::size_t reportEnd(std::span<const Group> run, std::size_t start, std::size_t limit)
{
    static const QByteArray noAnswersBytes = toAnsiBytes(u"Celkem odpovědí: 0");
    const std::string_view noAnswers(noAnswersBytes.constData(),
                                     static_cast<std::size_t>(noAnswersBytes.size()));
    const auto salt = static_cast<std::uint8_t>(run[start + 1].value);
    int lineEnds = 0;
    std::string line;
    line.reserve(64);
    bool previousWasCr = false;
    for (std::size_t g = start + 2; g < limit; ++g) {
        const auto n = static_cast<qsizetype>(g - start - 2);
        const int value = run[g].value;
        const char code = value < 0 ? '?' : static_cast<char>(unmask(value, salt, n));
        if (code == '\n' && previousWasCr) {
            ++lineEnds;
            line.pop_back();
            if ((lineEnds == 6 && line == noAnswers) || lineEnds == 8) {
                return g + 1;
            }
            line.clear();
            previousWasCr = false;
            continue;
        }
        previousWasCr = code == '\r';
        line.push_back(code);
    }
    return limit;
}

// Finds the blocks in one run of groups: each begins where a report begins; what lies between
// is a damaged block when it is long enough or starts with the marker, else prose.
class RunSplitter
{
public:
    RunSplitter(QStringView text, QList<DecodedReport> &out) : text_(text), out_(out) {}

    void split(std::span<const Group> run)
    {
        starts_.clear();
        for (std::size_t i = 0; i < run.size(); ++i) {
            if (beginsReport(run, i)) {
                starts_.push_back(i);
            }
        }
        std::size_t pos = 0;
        std::size_t nextStart = 0;
        while (pos < run.size()) {
            while (nextStart < starts_.size() && starts_[nextStart] < pos) {
                ++nextStart;
            }
            const std::size_t start = nextStart < starts_.size() ? starts_[nextStart] : run.size();
            if (start > pos) {
                looseGroups(run.subspan(pos, start - pos));
            }
            if (start == run.size()) {
                break;
            }
            const std::size_t limit =
                nextStart + 1 < starts_.size() ? starts_[nextStart + 1] : run.size();
            const std::size_t end = reportEnd(run, start, limit);
            addBlock(run.subspan(start, end - start));
            pos = end;
        }
    }

private:
    void looseGroups(std::span<const Group> groups)
    {
        const bool marked = groups.size() >= 2 && groups.front().value == reportMarkerByte;
        if (marked || static_cast<qsizetype>(groups.size()) >= minimumUnmarkedBlockGroups) {
            addBlock(groups);
        }
    }

    void addBlock(std::span<const Group> groups)
    {
        DecodedReport report;
        // Quote marks and indentation before the first group belong to the block as it stood.
        qsizetype begin = groups.front().begin;
        while (begin > 0) {
            const QChar c = text_.at(begin - 1);
            if (c == u'\n' || c == u'\r') {
                break;
            }
            if (!isBlank(c) && c != u'>') {
                begin = groups.front().begin;
                break;
            }
            --begin;
        }
        report.originalText = text_.sliced(begin, groups.back().end - begin).toString();
        decodeGroups(text_, groups, report);
        out_.append(std::move(report));
    }

    QStringView text_;
    QList<DecodedReport> &out_;
    std::vector<std::size_t> starts_;
};
// Where a word of a decoded text stood in the text as it was given: its line there.
class LineMap
{
public:
    // From `position` of the decoded text on, the words stood on `line`.
    void mark(qsizetype position, int line)
    {
        if (!points_.empty() && points_.back().first == position) {
            points_.back().second = line;
        } else {
            points_.emplace_back(position, line);
        }
    }
    [[nodiscard]] int lineAt(qsizetype position) const
    {
        auto after =
            std::upper_bound(points_.begin(), points_.end(), position,
                             [](qsizetype p, const auto &point) { return p < point.first; });
        return after == points_.begin() ? 1 : std::prev(after)->second;
    }

private:
    std::vector<std::pair<qsizetype, int>> points_;
};

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Mail programs cut quoted-printable lines near 76 characters; a short line that ends in "="
// is a pupil's "U =", not a soft line break.
constexpr qsizetype shortestSoftBrokenLine = 40;

// Where an "=" at `at` is a soft line break ("=" and perhaps blanks a relay added before the
// line break, on a line of the length such lines have), the position of that line break;
// else -1.
qsizetype softBreakAt(QStringView text, qsizetype at)
{
    qsizetype j = at + 1;
    while (j < text.size() && (text.at(j) == u' ' || text.at(j) == u'\t')) {
        ++j;
    }
    if (j >= text.size() || !isLineBreak(text.at(j))) {
        return -1;
    }
    qsizetype lineStart = at;
    while (lineStart > 0 && !isLineBreak(text.at(lineStart - 1)) &&
           at - lineStart < shortestSoftBrokenLine) {
        --lineStart;
    }
    return at - lineStart >= shortestSoftBrokenLine ? j : -1;
}

// The byte of an "=XX" escape at `at`, or -1.
int escapedByte(QStringView text, qsizetype at)
{
    if (at + 2 >= text.size()) {
        return -1;
    }
    const int high = hexValue(text.at(at + 1).unicode());
    const int low = high >= 0 ? hexValue(text.at(at + 2).unicode()) : -1;
    return low >= 0 ? high * 16 + low : -1;
}

// A text as a mail program sends it in quoted-printable, read from the source of a message:
// soft line breaks, and "=20", "=3D" or "=0D=0A" in place of blanks, "=" and line breaks.
// Only such signs let it be decoded at all; ordinary text has no reason to hold them.
bool mayBeQuotedPrintable(QStringView text)
{
    qsizetype at = text.indexOf(u'=');
    while (at >= 0) {
        if (softBreakAt(text, at) >= 0 || escapedByte(text, at) >= 0) {
            return true;
        }
        at = text.indexOf(u'=', at + 1);
    }
    return false;
}

// Decodes the escapes (a run of them is UTF-8 when it reads as UTF-8, else Windows-1250, the
// two charsets Czech mail comes in) and drops the soft line breaks; `lines` says on which line
// of `text` each decoded line began.
QString fromQuotedPrintable(QStringView text, LineMap &lines)
{
    QString out;
    out.reserve(text.size());
    int line = 1;
    lines.mark(0, 1);
    QByteArray bytes;
    const auto flushBytes = [&] {
        if (bytes.isEmpty()) {
            return;
        }
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString decoded = utf8.decode(bytes);
        if (utf8.hasError()) {
            decoded = fromWindows1250(bytes);
        }
        for (const QChar c : decoded) {
            out += c;
            if (isLineBreak(c)) {
                lines.mark(out.size(), line);
            }
        }
        bytes.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'=') {
            const qsizetype soft = softBreakAt(text, i);
            if (soft >= 0) {
                i = text.at(soft) == u'\r' && soft + 1 < text.size() && text.at(soft + 1) == u'\n'
                        ? soft + 1
                        : soft;
                ++line;
                lines.mark(out.size(), line);
                continue;
            }
            const int byte = escapedByte(text, i);
            if (byte >= 0) {
                bytes += static_cast<char>(byte);
                i += 2;
                continue;
            }
        }
        flushBytes();
        out += c;
        if (isLineBreak(c)) {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
                out += u'\n';
                ++i;
            }
            ++line;
            lines.mark(out.size(), line);
        }
    }
    flushBytes();
    return out;
}

QList<DecodedReport> findBlocks(QStringView text, const LineMap *lines)
{
    QList<DecodedReport> reports;
    RunSplitter splitter(text, reports);
    std::vector<Group> run;
    std::vector<Group> pending; // damaged-looking words, kept only if groups follow them
    const auto endRun = [&] {
        if (!run.empty()) {
            splitter.split(run);
        }
        run.clear();
        pending.clear();
    };

    WordScanner scanner(text);
    Group word;
    while (scanner.next(word)) {
        if (lines != nullptr) {
            word.line = lines->lineAt(word.begin);
        }
        switch (classify(text.sliced(word.begin, word.end - word.begin), word.value)) {
        case WordKind::Group:
            run.insert(run.end(), pending.begin(), pending.end());
            pending.clear();
            run.push_back(word);
            break;
        case WordKind::Damaged:
            if (run.empty()) {
                // Before a run only the word right before it may be its damaged first group.
                pending.assign(1, word);
            } else if (pending.size() < damagedGroupsInARow) {
                pending.push_back(word);
            } else {
                endRun();
            }
            break;
        case WordKind::Prose:
            endRun();
            break;
        }
    }
    endRun();
    return reports;
}
} // namespace

DecodedReport decodeReportBlock(const QString &block)
{
    std::vector<Group> groups;
    WordScanner scanner(block);
    Group word;
    while (scanner.next(word)) {
        classify(QStringView(block).sliced(word.begin, word.end - word.begin), word.value);
        groups.push_back(word);
    }
    DecodedReport report;
    report.originalText = block;
    decodeGroups(block, groups, report);
    if (groups.empty()) {
        report.firstLine = 1;
    }
    // Only a block that was read to its text: every group sound, the marker and the random byte
    // in place.
    const bool readable = groups.size() >= 2 &&
                          report.status != DecodedReport::Status::DamagedGroup &&
                          report.status != DecodedReport::Status::WrongMarker;
    report.isCanonicalLayout = readable && block == report.canonicalBlock;
    return report;
}

QList<DecodedReport> findReportBlocks(const QString &text)
{
    QList<DecodedReport> reports = findBlocks(text, nullptr);
    if (!mayBeQuotedPrintable(text)) {
        return reports;
    }
    // Read both ways: decoding must never lose a report that the text as it stands gives.
    LineMap lines;
    const QString decoded = fromQuotedPrintable(text, lines);
    QList<DecodedReport> fromDecoded = findBlocks(decoded, &lines);
    const auto good = [](const QList<DecodedReport> &list) {
        return std::count_if(list.begin(), list.end(), [](const auto &r) { return r.isOk(); });
    };
    const auto goodBefore = good(reports);
    const auto goodAfter = good(fromDecoded);
    // As many good reports or more: the decoded text also tells why a block is bad (cut off,
    // say) where the text as it stands shows only fragments, or nothing.
    return goodAfter >= goodBefore ? fromDecoded : reports;
}

bool BlockRepeats::isRepeat(const DecodedReport &report)
{
    // The pupil's layout found in mail is ASCII (hex digits, damaged groups of letters and
    // digits): then its Latin-1 bytes stand for it one to one, at half the bytes to hash.
    const QString &block = report.canonicalBlock;
    // The narrowed copy goes to a buffer kept from block to block: no allocation per block.
    latin1_.resize(block.size());
    bool ascii = true;
    char *narrow = latin1_.data();
    for (qsizetype i = 0; i < block.size(); ++i) {
        const char16_t c = block.at(i).unicode();
        ascii = ascii && c < 0x80;
        narrow[i] = static_cast<char>(c);
    }
    hash_.reset();
    hash_.addData(ascii ? QByteArrayView(latin1_)
                        : QByteArrayView(reinterpret_cast<const char *>(block.constData()),
                                         block.size() * qsizetype(sizeof(QChar))));
    const QByteArray key = hash_.result();
    if (seen_.contains(key)) {
        return true;
    }
    seen_.insert(key);
    return false;
}
