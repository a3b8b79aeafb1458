#include "framework/colour.h"

namespace framework {

QColor QtColourOf(int colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

int ColourOf(const QColor& colour) { return colour.red() | (colour.green() << 8) | (colour.blue() << 16); }

}  // namespace framework
