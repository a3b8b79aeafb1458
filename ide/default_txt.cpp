#include "ide/default_txt.h"

#include "ide/app_globals.h"
#include "ide/program_dir.h"

std::string DefaultTxtPath(SettingsFolder folder) {
  return (folder == SettingsFolder::Base ? BaseDir : ProgramDir()) + "/default.txt";
}
