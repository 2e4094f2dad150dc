// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/resultsdatabase.h"

#include <QImage>
#include <QList>
#include <QString>

class QChart;

// A chart of success in per cent (a black line with round points, left axis) and answers (grey
// hatched bars, right axis) per day or week, that reads the same in black and white. Its
// bottom axis is time: a day or week without runs is an empty place, a line broken there, and
// the dates under it are few enough to read for a whole school year (the years in the axis's
// title while they are at most two).
QChart *buildProgressChart(const QList<ProgressPoint> &points, ProgressPeriod period,
                           const QString &title);
// The same chart drawn into a picture for paper and PDF: laid out at `size`, drawn at twice it.
QImage renderProgressChart(const QList<ProgressPoint> &points, ProgressPeriod period,
                           const QString &title, QSize size);
