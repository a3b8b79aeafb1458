// Page control: tabs with captions over pages. Each page is a parent for controls, whose
// geometry is relative to the whole page control, tabs included.
#pragma once

#include <string>

#include "framework/unit.h"
#include "framework/window_definition.h"

namespace framework {

class PageControl : public WidgetUnit {
 public:
  PageControl(const ControlDefinition& definition, QWidget* parent);

  int PageCount() const;
  // Null for a page that does not exist.
  QWidget* Page(int page) const;
  std::string PageCaption(int page) const;

  int CurrentPage() const;
  // Nothing changes for a page that does not exist.
  void SetCurrentPage(int page);

  QWidget* ChildArea(int page) const override { return Page(page); }
};

}  // namespace framework
