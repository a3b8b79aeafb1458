#include "ide/data_files.h"

#include "ide/app_globals.h"
#include "ide/program_dir.h"

namespace {

std::string RootFolder(DataRoot root) { return root == DataRoot::Base ? BaseDir : ProgramDir(); }

}  // namespace

std::string DataPath(const DataFile& file) { return RootFolder(file.root) + "/" + file.path; }

std::string DataPath(const DataFile& folder, std::string_view name) {
  return DataPath(folder) + "/" + std::string(name);
}

std::string DefaultTxtPath(DataRoot root) { return DataPath({root, "default.txt"}); }

std::string CompilerPath(const std::string& configured) { return RootFolder(DataRoot::Base) + configured; }
