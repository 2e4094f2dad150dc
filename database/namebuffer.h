// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The 128 characters the system's user-name call leaves behind: the name, a NUL, then blanks;
// only blanks when the name (with its NUL) does not fit.
inline constexpr qsizetype userNameBufferLength = 128;
QString nameBuffer(const QString &name);
