// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/mistakesdatabase.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

class QChart;

// Each kind of mistake per week as a share of that week's answers: one line per kind, each with
// its own dash pattern and point shape in black and greys, so that it reads on paper printed in
// black and white; the weeks' Mondays along the bottom.
QChart *buildMistakeChart(const QList<MistakeWeek> &weeks, const QString &title);
// The same chart drawn into a picture for paper and PDF: laid out at `size`, drawn at twice it.
QImage renderMistakeChart(const QList<MistakeWeek> &weeks, const QString &title, QSize size);
