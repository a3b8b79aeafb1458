// The common ground of every unit (control) of a loaded window: its name and, for the units
// that are shown, their widget with its geometry, visibility and enabled state.
#pragma once

#include <string>

#include "framework/window_definition.h"
#include "platform/win_types.h"

class QWidget;

namespace framework {

class Unit {
 public:
  explicit Unit(std::string name);
  virtual ~Unit();
  Unit(const Unit&) = delete;
  Unit& operator=(const Unit&) = delete;

  const std::string& Name() const { return name_; }

 private:
  std::string name_;
};

// A unit over a widget. The widget belongs to the window's widget tree and dies with it.
class WidgetUnit : public Unit {
 public:
  WidgetUnit(std::string name, QWidget* widget);

  QWidget* Widget() const { return widget_; }
  // The window layer's handle of the widget.
  platform::HWND Handle() const;

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetGeometry(const Geometry& geometry);

  // The unit's own visible flag: a control that is not hidden counts as visible even while
  // its window has not been shown yet.
  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);

  // Where controls that name this unit as their parent go: null for units that hold none;
  // page is the child's page for units that have pages.
  virtual QWidget* ChildArea(int page) const;

 private:
  QWidget* widget_;
};

}  // namespace framework
