// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/schooldatabase.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

// Answers that fit a run of `right` right and `wrong` wrong ones, the right ones first, with
// values that differ from answer to answer and survive a round trip only when stored exactly.
inline QList<SchoolAnswer> answersFor(int right, int wrong)
{
    QList<SchoolAnswer> answers;
    for (int i = 0; i < right + wrong; ++i) {
        const bool isRight = i < right;
        answers.append({.order = i + 1,
                        .quantity = i % 3,
                        .givenA = 1.5 + i,
                        .prefixA = i % 6 - 2,
                        .givenB = 999.999,
                        .prefixB = 3,
                        .answer = 2.5e-7 * (i + 1),
                        .answerPrefix = -2,
                        .right = isRight,
                        .mistake = isRight ? 0 : 1 + i % 4,
                        .seconds = 0.125 * i});
    }
    return answers;
}

// The answers as lines of their fields in the order of "Odpovedi" ("Poradi" … "Sekundy").
inline QStringList answerLines(const QList<SchoolAnswer> &answers)
{
    QStringList lines;
    for (const SchoolAnswer &a : answers) {
        QStringList fields;
        for (const QVariant &value :
             {QVariant(a.order), QVariant(a.quantity), QVariant(a.givenA), QVariant(a.prefixA),
              QVariant(a.givenB), QVariant(a.prefixB), QVariant(a.answer), QVariant(a.answerPrefix),
              QVariant(a.right ? 1 : 0), QVariant(a.mistake), QVariant(a.seconds)}) {
            fields << value.toString();
        }
        lines << fields.join(u' ');
    }
    return lines;
}

// The rows a query read, as lines of their first `fields` fields.
inline QStringList rowLines(QSqlQuery &query, int fields)
{
    QStringList lines;
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < fields; ++i) {
            values << query.value(i).toString();
        }
        lines << values.join(u' ');
    }
    return lines;
}

// The fields of answerLines, to select from "Odpovedi" (as the alias o).
inline constexpr char answerFieldsSql[] =
    R"(o."Poradi", o."Velicina", o."HodnotaA", o."PredponaA", o."HodnotaB", o."PredponaB", )"
    R"(o."Odpoved", o."PredponaOdpovedi", o."Spravne", o."Chyba", o."Sekundy")";
