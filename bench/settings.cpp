// Measures the settings window with 4000 words, each with a tip in Syntax/Tips.txt: from the
// toolbar click to the filled window, and the click on 保存！ until every file is written.
// Prints the median of several runs.
#include <sys/stat.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/button.h"
#include "framework/list_view.h"
#include "ide/main_toolbar.h"
#include "ide/main_window_definition.h"
#include "ide/settings_window.h"
#include "ide/settings_window_definition.h"
#include "platform/file_system.h"
#include "measure_in_program.h"
#include "tests/support/temporary_folder.h"

namespace {

constexpr int kRuns = 5;
constexpr int kWords = 4000;

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Words spread over the three lists as the shipped ones are, each with a tip of a line's length.
bool WriteWordLists(const std::string& folder) {
  const char* lists[] = {"Order.txt", "key.txt", "Conest.txt"};
  std::string words[3];
  std::string tips;
  for (int i = 0; i < kWords; ++i) {
    const std::string word = "word" + std::to_string(i);
    words[i % 3] += word + " ";
    tips += "[" + word + "]\r\ntip=int " + word + "(const char* text, int count, 中文说明)\r\n";
  }
  const std::string syntax = folder + "/Syntax/";
  if (mkdir(syntax.c_str(), 0755) != 0) return false;
  for (int i = 0; i < 3; ++i) {
    if (!platform::WriteWholeFile(syntax + lists[i], words[i])) return false;
  }
  return platform::WriteWholeFile(syntax + "Tips.txt", tips);
}

struct Run {
  double open;
  double save;
};

Run MeasureOnce() {
  Run run{};
  auto start = Clock::now();
  OnMainWindowToolbarButtonClick(kSettingsButton);
  QCoreApplication::processEvents();  // the list lays its rows out
  run.open = SecondsSince(start);
  auto* save = static_cast<QAbstractButton*>(SettingsWindow->Find<framework::Button>(kSaveWordsButton)->Widget());
  start = Clock::now();
  save->click();
  run.save = SecondsSince(start);
  SettingsWindow->Destroy();
  return run;
}

double Median(std::vector<double> seconds) {
  std::sort(seconds.begin(), seconds.end());
  return seconds[seconds.size() / 2];
}

void Measure() {
  std::vector<double> opens;
  std::vector<double> saves;
  for (int i = 0; i < kRuns; ++i) {
    const Run run = MeasureOnce();
    opens.push_back(run.open);
    saves.push_back(run.save);
  }
  OnMainWindowToolbarButtonClick(kSettingsButton);
  const int rows = SettingsWindow->Find<framework::ListView>(kWordList)->RowCount();
  SettingsWindow->Destroy();
  std::printf("settings window with %d words: open median %.3f s (worst %.3f s), save median %.3f s (worst %.3f s)\n",
              rows, Median(opens), *std::max_element(opens.begin(), opens.end()), Median(saves),
              *std::max_element(saves.begin(), saves.end()));
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = MakeTemporaryFolder("tavo-bench");
  const int result = WriteWordLists(folder) ? MeasureInProgram(argc, argv, folder, Measure) : 1;
  std::system(("rm -rf '" + folder + "'").c_str());
  return result;
}
