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

// The existing path that `path` stands for, or `path` itself.
std::string ResolveFileName(const std::string& path);

// Nothing when the file is missing or cannot be read. Only ordinary files are read: a folder,
// a pipe or a device reads as nothing, so a read never waits or runs without end.
std::optional<std::string> ReadWholeFile(const std::string& path);
// Create or overwrite the file with exactly these bytes; no folder is created.
bool WriteWholeFile(const std::string& path, std::string_view bytes);
// As WriteWholeFile, but the file is replaced in one step: the bytes go to a new file in the
// same folder, which then takes the old one's place, so a write that fails part-way (a full
// disk) leaves the old file whole and no new file behind. A symbolic link stays as it is and
// the file it names is replaced; a replaced file keeps its permission bits.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);
// Add the bytes to the end of the file, creating it when missing.
bool AppendToFile(const std::string& path, std::string_view bytes);
bool DeleteFile(const std::string& path);
// Creates an empty file that only its owner may read and write, unless the path exists
// already (a replaced file keeps that mode). False when the file is missing afterwards.
bool CreateOwnerOnlyFile(const std::string& path);
bool PathExists(const std::string& path);

// The absolute form of a path, relative ones taken from the working directory, with "." and
// ".." entries and repeated separators removed; the empty text stays empty.
std::string FullPath(const std::string& path);
// Neither has a trailing '/' (except the root itself).
std::string WorkingDirectory();
std::string ProgramDirectory();

// The names (without folder) of the files, not folders, in the pattern's folder that match
// its last part, where '*' stands for any run of characters and '?' for one character and
// letters match either case. The names come sorted as the Windows search gives them: by name,
// letters compared without regard to case.
std::vector<std::string> FindFiles(const std::string& pattern);

}  // namespace platform
