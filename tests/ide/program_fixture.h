// Runs the real program start in-process and headless, inside a temporary base directory that
// a test fills with data files; ProgramDir is a folder of its own below it, so a test can tell
// which base each file is read from. Every dialog is answered, and the end of the process is
// replaced by a record of its exit code.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "framework/dialog_seam.h"
#include "framework/form.h"
#include "framework/message_loop.h"
#include "framework/program_end.h"
#include "framework/status_bar.h"
#include "ide/app_globals.h"
#include "ide/command_line.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "ide/main_window_start.h"
#include "ide/program_dir.h"
#include "ide/program_start.h"
#include "platform/connected_state.h"
#include "platform/file_system.h"
#include "tests/support/temp_dir_fixture.h"

// The text of a part of the main window's status bar.
inline std::string StatusPart(int part) {
  return MainWindow->Find<framework::StatusBar>(kMainStatusBar)->PartText(part);
}

class ProgramTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    savedWorkingDir_ = platform::WorkingDirectory();
    ASSERT_EQ(chdir(Dir().c_str()), 0);
    ASSERT_EQ(mkdir(ProgramPath("").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(PathOf("Syntax").c_str(), 0755), 0);
    OverrideProgramDir(ProgramPath(""));
    // Offline unless a test says otherwise: a start never asks beyond this machine.
    platform::SetConnectedStateProbe([] { return false; });
    framework::SetDialogAnswerer([this](const framework::DialogRequest& request) {
      dialogs_.push_back(request);
      return framework::DialogReply{};
    });
    framework::SetProcessEnder([this](int code) {
      endCodes_.push_back(code);
      editorLeftAtEnd_ = Editor != nullptr;
    });
  }

  void TearDown() override {
    const std::vector<framework::Form*> open = framework::LiveWindows();
    for (framework::Form* form : open) form->Destroy();
    // The destroyed windows' forms are freed before the clean-up, as the program's loop frees them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    OnProgramExit();
    framework::SetExitRoutine(nullptr);
    framework::SetProcessEnder(nullptr);
    framework::SetDialogAnswerer(nullptr);
    SetCommandLineText("");
    OverrideProgramDir(std::nullopt);
    platform::SetConnectedStateProbe(nullptr);
    ASSERT_EQ(chdir(savedWorkingDir_.c_str()), 0);
    TempDirTest::TearDown();
  }

  // A file below the base directory (the working directory) or below ProgramDir.
  void WriteBaseFile(const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(platform::WriteWholeFile(PathOf(name), bytes)) << name;
  }
  void WriteProgramFile(const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(platform::WriteWholeFile(ProgramPath(name), bytes)) << name;
  }
  std::string ProgramPath(const std::string& name) const { return PathOf("program/" + name); }

  // Runs ProgramStart; once its message loop runs, calls whileRunning and then destroys the
  // windows the test has left open (the start window too). Returns ProgramStart's result after
  // the exit clean-up of the normal end.
  int RunProgram(const std::function<void()>& whileRunning) {
    QTimer::singleShot(0, [&] {
      whileRunning();
      const std::vector<framework::Form*> open = framework::LiveWindows();
      for (framework::Form* form : open) form->Destroy();
    });
    return framework::RunProgram(ProgramStart);
  }

  std::string EditorText() const { return Editor->GetTextRange(0, Editor->GetLength()); }

  std::vector<framework::DialogRequest> dialogs_;
  std::vector<int> endCodes_;
  bool editorLeftAtEnd_ = false;

 private:
  std::string savedWorkingDir_;
};
