// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCollator>
#include <QList>
#include <QLocale>

#include <algorithm>
#include <functional>

// Puts a small list (a class list, a summary) in Czech order, "Ch" after "H": by the first key,
// then the next where the first ties, stably. A key is a member or anything std::invoke takes.
template <typename T, typename... Keys> void sortInCzechOrder(QList<T> &list, Keys... keys)
{
    const QCollator collator(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    std::stable_sort(list.begin(), list.end(), [&](const T &a, const T &b) {
        int order = 0;
        ((order =
              order != 0 ? order : collator.compare(std::invoke(keys, a), std::invoke(keys, b))),
         ...);
        return order < 0;
    });
}
