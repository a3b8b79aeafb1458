#include "editor/sci_editor.h"

#include <Qsci/qsciscintillabase.h>
#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <optional>

#include "editor_fixture.h"
#include "platform/window.h"
#include "tests/support/recording_subclass.h"

namespace {

using namespace platform;
using test::EditorFixture;
using test::RecordingHandler;

constexpr UINT SCI_GETREADONLY = QsciScintillaBase::SCI_GETREADONLY;
constexpr UINT SCI_SETREADONLY = QsciScintillaBase::SCI_SETREADONLY;
constexpr UINT SCI_GETMODEVENTMASK = QsciScintillaBase::SCI_GETMODEVENTMASK;

struct Placement {
  int left, top, width, height;
  bool operator==(const Placement&) const = default;
};

Placement PlacementOf(SciEditor& editor) {
  return {editor.Left(), editor.Top(), editor.Width(), editor.Height()};
}

RECT ClientOf(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return client;
}

void ExpectEditingWindowFillsContainer(SciEditor& editor) {
  const RECT container = ClientOf(editor.GetContainerHandle());
  RECT editing;
  GetWindowRect(editor.GetEditorHandle(), &editing);
  POINT origin{editing.left, editing.top};
  ScreenToClient(editor.GetContainerHandle(), &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  EXPECT_EQ(editing.right - editing.left, container.right);
  EXPECT_EQ(editing.bottom - editing.top, container.bottom);
}

using SciEditorTest = EditorFixture;

TEST_F(SciEditorTest, CreateWithOnlyAParentMakesAVisible400By350ContainerFilledByTheEditingWindow) {
  EXPECT_FALSE(editor.IsCreated());
  ASSERT_TRUE(editor.Create(parentWindow));
  EXPECT_TRUE(editor.IsCreated());
  const HWND container = editor.GetContainerHandle();
  EXPECT_EQ(GetParent(container), parentWindow);
  EXPECT_EQ(GetParent(editor.GetEditorHandle()), container);
  EXPECT_EQ(PlacementOf(editor), (Placement{0, 0, 400, 350}));
  EXPECT_TRUE(IsWindowVisible(container));
  EXPECT_TRUE(IsWindowVisible(editor.GetEditorHandle()));
  ExpectEditingWindowFillsContainer(editor);
  EXPECT_EQ(editor.DirectCall(SCI_GETMODEVENTMASK), 0x7FFFF);

  RECT screen;
  GetWindowRect(container, &screen);
  int left = -1, top = -1, right = -1, bottom = -1;
  editor.GetScreenRect(&left, &top, &right, &bottom);
  EXPECT_EQ(left, screen.left);
  EXPECT_EQ(right, screen.right);
  EXPECT_EQ(top, screen.top);
  EXPECT_EQ(bottom, screen.bottom);
  editor.GetScreenRect(nullptr, &top);  // only the values asked for are written
  EXPECT_EQ(top, screen.top);
}

TEST_F(SciEditorTest, OnlyMissingArgumentsTakeTheDefaults) {
  struct Case {
    std::optional<int> x, y, width, height;
    Placement expected;
  };
  const Case cases[] = {
      {10, 20, 0, std::nullopt, {10, 20, 0, 350}},
      {std::nullopt, std::nullopt, 300, 0, {0, 0, 300, 0}},
      {0, 0, 0, 0, {0, 0, 0, 0}},
      {std::nullopt, 5, std::nullopt, 200, {0, 5, 400, 200}},
  };
  for (const Case& c : cases) {
    SciEditor other;
    ASSERT_TRUE(other.Create(parentWindow, c.x, c.y, c.width, c.height));
    EXPECT_EQ(PlacementOf(other), c.expected);
  }
}

TEST_F(SciEditorTest, VisibleReadsTheLastFlagGiven) {
  ASSERT_TRUE(editor.Create(parentWindow));
  EXPECT_EQ(editor.Visible(), 0) << "not yet set, although the windows are shown";
  EXPECT_EQ(editor.Visible(0), 0);
  EXPECT_FALSE(IsWindowVisible(editor.GetContainerHandle()));
  EXPECT_EQ(editor.Visible(), 0);
  EXPECT_EQ(editor.Visible(1), 0);
  EXPECT_TRUE(IsWindowVisible(editor.GetContainerHandle()));
  EXPECT_EQ(editor.Visible(), 1);
}

TEST_F(SciEditorTest, MoveAndThePositionPropertiesKeepTheValuesNotGiven) {
  ASSERT_TRUE(editor.Create(parentWindow, 5, 6, 300, 200));
  editor.Move(std::nullopt, std::nullopt, 250);
  EXPECT_EQ(PlacementOf(editor), (Placement{5, 6, 250, 200}));
  EXPECT_EQ(editor.Left(10), 0);
  EXPECT_EQ(PlacementOf(editor), (Placement{10, 6, 250, 200}));
  EXPECT_EQ(editor.Top(7), 0);
  EXPECT_EQ(editor.Height(120), 0);
  EXPECT_EQ(editor.Width(90), 0);
  EXPECT_EQ(PlacementOf(editor), (Placement{10, 7, 90, 120}));
  editor.Move(1, 2, 3, 4);
  EXPECT_EQ(PlacementOf(editor), (Placement{1, 2, 3, 4}));
  editor.Move(50, 60, 320, 240);
  ExpectEditingWindowFillsContainer(editor);
}

TEST_F(SciEditorTest, BorderTypesSetTheContainerFrame) {
  ASSERT_TRUE(editor.Create(parentWindow));
  const HWND container = editor.GetContainerHandle();
  const auto hasBorder = [&] { return (GetWindowLongA(container, GWL_STYLE) & WS_BORDER) != 0; };
  const auto edge = [&] { return GetWindowLongA(container, GWL_EXSTYLE); };

  EXPECT_NE(editor.Border(5), 0) << "the refit's result";
  EXPECT_TRUE(hasBorder());
  EXPECT_EQ(edge(), 0);
  editor.Border(1);
  EXPECT_TRUE(hasBorder());
  EXPECT_EQ(edge(), WS_EX_CLIENTEDGE);
  EXPECT_LT(ClientOf(container).right, 400) << "the frame takes room";
  ExpectEditingWindowFillsContainer(editor);
  EXPECT_EQ(editor.Border(), 1);

  editor.Border(0);
  EXPECT_FALSE(hasBorder());
  EXPECT_EQ(edge(), 0);
  EXPECT_EQ(editor.Border(), 0);
  ExpectEditingWindowFillsContainer(editor);

  editor.Border(4);
  EXPECT_EQ(edge(), WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME);
  editor.Border(9);
  EXPECT_EQ(edge(), WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME);
  EXPECT_FALSE(hasBorder());
  EXPECT_EQ(editor.Border(), 9);
}

TEST_F(SciEditorTest, SendWindowMessageGoesToTheContainerAndDirectCallToTheComponent) {
  ASSERT_TRUE(editor.Create(parentWindow));
  test::RecordingSubclass container(editor.GetContainerHandle());
  editor.SendWindowMessage(SCI_SETREADONLY, 1);
  EXPECT_EQ(container.Received(SCI_SETREADONLY).size(), 1u);
  EXPECT_EQ(editor.DirectCall(SCI_GETREADONLY), 0);
  editor.DirectCall(SCI_SETREADONLY, 1);
  EXPECT_EQ(editor.DirectCall(SCI_GETREADONLY), 1);
}

TEST_F(SciEditorTest, CreateOnAParentWithoutWindowFailsAndLeavesEverythingAlone) {
  HWND gone;
  {
    QWidget vanished;
    gone = WindowFromWidget(&vanished);
  }
  ASSERT_FALSE(IsWindow(gone));
  EXPECT_FALSE(editor.Create(gone));
  EXPECT_FALSE(editor.IsCreated());
  EXPECT_EQ(editor.GetContainerHandle(), nullptr);
  EXPECT_EQ(editor.GetEditorHandle(), nullptr);

  EXPECT_EQ(PlacementOf(editor), (Placement{0, 0, 0, 0}));
  EXPECT_EQ(editor.Left(10), 0);
  editor.Move(1, 2, 3, 4);
  EXPECT_EQ(editor.Border(5), 0);
  EXPECT_EQ(editor.Visible(1), 0);
  EXPECT_EQ(editor.SetZOrder(nullptr), 0);
  EXPECT_EQ(editor.SetParentWindow(parentWindow), nullptr);
  EXPECT_EQ(editor.SendWindowMessage(WM_SIZE), 0);
  EXPECT_EQ(editor.DirectCall(QsciScintillaBase::SCI_GETLENGTH), 0);
  EXPECT_EQ(editor.GetLength(), 0);
  EXPECT_TRUE(parent.findChildren<QWidget*>().isEmpty()) << "nothing was made in the parent";
}

TEST_F(SciEditorTest, TwoEditorsEachGetOnlyTheirOwnWindowsMessages) {
  CreateFocused();
  SciEditor second;
  ASSERT_TRUE(second.Create(parentWindow, 400, 0));
  RecordingHandler first, other;
  editor.SetEventHandler(EditorEventLeftButtonUp, first.Handler());
  second.SetEventHandler(EditorEventLeftButtonUp, other.Handler());

  SendMessageA(second.GetEditorHandle(), WM_LBUTTONUP, 0, 0);
  EXPECT_TRUE(first.calls.empty());
  EXPECT_EQ(other.calls.size(), 1u);

  SetText("one");
  EXPECT_EQ(second.GetLength(), 0) << "each has its own component";
  second.Move(std::nullopt, std::nullopt, 200, 100);
  ExpectEditingWindowFillsContainer(second);
  EXPECT_EQ(PlacementOf(editor), (Placement{0, 0, 400, 350}));
}

TEST_F(SciEditorTest, DestroyedEditorsWindowsStillWork) {
  auto doomed = std::make_unique<SciEditor>();
  ASSERT_TRUE(doomed->Create(parentWindow));
  const HWND container = doomed->GetContainerHandle();
  const HWND editing = doomed->GetEditorHandle();
  RecordingHandler recorder;
  for (int id : EditorEventOrder) doomed->SetEventHandler(id, recorder.Handler(1));
  doomed.reset();

  MoveWindow(container, 0, 0, 200, 100, true);
  SetFocus(editing);
  QTest::keyClick(WidgetFromWindow(editing), Qt::Key_A);
  SendMessageA(editing, WM_CONTEXTMENU, 0, 0);
  SendMessageA(editing, WM_COMMAND, 107, 0);
  EXPECT_TRUE(recorder.calls.empty());
  EXPECT_EQ(SendMessageA(editing, QsciScintillaBase::SCI_GETLENGTH, 0, 0), 1)
      << "the key reached the component";
  EXPECT_EQ(GetWindowLongA(container, GWL_USERDATA), 0);
}

TEST_F(SciEditorTest, ACopysWindowsStayWithTheOriginal) {
  CreateFocused();
  RecordingHandler original, copied;
  editor.SetEventHandler(EditorEventLeftButtonUp, original.Handler());
  {
    SciEditor copy(editor);
    EXPECT_EQ(copy.GetEditorHandle(), editor.GetEditorHandle());
    copy.SetEventHandler(EditorEventLeftButtonUp, copied.Handler());
    SendMessageA(editor.GetEditorHandle(), WM_LBUTTONUP, 0, 0);
  }
  SendMessageA(editor.GetEditorHandle(), WM_LBUTTONUP, 0, 0);
  EXPECT_TRUE(copied.calls.empty());
  EXPECT_EQ(original.calls.size(), 2u) << "destroying the copy left the original bound";
}

}  // namespace
