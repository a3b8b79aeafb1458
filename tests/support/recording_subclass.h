// Test helper: subclasses a window with a procedure that records every message and then
// either answers it itself (the handler returns a value: the message is not passed on) or
// passes it on to the previous procedure. One per window at a time; restores the previous
// procedure when it goes.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "platform/window.h"

namespace test {

struct Message {
  platform::HWND window;
  platform::UINT message;
  platform::WPARAM wParam;
  platform::LPARAM lParam;
};

class RecordingSubclass {
 public:
  using Handler = std::function<std::optional<platform::LRESULT>(const Message&)>;

  explicit RecordingSubclass(platform::HWND window, Handler handler = {});
  ~RecordingSubclass();
  RecordingSubclass(const RecordingSubclass&) = delete;
  RecordingSubclass& operator=(const RecordingSubclass&) = delete;

  void SetHandler(Handler handler) { handler_ = std::move(handler); }
  std::vector<Message> Received(platform::UINT message) const;
  void Clear() { messages_.clear(); }

 private:
  static platform::LRESULT Procedure(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                                     platform::LPARAM lParam);

  platform::HWND window_;
  platform::WNDPROC previous_;
  Handler handler_;
  std::vector<Message> messages_;
};

// Swallows the given message; every other one passes on.
RecordingSubclass::Handler Swallow(platform::UINT message, platform::LRESULT result = 0);

}  // namespace test
