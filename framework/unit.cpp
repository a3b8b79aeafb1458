#include "framework/unit.h"

#include <QWidget>
#include <utility>

#include "platform/window.h"

namespace framework {

Unit::Unit(std::string name) : name_(std::move(name)) {}

Unit::~Unit() = default;

WidgetUnit::WidgetUnit(std::string name, QWidget* widget) : Unit(std::move(name)), widget_(widget) {}

platform::HWND WidgetUnit::Handle() const { return platform::WindowFromWidget(widget_); }

int WidgetUnit::Left() const { return widget_->x(); }
int WidgetUnit::Top() const { return widget_->y(); }
int WidgetUnit::Width() const { return widget_->width(); }
int WidgetUnit::Height() const { return widget_->height(); }

void WidgetUnit::SetLeft(int left) { widget_->move(left, widget_->y()); }
void WidgetUnit::SetTop(int top) { widget_->move(widget_->x(), top); }
void WidgetUnit::SetWidth(int width) { widget_->resize(width, widget_->height()); }

void WidgetUnit::SetGeometry(const Geometry& geometry) {
  widget_->setGeometry(geometry.left, geometry.top, geometry.width, geometry.height);
}

bool WidgetUnit::Visible() const { return !widget_->isHidden(); }
void WidgetUnit::SetVisible(bool visible) { widget_->setVisible(visible); }
bool WidgetUnit::Enabled() const { return widget_->isEnabled(); }
void WidgetUnit::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }

QWidget* WidgetUnit::ChildArea(int) const { return nullptr; }

}  // namespace framework
