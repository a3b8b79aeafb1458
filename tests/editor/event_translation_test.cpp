#include <Qsci/qsciscintillabase.h>
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include "editor/scintilla_class.h"
#include "platform/window.h"
#include "tests/support/recording_subclass.h"

namespace {

using namespace platform;

// The editing windows' class comes with the editor, which registers it.
[[maybe_unused]] const bool kScintillaClassRegistered = scintilla::RegisterScintillaWindowClass();

constexpr UINT SCI_GETLENGTH = QsciScintillaBase::SCI_GETLENGTH;
constexpr UINT SCI_GETTEXT = QsciScintillaBase::SCI_GETTEXT;
constexpr UINT SCI_SETCODEPAGE = QsciScintillaBase::SCI_SETCODEPAGE;

// A shown and active top-level widget holding a "static" container and, inside it, an editing
// window with a client edge (so its viewport is offset by the frame) that has the focus.
class EventTranslation : public testing::Test {
 protected:
  void SetUp() override {
    top.resize(400, 300);
    top.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&top));
    SetFocus(editor);
    ASSERT_EQ(GetFocus(), editor);
  }

  QWidget* Viewport() { return static_cast<QAbstractScrollArea*>(WidgetFromWindow(editor))->viewport(); }
  LRESULT Length() { return SendMessageA(editor, SCI_GETLENGTH, 0, 0); }

  void Type(const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(WidgetFromWindow(editor), &press);
  }

  std::string Text() {
    std::string text(static_cast<std::size_t>(Length()) + 1, '\0');
    SendMessageA(editor, SCI_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.pop_back();
    return text;
  }

  // What an input method sends while the user composes, and when the chosen text is committed
  // (which ends the composition).
  void Compose(const QString& preedit) {
    QInputMethodEvent composing(preedit, {});
    QApplication::sendEvent(WidgetFromWindow(editor), &composing);
  }
  void Commit(const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(WidgetFromWindow(editor), &commit);
  }

  QWidget top;
  HWND container = CreateWindowExA(0, "static", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200,
                                   WindowFromWidget(&top), nullptr, nullptr, nullptr);
  HWND editor = CreateWindowExA(WS_EX_CLIENTEDGE, "Scintilla", "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 150,
                                container, nullptr, nullptr, nullptr);
};

TEST_F(EventTranslation, SwallowedKeyDownKeepsTheKeyFromTheComponent) {
  test::RecordingSubclass recorder(editor, test::Swallow(WM_KEYDOWN, 1));
  QTest::keyClick(WidgetFromWindow(editor), Qt::Key_A);
  EXPECT_EQ(Length(), 0);
  ASSERT_EQ(recorder.Received(WM_KEYDOWN).size(), 1u);
  EXPECT_EQ(recorder.Received(WM_KEYDOWN)[0].wParam, static_cast<WPARAM>('A'));
  EXPECT_EQ(recorder.Received(WM_KEYDOWN)[0].lParam, 1);
  EXPECT_TRUE(recorder.Received(WM_CHAR).empty());

  recorder.SetHandler({});
  recorder.Clear();
  QTest::keyClick(WidgetFromWindow(editor), Qt::Key_A);
  EXPECT_EQ(Length(), 1);
  ASSERT_EQ(recorder.Received(WM_CHAR).size(), 1u);
  EXPECT_EQ(recorder.Received(WM_CHAR)[0].wParam, static_cast<WPARAM>('a'));
  ASSERT_EQ(recorder.Received(WM_KEYUP).size(), 1u);
  EXPECT_EQ(recorder.Received(WM_KEYUP)[0].wParam, static_cast<WPARAM>('A'));
  EXPECT_EQ(static_cast<std::uint32_t>(recorder.Received(WM_KEYUP)[0].lParam), 0xC0000001u);
}

TEST_F(EventTranslation, NamedKeysCarryTheirVirtualKeyCodes) {
  test::RecordingSubclass recorder(editor, test::Swallow(WM_KEYDOWN));
  const std::pair<Qt::Key, int> keys[] = {
      {Qt::Key_F5, 0x74},           {Qt::Key_F12, 0x7B},         {Qt::Key_Return, VK_RETURN},
      {Qt::Key_Enter, VK_RETURN},   {Qt::Key_Up, VK_UP},         {Qt::Key_PageDown, VK_NEXT},
      {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_7, '7'},
      {Qt::Key_Delete, VK_DELETE},  {Qt::Key_Shift, VK_SHIFT},   {Qt::Key_Alt, VK_MENU},
  };
  for (const auto& [key, virtualKey] : keys) {
    recorder.Clear();
    QTest::keyPress(WidgetFromWindow(editor), key);
    ASSERT_EQ(recorder.Received(WM_KEYDOWN).size(), 1u) << key;
    EXPECT_EQ(recorder.Received(WM_KEYDOWN)[0].wParam, static_cast<WPARAM>(virtualKey)) << key;
    QTest::keyRelease(WidgetFromWindow(editor), key);
  }
}

TEST_F(EventTranslation, AutoRepeatSetsThePreviousStateBitAndSendsNoKeyUp) {
  test::RecordingSubclass recorder(editor);
  QTest::sendKeyEvent(QTest::Press, WidgetFromWindow(editor), Qt::Key_Left, QString(), Qt::NoModifier);
  QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(WidgetFromWindow(editor), &repeatRelease);
  QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(WidgetFromWindow(editor), &repeatPress);
  ASSERT_EQ(recorder.Received(WM_KEYDOWN).size(), 2u);
  EXPECT_EQ(recorder.Received(WM_KEYDOWN)[1].lParam, (1 << 30) | 1);
  EXPECT_TRUE(recorder.Received(WM_KEYUP).empty());
}

TEST_F(EventTranslation, DoubleByteCharacterArrivesAsTwoCharMessages) {
  test::RecordingSubclass recorder(editor);
  Type(QString(QChar(0x4E2D)));  // GBK D6 D0
  const auto chars = recorder.Received(WM_CHAR);
  ASSERT_EQ(chars.size(), 2u);
  EXPECT_EQ(chars[0].wParam, 0xD6u);
  EXPECT_EQ(chars[1].wParam, 0xD0u);
  EXPECT_GT(Length(), 0);
}

TEST_F(EventTranslation, OneSwallowedCharByteSwallowsTheWholeKey) {
  test::RecordingSubclass recorder(editor, [](const test::Message& m) -> std::optional<LRESULT> {
    if (m.message == WM_CHAR && m.wParam == 0xD0) return 1;
    return std::nullopt;
  });
  Type(QString(QChar(0x4E2D)));
  EXPECT_EQ(recorder.Received(WM_CHAR).size(), 2u);
  EXPECT_EQ(Length(), 0);
}

TEST_F(EventTranslation, EnterAndBackspaceTypeTheirCharacterAfterActingALetterBefore) {
  std::vector<std::pair<WPARAM, std::string>> textAtChar;
  test::RecordingSubclass recorder(editor, [&](const test::Message& m) -> std::optional<LRESULT> {
    if (m.message == WM_CHAR) textAtChar.emplace_back(m.wParam, Text());
    return std::nullopt;
  });
  QTest::keyClick(WidgetFromWindow(editor), Qt::Key_A);
  QTest::keyClick(WidgetFromWindow(editor), Qt::Key_Return);
  QTest::keyClick(WidgetFromWindow(editor), Qt::Key_Backspace);
  const std::vector<std::pair<WPARAM, std::string>> expected = {{'a', ""}, {'\r', "a\r\n"}, {'\b', "a"}};
  EXPECT_EQ(textAtChar, expected);
  EXPECT_EQ(Text(), "a");
}

TEST_F(EventTranslation, SwallowedEnterCharacterComesTooLateToStopTheLineBreak) {
  test::RecordingSubclass recorder(editor, test::Swallow(WM_CHAR, 1));
  QTest::keyClick(WidgetFromWindow(editor), Qt::Key_Return);
  EXPECT_EQ(recorder.Received(WM_CHAR).size(), 1u);
  EXPECT_EQ(Text(), "\r\n");
}

TEST_F(EventTranslation, KeyIgnoredByTheComponentIsNotTheContainersKey) {
  test::RecordingSubclass editorRecorder(editor);
  test::RecordingSubclass containerRecorder(container);
  QTest::keyClick(WidgetFromWindow(editor), Qt::Key_F5);
  EXPECT_EQ(editorRecorder.Received(WM_KEYDOWN).size(), 1u);
  EXPECT_TRUE(containerRecorder.Received(WM_KEYDOWN).empty());
  EXPECT_TRUE(containerRecorder.Received(WM_KEYUP).empty());
}

TEST_F(EventTranslation, MouseButtonsArriveInClientCoordinatesWithKeyFlags) {
  test::RecordingSubclass recorder(editor, test::Swallow(WM_RBUTTONDOWN));
  QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 12));
  QTest::mousePress(Viewport(), Qt::RightButton, Qt::NoModifier, QPoint(5, 6));
  QTest::mouseRelease(Viewport(), Qt::RightButton, Qt::NoModifier, QPoint(5, 6));
  const QPoint offset = Viewport()->geometry().topLeft() - WidgetFromWindow(editor)->contentsRect().topLeft();
  ASSERT_EQ(recorder.Received(WM_LBUTTONDOWN).size(), 1u);
  EXPECT_EQ(recorder.Received(WM_LBUTTONDOWN)[0].wParam, MK_LBUTTON | MK_SHIFT);
  EXPECT_EQ(recorder.Received(WM_LBUTTONDOWN)[0].lParam, MAKELPARAM(30 + offset.x(), 12 + offset.y()));
  ASSERT_EQ(recorder.Received(WM_LBUTTONUP).size(), 1u);
  EXPECT_EQ(recorder.Received(WM_LBUTTONUP)[0].wParam, MK_SHIFT);
  ASSERT_EQ(recorder.Received(WM_RBUTTONDOWN).size(), 1u);
  EXPECT_EQ(recorder.Received(WM_RBUTTONDOWN)[0].wParam, MK_RBUTTON);
  EXPECT_EQ(recorder.Received(WM_RBUTTONUP).size(), 1u);
}

TEST_F(EventTranslation, ContextMenuRequestCarriesTheWindowAndScreenPosition) {
  test::RecordingSubclass recorder(editor, test::Swallow(WM_CONTEXTMENU));
  QContextMenuEvent byMouse(QContextMenuEvent::Mouse, QPoint(4, 5), QPoint(304, 205));
  QApplication::sendEvent(Viewport(), &byMouse);
  QContextMenuEvent byKeyboard(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(300, 200));
  QApplication::sendEvent(WidgetFromWindow(editor), &byKeyboard);
  const auto requests = recorder.Received(WM_CONTEXTMENU);
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].wParam, reinterpret_cast<WPARAM>(editor));
  EXPECT_EQ(requests[0].lParam, MAKELPARAM(304, 205));
  EXPECT_EQ(requests[1].lParam, MAKELPARAM(-1, -1));
  EXPECT_TRUE(byMouse.isAccepted());
}

TEST_F(EventTranslation, FocusChangesArriveAsFocusMessages) {
  test::RecordingSubclass recorder(editor);
  const HWND other = CreateWindowExA(0, "Scintilla", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, container,
                                     nullptr, nullptr, nullptr);
  EXPECT_EQ(SetFocus(other), editor);
  SetFocus(editor);
  EXPECT_EQ(recorder.Received(WM_KILLFOCUS).size(), 1u);
  EXPECT_EQ(recorder.Received(WM_SETFOCUS).size(), 1u);
}

TEST_F(EventTranslation, InputMethodCommitArrivesAsCharBytesAndTheCompositionIsNot) {
  SendMessageA(editor, SCI_SETCODEPAGE, 65001, 0);
  test::RecordingSubclass recorder(editor);
  Compose("zhong");
  EXPECT_TRUE(recorder.Received(WM_CHAR).empty());
  Commit(QString(QChar(0x4E2D)));  // GBK D6 D0
  const auto chars = recorder.Received(WM_CHAR);
  ASSERT_EQ(chars.size(), 2u);
  EXPECT_EQ(chars[0].wParam, 0xD6u);
  EXPECT_EQ(chars[1].wParam, 0xD0u);
  EXPECT_EQ(chars[0].lParam, 1);
  EXPECT_EQ(Text(), "\xE4\xB8\xAD");
}

TEST_F(EventTranslation, SwallowedCommitTypesNothingButEndsTheComposition) {
  SendMessageA(editor, SCI_SETCODEPAGE, 65001, 0);
  test::RecordingSubclass recorder(editor, [](const test::Message& m) -> std::optional<LRESULT> {
    if (m.message == WM_CHAR && m.wParam == 0xD6) return 1;
    return std::nullopt;
  });
  Compose("zhong");
  Commit(QString(QChar(0x4E2D)));
  EXPECT_EQ(recorder.Received(WM_CHAR).size(), 2u);
  EXPECT_EQ(Text(), "");

  recorder.SetHandler({});
  Commit("ab");
  EXPECT_EQ(Text(), "ab");
}

}  // namespace
