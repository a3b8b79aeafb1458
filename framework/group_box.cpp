#include "framework/group_box.h"

#include <QGroupBox>

#include "platform/code_page.h"

namespace framework {

GroupBox::GroupBox(const ControlDefinition& definition, QWidget* parent)
    : WidgetUnit(definition.name, new QGroupBox(platform::AnsiToQString(definition.caption), parent)) {}

QWidget* GroupBox::ChildArea(int page) const { return page == 0 ? Widget() : nullptr; }

}  // namespace framework
