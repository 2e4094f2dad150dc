// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/pupilmatcher.h"

#include <algorithm>

namespace {

// Case and diacritics are dropped because pupils type names at home on any keyboard, often
// without háčky and čárky. Compatibility decomposition also turns look-alike forms (e.g. a
// no-break space) into their plain characters.
QString folded(QStringView text)
{
    const QString decomposed =
        text.toString().normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString result;
    result.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing) {
            result.append(c);
        }
    }
    return result;
}

QStringList sortedNameWords(QStringView name)
{
    QStringList words = nameWords(name);
    std::sort(words.begin(), words.end());
    return words;
}

// Both lists sorted; std::includes counts repeated words, so it tests multiset containment.
bool oneContainsTheOther(const QStringList &a, const QStringList &b)
{
    if (a.isEmpty() || b.isEmpty()) {
        return false;
    }
    return a.size() >= b.size() ? std::includes(a.begin(), a.end(), b.begin(), b.end())
                                : std::includes(b.begin(), b.end(), a.begin(), a.end());
}

} // namespace

QString normalizedClassName(QStringView className)
{
    const QString text = folded(className);
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace() && c != u'.') {
            result.append(c);
        }
    }
    return result;
}

QStringList nameWords(QStringView name)
{
    QStringList words;
    QString word;
    for (const QChar c : folded(name)) {
        if (c.isSpace() || c == u',' || c == u';') {
            if (!word.isEmpty()) {
                words.append(word);
                word.clear();
            }
        } else {
            word.append(c);
        }
    }
    if (!word.isEmpty()) {
        words.append(word);
    }
    return words;
}

PupilMatcher::PupilMatcher(const QList<Entry> &entries)
{
    sortedWords_.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        sortedWords_.append(sortedNameWords(entries.at(i).name));
        const QString className = normalizedClassName(entries.at(i).className);
        if (!className.isEmpty()) {
            entriesByClass_[className].append(i);
        }
    }
}

qsizetype PupilMatcher::match(QStringView reportName, QStringView reportClass) const
{
    const auto classEntries = entriesByClass_.constFind(normalizedClassName(reportClass));
    if (classEntries == entriesByClass_.cend()) {
        return -1;
    }
    const QStringList words = sortedNameWords(reportName);
    qsizetype found = -1;
    for (const qsizetype i : *classEntries) {
        if (oneContainsTheOther(sortedWords_.at(i), words)) {
            if (found != -1) {
                return -1;
            }
            found = i;
        }
    }
    return found;
}
