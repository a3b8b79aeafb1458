#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <algorithm>
#include <string>

#include "platform/scintilla_notification.h"
#include "platform/window.h"
#include "recording_subclass.h"

namespace {

using namespace platform;

constexpr UINT SCI_ADDTEXT = 2001;
constexpr UINT SCI_GETLENGTH = 2006;
constexpr UINT SCI_GETTEXT = 2182;
constexpr UINT SCI_SETTEXT = 2181;
constexpr UINT SCI_GETDIRECTFUNCTION = 2184;
constexpr UINT SCI_GETDIRECTPOINTER = 2185;
constexpr int SC_MOD_INSERTTEXT = 0x1;

using DirectFunction = LRESULT (*)(std::intptr_t, unsigned int, WPARAM, LPARAM);

// A "static" container in a top-level widget, with the editing window inside it.
class ScintillaWindow : public testing::Test {
 protected:
  QWidget top;
  HWND container = CreateWindowExA(0, "static", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200,
                                   WindowFromWidget(&top), nullptr, nullptr, nullptr);
  HWND editor = CreateWindowExA(0, "Scintilla", "Script", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, container,
                                reinterpret_cast<HMENU>(9), nullptr, nullptr);

  std::string Text() {
    std::string text(static_cast<std::size_t>(SendMessageA(editor, SCI_GETLENGTH, 0, 0)) + 1, '\0');
    SendMessageA(editor, SCI_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.pop_back();
    return text;
  }
};

TEST_F(ScintillaWindow, ComponentMessagesReachTheComponentThroughTheChain) {
  test::RecordingSubclass recorder(editor);
  SendMessageA(editor, SCI_SETTEXT, 0, reinterpret_cast<LPARAM>("int main"));
  EXPECT_EQ(SendMessageA(editor, SCI_GETLENGTH, 0, 0), 8);
  EXPECT_EQ(Text(), "int main");
  EXPECT_EQ(recorder.Received(SCI_SETTEXT).size(), 1u);
  // Plain window messages are not the component's.
  EXPECT_EQ(SendMessageA(editor, WM_USER, 0, 0), 0);
  EXPECT_EQ(SendMessageA(editor, 0x8075, 0, 0), 0);
}

TEST_F(ScintillaWindow, DirectFunctionDrivesTheComponentWithoutTheChain) {
  const auto function = reinterpret_cast<DirectFunction>(SendMessageA(editor, SCI_GETDIRECTFUNCTION, 0, 0));
  const auto pointer = SendMessageA(editor, SCI_GETDIRECTPOINTER, 0, 0);
  ASSERT_NE(function, nullptr);
  ASSERT_NE(pointer, 0);
  test::RecordingSubclass recorder(editor);
  function(pointer, SCI_ADDTEXT, 3, reinterpret_cast<LPARAM>("abc"));
  EXPECT_EQ(function(pointer, SCI_GETLENGTH, 0, 0), 3);
  EXPECT_EQ(Text(), "abc");
  EXPECT_EQ(recorder.Received(SCI_ADDTEXT).size(), 0u);
}

TEST_F(ScintillaWindow, ModificationReachesTheParentAsNotifyWithItsFields) {
  struct Seen {
    SCNotification record;
    std::string text;
    WPARAM wParam;
  };
  std::vector<Seen> modified;
  test::RecordingSubclass parent(container, [&](const test::Message& m) -> std::optional<LRESULT> {
    const auto* record = reinterpret_cast<const SCNotification*>(m.lParam);
    if (m.message == WM_NOTIFY && record->nmhdr.code == SCN_MODIFIED) {
      const std::string text = record->text == nullptr ? "" : std::string(record->text, record->length);
      modified.push_back({*record, text, m.wParam});
    }
    return std::nullopt;
  });
  SendMessageA(editor, SCI_SETTEXT, 0, reinterpret_cast<LPARAM>("a\nb"));
  const auto insert = std::find_if(modified.begin(), modified.end(),
                                   [](const Seen& s) { return s.record.modificationType & SC_MOD_INSERTTEXT; });
  ASSERT_NE(insert, modified.end());
  EXPECT_EQ(insert->record.nmhdr.hwndFrom, editor);
  EXPECT_EQ(insert->record.nmhdr.idFrom, 9u);
  EXPECT_EQ(insert->wParam, 9u);
  EXPECT_EQ(insert->record.position, 0);
  EXPECT_EQ(insert->record.length, 3);
  EXPECT_EQ(insert->record.linesAdded, 1);
  EXPECT_EQ(insert->text, "a\nb");
}

TEST_F(ScintillaWindow, TypedCharacterReachesTheParentAsCharAdded) {
  top.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&top));
  std::vector<int> added;
  test::RecordingSubclass parent(container, [&](const test::Message& m) -> std::optional<LRESULT> {
    const auto* record = reinterpret_cast<const SCNotification*>(m.lParam);
    if (m.message == WM_NOTIFY && record->nmhdr.code == SCN_CHARADDED) added.push_back(record->ch);
    return std::nullopt;
  });
  SetFocus(editor);
  QTest::keyClick(WidgetFromWindow(editor), Qt::Key_X, Qt::NoModifier);
  EXPECT_EQ(added, std::vector<int>{'x'});
  EXPECT_EQ(Text(), "x");
}

TEST_F(ScintillaWindow, EditingWindowWithoutParentWindowNotifiesNobody) {
  const HWND alone = CreateWindowExA(0, "Scintilla", "", 0, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  SendMessageA(alone, SCI_SETTEXT, 0, reinterpret_cast<LPARAM>("fine"));
  EXPECT_EQ(SendMessageA(alone, SCI_GETLENGTH, 0, 0), 4);
  DestroyWindow(alone);
}

}  // namespace
