#include <Qsci/qsciscintillabase.h>
#include <gtest/gtest.h>

#include <QTest>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <string>

#include "editor/scintilla_class.h"
#include "editor/scintilla_notification.h"
#include "platform/window.h"
#include "tests/support/recording_subclass.h"

namespace {

using namespace platform;
using namespace scintilla;

// The editing windows' class comes with the editor, which registers it.
[[maybe_unused]] const bool kScintillaClassRegistered = scintilla::RegisterScintillaWindowClass();

constexpr UINT SCI_ADDTEXT = QsciScintillaBase::SCI_ADDTEXT;
constexpr UINT SCI_GETLENGTH = QsciScintillaBase::SCI_GETLENGTH;
constexpr UINT SCI_GETTEXT = QsciScintillaBase::SCI_GETTEXT;
constexpr UINT SCI_SETTEXT = QsciScintillaBase::SCI_SETTEXT;
constexpr UINT SCI_GETDIRECTFUNCTION = QsciScintillaBase::SCI_GETDIRECTFUNCTION;
constexpr UINT SCI_GETDIRECTPOINTER = QsciScintillaBase::SCI_GETDIRECTPOINTER;
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
  const auto insert = std::find_if(modified.begin(), modified.end(), [](const Seen& s) {
    return s.record.modificationType & SC_MOD_INSERTTEXT;
  });
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

// Each signal of the widget, raised directly, arrives with its code and in its fields.
TEST_F(ScintillaWindow, SignalsBecomeNotificationsWithTheirCodesAndFields) {
  std::vector<SCNotification> seen;
  std::vector<std::string> texts;
  test::RecordingSubclass parent(container, [&](const test::Message& m) -> std::optional<LRESULT> {
    if (m.message != WM_NOTIFY) return std::nullopt;
    const auto* record = reinterpret_cast<const SCNotification*>(m.lParam);
    if (record->nmhdr.code == SCN_PAINTED || record->nmhdr.code == SCN_UPDATEUI) return std::nullopt;
    seen.push_back(*record);
    texts.emplace_back(record->text == nullptr ? "" : record->text);
    return std::nullopt;
  });
  auto* widget = qobject_cast<QsciScintillaBase*>(WidgetFromWindow(editor));
  widget->viewport()->setAttribute(Qt::WA_UnderMouse);  // a dwell starts only under the pointer
  widget->SCN_STYLENEEDED(40);
  widget->SCN_DOUBLECLICK(7, 2, 4);
  widget->SCN_MARGINCLICK(12, 2, 1);
  widget->SCN_DWELLSTART(3, 20, 30);
  widget->SCN_DWELLEND(-1, 21, 31);
  widget->SCN_HOTSPOTRELEASECLICK(9, 1);
  widget->SCN_USERLISTSELECTION("item", 5, 0, 0, 11);
  widget->SCN_AUTOCSELECTION("word", 13, 0, 0);
  widget->SCN_CALLTIPCLICK(2);
  widget->SCN_URIDROPPED(QUrl("file:///tmp/a.c"));
  widget->SCN_MACRORECORD(QsciScintillaBase::SCI_REPLACESEL, 1, nullptr);
  widget->SCN_NEEDSHOWN(8, 4);
  widget->SCN_AUTOCCHARDELETED();

  struct Expected {
    UINT code;
    int position, modifiers, line, margin, x, y, listType, message, length;
    const char* text;
  };
  const Expected expected[] = {
      {SCN_STYLENEEDED, 40, 0, 0, 0, 0, 0, 0, 0, 0, ""},
      {SCN_DOUBLECLICK, 7, 4, 2, 0, 0, 0, 0, 0, 0, ""},
      {SCN_MARGINCLICK, 12, 2, 0, 1, 0, 0, 0, 0, 0, ""},
      {SCN_DWELLSTART, 3, 0, 0, 0, 20, 30, 0, 0, 0, ""},
      {SCN_DWELLEND, -1, 0, 0, 0, 21, 31, 0, 0, 0, ""},
      {SCN_HOTSPOTRELEASECLICK, 9, 1, 0, 0, 0, 0, 0, 0, 0, ""},
      {SCN_USERLISTSELECTION, 11, 0, 0, 0, 0, 0, 5, 0, 0, "item"},
      {SCN_AUTOCSELECTION, 13, 0, 0, 0, 0, 0, 0, 0, 0, "word"},
      {SCN_CALLTIPCLICK, 2, 0, 0, 0, 0, 0, 0, 0, 0, ""},
      {SCN_URIDROPPED, 0, 0, 0, 0, 0, 0, 0, 0, 0, "file:///tmp/a.c"},
      {SCN_MACRORECORD, 0, 0, 0, 0, 0, 0, 0, QsciScintillaBase::SCI_REPLACESEL, 0, ""},
      {SCN_NEEDSHOWN, 8, 0, 0, 0, 0, 0, 0, 0, 4, ""},
      {SCN_AUTOCCHARDELETED, 0, 0, 0, 0, 0, 0, 0, 0, 0, ""},
  };
  ASSERT_EQ(seen.size(), std::size(expected));
  for (std::size_t i = 0; i < seen.size(); ++i) {
    const SCNotification& n = seen[i];
    const Expected& e = expected[i];
    SCOPED_TRACE(e.code);
    EXPECT_EQ(n.nmhdr.code, e.code);
    EXPECT_EQ(n.nmhdr.hwndFrom, editor);
    EXPECT_EQ(n.position, e.position);
    EXPECT_EQ(n.modifiers, e.modifiers);
    EXPECT_EQ(n.line, e.line);
    EXPECT_EQ(n.margin, e.margin);
    EXPECT_EQ(n.x, e.x);
    EXPECT_EQ(n.y, e.y);
    EXPECT_EQ(n.listType, e.listType);
    EXPECT_EQ(n.message, e.message);
    EXPECT_EQ(n.length, e.length);
    EXPECT_EQ(texts[i], e.text);
  }
  EXPECT_EQ(seen[6].wParam, 5u);  // the list type, as the component gives it
  EXPECT_EQ(seen[7].lParam, 13);  // the start of the word being completed
  EXPECT_EQ(seen[10].wParam, 1u);
}

// A dwell ends when the pointer leaves the editing area or another window is shown, as the
// component on Windows ends one when the pointer leaves; a dwell that would start once the pointer
// has gone is not reported, and a dwell ends once.
TEST_F(ScintillaWindow, ADwellEndsWhenThePointerLeavesOrAnotherWindowShows) {
  std::vector<std::pair<UINT, int>> dwells;  // code and position
  test::RecordingSubclass parent(container, [&](const test::Message& m) -> std::optional<LRESULT> {
    const auto* record = reinterpret_cast<const SCNotification*>(m.lParam);
    if (m.message == WM_NOTIFY && (record->nmhdr.code == SCN_DWELLSTART || record->nmhdr.code == SCN_DWELLEND))
      dwells.emplace_back(record->nmhdr.code, record->position);
    return std::nullopt;
  });
  auto* widget = qobject_cast<QsciScintillaBase*>(WidgetFromWindow(editor));
  QWidget* viewport = widget->viewport();
  widget->SCN_DWELLSTART(3, 20, 30);
  EXPECT_TRUE(dwells.empty()) << "started with the pointer elsewhere";

  viewport->setAttribute(Qt::WA_UnderMouse);
  widget->SCN_DWELLSTART(3, 20, 30);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(viewport, &leave);
  QCoreApplication::sendEvent(viewport, &leave);
  widget->SCN_DWELLSTART(5, 20, 30);  // the component's timer, after the pointer has left
  viewport->setAttribute(Qt::WA_UnderMouse);
  widget->SCN_DWELLSTART(4, 20, 30);
  QWidget other;
  other.show();
  QWidget another;
  another.show();
  EXPECT_EQ(dwells, (std::vector<std::pair<UINT, int>>{
                        {SCN_DWELLSTART, 3}, {SCN_DWELLEND, -1}, {SCN_DWELLSTART, 4}, {SCN_DWELLEND, -1}}));
}

TEST_F(ScintillaWindow, EditingWindowWithoutParentWindowNotifiesNobody) {
  const HWND alone =
      CreateWindowExA(0, "Scintilla", "", 0, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  SendMessageA(alone, SCI_SETTEXT, 0, reinterpret_cast<LPARAM>("fine"));
  EXPECT_EQ(SendMessageA(alone, SCI_GETLENGTH, 0, 0), 4);
  DestroyWindow(alone);
}

}  // namespace
