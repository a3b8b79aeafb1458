#include "ide/main_window_layout.h"

#include "framework/page_control.h"
#include "ide/app_globals.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"

namespace {

// The editor starts below the toolbar. Alone it reaches under the status bar, which stays on
// top; above the panel it leaves the panel's height and a gap, and the panel and its lists
// are a little narrower than the editor.
constexpr int kEditorTop = 42;
constexpr int kEditorHeightLessAlone = 15;
constexpr int kEditorHeightLessAbovePanel = 70;
constexpr int kPanelGapBelowEditor = 5;
constexpr int kPanelWidthLessEditor = 4;
constexpr int kListWidthLessPanel = 8;

}  // namespace

void OnMainWindowResized() {
  const int width = MainWindow->ClientWidth();
  const int height = MainWindow->ClientHeight();
  if (OutputPanelVisible != 1) {
    Editor->Move(0, kEditorTop, width, height - kEditorHeightLessAlone);
    return;
  }
  auto* panel = MainWindow->Find<framework::PageControl>(kOutputPanel);
  Editor->Move(0, kEditorTop, width, height - panel->Height() - kEditorHeightLessAbovePanel);
  panel->SetTop(kEditorTop + Editor->Height() + kPanelGapBelowEditor);
  panel->SetWidth(Editor->Width() - kPanelWidthLessEditor);
  for (const char* list : {kOutputList, kFindResultsList}) {
    MainWindow->Find<framework::WidgetUnit>(list)->SetWidth(panel->Width() - kListWidthLessPanel);
  }
}
