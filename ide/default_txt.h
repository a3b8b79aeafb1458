// default.txt: the editor's font and colours, in section [配色]. The editor reads each key at
// start-up from the file of the key's folder; the settings window reads and writes ProgramDir's.
// The data checks read the names below from this file.
#pragma once

#include <string>

inline constexpr const char* kColourSection = "配色";
inline constexpr const char* kFontFamilyKey = "font-family";
inline constexpr const char* kFontSizeKey = "font-size";

// Where a default.txt lies; both are the same file at an ordinary start.
enum class SettingsFolder { Base, Program };

// BaseDir or ProgramDir, then "/default.txt".
std::string DefaultTxtPath(SettingsFolder folder);
