#include "platform/client_size_report.h"

#include "platform/window_frame.h"
#include "platform/window_registry.h"

namespace platform {

ChainResult ReportClientSize(HWND window) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return {};
  const QSize size = ClientArea(record->widget).size();
  if (size == record->reportedClientSize) return {};
  record->reportedClientSize = size;
  return RunProcedureChain(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.width(), size.height()));
}

}  // namespace platform
