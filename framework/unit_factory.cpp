#include "framework/unit_factory.h"

#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/colour_picker.h"
#include "framework/combo_box.h"
#include "framework/common_dialog.h"
#include "framework/drop_target.h"
#include "framework/edit_box.h"
#include "framework/group_box.h"
#include "framework/label.h"
#include "framework/list_box.h"
#include "framework/list_view.h"
#include "framework/page_control.h"
#include "framework/picture_box.h"
#include "framework/status_bar.h"
#include "framework/toolbar.h"

namespace framework {

std::unique_ptr<Unit> BuildUnit(const ControlDefinition& definition, QWidget* parent, const Form& window) {
  std::unique_ptr<WidgetUnit> shown;
  switch (definition.kind) {
    case ControlKind::CommonDialog:
      return std::make_unique<CommonDialog>(definition, window);
    case ControlKind::DropTarget:
      return std::make_unique<DropTarget>(definition);
    case ControlKind::Toolbar:
      shown = std::make_unique<Toolbar>(definition, parent);
      break;
    case ControlKind::StatusBar:
      shown = std::make_unique<StatusBar>(definition, parent);
      break;
    case ControlKind::PageControl:
    case ControlKind::TabControl:
      shown = std::make_unique<PageControl>(definition, parent);
      break;
    case ControlKind::ListView:
      shown = std::make_unique<ListView>(definition, parent);
      break;
    case ControlKind::Label:
      shown = std::make_unique<Label>(definition, parent);
      break;
    case ControlKind::PictureBox:
      shown = std::make_unique<PictureBox>(definition, parent);
      break;
    case ControlKind::GroupBox:
      shown = std::make_unique<GroupBox>(definition, parent);
      break;
    case ControlKind::ListBox:
      shown = std::make_unique<ListBox>(definition, parent);
      break;
    case ControlKind::Button:
      shown = std::make_unique<Button>(definition, parent);
      break;
    case ControlKind::EditBox:
      shown = std::make_unique<EditBox>(definition, parent);
      break;
    case ControlKind::CheckBox:
      shown = std::make_unique<CheckBox>(definition, parent);
      break;
    case ControlKind::ComboBox:
      shown = std::make_unique<ComboBox>(definition, parent);
      break;
    case ControlKind::ColourPicker:
      shown = std::make_unique<ColourPicker>(definition, parent, window);
      break;
  }
  shown->SetGeometry(definition.geometry);
  shown->SetVisible(definition.visible);
  return shown;
}

}  // namespace framework
