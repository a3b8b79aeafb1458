#include "framework/window_definition.h"

#include <utility>

namespace framework {

ToolbarButtonDefinition ToolbarButtonDefinition::Button(int image, std::string toolTip, bool checked) {
  ToolbarButtonDefinition button;
  button.image = image;
  button.toolTip = std::move(toolTip);
  button.checked = checked;
  return button;
}

ToolbarButtonDefinition ToolbarButtonDefinition::Separator() {
  ToolbarButtonDefinition separator;
  separator.separator = true;
  return separator;
}

ControlDefinition::ControlDefinition(ControlKind kind, std::string name, Geometry geometry, std::string caption)
    : kind(kind), name(std::move(name)), caption(std::move(caption)), geometry(geometry) {}

ControlDefinition& ControlDefinition::OnParent(std::string parentName, int parentPage) {
  parent = std::move(parentName);
  page = parentPage;
  return *this;
}

ControlDefinition& ControlDefinition::Hidden() {
  visible = false;
  return *this;
}

ControlDefinition& ControlDefinition::WithImages(std::vector<std::string> files) {
  images = std::move(files);
  return *this;
}

ControlDefinition& ControlDefinition::WithButtons(std::vector<ToolbarButtonDefinition> toolbarButtons) {
  buttons = std::move(toolbarButtons);
  return *this;
}

ControlDefinition& ControlDefinition::WithParts(std::vector<StatusPartDefinition> statusParts) {
  parts = std::move(statusParts);
  return *this;
}

ControlDefinition& ControlDefinition::WithPages(std::vector<std::string> pageCaptions) {
  pages = std::move(pageCaptions);
  return *this;
}

ControlDefinition& ControlDefinition::WithColumns(std::vector<ListViewColumnDefinition> listColumns) {
  columns = std::move(listColumns);
  return *this;
}

ControlDefinition& ControlDefinition::WithFileDialog(FileDialogDefinition settings) {
  fileDialog = std::move(settings);
  return *this;
}

ControlDefinition& ControlDefinition::WithPicture(std::string file) {
  picture = std::move(file);
  return *this;
}

ControlDefinition& ControlDefinition::Centred() {
  centred = true;
  return *this;
}

ControlDefinition& ControlDefinition::MultiLine() {
  multiLine = true;
  return *this;
}

ControlDefinition& ControlDefinition::Password() {
  password = true;
  return *this;
}

ControlDefinition& ControlDefinition::WithItems(std::vector<std::string> comboItems) {
  items = std::move(comboItems);
  return *this;
}

ControlDefinition& ControlDefinition::ForFonts() {
  fontDialog = true;
  return *this;
}

WindowDefinition::WindowDefinition(std::string name, std::string caption, Geometry geometry,
                                   std::vector<ControlDefinition> controls)
    : name(std::move(name)), caption(std::move(caption)), geometry(geometry), controls(std::move(controls)) {}

}  // namespace framework
