#include "ide/data_files.h"

#include <gtest/gtest.h>

#include "ide/app_globals.h"
#include "ide/program_dir.h"

namespace {

// Which base serves which file, with the two bases apart as after a start from another folder.
TEST(DataFiles, EachFileLiesBelowItsOwnBase) {
  BaseDir = "/base";
  OverrideProgramDir("/program");
  const std::pair<std::string, std::string> cases[] = {
      {DataPath(data_file::ConfigIni), "/base/config.ini"},
      {DataPath(data_file::DebugFolder, "3.c"), "/base/Debug/3.c"},
      {DataPath(data_file::DebugProgram), "/base/Debug/temp.exe"},
      {DataPath(data_file::WordListsRead, "key.txt"), "/base/Syntax/key.txt"},
      {DataPath(data_file::WordListsEdited, "Key.txt"), "/program/Syntax/Key.txt"},
      {DataPath(data_file::TipsTxt), "/program/Syntax/Tips.txt"},
      {DataPath(data_file::RecentAdded), "/base/recent.txt"},
      {DataPath(data_file::RecentListed), "/program/recent.txt"},
      {DataPath(data_file::LoginTxt), "/program/login.txt"},
      {DataPath(data_file::ExampleFolder, "01.c"), "/program/Example/01.c"},
      {DataPath(data_file::MenuPluginFolder, "a.so"), "/base/Plugin/a.so"},
      {DataPath(data_file::ProgramPluginFolder, "gcc.so"), "/program/Plugin/gcc.so"},
      {DataPath(data_file::LinkerLibrary), "/program/liblinker.so"},
      {DataPath(data_file::DebugMenuPicture), "/program/Resource/11.bmp"},
      {DefaultTxtPath(DataRoot::Base), "/base/default.txt"},
      {DefaultTxtPath(DataRoot::Program), "/program/default.txt"},
      // As stored, with no separator added.
      {CompilerPath("/Compiler/gcc"), "/base/Compiler/gcc"},
      {CompilerPath(""), "/base"},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(path, expected);
  OverrideProgramDir(std::nullopt);
  BaseDir.clear();
}

}  // namespace
