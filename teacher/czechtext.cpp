// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/czechtext.h"

QString czechCount(int count, const QString &one, const QString &few, const QString &many)
{
    const QString &form = count == 1 ? one : (count >= 2 && count <= 4 ? few : many);
    return form.arg(count);
}
