// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QStringView>

// 'YYYY-MM-DD' (with or without a time after it) read by hand: the views and the export read it
// for every row. Anything else gives an invalid date.
inline QDate isoDayOf(QStringView text)
{
    if (text.size() < 10 || text.at(4) != u'-' || text.at(7) != u'-') {
        return {};
    }
    bool yearOk = false;
    bool monthOk = false;
    bool dayOk = false;
    const int year = text.mid(0, 4).toInt(&yearOk);
    const int month = text.mid(5, 2).toInt(&monthOk);
    const int day = text.mid(8, 2).toInt(&dayOk);
    return yearOk && monthOk && dayOk ? QDate(year, month, day) : QDate();
}
