#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/ansi_text.h"
#include "platform/code_page.h"
#include "platform/unique_fd.h"

namespace platform {
namespace {

// File-system paths and names are in the file system's own encoding ("native"). A path that
// cannot cross without loss becomes the empty text, which names no file, so it is never taken
// for another file's path.
std::string ToNative(const std::string& path) { return NativePath(path).value_or(std::string()); }

bool NativeExists(const std::string& native) {
  struct stat status {};
  return lstat(native.c_str(), &status) == 0;
}

bool IsDirectory(const std::string& native) {
  struct stat status {};
  return stat(native.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

// Every entry of a folder but "." and "..", in the order the directory yields them.
std::vector<std::string> NativeEntries(const std::string& nativeFolder) {
  std::vector<std::string> names;
  const DirHandle dir(opendir(nativeFolder.c_str()));
  if (!dir) return names;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  return names;
}

// Native names hold ASCII bytes only as ASCII characters, so a byte-wise fold is exact.
bool NativeNamesMatch(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::string Joined(const std::string& folder, const std::string& name) {
  return folder == "/" ? folder + name : folder + "/" + name;
}

// '/' is never the second byte of a double-byte character, so this holds for code-page paths
// and native ones alike.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Resolves entry by entry: an entry missing as spelled takes the first entry of its folder
// that differs only in letter case; from the first one that cannot be found on, the rest
// stays as spelled.
std::string ResolveNative(const std::string& native) {
  if (native.empty() || NativeExists(native)) return native;
  const bool absolute = native.front() == '/';
  std::string resolved = absolute ? "/" : ".";
  std::size_t start = absolute ? 1 : 0;
  while (start <= native.size()) {
    const std::size_t slash = std::min(native.find('/', start), native.size());
    const std::string part = native.substr(start, slash - start);
    std::string next = Joined(resolved, part);
    if (!part.empty() && part != "." && part != ".." && !NativeExists(next)) {
      const auto entries = NativeEntries(resolved);
      const auto match = std::find_if(entries.begin(), entries.end(),
                                      [&](const std::string& e) { return NativeNamesMatch(e, part); });
      if (match == entries.end()) {
        resolved = Joined(resolved, native.substr(start));
        break;
      }
      next = Joined(resolved, *match);
    }
    resolved = next;
    start = slash + 1;
  }
  return absolute ? resolved : resolved.substr(2);  // drop the "./" it was built on
}

std::string ResolvedNative(const std::string& path) { return ResolveNative(ToNative(path)); }

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool WriteToFile(const std::string& path, std::string_view bytes, int modeFlags) {
  const int fd = open(ResolvedNative(path).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | modeFlags, 0666);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes);
  return close(fd) == 0 && written;
}

// The file that a chain of symbolic links ends at, or the path itself when it is no link
// (existing or not); the empty text when the chain does not end.
std::string FinalLinkTarget(std::string native) {
  constexpr int kMaxLinkHops = 40;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat status {};
    if (lstat(native.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return native;
    std::string target(PATH_MAX, '\0');
    const ssize_t length = readlink(native.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return std::string();
    target.resize(static_cast<std::size_t>(length));
    native = target.front() == '/' ? target : Joined(FolderOf(native), target);
  }
  return std::string();
}

// What open(..., 0666) would give a new file.
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

bool IsRoomMissing(int error) { return error == ENOSPC || error == EFBIG || error == EDQUOT; }

// Writes over the file from its start, cuts off the rest of the old bytes and closes it. The
// room is taken first, so a full disk fails before a byte of the old text is overwritten.
bool WriteInPlace(int fd, std::string_view bytes) {
  if (fd < 0) return false;
  const auto size = static_cast<off_t>(bytes.size());
  const bool written = !(size > 0 && IsRoomMissing(posix_fallocate(fd, 0, size))) && WriteAll(fd, bytes) &&
                       ftruncate(fd, size) == 0;
  return close(fd) == 0 && written;
}

// A save's stand-in: the new file that the bytes go to before it takes the target's place.
struct StandIn {
  UniqueFd fd;
  std::string name;
};

enum class StandInTaken {
  Ready,
  // Another process is saving the same target through it at this moment.
  Busy,
  // The folder takes no new file, or the stand-in could not be made as the target needs it.
  None,
};

// Fixed by the target's name, so a save killed part-way leaves at most one stand-in per target,
// and the next save of the target takes it over; of one length, so a target whose name is as
// long as a name may be still gets one.
std::string StandInName(const std::string& target) {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a: the same in every process and build
  for (const char c : target.substr(target.rfind('/') + 1)) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  char name[32];
  std::snprintf(name, sizeof name, ".tavo-save-%016llx", static_cast<unsigned long long>(hash));
  return Joined(FolderOf(target), name);
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The stand-in under this name for one save, empty: made anew, or what a killed save left there.
// It stays locked while the save holds it, so a second process saving the same target meanwhile
// finds it busy instead of writing into it. Whatever else holds the name (a link, another user's
// file, a file with other links) is removed first and never written through.
StandInTaken TakeStandIn(const std::string& name, UniqueFd* taken) {
  constexpr int kAttempts = 3;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    UniqueFd fd(open(name.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
    if (!fd.Valid()) {
      if (NativeExists(name) && unlink(name.c_str()) == 0) continue;
      return StandInTaken::None;
    }
    if (flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) return errno == EWOULDBLOCK ? StandInTaken::Busy : StandInTaken::None;
    struct stat held {};
    struct stat named {};
    if (fstat(fd.Get(), &held) != 0) return StandInTaken::None;
    // The save that held it before has moved it into its target's place meanwhile.
    if (lstat(name.c_str(), &named) != 0 || !SameFile(held, named)) continue;
    if (!S_ISREG(held.st_mode) || held.st_nlink != 1 || held.st_uid != geteuid()) {
      if (unlink(name.c_str()) == 0) continue;
      return StandInTaken::None;
    }
    if (ftruncate(fd.Get(), 0) != 0) return StandInTaken::None;
    *taken = std::move(fd);
    return StandInTaken::Ready;
  }
  return StandInTaken::None;
}

// The target's stand-in, ready to take its place and leave it as a write in place would: the
// same owner, group and permission bits as `existing`, or those of a new file when that is null.
// When it cannot be made so, it is removed.
StandInTaken MakeStandIn(const std::string& target, const struct stat* existing, StandIn* standIn) {
  standIn->name = StandInName(target);
  const StandInTaken taken = TakeStandIn(standIn->name, &standIn->fd);
  if (taken != StandInTaken::Ready) return taken;
  const int fd = standIn->fd.Get();
  struct stat made {};
  const bool ownerKept = existing == nullptr || (fstat(fd, &made) == 0 && made.st_uid == existing->st_uid &&
                                                 made.st_gid == existing->st_gid) ||
                         fchown(fd, existing->st_uid, existing->st_gid) == 0;
  const mode_t mode = existing == nullptr ? NewFileMode() : existing->st_mode & 07777;
  if (ownerKept && fchmod(fd, mode) == 0) return StandInTaken::Ready;
  unlink(standIn->name.c_str());
  return StandInTaken::None;
}

// The bytes into the stand-in, flushed to the disk, and the stand-in in the target's place;
// when any step fails the stand-in is removed and the target stays as it was. It stays locked
// until it has taken the target's place, so no other save can take it over half-way.
bool MoveStandInToTarget(const StandIn& standIn, const std::string& target, std::string_view bytes) {
  const int fd = standIn.fd.Get();
  if (WriteAll(fd, bytes) && fsync(fd) == 0 && rename(standIn.name.c_str(), target.c_str()) == 0) return true;
  unlink(standIn.name.c_str());
  return false;
}

// A new file goes through a stand-in too, so a failed write leaves no part of one behind; where
// the folder takes no stand-in, the file is created in place.
bool WriteNewFile(const std::string& target, std::string_view bytes) {
  StandIn standIn;
  switch (MakeStandIn(target, nullptr, &standIn)) {
    case StandInTaken::Ready: return MoveStandInToTarget(standIn, target, bytes);
    case StandInTaken::Busy: return false;
    case StandInTaken::None: break;
  }
  return WriteInPlace(open(target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666), bytes);
}

// '*' and '?' patterns over code-page characters.
bool MatchesPattern(std::string_view pattern, std::string_view name) {
  const auto p = AnsiCharacters(pattern);
  const auto n = AnsiCharacters(name);
  std::size_t pi = 0, ni = 0;
  std::size_t star = p.size(), resume = 0;
  while (ni < n.size()) {
    if (pi < p.size() && p[pi] == "*") {
      star = pi++;
      resume = ni;
    } else if (pi < p.size() && (p[pi] == "?" || AnsiEqualsIgnoringCase(p[pi], n[ni]))) {
      ++pi;
      ++ni;
    } else if (star < p.size()) {
      pi = star + 1;
      ni = ++resume;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == "*") ++pi;
  return pi == p.size();
}

// By name, letters folded and bytes taken as unsigned; names that fold alike go by their bytes.
bool ListedBefore(const std::string& a, const std::string& b) {
  const auto foldedLess = [](char x, char y) {
    return static_cast<unsigned char>(AsciiLower(x)) < static_cast<unsigned char>(AsciiLower(y));
  };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), foldedLess)) return true;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), foldedLess)) return false;
  return a < b;
}

}  // namespace

std::optional<std::string> NativePath(const std::string& path) {
  const std::optional<QString> text = AnsiToQStringExactly(path);
  if (!text) return std::nullopt;
  return QFile::encodeName(*text).toStdString();
}

std::optional<std::string> PathFromNative(const std::string& native) {
  const QString text = QFile::decodeName(QByteArray::fromStdString(native));
  if (QFile::encodeName(text).toStdString() != native) return std::nullopt;
  return QStringToAnsiExactly(text);
}

std::string ResolveFileName(const std::string& path) { return NativeToAnsi(ResolvedNative(path)); }

std::optional<std::string> ReadWholeFile(const std::string& path) {
  // Non-blocking, so that opening a pipe with no writer returns at once.
  const UniqueFd fd(open(ResolvedNative(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat status {};
  if (!fd.Valid() || fstat(fd.Get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  std::string bytes;
  char chunk[65536];
  for (;;) {
    const ssize_t count = read(fd.Get(), chunk, sizeof chunk);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return std::nullopt;
    if (count == 0) break;
    bytes.append(chunk, static_cast<std::size_t>(count));
  }
  return bytes;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
  return WriteToFile(path, bytes, O_TRUNC);
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  const std::string target = FinalLinkTarget(ResolvedNative(path));
  if (target.empty()) return false;
  struct stat existing {};
  if (stat(target.c_str(), &existing) != 0) return WriteNewFile(target, bytes);
  if (!S_ISREG(existing.st_mode)) return false;
  // The file system itself says whether the user may change the file (permission bits, owner,
  // a read-only mount): one that cannot be opened for writing is left as it is.
  const int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  StandIn standIn;
  const StandInTaken taken = MakeStandIn(target, &existing, &standIn);
  if (taken == StandInTaken::Busy) {
    close(fd);
    return false;
  }
  // A rename would leave the file's other links with the old bytes.
  if (taken == StandInTaken::Ready && existing.st_nlink == 1) {
    close(fd);
    return MoveStandInToTarget(standIn, target, bytes);
  }
  // Written in place: what an earlier save left as the stand-in goes all the same.
  if (taken == StandInTaken::Ready) unlink(standIn.name.c_str());
  return WriteInPlace(fd, bytes);
}

bool WriteFileAnew(const std::string& path, std::string_view bytes) {
  const std::string target = ResolvedNative(path);
  StandIn standIn;
  return !target.empty() && MakeStandIn(target, nullptr, &standIn) == StandInTaken::Ready &&
         MoveStandInToTarget(standIn, target, bytes);
}

bool AppendToFile(const std::string& path, std::string_view bytes) {
  return WriteToFile(path, bytes, O_APPEND);
}

bool DeleteFile(const std::string& path) { return unlink(ResolvedNative(path).c_str()) == 0; }

bool MakeOwnerOnlyFile(const std::string& path) {
  const std::string native = ResolvedNative(path);
  const UniqueFd fd(open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
  if (fd.Valid()) return true;
  struct stat status {};
  if (stat(native.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return NativeExists(native);
  return chmod(native.c_str(), status.st_mode & S_IRWXU) == 0;
}

bool PathExists(const std::string& path) {
  struct stat status {};
  return stat(ResolvedNative(path).c_str(), &status) == 0;
}

std::optional<FileStamp> StampOf(const std::string& path) {
  struct stat status {};
  if (stat(ResolvedNative(path).c_str(), &status) != 0) return std::nullopt;
  constexpr long long kNanosecondsPerSecond = 1000000000;
  return FileStamp{static_cast<long long>(status.st_size),
                   static_cast<long long>(status.st_mtim.tv_sec) * kNanosecondsPerSecond + status.st_mtim.tv_nsec};
}

std::optional<long long> ModificationTime(const std::string& path) {
  const std::optional<FileStamp> stamp = StampOf(path);
  if (!stamp) return std::nullopt;
  return stamp->modified;
}

std::string FullPath(const std::string& path) {
  if (path.empty()) return path;
  // '/' and '.' are never the second byte of a double-byte character, so bytes suffice.
  const std::string absolute = path.front() == '/' ? path : WorkingDirectory() + "/" + path;
  std::vector<std::string> parts;
  for (std::size_t start = 0; start <= absolute.size();) {
    const std::size_t slash = std::min(absolute.find('/', start), absolute.size());
    const std::string part = absolute.substr(start, slash - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = slash + 1;
  }
  std::string full;
  for (const auto& part : parts) full += "/" + part;
  return full.empty() ? "/" : full;
}

std::string WorkingDirectory() { return NativeToAnsi(NativeWorkingDirectory()); }

std::string ProgramDirectory() { return NativeToAnsi(NativeProgramDirectory()); }

std::string NativeWorkingDirectory() {
  std::string buffer(256, '\0');
  while (!getcwd(buffer.data(), buffer.size())) {
    if (errno != ERANGE) return std::string();
    buffer.resize(buffer.size() * 2);
  }
  return buffer.c_str();
}

std::string NativeProgramDirectory() {
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return std::string();
    if (static_cast<std::size_t>(length) < buffer.size()) {
      buffer.resize(static_cast<std::size_t>(length));
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  const std::size_t slash = buffer.rfind('/');
  return slash == 0 ? "/" : buffer.substr(0, slash);
}

std::vector<std::string> FindFiles(const std::string& pattern, std::vector<std::string>* refused) {
  const std::size_t slash = pattern.rfind('/');
  const std::string namePattern = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  const std::string nativeFolder = ResolvedNative(FolderOf(pattern));
  std::vector<std::string> names;
  for (const auto& entry : NativeEntries(nativeFolder)) {
    const std::string nativePath = Joined(nativeFolder, entry);
    if (IsDirectory(nativePath) || !MatchesPattern(namePattern, NativeToAnsi(entry))) continue;
    if (std::optional<std::string> name = PathFromNative(entry)) {
      names.push_back(std::move(*name));
    } else if (refused) {
      refused->push_back(nativePath);
    }
  }
  // The Windows search lists a folder by name, letters compared without regard to case; a
  // Linux folder yields its names in no useful order.
  std::sort(names.begin(), names.end(), ListedBefore);
  return names;
}

}  // namespace platform
