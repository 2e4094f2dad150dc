// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// A class name in the form used for comparing: case-folded, without diacritics, whitespace and
// dots, so "3a", "3. A" and "3.A" are one class. Roman numerals are not converted: "III.A" and
// "3.A" stay different.
QString normalizedClassName(QStringView className);

// The words of a name, case-folded and without diacritics, split on whitespace, commas and
// semicolons ("Novák, Jan" gives novak and jan). A hyphen does not split: "Nováková-Dvořáková"
// is one word.
QStringList nameWords(QStringView name);

// Finds the pupil of the school's list that a report belongs to, using the name and class the
// pupil typed into the report.
//
// A report fits an entry when their normalized classes are equal and the words of one name all
// occur in the other (counted as a multiset, compared whole and exactly after folding), both word
// lists non-empty. The list may hold only the surname, so "Jan Novák" fits "Novák"; "Nowák" or
// "Nov" does not. The report belongs to an entry only when that entry is the only one that fits;
// when several fit (namesakes in one class, or "Novák" and "Novák Jan" for the report
// "Jan Novák"), there is no match, since guessing would file the report under the wrong pupil.
// An empty class matches nothing.
class PupilMatcher
{
public:
    struct Entry
    {
        QString name;      // surname, or surname and first name
        QString className; // as the school wrote it
    };

    explicit PupilMatcher(const QList<Entry> &entries);

    // The index into the constructor's list of the one entry the report fits, or -1 when none or
    // several fit.
    [[nodiscard]] qsizetype match(QStringView reportName, QStringView reportClass) const;

private:
    QList<QStringList> sortedWords_;                  // per entry, sorted for multiset checks
    QHash<QString, QList<qsizetype>> entriesByClass_; // normalized class -> entry indexes
};
