// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/teacherdatabase.h"
#include "results/reportdecoder.h"

#include <QDateTime>
#include <QList>

// A good decoded report as the school database keeps it.
ReportRow reportRowOf(const DecodedReport &report);

// Stores the good reports of a pasted or opened text in one transaction, and counts the bad
// blocks, which are never stored. Throws DatabaseError and then stores nothing.
ReportStoreResult storeDecodedReports(const TeacherDatabase &database,
                                      const QList<DecodedReport> &reports,
                                      const QDateTime &storedAt);
