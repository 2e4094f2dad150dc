// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The programs' own icons, the same as in the desktop's menus: a resistor over an ohm sign for
// the pupil's program, over a bar chart for the teacher's.
QIcon tesilkaIcon();
QIcon teacherIcon();
