// Group box: a captioned frame and a parent for controls. As on Windows, a child's position
// is relative to the box's top-left corner, the caption's line included.
#pragma once

#include "framework/unit.h"
#include "framework/window_definition.h"

namespace framework {

class GroupBox : public WidgetUnit {
 public:
  GroupBox(const ControlDefinition& definition, QWidget* parent);

  // The box has no pages: only page 0 holds controls.
  QWidget* ChildArea(int page) const override;
};

}  // namespace framework
