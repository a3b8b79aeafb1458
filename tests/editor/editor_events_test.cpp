#include <Qsci/qsciscintillabase.h>
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QTest>
#include <optional>
#include <string>

#include "editor/sci_editor.h"
#include "editor_fixture.h"
#include "editor/scintilla_notification.h"
#include "platform/window.h"

namespace {

using namespace platform;
using namespace scintilla;
using test::EditorFixture;
using test::RecordingHandler;

constexpr UINT SCI_SETCODEPAGE = QsciScintillaBase::SCI_SETCODEPAGE;
constexpr UINT SCI_GETFOCUS = QsciScintillaBase::SCI_GETFOCUS;
constexpr int SC_MOD_INSERTTEXT = 1;

class EditorEvents : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    CreateFocused();
  }

  LRESULT Notify(const SCNotification& record) {
    return SendMessageA(editor.GetContainerHandle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&record));
  }

  static SCNotification Record(UINT code) {
    SCNotification record;
    record.nmhdr.code = code;
    return record;
  }
};

TEST_F(EditorEvents, OnlyAKeyDownResultOfExactlyOneKeepsTheKeyFromTheComponent) {
  const std::optional<int> results[] = {1, 2, -1, 0, std::nullopt};
  for (const std::optional<int> result : results) {
    SetText("");
    RecordingHandler recorder;
    editor.SetEventHandler(EditorEventKeyDown, result ? recorder.Handler(*result) : nullptr);
    QTest::keyClick(Component(), Qt::Key_A);
    EXPECT_EQ(Text(), result == 1 ? "" : "a") << "handler result " << result.value_or(999);
    if (!result) continue;
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(recorder.calls[0][0], 'A');
    EXPECT_EQ(recorder.calls[0][1], 1) << "repeat count 1";
  }
}

TEST_F(EditorEvents, ACharacterHandlerReturningOneKeepsTheCharacterOut) {
  RecordingHandler recorder;
  editor.SetEventHandler(EditorEventChar, recorder.Handler(1));
  QTest::keyClick(Component(), Qt::Key_B);
  EXPECT_EQ(Text(), "");
  ASSERT_EQ(recorder.calls.size(), 1u);
  EXPECT_EQ(recorder.calls[0], (EditorEventArgs{'b'}));

  editor.SetEventHandler(EditorEventChar, recorder.Handler(0));
  QTest::keyClick(Component(), Qt::Key_B);
  EXPECT_EQ(Text(), "b");
}

TEST_F(EditorEvents, AMouseButtonHandlerReturningOneKeepsTheClickFromTheComponent) {
  SetText("abcdefgh");
  QWidget* viewport = static_cast<QAbstractScrollArea*>(Component())->viewport();
  const QPoint atEnd(viewport->width() - 5, 5);
  RecordingHandler recorder;
  editor.SetEventHandler(EditorEventLeftButtonDown, recorder.Handler(1));
  QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, atEnd);
  EXPECT_EQ(editor.GetCurrentPos(), 0);
  ASSERT_EQ(recorder.calls.size(), 1u);
  EXPECT_EQ(recorder.calls[0][0], static_cast<std::intptr_t>(MK_LBUTTON));

  editor.SetEventHandler(EditorEventLeftButtonDown, recorder.Handler(2));
  QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, atEnd);
  EXPECT_EQ(editor.GetCurrentPos(), 8);
}

TEST_F(EditorEvents, FocusHandlersNeverStopTheFocusMessage) {
  QLineEdit elsewhere(&parent);
  elsewhere.show();
  RecordingHandler gained, lost;
  editor.SetEventHandler(EditorEventSetFocus, gained.Handler(1));
  editor.SetEventHandler(EditorEventKillFocus, lost.Handler(1));

  elsewhere.setFocus();
  EXPECT_EQ(lost.calls.size(), 1u);
  EXPECT_EQ(editor.DirectCall(SCI_GETFOCUS), 0) << "the component saw the focus leave";
  SetFocus(editor.GetEditorHandle());
  EXPECT_EQ(gained.calls.size(), 1u);
  EXPECT_EQ(gained.calls[0], EditorEventArgs{});
  EXPECT_EQ(editor.DirectCall(SCI_GETFOCUS), 1) << "the component saw the focus arrive";
}

TEST_F(EditorEvents, SetEventHandlerIgnoresUnknownIdsAndClearsWithNull) {
  RecordingHandler registered, unknown;
  editor.SetEventHandler(EditorEventLeftButtonUp, registered.Handler());
  editor.SetEventHandler(12345, unknown.Handler());
  SendMessageA(editor.GetEditorHandle(), WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(3, 4));
  ASSERT_EQ(registered.calls.size(), 1u);
  EXPECT_EQ(registered.calls[0], (EditorEventArgs{MK_SHIFT, MAKELPARAM(3, 4)}));
  EXPECT_TRUE(unknown.calls.empty());

  editor.SetEventHandler(EditorEventLeftButtonUp, nullptr);
  SendMessageA(editor.GetEditorHandle(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(registered.calls.size(), 1u);
}

TEST_F(EditorEvents, AHandlerMayClearItsOwnEntryWhileItRuns) {
  int calls = 0;
  editor.SetEventHandler(EditorEventKeyUp, [&](const EditorEventArgs&) {
    editor.SetEventHandler(EditorEventKeyUp, nullptr);
    return ++calls;
  });
  SendMessageA(editor.GetEditorHandle(), WM_KEYUP, 'A', 0);
  SendMessageA(editor.GetEditorHandle(), WM_KEYUP, 'A', 0);
  EXPECT_EQ(calls, 1);
}

TEST_F(EditorEvents, NotificationsReachTheirHandlerWithTheirArgumentsInOrder) {
  SCNotification dwell = Record(SCN_DWELLSTART);
  dwell.position = 5;
  dwell.x = 6;
  dwell.y = 7;
  SCNotification dwellEnd = dwell;
  dwellEnd.nmhdr.code = SCN_DWELLEND;
  SCNotification margin = Record(SCN_MARGINCLICK);
  margin.margin = 1;
  margin.position = 40;
  margin.modifiers = 2;
  SCNotification styling = Record(SCN_STYLENEEDED);
  styling.position = 77;
  SCNotification list = Record(SCN_USERLISTSELECTION);
  list.listType = 3;
  list.text = "word";
  list.position = 9;

  struct Case {
    SCNotification record;
    int event;
    EditorEventArgs expected;
  };
  const Case cases[] = {
      {dwell, EditorEventDwell, {5, 6, 7, 0}},
      {dwellEnd, EditorEventDwell, {5, 6, 7, 1}},
      {margin, EditorEventMarginClick, {1, 40, 2}},
      {styling, EditorEventStyleNeeded, {77}},
  };
  for (const Case& c : cases) {
    RecordingHandler recorder;
    editor.SetEventHandler(c.event, recorder.Handler(3));
    EXPECT_EQ(Notify(c.record), 3) << "the handler's result is the message's";
    ASSERT_EQ(recorder.calls.size(), 1u) << c.record.nmhdr.code;
    EXPECT_EQ(recorder.calls[0], c.expected) << c.record.nmhdr.code;
    editor.SetEventHandler(c.event, nullptr);
  }

  std::string listText;
  std::intptr_t listType = 0, listPosition = 0;
  editor.SetEventHandler(EditorEventUserListSelection, [&](const EditorEventArgs& arguments) {
    listType = arguments[0];
    listText = reinterpret_cast<const char*>(arguments[1]);
    listPosition = arguments[2];
    return 0;
  });
  Notify(list);
  EXPECT_EQ(listType, 3);
  EXPECT_EQ(listText, "word");
  EXPECT_EQ(listPosition, 9);
}

TEST_F(EditorEvents, KeyAndUriDropNotificationsRaiseNoEventAndArePassedOn) {
  RecordingHandler recorder;
  for (int id : EditorEventOrder) editor.SetEventHandler(id, recorder.Handler(3));
  for (const UINT code : {SCN_KEY, SCN_URIDROPPED, 2012u, 2028u})
    EXPECT_EQ(Notify(Record(code)), 0) << "the container's own answer to " << code;
  EXPECT_EQ(SendMessageA(editor.GetContainerHandle(), WM_NOTIFY, 0, 0), 0);
  EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(EditorEvents, TheModifiedEventHandsOverTheInsertedTextAsEightBitText) {
  struct Case {
    int codePage;
    std::string inserted;
    std::string expectedText;
  };
  const Case cases[] = {
      {65001, "\xE4\xB8\xAD", "\xD6\xD0"},  // 中 in UTF-8, then in GBK
      {0, "\xD6\xD0", "\xD6\xD0"},          // outside UTF-8 the bytes stay as they are
  };
  for (const Case& c : cases) {
    editor.DirectCall(SCI_SETCODEPAGE, static_cast<WPARAM>(c.codePage));
    SetText("ab");
    std::string text;
    std::intptr_t position = -1, length = -1;
    editor.SetEventHandler(EditorEventModified, [&](const EditorEventArgs& arguments) {
      if (arguments[1] & SC_MOD_INSERTTEXT) {
        position = arguments[0];
        text = reinterpret_cast<const char*>(arguments[2]);
        length = arguments[3];
      }
      return 0;
    });
    editor.DirectCall(QsciScintillaBase::SCI_INSERTTEXT, 1, reinterpret_cast<LPARAM>(c.inserted.c_str()));
    EXPECT_EQ(text, c.expectedText) << "code page " << c.codePage;
    EXPECT_EQ(length, static_cast<std::intptr_t>(c.inserted.size())) << "the component's byte count";
    EXPECT_EQ(position, 1);
    editor.SetEventHandler(EditorEventModified, nullptr);
  }
}

}  // namespace
