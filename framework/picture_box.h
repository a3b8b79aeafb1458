// Picture box: shows the picture file of its definition at its top-left corner, unscaled. An
// animated GIF plays on its own and starts over after its last frame, whatever loop count the
// file gives. A file that cannot be read leaves the box empty.
#pragma once

#include "framework/unit.h"
#include "framework/window_definition.h"

namespace framework {

class PictureBox : public WidgetUnit {
 public:
  PictureBox(const ControlDefinition& definition, QWidget* parent);
};

}  // namespace framework
