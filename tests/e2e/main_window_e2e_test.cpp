// The real tavo program on a real X display: started with a file argument inside a copy of the
// installation tree, its main window must appear with its title and the file's text, and close.
// The test starts its own Xvfb and stops it; xdotool clicks and types, xclip reads the clipboard.
#include <filesystem>

#include "xvfb_fixture.h"

namespace {

using namespace e2e;
using namespace std::chrono_literals;

// The file is in the code page; the clipboard gives the text back in UTF-8.
constexpr char kFileBytes[] = "int main() { /* \xC4\xE3\xBA\xC3 */ }\r\nreturn;\r\n";

class MainWindowOnXvfbTest : public XvfbTest {
 protected:
  // Starts tavo in a copy of the tree with the file open; its main window, 0 when none came.
  Window StartWithTheFile(Child& tavo) {
    tree_ = CopyInstallationTree();
    std::ofstream(tree_ + "/hello world.c", std::ios::binary) << kFileBytes;
    if (!StartTavo(tavo, tree_, {"hello world.c"})) return 0;
    Window window = 0;
    WaitFor([&] { return (window = FindWindowByTitle(display_, Utf8(u8"Tavo 编辑器"))) != 0; }, 30s);
    return window;
  }

  std::string FileBytes() const {
    std::ifstream file(tree_ + "/hello world.c", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
  }

  // The numbered sources that F5 writes.
  bool DebugHoldsASource() const {
    for (const auto& entry : std::filesystem::directory_iterator(tree_ + "/Debug")) {
      if (entry.path().extension() == ".c") return true;
    }
    return false;
  }

  std::string tree_;
};

const std::string kQuestion = Utf8(u8"Tavo询问");

// Moving about, selecting and copying change no text: closing asks nothing, and the file stays.
TEST_F(MainWindowOnXvfbTest, ShowsTheFileItWasStartedWithAndClosesWithoutAskingWhenOnlyReadAndCopied) {
  Child tavo;
  const Window window = StartWithTheFile(tavo);
  ASSERT_NE(window, 0u) << "no main window";

  // Click into the editor, select everything and copy it.
  const std::string expected = Utf8(u8"int main() { /* 你好 */ }\nreturn;\n");
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
  PressKeysIn(window, "Down Down Up Right Left End Home Next Prior shift+Right ctrl+Home ctrl+End Escape ctrl+c");

  // Without a window manager, the close request goes straight to the window.
  SendCloseRequest(display_, window);
  const std::optional<int> status = tavo.WaitForExit(20s);
  ASSERT_TRUE(status.has_value()) << "tavo did not end: "
                                  << (FindWindowByTitle(display_, kQuestion) != 0 ? "it asked to save" : "");
  EXPECT_TRUE(WIFEXITED(*status));
  EXPECT_EQ(WEXITSTATUS(*status), 0);
  EXPECT_EQ(FileBytes(), kFileBytes);
}

// Behind the question whether to save, F3 would write the text the user is about to decline and
// F5 build it: both wait, and No leaves the file as it was.
TEST_F(MainWindowOnXvfbTest, HotKeysWaitWhileTheQuestionIsOpen) {
  Child tavo;
  const Window window = StartWithTheFile(tavo);
  ASSERT_NE(window, 0u) << "no main window";
  std::this_thread::sleep_for(1s);  // drawn
  std::system(("xdotool mousemove --window " + std::to_string(window) + " 400 200 click 1").c_str());
  PressKeysIn(window, "ctrl+Home slash slash");

  SendCloseRequest(display_, window);
  const Window box = WaitForShownWindow(display_, kQuestion, 20s);
  ASSERT_NE(box, 0u) << "closing did not ask to save";
  PressKeysIn(box, "F3 F5 Escape");
  std::this_thread::sleep_for(1s);
  ASSERT_NE(FindWindowByTitle(display_, kQuestion), 0u) << "Escape or a hot key answered the question";
  EXPECT_EQ(FileBytes(), kFileBytes) << "F3 saved behind the question";
  EXPECT_FALSE(DebugHoldsASource()) << "F5 built behind the question";
  PressKeysIn(box, "Tab space");  // No is the button after the default Yes
  const std::optional<int> status = tavo.WaitForExit(20s);
  ASSERT_TRUE(status.has_value()) << "tavo did not end after No";
  EXPECT_TRUE(WIFEXITED(*status));
  EXPECT_EQ(WEXITSTATUS(*status), 0);
  EXPECT_EQ(FileBytes(), kFileBytes);
  EXPECT_FALSE(DebugHoldsASource());
}

}  // namespace
