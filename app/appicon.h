#pragma once

#include <QIcon>

// The 32 × 32 icon of the exercise window: an ohm sign on a resistor-coloured tile.
QIcon tesilkaIcon();
