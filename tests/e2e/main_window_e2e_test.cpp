// The real tavo program on a real X display: started with a file argument inside a copy of the
// installation tree, its main window must appear with its title and the file's text, and close.
// The test starts its own Xvfb and stops it; xdotool clicks and types, xclip reads the clipboard.
#include "xvfb_fixture.h"

namespace {

using namespace e2e;
using namespace std::chrono_literals;

using MainWindowOnXvfbTest = XvfbTest;

TEST_F(MainWindowOnXvfbTest, ShowsTheFileItWasStartedWithAndCloses) {
  const std::string tree = CopyInstallationTree();
  // The file is in the code page; the clipboard gives the text back in UTF-8.
  std::ofstream(tree + "/hello world.c", std::ios::binary) << "int main() { /* \xC4\xE3\xBA\xC3 */ }\r\nreturn;\r\n";
  const std::string expected = Utf8(u8"int main() { /* 你好 */ }\nreturn;\n");

  Child tavo;
  ASSERT_TRUE(StartTavo(tavo, tree, {"hello world.c"}));

  const std::string title = Utf8(u8"Tavo 编辑器");
  Window window = 0;
  ASSERT_TRUE(WaitFor([&] { return (window = FindWindowByTitle(display_, title)) != 0; }, 30s))
      << "no window titled " << title;

  // Click into the editor, select everything and copy it.
  const std::string id = std::to_string(window);
  std::string copied;
  EXPECT_TRUE(WaitFor(
      [&] {
        std::system(("xdotool mousemove --window " + id + " 400 200 click 1 key ctrl+a ctrl+c").c_str());
        copied = WithoutCarriageReturns(CommandOutput("xclip -o -selection clipboard 2>/dev/null"));
        return copied == expected;
      },
      20s))
      << "clipboard: " << copied;

  // Without a window manager, the close request goes straight to the window. Every key press
  // marks the document unsaved, so closing asks to save first. Escape answers nothing; No is
  // the button after the default Yes.
  SendCloseRequest(display_, window);
  const std::string question = Utf8(u8"Tavo询问");
  const Window box = WaitForShownWindow(display_, question, 20s);
  ASSERT_NE(box, 0u) << "closing did not ask to save";
  PressKeysIn(box, "Escape");
  std::this_thread::sleep_for(500ms);
  ASSERT_NE(FindWindowByTitle(display_, question), 0u) << "Escape answered the question";
  PressKeysIn(box, "Tab space");
  const std::optional<int> status = tavo.WaitForExit(20s);
  ASSERT_TRUE(status.has_value()) << "tavo did not end after its window was closed";
  EXPECT_TRUE(WIFEXITED(*status));
  EXPECT_EQ(WEXITSTATUS(*status), 0);
}

}  // namespace
