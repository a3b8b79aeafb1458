// The real tavo program on a real X display draws code in the bundled fixed-width font: a line
// of narrow letters and a line of wide ones, of the same length, end at the same pixel column.
// The pixels are read from the screen; nothing is saved.
#include <algorithm>
#include <vector>

#include "platform/ini_file.h"
#include "xvfb_fixture.h"

namespace {

using namespace e2e;
using namespace std::chrono_literals;

using CodeFontOnXvfbTest = XvfbTest;

// The string colour of the test, blue-green-red as default.txt holds it: nothing else on the
// screen has it, and a glyph's fully covered pixels have it exactly.
constexpr int kRed = 201, kGreen = 3, kBlue = 203;

// For each band of rows holding pixels of that colour (a band ends at a row without one), the
// rightmost column of such a pixel.
std::vector<int> RightEndsOfColouredBands(Display* display) {
  const Window root = DefaultRootWindow(display);
  XWindowAttributes screen{};
  XGetWindowAttributes(display, root, &screen);
  XImage* image = XGetImage(display, root, 0, 0, screen.width, screen.height, AllPlanes, ZPixmap);
  std::vector<int> ends;
  if (image == nullptr) return ends;
  const unsigned long wanted =
      (image->red_mask / 255 * kRed) | (image->green_mask / 255 * kGreen) | (image->blue_mask / 255 * kBlue);
  bool inBand = false;
  for (int y = 0; y < screen.height; ++y) {
    int rightmost = -1;
    for (int x = 0; x < screen.width; ++x) {
      if (XGetPixel(image, x, y) == wanted) rightmost = x;
    }
    if (rightmost >= 0 && !inBand) ends.push_back(rightmost);
    if (rightmost >= 0) ends.back() = std::max(ends.back(), rightmost);
    inBand = rightmost >= 0;
  }
  XDestroyImage(image);
  return ends;
}

TEST_F(CodeFontOnXvfbTest, LinesOfNarrowAndWideLettersEndAtTheSameColumn) {
  const std::string tree = CopyInstallationTree();
  platform::WritePrivateProfileStringA("配色", "字符串颜色", std::to_string(kBlue << 16 | kGreen << 8 | kRed),
                                       tree + "/default.txt");
  std::ofstream(tree + "/columns.c", std::ios::binary) << "iiiiiiiiiiiiiiii \"MM\"\r\nMMMMMMMMMMMMMMMM \"MM\"\r\n";

  Child tavo;
  ASSERT_TRUE(StartTavo(tavo, tree, {"columns.c"}));
  std::vector<int> ends;
  EXPECT_TRUE(WaitFor(
      [&] {
        ends = RightEndsOfColouredBands(display_);
        return ends.size() == 2;
      },
      30s))
      << "lines in the string colour: " << ends.size();
  ASSERT_EQ(ends.size(), 2u);
  EXPECT_EQ(ends[0], ends[1]);
}

}  // namespace
