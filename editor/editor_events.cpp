#include "editor/editor_events.h"

#include <algorithm>
#include <iterator>

std::optional<std::size_t> EditorEventIndex(int eventId) {
  const auto found = std::ranges::find(EditorEventOrder, eventId);
  if (found == EditorEventOrder.end()) return std::nullopt;
  return static_cast<std::size_t>(std::distance(EditorEventOrder.begin(), found));
}

const NotificationEvent* FindNotificationEvent(platform::UINT code) {
  const auto found = std::ranges::find(event_table::NotificationEvents, code, &NotificationEvent::source);
  return found == std::end(event_table::NotificationEvents) ? nullptr : found;
}

const MessageEvent* FindMessageEvent(platform::UINT message) {
  const auto found = std::ranges::find(event_table::MessageEvents, message, &MessageEvent::source);
  return found == std::end(event_table::MessageEvents) ? nullptr : found;
}
