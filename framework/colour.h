// The program's colours are blue-green-red integers (red is 255, blue is 16711680); Qt's are
// QColor. Only the low 24 bits count.
#pragma once

#include <QColor>

namespace framework {

QColor QtColourOf(int colour);
int ColourOf(const QColor& colour);

}  // namespace framework
