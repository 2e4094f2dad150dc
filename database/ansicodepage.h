// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Texts become single bytes of Windows-1250 at the program's edges (the teacher report, the
// built-in database path). A character the code page cannot hold becomes "?", one per
// character the pupil sees (a surrogate pair counts once).
QByteArray toAnsiBytes(QStringView text);
QString fromAnsiBytes(QByteArrayView bytes);
