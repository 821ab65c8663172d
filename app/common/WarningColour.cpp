#include "app/common/WarningColour.h"

QColor warningColour(const QPalette& palette)
{
    // A dark red disappears on a dark window; a light one does on a light window.
    return palette.color(QPalette::Window).lightness() < 128 ? QColor(0xff, 0x8a, 0x80) : QColor(0xb0, 0x00, 0x20);
}
