// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/actionbutton.h"

#include <QAction>
#include <QPushButton>

QPushButton *buttonFor(QAction *action, QWidget *parent)
{
    auto *button = new QPushButton(action->text(), parent);
    button->setAccessibleName(action->text().remove(u'&'));
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button,
                     [button, action] { button->setEnabled(action->isEnabled()); });
    return button;
}
