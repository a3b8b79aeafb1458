// default.txt: the editor's font and colours, in section [配色]. The editor reads each key at
// start-up from the file of the key's root (data_files.h); the settings window reads and writes
// ProgramDir's. The data checks read the names below from this file.
#pragma once

inline constexpr const char* kColourSection = "配色";
inline constexpr const char* kFontFamilyKey = "font-family";
inline constexpr const char* kFontSizeKey = "font-size";
