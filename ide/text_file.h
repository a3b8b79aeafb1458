// Data files read as the IDE's texts.
#pragma once

#include <string>

// The whole file up to its first NUL byte; the empty text when it is missing or unreadable.
// When `cutAtNul` is given it tells whether bytes after a NUL were left out.
std::string ReadTextFile(const std::string& path, bool* cutAtNul = nullptr);
