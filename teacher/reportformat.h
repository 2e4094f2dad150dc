// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/reportdecoder.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// How the teacher's program writes the fields of a decoded report, in the table and in CSV:
// Czech dates and a decimal comma, whatever the system's locale.
QString reportDateText(const QDateTime &moment); // 7.12.2026 9:05
QString reportPercentText(double percent);       // 66,67

// The columns of one report, as the table and the CSV show them.
QStringList reportColumnTitles();
QStringList reportFields(const DecodedReport &report);
