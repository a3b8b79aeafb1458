#include "platform/shared_object_extent.h"

#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/unique_fd.h"

namespace platform {
namespace {

bool ReadAt(int fd, void* into, std::size_t size, off_t offset) {
  return ::pread(fd, into, size, offset) == static_cast<ssize_t>(size);
}

// Whether the part of that length at that offset lies inside a file of that size (no sum that
// could wrap).
bool Inside(unsigned long long offset, unsigned long long length, unsigned long long size) {
  return offset <= size && length <= size - offset;
}

// Whether the file is an ELF object of this class whose headers place a part past its end.
bool NamesPartsPastItsEnd(int fd, unsigned long long size) {
  Elf64_Ehdr header{};
  if (!ReadAt(fd, &header, sizeof header, 0)) return false;  // too short even for a header
  if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64 ||
      header.e_phentsize != sizeof(Elf64_Phdr)) {
    return false;
  }
  std::vector<Elf64_Phdr> segments(header.e_phnum);
  const std::size_t tableLength = segments.size() * sizeof(Elf64_Phdr);
  if (!Inside(header.e_phoff, tableLength, size)) return true;
  if (!ReadAt(fd, segments.data(), tableLength, static_cast<off_t>(header.e_phoff))) return true;
  return std::any_of(segments.begin(), segments.end(),
                     [&](const Elf64_Phdr& segment) { return !Inside(segment.p_offset, segment.p_filesz, size); });
}

}  // namespace

std::optional<std::string> CutOffSharedObject(const std::string& nativePath) {
  const UniqueFd file(::open(nativePath.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat status {};
  if (!file.Valid() || ::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  const auto size = static_cast<unsigned long long>(status.st_size);
  if (!NamesPartsPastItsEnd(file.Get(), size)) return std::nullopt;
  return "file cut off: its " + std::to_string(size) + " bytes end before the parts its headers place in it";
}

}  // namespace platform
