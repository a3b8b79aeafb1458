// The tavo program: Qt first, then the framework's run of the program's own entry.
#include <QApplication>
#include <QStringList>
#include <string>
#include <vector>

#include "framework/program_end.h"
#include "ide/command_line.h"
#include "ide/program_start.h"
#include "platform/code_page.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QStringList arguments = QApplication::arguments();
  std::vector<std::string> texts;
  for (qsizetype i = 1; i < arguments.size(); ++i) texts.push_back(platform::QStringToAnsi(arguments[i]));
  SetCommandLineText(CommandLineFromArguments(texts));
  return framework::RunProgram(ProgramStart);
}
