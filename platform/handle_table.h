// A table that hands out opaque handles for objects the platform layer keeps. A handle is a
// number dressed as a pointer type, never an address, and numbers are not reused: a stale or
// made-up handle is simply not found.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <utility>

namespace platform {

template <typename Handle, typename Entry>
class HandleTable {
 public:
  Handle Insert(Entry entry) {
    std::lock_guard lock(mutex_);
    const std::uintptr_t id = nextId_++;
    entries_.emplace(id, std::move(entry));
    return reinterpret_cast<Handle>(id);
  }

  // Runs use(entry) under the table's lock; false when the handle is unknown.
  template <typename Use>
  bool Visit(Handle handle, Use&& use) {
    std::lock_guard lock(mutex_);
    const auto found = entries_.find(reinterpret_cast<std::uintptr_t>(handle));
    if (found == entries_.end()) return false;
    use(found->second);
    return true;
  }

  // Runs use(entry) for every entry, under the table's lock.
  template <typename Use>
  void ForEach(Use&& use) {
    std::lock_guard lock(mutex_);
    for (auto& [id, entry] : entries_) use(entry);
  }

  // The first handle whose entry satisfies matches(entry), or null.
  template <typename Match>
  Handle FindIf(Match&& matches) {
    std::lock_guard lock(mutex_);
    for (auto& [id, entry] : entries_) {
      if (matches(entry)) return reinterpret_cast<Handle>(id);
    }
    return nullptr;
  }

  // Destroys the entry; false when the handle is unknown.
  bool Erase(Handle handle) {
    typename Entries::node_type removed;
    {
      std::lock_guard lock(mutex_);
      const auto found = entries_.find(reinterpret_cast<std::uintptr_t>(handle));
      if (found == entries_.end()) return false;
      removed = entries_.extract(found);
    }
    return true;  // the entry's own clean-up runs here, outside the lock
  }

 private:
  using Entries = std::map<std::uintptr_t, Entry>;
  std::mutex mutex_;
  Entries entries_;
  std::uintptr_t nextId_ = 1;
};

}  // namespace platform
