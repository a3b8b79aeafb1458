// F5 in the real tavo on a real X display: the program runs in an xterm console that takes
// the keyboard, shows its answer and waits for a key; then the output list holds the run's row.
// Needs gcc (through the bundled compiler wrapper) and xterm besides what the display needs.
#include <algorithm>
#include <clocale>

#include "ide/main_window_definition.h"
#include "xvfb_fixture.h"

namespace {

using namespace e2e;
using namespace std::chrono_literals;

constexpr char kScanfProgram[] =
    "#include <stdio.h>\r\nint main(void) {\r\n  int n = 0;\r\n  scanf(\"%d\", &n);\r\n"
    "  printf(\"twice: %d\\n\", n * 2);\r\n  return 0;\r\n}\r\n";

class CompileAndRunOnXvfbTest : public XvfbTest {
 protected:
  // Starts tavo in the tree with the scanf program open; its main window once drawn, 0 when
  // none came. Each of its widgets is a window of its own on the display, so that the test finds
  // them in the window tree where the window definition puts them.
  Window StartWithTheProgram(Child& tavo, const std::string& tree) {
    std::ofstream(tree + "/twice.c", std::ios::binary) << kScanfProgram;
    setenv("QT_USE_NATIVE_WINDOWS", "1", 1);
    const bool started = StartTavo(tavo, tree, {"twice.c"});
    unsetenv("QT_USE_NATIVE_WINDOWS");
    if (!started) return 0;
    Window window = 0;
    if (!WaitFor([&] { return (window = FindWindowByTitle(display_, Utf8(u8"Tavo 编辑器"))) != 0; }, 30s)) return 0;
    std::this_thread::sleep_for(1s);  // drawn
    return window;
  }
};

// The installation tree in a plain folder and in one with a Chinese name.
class InstalledCompileAndRunTest : public CompileAndRunOnXvfbTest, public ::testing::WithParamInterface<std::string> {};

// Whether anything darker than the background is drawn in the rectangle of the window.
bool HoldsInk(Display* display, Window window, int x, int y, int width, int height) {
  XImage* image = XGetImage(display, window, x, y, width, height, AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  bool ink = false;
  for (int row = 0; row < height && !ink; ++row) {
    for (int column = 0; column < width && !ink; ++column) {
      const unsigned long pixel = XGetPixel(image, column, row);
      const unsigned long green = (pixel >> 8) & 0xFF;
      ink = green < 0x80;
    }
  }
  XDestroyImage(image);
  return ink;
}

// The shown child windows with their geometry relative to the window.
std::vector<std::pair<Window, XWindowAttributes>> ShownChildren(Display* display, Window window) {
  Window root = 0, parent = 0, *children = nullptr;
  unsigned int count = 0;
  std::vector<std::pair<Window, XWindowAttributes>> shown;
  if (!XQueryTree(display, window, &root, &parent, &children, &count)) return shown;
  for (unsigned int i = 0; i < count; ++i) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, children[i], &attributes) != 0 && attributes.map_state == IsViewable) {
      shown.emplace_back(children[i], attributes);
    }
  }
  if (children != nullptr) XFree(children);
  return shown;
}

// The shown window inside `top` at the geometry's place in its parent and of its height (the
// layout sets only the width); 0 when there is none.
Window FindPlacedWindow(Display* display, Window top, const framework::Geometry& geometry) {
  for (const auto& [child, attributes] : ShownChildren(display, top)) {
    if (attributes.x == geometry.left && attributes.y == geometry.top && attributes.height == geometry.height) return child;
    if (const Window found = FindPlacedWindow(display, child, geometry)) return found;
  }
  return 0;
}

const framework::ControlDefinition& OutputListDefinition() {
  static const framework::WindowDefinition definition = MainWindowDefinition();
  return *std::find_if(definition.controls.begin(), definition.controls.end(),
                       [](const framework::ControlDefinition& control) { return control.name == kOutputList; });
}

// Whether the cell "状态" of the output list's first row shows a text. The list is found where its
// definition places it; its header is its topmost window, and the rows begin in the window below
// it (the widest there: a scroll bar may stand beside it), each one line of text high as the
// header is. The cell lies where the widths of the columns before it end.
bool FirstRowHasAState(Display* display, Window mainWindow) {
  const framework::ControlDefinition& list = OutputListDefinition();
  const Window listWindow = FindPlacedWindow(display, mainWindow, list.geometry);
  if (listWindow == 0) return false;
  auto parts = ShownChildren(display, listWindow);
  if (parts.size() < 2) return false;
  std::sort(parts.begin(), parts.end(), [](const auto& a, const auto& b) {
    return std::pair(a.second.y, -a.second.width) < std::pair(b.second.y, -b.second.width);
  });
  const int lineHeight = parts[0].second.height;
  return HoldsInk(display, parts[1].first, list.columns[0].width, 0, list.columns[1].width, lineHeight);
}

// The text on the console's screen, selected with the mouse as a user would copy it.
std::string ConsoleText(Window console) {
  const std::string id = std::to_string(console);
  std::system(("xdotool mousemove --window " + id + " 1 1 mousedown 1 mousemove --window " + id +
               " 400 200 mouseup 1")
                  .c_str());
  return CommandOutput("xclip -o -selection primary 2>/dev/null");
}

void Focus(Window window) { std::system(("xdotool windowfocus --sync " + std::to_string(window)).c_str()); }

TEST_P(InstalledCompileAndRunTest, F5RunsTheProgramInAConsoleThatTakesTheKeyboardAndWaitsForAKey) {
  std::setlocale(LC_CTYPE, "C.UTF-8");  // for reading the console's compound-text title
  Child tavo;
  const Window window = StartWithTheProgram(tavo, CopyInstallationTree(GetParam()));
  ASSERT_NE(window, 0u);
  ASSERT_NE(FindPlacedWindow(display_, window, OutputListDefinition().geometry), 0u) << "no output list";
  EXPECT_FALSE(FirstRowHasAState(display_, window));

  Focus(window);
  std::system("xdotool key F5");
  Window console = 0;
  ASSERT_TRUE(WaitFor(
      [&] {
        console = FindWindowByTitle(display_, Utf8(u8"Tavo调试"));
        return console != 0 && IsShown(display_, console);
      },
      60s))
      << "no console titled Tavo调试";
  Focus(console);
  std::system("xdotool type 21");
  std::system("xdotool key Return");
  std::string text;
  EXPECT_TRUE(WaitFor(
      [&] {
        text = ConsoleText(console);
        return text.find("twice: 42") != std::string::npos && text.find(Utf8(u8"请按任意键继续. . .")) != std::string::npos;
      },
      20s))
      << "console shows: " << text;

  Focus(console);
  std::system("xdotool key space");
  EXPECT_TRUE(WaitFor([&] { return FindWindowByTitle(display_, Utf8(u8"Tavo调试")) == 0; }, 20s))
      << "the console stayed after the key";
  EXPECT_TRUE(WaitFor([&] { return FirstRowHasAState(display_, window); }, 20s)) << "no row after the run";
}

INSTANTIATE_TEST_SUITE_P(Folders, InstalledCompileAndRunTest, ::testing::Values("dist", Utf8(u8"编程 工具")));

// A compiler that never ends: closing the window with unsaved text asks to save, and then the
// compiler and Tavo both end.
TEST_F(CompileAndRunOnXvfbTest, ClosingWhileTheCompilerRunsAsksToSaveAndEndsTheCompilerAndTavo) {
  const std::string tree = CopyInstallationTree();
  std::ofstream(tree + "/Compiler/gcc") << "#!/bin/sh\nsleep 1000 &\necho $! >sleeper\nwait\n";
  Child tavo;
  const Window window = StartWithTheProgram(tavo, tree);
  ASSERT_NE(window, 0u);
  Focus(window);
  std::system(("xdotool mousemove --window " + std::to_string(window) + " 400 200 click 1 type x").c_str());
  std::system("xdotool key F5");
  ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(tree + "/sleeper"); }, 20s)) << "the compiler did not start";
  SendCloseRequest(display_, window);
  const Window box = WaitForShownWindow(display_, Utf8(u8"Tavo询问"), 20s);
  ASSERT_NE(box, 0u) << "closing did not ask to save";
  PressKeysIn(box, "Tab space");  // No
  const std::optional<int> status = tavo.WaitForExit(20s);
  ASSERT_TRUE(status.has_value()) << "tavo did not end";
  EXPECT_TRUE(WIFEXITED(*status));
  EXPECT_EQ(WEXITSTATUS(*status), 0);
  std::string pid;
  std::ifstream(tree + "/sleeper") >> pid;
  EXPECT_TRUE(WaitFor([&] { return CommandOutput("ps -o stat= -p " + pid).find_first_not_of(" Z\n") == std::string::npos; }, 5s))
      << "the compiler still runs";
}

// A folder whose name GBK cannot hold: a message names it, and Tavo ends without a main window.
TEST_F(CompileAndRunOnXvfbTest, AnInstallationFolderTheCodePageCannotHoldIsRefusedAtStart) {
  const std::string tree = CopyInstallationTree(Utf8(u8"façade"));
  Child tavo;
  ASSERT_TRUE(StartTavo(tavo, tree, {}));
  const Window box = WaitForShownWindow(display_, Utf8(u8"信息："), 30s);
  ASSERT_NE(box, 0u) << "no message";
  EXPECT_EQ(FindWindowByTitle(display_, Utf8(u8"Tavo 编辑器")), 0u);
  PressKeysIn(box, "space");
  const std::optional<int> status = tavo.WaitForExit(20s);
  ASSERT_TRUE(status.has_value()) << "tavo did not end after the message";
  EXPECT_TRUE(WIFEXITED(*status));
  EXPECT_NE(WEXITSTATUS(*status), 0);
}

}  // namespace
