// Hand-written operation of the printing group: FormatRange through the component's own record.
#include "editor/message_address.h"
#include "editor/sci_editor.h"
#include "editor/scintilla_messages.h"
#include "editor/scintilla_records.h"

// Measures and draws the range; the record keeps whatever the component wrote into its own.
int SciEditor::FormatRange(PrintRange& range) {
  Sci_RangeToFormat block;
  block.hdc = reinterpret_cast<void*>(range.deviceContext);
  block.hdcTarget = reinterpret_cast<void*>(range.targetDeviceContext);
  block.rc = range.drawingRect;
  block.rcPage = range.pageRect;
  block.chrg = {range.range.first, range.range.last};
  const auto result = static_cast<int>(SendToEditor(scintilla::SCI_FORMATRANGE, 1, MessageAddress(&block)));
  range.deviceContext = reinterpret_cast<std::intptr_t>(block.hdc);
  range.targetDeviceContext = reinterpret_cast<std::intptr_t>(block.hdcTarget);
  range.drawingRect = block.rc;
  range.pageRect = block.rcPage;
  range.range = {static_cast<int>(block.chrg.cpMin), static_cast<int>(block.chrg.cpMax)};
  return result;
}
