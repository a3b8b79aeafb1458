// The real program on a display of its own: Xvfb started and stopped by the test, children
// that end with it, window lookup by title, and a copy of the installation tree to run in.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/temp_dir_fixture.h"

// Last: Xlib defines macros (None, Status, Bool) that other headers use as names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace e2e {

using namespace std::chrono_literals;

// Polls until the check holds or the time is up.
inline bool WaitFor(const std::function<bool()>& check, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!check()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(100ms);
  }
  return true;
}

// A child process, ended with SIGTERM when it is still running at the end of the test.
class Child {
 public:
  Child() = default;
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child() {
    if (pid_ <= 0 || status_) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }

  // Starts the program in the directory, with the file descriptor `keep` left open in it.
  bool Start(const std::vector<std::string>& arguments, const std::string& directory = "", int keep = -1) {
    pid_ = fork();
    if (pid_ != 0) return pid_ > 0;
    if (!directory.empty() && chdir(directory.c_str()) != 0) _exit(127);
    if (keep >= 0) fcntl(keep, F_SETFD, 0);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }

  // The exit status once the child has ended within the limit.
  std::optional<int> WaitForExit(std::chrono::milliseconds limit) {
    WaitFor(
        [this] {
          int status = 0;
          if (waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
          return status_.has_value();
        },
        limit);
    return status_;
  }

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

// What a command printed on its standard output.
inline std::string CommandOutput(const std::string& command) {
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    pclose(pipe);
  }
  return output;
}

inline std::string WithoutCarriageReturns(std::string text) {
  std::erase(text, '\r');
  return text;
}

inline std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// The window's title in UTF-8: its _NET_WM_NAME, or else its WM_NAME (which xterm sets, as
// compound text); empty when it has neither.
inline std::string WindowTitle(Display* display, Window window) {
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, left = 0;
  unsigned char* value = nullptr;
  if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024, False,
                         XInternAtom(display, "UTF8_STRING", False), &type, &format, &items, &left, &value) == Success &&
      value != nullptr) {
    std::string title(reinterpret_cast<char*>(value), items);
    XFree(value);
    return title;
  }
  XTextProperty property{};
  std::string title;
  if (XGetWMName(display, window, &property) == 0) return title;
  char** list = nullptr;
  int count = 0;
  if (Xutf8TextPropertyToTextList(display, &property, &list, &count) == Success && count > 0) title = list[0];
  if (list != nullptr) XFreeStringList(list);
  XFree(property.value);
  return title;
}

// The top-level window with that title; 0 when there is none.
inline Window FindWindowByTitle(Display* display, const std::string& title) {
  Window root = 0, parent = 0, *children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return 0;
  Window found = 0;
  for (unsigned int i = 0; i < count && found == 0; ++i) {
    if (WindowTitle(display, children[i]) == title) found = children[i];
  }
  if (children != nullptr) XFree(children);
  return found;
}

inline bool IsShown(Display* display, Window window) {
  XWindowAttributes attributes{};
  return XGetWindowAttributes(display, window, &attributes) != 0 && attributes.map_state == IsViewable;
}

// The top-level window with that title once it is shown; 0 when none is within the limit. A
// window found before it is mapped cannot take the focus yet.
inline Window WaitForShownWindow(Display* display, const std::string& title, std::chrono::milliseconds limit) {
  Window found = 0;
  WaitFor([&] { return (found = FindWindowByTitle(display, title)) != 0 && IsShown(display, found); }, limit);
  return found != 0 && IsShown(display, found) ? found : 0;
}

// Gives the window the keyboard and presses the keys there (xdotool's key names).
inline void PressKeysIn(Window window, const std::string& keys) {
  std::system(("xdotool windowfocus --sync " + std::to_string(window) + " key " + keys).c_str());
}

// What a window manager sends when the user closes a window.
inline void SendCloseRequest(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
}

// A window that XQueryTree listed may be gone before its title is read: the console closes when
// its program ends. Xlib's default handler would end the test process at once and leave Xvfb and
// tavo running with the test's output, so that error only makes the read come back empty.
inline XErrorHandler OtherXErrors = nullptr;

inline int IgnoreVanishedWindows(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow) return 0;
  return OtherXErrors(display, error);
}

class XvfbTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    StartDisplay();
  }

  void TearDown() override {
    if (display_ != nullptr) XCloseDisplay(display_);
    TempDirTest::TearDown();
  }

  // Xvfb picks a free display number and writes it to the pipe once it accepts clients.
  void StartDisplay() {
    int fds[2];
    ASSERT_EQ(pipe2(fds, O_CLOEXEC), 0);
    ASSERT_TRUE(xvfb_.Start(
        {"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x800x24", "-nolisten", "tcp"}, "", fds[1]));
    close(fds[1]);
    std::string number;
    pollfd ready{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&ready, 1, 20000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    ASSERT_FALSE(number.empty()) << "Xvfb did not start";
    displayName_ = ":" + number;
    setenv("DISPLAY", displayName_.c_str(), 1);  // for xdotool and xclip
    display_ = XOpenDisplay(displayName_.c_str());
    ASSERT_NE(display_, nullptr);
    XErrorHandler previous = XSetErrorHandler(IgnoreVanishedWindows);
    if (previous != IgnoreVanishedWindows) OtherXErrors = previous;
  }

  // The copy is in a folder of that name (UTF-8) inside the test's folder.
  std::string CopyInstallationTree(const std::string& folder = "dist") {
    const std::string tree = PathOf(folder);
    std::filesystem::copy(TAVO_DIST_DIR, tree, std::filesystem::copy_options::recursive);
    return tree;
  }

  // Starts ./tavo in the tree on this display, with the arguments after the program's name.
  bool StartTavo(Child& tavo, const std::string& tree, const std::vector<std::string>& arguments) {
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    unsetenv("WAYLAND_DISPLAY");
    // In a sanitizer build the exit status also tells of leaks; the session bus library that Qt
    // loads on a real display keeps a buffer that is not ours to free.
    const std::string suppressions = PathOf("leaks.supp");
    std::ofstream(suppressions) << "leak:libdbus-1.so\n";
    setenv("LSAN_OPTIONS", ("suppressions=" + suppressions).c_str(), 1);
    std::vector<std::string> command = {"./tavo"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return tavo.Start(command, tree);
  }

  Child xvfb_;
  std::string displayName_;
  Display* display_ = nullptr;
};

}  // namespace e2e
