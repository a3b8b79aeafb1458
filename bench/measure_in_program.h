// The real program started headless for a benchmark: a run measures what it needs once the
// program's message loop runs.
#pragma once

#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <string>
#include <vector>

#include "framework/dialog_seam.h"
#include "framework/form.h"
#include "framework/message_loop.h"
#include "framework/program_end.h"
#include "ide/program_dir.h"
#include "ide/program_start.h"

// Starts the program in `folder`, its base and program directory, with every dialog answered
// by its default; runs `measure` from its message loop, then closes every window. Returns the
// program's result, or 1 when the folder cannot be entered.
inline int MeasureInProgram(int argc, char** argv, const std::string& folder, void (*measure)()) {
  if (folder.empty() || chdir(folder.c_str()) != 0) return 1;
  OverrideProgramDir(folder);
  QApplication application(argc, argv);
  framework::SetDialogAnswerer([](const framework::DialogRequest&) { return framework::DialogReply{}; });
  QTimer::singleShot(0, [measure] {
    measure();
    const std::vector<framework::Form*> open = framework::LiveWindows();
    for (framework::Form* form : open) form->Destroy();
  });
  return framework::RunProgram(ProgramStart);
}
