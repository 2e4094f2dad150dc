// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>

// Runs `then` once, when `window` has painted for the first time: the window is on the screen
// before anything slow begins (opening a database at start).
void afterFirstPaint(QWidget *window, std::function<void()> then);
