// Hand-written operation of the printing group: FormatRange through the component's own record.
#include "editor/message_address.h"
#include "editor/scintilla_messages.h"
#include "editor/scintilla_records.h"
#include "editor/sci_editor.h"

namespace {

Sci_Rectangle ToComponent(const platform::RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

platform::RECT FromComponent(const Sci_Rectangle& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

// Measures and draws the range; the record keeps whatever the component wrote into its own.
int SciEditor::FormatRange(PrintRange& range) {
  Sci_RangeToFormat block;
  block.hdc = reinterpret_cast<void*>(range.deviceContext);
  block.hdcTarget = reinterpret_cast<void*>(range.targetDeviceContext);
  block.rc = ToComponent(range.drawingRect);
  block.rcPage = ToComponent(range.pageRect);
  block.chrg = {range.range.first, range.range.last};
  const auto result = static_cast<int>(SendToEditor(scintilla::SCI_FORMATRANGE, 1, MessageAddress(&block)));
  range.deviceContext = reinterpret_cast<std::intptr_t>(block.hdc);
  range.targetDeviceContext = reinterpret_cast<std::intptr_t>(block.hdcTarget);
  range.drawingRect = FromComponent(block.rc);
  range.pageRect = FromComponent(block.rcPage);
  range.range = {static_cast<int>(block.chrg.cpMin), static_cast<int>(block.chrg.cpMax)};
  return result;
}
