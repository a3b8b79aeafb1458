// Status bar: a row of text parts numbered from 0, docked at the bottom of the client area.
#pragma once

#include <string>
#include <vector>

#include "framework/unit.h"
#include "framework/window_definition.h"

class QLabel;

namespace framework {

class StatusBar : public WidgetUnit {
 public:
  StatusBar(const ControlDefinition& definition, QWidget* parent);

  int PartCount() const;
  // False, and nothing changes, for a part that does not exist.
  bool SetPartText(int part, const std::string& text);
  std::string PartText(int part) const;

 private:
  QLabel* Part(int part) const;

  std::vector<QLabel*> parts_;
};

}  // namespace framework
