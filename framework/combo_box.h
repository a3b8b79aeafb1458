// Combo box: a drop-down list of items to choose one from, or none. Items count from 0; -1 is
// "no selection", which is also where a box starts.
#pragma once

#include <functional>
#include <string>

#include "framework/unit.h"
#include "framework/window_definition.h"

namespace framework {

class ComboBox : public WidgetUnit {
 public:
  ComboBox(const ControlDefinition& definition, QWidget* parent);

  int ItemCount() const;
  // The empty text for an item that does not exist.
  std::string ItemText(int item) const;
  int AddItem(const std::string& text);

  int Selection() const;
  // -1 or an item out of range selects none.
  void SetSelection(int item);

  // The user chose another item.
  std::function<void(int item)> OnSelectionChanged;
};

}  // namespace framework
