// The data files and folders the program reads and writes, each below one of the two base
// folders fixed at start: BaseDir, the working folder taken when the main window was made, or
// ProgramDir, the program's own folder. At an ordinary start both are one folder. This table is
// the one place that says which base serves which file; nothing resolves a data file against
// the current directory, which the file dialogs move.
#pragma once

#include <string>
#include <string_view>

enum class DataRoot { Base, Program };

// A file or folder below its root, "/"-separated.
struct DataFile {
  DataRoot root;
  const char* path;
};

namespace data_file {
using enum DataRoot;
inline constexpr DataFile ConfigIni{Base, "config.ini"};
inline constexpr DataFile DebugFolder{Base, "Debug"};  // F5's numbered sources
inline constexpr DataFile DebugProgram{Base, "Debug/temp.exe"};
// The word lists as the editor reads them at start, and as the settings window edits them.
inline constexpr DataFile WordListsRead{Base, "Syntax"};
inline constexpr DataFile WordListsEdited{Program, "Syntax"};
inline constexpr DataFile TipsTxt{Program, "Syntax/Tips.txt"};
// recent.txt: Open, Save As and the examples add to the base folder's; the start window lists
// and clears the program folder's.
inline constexpr DataFile RecentAdded{Base, "recent.txt"};
inline constexpr DataFile RecentListed{Program, "recent.txt"};
inline constexpr DataFile LoginTxt{Program, "login.txt"};
inline constexpr DataFile ExampleFolder{Program, "Example"};
// The plug-ins whose entries the Edit menu gets, and those the manager lists and the analysis
// plug-in.
inline constexpr DataFile MenuPluginFolder{Base, "Plugin"};
inline constexpr DataFile ProgramPluginFolder{Program, "Plugin"};
inline constexpr DataFile LinkerLibrary{Program, "liblinker.so"};
inline constexpr DataFile DebugMenuPicture{Program, "Resource/11.bmp"};
}  // namespace data_file

// The file's path: its root's folder, "/", its path.
std::string DataPath(const DataFile& file);
// The file of that name inside a data folder.
std::string DataPath(const DataFile& folder, std::string_view name);
// default.txt below either root; the editor reads some keys from each.
std::string DefaultTxtPath(DataRoot root);
// The configured compiler: BaseDir with the stored path appended exactly as it is stored (which
// therefore begins with a "/").
std::string CompilerPath(const std::string& configured);
