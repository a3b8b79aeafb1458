// The editing window's context menu: none, the built-in edit menu, or the application's own
// menu, and the commands of the built-in menu.
#include "editor/sci_editor.h"
#include "editor/scintilla_messages.h"
#include "platform/input.h"
#include "platform/menu.h"
#include "platform/window.h"

using namespace platform;
using namespace scintilla;

namespace {

constexpr std::intptr_t NoMenu = 0;
constexpr std::intptr_t BuiltInMenu = 1;
constexpr UINT SeparatorId = 100;
constexpr UINT UndoId = 101;
constexpr UINT RedoId = 102;
constexpr UINT CutId = 103;
constexpr UINT CopyId = 104;
constexpr UINT PasteId = 105;
constexpr UINT DeleteId = 106;
constexpr UINT SelectAllId = 107;

// The built-in menu of the process, rebuilt at every use.
HMENU EditorPopupMenu = nullptr;

// Items in menu order, each with the component message its command sends.
struct BuiltInItem {
  UINT id;
  const char* caption;
  UINT message;
};

constexpr BuiltInItem BuiltInItems[] = {
    {UndoId, "撤销", SCI_UNDO},     {RedoId, "重做", SCI_REDO},   {SeparatorId, "", 0},
    {CutId, "剪切", SCI_CUT},       {CopyId, "复制", SCI_COPY},   {PasteId, "粘贴", SCI_PASTE},
    {DeleteId, "删除", SCI_CLEAR},  {SeparatorId, "", 0},         {SelectAllId, "全选", SCI_SELECTALL},
};

void GreyIf(HMENU menu, UINT id, bool grey) {
  if (grey) EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
}

bool IsLineEndOrTextEnd(LRESULT character) {
  return character == 0 || character == '\n' || character == '\r';
}

}  // namespace

LRESULT SciEditor::ShowContextMenu(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (PopupMenuSetting <= NoMenu) return 0;
  const HMENU menu =
      PopupMenuSetting == BuiltInMenu ? RebuildBuiltInMenu() : reinterpret_cast<HMENU>(PopupMenuSetting);
  if (!IsMenu(menu)) return PassOnToEditor(window, message, wParam, lParam);
  POINT cursor;
  GetCursorPos(&cursor);
  return TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, window, nullptr);
}

HMENU SciEditor::RebuildBuiltInMenu() {
  if (EditorPopupMenu) DestroyMenu(EditorPopupMenu);
  EditorPopupMenu = CreatePopupMenu();
  const HMENU menu = EditorPopupMenu;
  for (const BuiltInItem& item : BuiltInItems)
    AppendMenuA(menu, item.id == SeparatorId ? MF_SEPARATOR : MF_STRING, item.id, item.caption);

  const bool emptySelection =
      SendToEditor(SCI_GETSELECTIONSTART, 0, 0) == SendToEditor(SCI_GETSELECTIONEND, 0, 0);
  const LRESULT caretCharacter = SendToEditor(SCI_GETCHARAT, SendToEditor(SCI_GETCURRENTPOS, 0, 0), 0);
  GreyIf(menu, UndoId, SendToEditor(SCI_CANUNDO, 0, 0) == 0);
  GreyIf(menu, RedoId, SendToEditor(SCI_CANREDO, 0, 0) == 0);
  GreyIf(menu, CutId, emptySelection);
  GreyIf(menu, CopyId, emptySelection);
  GreyIf(menu, DeleteId, emptySelection && IsLineEndOrTextEnd(caretCharacter));
  return menu;
}

// The application's handler of 21000 may take a command over by returning 0.
void SciEditor::RunContextMenuCommand(WPARAM command) {
  if (RaiseEvent(EditorEventContextMenuCommand, {static_cast<std::intptr_t>(command)}) == 0) return;
  for (const BuiltInItem& item : BuiltInItems)
    if (item.id != SeparatorId && item.id == command) SendToEditor(item.message, 0, 0);
}
