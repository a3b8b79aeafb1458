// Files as the IDE uses them. Paths are 8-bit code-page texts with '/' separators; they reach
// the file system in its own encoding, and the names it reports come back in the code page.
// A path whose entries do not exist as spelled stands for existing entries whose names differ
// from it only in ASCII letter case (data files such as Syntax/Key.txt and Syntax/key.txt are
// one file); when there are none, the path is used as spelled.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A path in the file system's own encoding, and a path or name from it as a code-page text;
// nothing when it cannot cross without loss (a character the other side lacks, or bytes that
// are no valid text). Every routine here takes a path that cannot cross as one that names no
// file.
std::optional<std::string> NativePath(const std::string& path);
std::optional<std::string> PathFromNative(const std::string& native);

// The existing path that `path` stands for, or `path` itself.
std::string ResolveFileName(const std::string& path);

// Nothing when the file is missing or cannot be read. Only ordinary files are read: a folder,
// a pipe or a device reads as nothing, so a read never waits or runs without end.
std::optional<std::string> ReadWholeFile(const std::string& path);
// Create or overwrite the file with exactly these bytes; no folder is created.
bool WriteWholeFile(const std::string& path, std::string_view bytes);
// As WriteWholeFile, but where the folder allows it the file is replaced in one step: the bytes
// go to a new file in the same folder, which then takes the old one's place, so a write that
// fails part-way (a full disk) leaves the old file whole and no new file behind. The result is
// what a write in place would leave: a file the user may not write is never changed; a file
// with other hard links, one whose owner or group the new file cannot take, or one in a folder
// that takes no new file is written in place (after its room on the disk is taken, so a full
// disk still leaves it whole). A symbolic link stays as it is and the file it names gets the
// bytes; the file keeps its permission bits. The new file's name is fixed by the target's
// (hidden, ".tavo-save-" and 16 hex digits), so a save that is killed part-way leaves one such
// file at most, which the next save of that target removes; while another process saves the
// same target through it, the save fails and changes nothing.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);
// Creates the file anew with exactly these bytes: a new file made in its folder takes the
// name's place, so whatever held the name before, a symbolic link included, is replaced and
// never written through. False, with nothing left behind, when the folder is missing or takes
// no new file. The new file is named as in ReplaceFileContents.
bool WriteFileAnew(const std::string& path, std::string_view bytes);
// Add the bytes to the end of the file, creating it when missing.
bool AppendToFile(const std::string& path, std::string_view bytes);
bool DeleteFile(const std::string& path);
// Makes the file one that only its owner may read and write: creates it empty when missing,
// and takes every permission away from group and others when it is an ordinary file already
// (a replaced file keeps that mode). False when the file is missing afterwards, or when an
// existing file cannot be made private.
bool MakeOwnerOnlyFile(const std::string& path);
bool PathExists(const std::string& path);
// What tells one version of a file from the next: its size, and when its bytes last changed (in
// nanoseconds).
struct FileStamp {
  long long size = 0;
  long long modified = 0;
  bool operator==(const FileStamp&) const = default;
};
// Nothing when the file is missing.
std::optional<FileStamp> StampOf(const std::string& path);
std::optional<long long> ModificationTime(const std::string& path);

// The absolute form of a path, relative ones taken from the working directory, with "." and
// ".." entries and repeated separators removed; the empty text stays empty.
std::string FullPath(const std::string& path);
// Neither has a trailing '/' (except the root itself).
std::string WorkingDirectory();
std::string ProgramDirectory();
// The same two as the file system spells them, for telling whether they can cross.
std::string NativeWorkingDirectory();
std::string NativeProgramDirectory();

// The names (without folder) of the files, not folders, in the pattern's folder that match
// its last part, where '*' stands for any run of characters and '?' for one character and
// letters match either case. The names come sorted as the Windows search gives them: by name,
// letters compared without regard to case. A matching name that cannot cross into the code
// page is left out and, when `refused` is given, its full path (in the file system's spelling)
// added there.
std::vector<std::string> FindFiles(const std::string& pattern, std::vector<std::string>* refused = nullptr);

}  // namespace platform
