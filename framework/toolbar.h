// Toolbar: a row of image buttons with tool tips, addressed by index from 0; separators take
// an index too. A click reports only the button's index; it sends no WM_COMMAND, so toolbar
// clicks never mix with the menu's command ids.
#pragma once

#include <functional>
#include <string>

#include "framework/image_list.h"
#include "framework/unit.h"
#include "framework/window_definition.h"

class QAction;
class QToolBar;

namespace framework {

class Toolbar : public WidgetUnit {
 public:
  Toolbar(const ControlDefinition& definition, QWidget* parent);

  int ButtonCount() const;
  // Inserts before the button at index (at the end when index is the count); false when the
  // index is out of range.
  bool InsertButton(int index, const ToolbarButtonDefinition& button);
  bool DeleteButton(int index);

  // A click does not toggle the checked state: only these calls change it.
  bool IsButtonChecked(int index) const;
  void SetButtonChecked(int index, bool checked);
  bool IsButtonDisabled(int index) const;
  void SetButtonDisabled(int index, bool disabled);
  std::string ButtonToolTip(int index) const;

  std::function<void(int index)> OnButtonClick;

 private:
  QToolBar* Bar() const;
  QAction* ButtonAt(int index) const;
  QAction* MakeButton(const ToolbarButtonDefinition& button);
  void ButtonTriggered(QAction* action);

  ImageList images_;
};

}  // namespace framework
