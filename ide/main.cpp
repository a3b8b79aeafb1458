// The tavo program: Qt first, then the framework's run of the program's own entry.
#include <QApplication>
#include <string>
#include <vector>

#include "framework/program_end.h"
#include "ide/command_line.h"
#include "ide/program_start.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Qt has taken its own arguments out of argv by now.
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  SetCommandLineArguments(ArgumentsInCodePage(arguments));
  return framework::RunProgram(ProgramStart);
}
