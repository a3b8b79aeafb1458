// Makes the unit of a control definition, by its kind.
#pragma once

#include <memory>

#include "framework/unit.h"
#include "framework/window_definition.h"

namespace framework {

class Form;

// parent is the widget the control's widget goes into (units without one ignore it).
std::unique_ptr<Unit> BuildUnit(const ControlDefinition& definition, QWidget* parent, const Form& window);

}  // namespace framework
