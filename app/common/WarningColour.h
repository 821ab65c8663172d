#pragma once

#include <QColor>
#include <QPalette>

// The red of a warning that stays readable on the window's own background, light or dark theme.
QColor warningColour(const QPalette& palette);
