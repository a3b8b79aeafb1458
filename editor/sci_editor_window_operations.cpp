// The editor's window operations: position, size, border, visibility and parent of the
// container, whose WM_SIZE keeps the editing window filling it.
#include <cstdint>

#include "editor/sci_editor.h"
#include "platform/window.h"

using namespace platform;

namespace {

constexpr UINT KeepPlaceAndOrder = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER;

}  // namespace

SciEditor::Geometry SciEditor::ContainerGeometry() const {
  RECT screen;
  GetWindowRect(ContainerWindow, &screen);
  POINT topLeft{screen.left, screen.top};
  ScreenToClient(GetParent(ContainerWindow), &topLeft);
  return {topLeft.x, topLeft.y, screen.right - screen.left, screen.bottom - screen.top};
}

void SciEditor::MoveContainer(const Geometry& geometry) {
  MoveWindow(ContainerWindow, geometry.left, geometry.top, geometry.width, geometry.height, true);
}

BOOL SciEditor::FitEditorToContainer() {
  RECT client;
  GetClientRect(ContainerWindow, &client);
  return MoveWindow(EditorWindow, 0, 0, client.right - client.left, client.bottom - client.top, true);
}

void SciEditor::GetScreenRect(int* left, int* top, int* right, int* bottom) {
  RECT screen;
  GetWindowRect(ContainerWindow, &screen);
  if (left) *left = screen.left;
  if (top) *top = screen.top;
  if (right) *right = screen.right;
  if (bottom) *bottom = screen.bottom;
}

// One of the four values replaced, the other three kept.
int SciEditor::GeometryProperty(int Geometry::*field, std::optional<int> value) {
  Geometry geometry = ContainerGeometry();
  if (!value) return geometry.*field;
  geometry.*field = *value;
  MoveContainer(geometry);
  return 0;
}

int SciEditor::Left(std::optional<int> value) { return GeometryProperty(&Geometry::left, value); }

int SciEditor::Top(std::optional<int> value) { return GeometryProperty(&Geometry::top, value); }

int SciEditor::Width(std::optional<int> value) { return GeometryProperty(&Geometry::width, value); }

int SciEditor::Height(std::optional<int> value) { return GeometryProperty(&Geometry::height, value); }

void SciEditor::Move(std::optional<int> left, std::optional<int> top, std::optional<int> width,
                     std::optional<int> height) {
  if (!ContainerWindow || !GetParent(ContainerWindow)) return;
  const Geometry current = ContainerGeometry();
  MoveContainer({left.value_or(current.left), top.value_or(current.top), width.value_or(current.width),
                 height.value_or(current.height)});
}

int SciEditor::Border(std::optional<int> type) {
  if (!type) return BorderStyle;
  ApplyBorder(*type);
  BorderStyle = *type;
  SetWindowPos(ContainerWindow, nullptr, 0, 0, 0, 0, KeepPlaceAndOrder | SWP_FRAMECHANGED);
  return FitEditorToContainer();
}

// Types 1 to 4 choose an edge and leave WS_BORDER as it is; 0 and 5 take the edge away and
// remove or add WS_BORDER; any other type changes nothing.
void SciEditor::ApplyBorder(int type) {
  static constexpr std::uint32_t Edges[] = {
      0, WS_EX_CLIENTEDGE, WS_EX_DLGMODALFRAME, WS_EX_STATICEDGE, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME, 0};
  if (type < 0 || type > 5) return;
  if (type == 0 || type == 5) {
    const std::intptr_t style = GetWindowLongA(ContainerWindow, GWL_STYLE);
    SetWindowLongA(ContainerWindow, GWL_STYLE,
                   type == 5 ? style | WS_BORDER : style & ~std::intptr_t{WS_BORDER});
  }
  SetWindowLongA(ContainerWindow, GWL_EXSTYLE, Edges[type]);
}

int SciEditor::Visible(std::optional<int> flag) {
  if (!flag) return IsVisible;
  SetWindowPos(ContainerWindow, nullptr, 0, 0, 0, 0,
               KeepPlaceAndOrder | (*flag ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  IsVisible = *flag;
  return 0;
}

void SciEditor::NoOpMethod() {}

BOOL SciEditor::SetZOrder(HWND insertAfter) {
  return SetWindowPos(ContainerWindow, insertAfter, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

HWND SciEditor::SetParentWindow(HWND newParent) { return SetParent(ContainerWindow, newParent); }
