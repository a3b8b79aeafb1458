#include "tests/support/recording_subclass.h"

#include <map>

#include "platform/window_subclass.h"

namespace test {
namespace {

std::map<platform::HWND, RecordingSubclass*>& Subclasses() {
  static std::map<platform::HWND, RecordingSubclass*> subclasses;
  return subclasses;
}

}  // namespace

RecordingSubclass::RecordingSubclass(platform::HWND window, Handler handler)
    : window_(window), handler_(std::move(handler)) {
  Subclasses()[window] = this;
  previous_ = platform::SubclassWindow(window, &Procedure);
}

RecordingSubclass::~RecordingSubclass() {
  platform::RemoveSubclass(window_, &Procedure, previous_);
  Subclasses().erase(window_);
}

std::vector<Message> RecordingSubclass::Received(platform::UINT message) const {
  std::vector<Message> found;
  for (const Message& m : messages_) {
    if (m.message == message) found.push_back(m);
  }
  return found;
}

platform::LRESULT RecordingSubclass::Procedure(platform::HWND window, platform::UINT message,
                                               platform::WPARAM wParam, platform::LPARAM lParam) {
  RecordingSubclass* self = Subclasses().at(window);
  const Message received{window, message, wParam, lParam};
  self->messages_.push_back(received);
  if (self->handler_) {
    if (const std::optional<platform::LRESULT> answer = self->handler_(received)) return *answer;
  }
  return platform::CallWindowProcA(self->previous_, window, message, wParam, lParam);
}

RecordingSubclass::Handler Swallow(platform::UINT message, platform::LRESULT result) {
  return [message, result](const Message& m) -> std::optional<platform::LRESULT> {
    if (m.message == message) return result;
    return std::nullopt;
  };
}

}  // namespace test
