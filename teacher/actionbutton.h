// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QPushButton;
class QWidget;

// A push button that stands for the action on a page: its caption and access key, triggering
// it, and enabled while the action is.
QPushButton *buttonFor(QAction *action, QWidget *parent);
