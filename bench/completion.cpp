// Keystroke to refilled completion list, through the real character handler on a real editor
// (offscreen), with a completion index of 20 000 words: ASCII names and GB2312 Chinese words.
// Then End and a keystroke at the end of a 10 MB single line; a key and a Backspace at the start
// of a 10 MB file; and opening a 10 MB file until its text has been painted.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "framework/dialog_seam.h"
#include "framework/form.h"
#include "framework/list_view.h"
#include "framework/message_loop.h"
#include "framework/program_end.h"
#include "ide/app_globals.h"
#include "ide/command_line.h"
#include "ide/completion_list.h"
#include "ide/documents.h"
#include "ide/editor_view_handlers.h"
#include "ide/enclosing_bracket.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "ide/program_dir.h"
#include "ide/program_start.h"
#include "platform/file_system.h"
#include "platform/window.h"
#include "tests/support/temporary_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWords = 20000;
constexpr int kKeystrokes = 200;

// Half ASCII names, half words of two to four GB2312 hanzi (code points B0A1 to D7F9).
std::string WordList() {
  std::mt19937 random(7);
  std::string words;
  for (int i = 0; i < kWords; ++i) {
    const int length = 2 + static_cast<int>(random() % 3);
    for (int c = 0; c < length * (i % 2 == 0 ? 3 : 1); ++c) {
      if (i % 2 == 0) {
        words += static_cast<char>('a' + random() % 26);
      } else {
        words += static_cast<char>(0xB0 + random() % 40);
        words += static_cast<char>(0xA1 + random() % 89);
      }
    }
    words += ' ';
  }
  return words;
}

QWidget* EditingWidget() { return platform::WidgetFromWindow(Editor->GetEditorHandle()); }

double Milliseconds(const std::function<void()>& run) {
  const Clock::time_point start = Clock::now();
  run();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One key through the editing window as a user's would come, until what it posted has been
// handled (the list is refilled by then; painting is left to the screen's pace).
double PressMilliseconds(Qt::Key key, const QString& text) {
  QWidget* editor = EditingWidget();
  const Clock::time_point start = Clock::now();
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(editor, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(editor, &release);
  QCoreApplication::processEvents();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Type(const char* letters) {
  for (const char* c = letters; *c != '\0'; ++c) PressMilliseconds(Qt::Key(Qt::Key_A + (*c - 'a')), QString(QChar(*c)));
}

void Report(const char* what, std::vector<double> times, int rows) {
  std::sort(times.begin(), times.end());
  std::printf("%-42s rows %5d  median %7.2f ms  slowest %7.2f ms\n", what, rows, times[times.size() / 2],
              times.back());
}

// Before each measured key the editor is emptied and the unmeasured letters typed.
void MeasurePrefix(const char* what, const char* before, char last) {
  std::vector<double> times;
  int rows = 0;
  for (int i = 0; i < kKeystrokes; ++i) {
    Editor->ClearAll();
    Type(before);
    times.push_back(PressMilliseconds(Qt::Key(Qt::Key_A + (last - 'a')), QString(QChar(last))));
    rows = MainWindow->Find<framework::ListView>(kCompletionList)->RowCount();
  }
  Report(what, times, rows);
}

void MeasureLongLine() {
  std::string line;
  const std::string piece = "printf(\"%d\\n\", a[i]); x = (y + 1) * z; ";
  while (line.size() < 10 * 1024 * 1024) line += piece;
  Editor->SetText(line);
  Editor->GotoPos(0);
  QCoreApplication::processEvents();
  std::vector<double> end;
  std::vector<double> key;
  std::vector<double> bracket;
  std::vector<double> handler;
  std::vector<double> update;
  for (int i = 0; i < 5; ++i) {
    Editor->GotoPos(0);
    QCoreApplication::processEvents();
    end.push_back(PressMilliseconds(Qt::Key_End, QString()));
    // The handlers alone: what End ran after the caret moved (of it, the bracket scan), and the
    // character handler as the key below runs it before the component types.
    update.push_back(Milliseconds(OnEditorUpdateUi));
    bracket.push_back(Milliseconds(HighlightEnclosingBracket));
    handler.push_back(Milliseconds([] { OnEditorChar('q'); }));
    key.push_back(PressMilliseconds(Qt::Key_Q, "q"));
  }
  const int rows = MainWindow->Find<framework::ListView>(kCompletionList)->RowCount();
  Report("End on a 10 MB single line", end, 0);
  Report("OnEditorUpdateUi at its end", update, 0);
  Report("HighlightEnclosingBracket at its end", bracket, 0);
  Report("OnEditorChar at the end of a 10 MB line", handler, rows);
  Report("keystroke at the end of a 10 MB line", key, rows);
}

// Lines of C as a learner writes them, Chinese comments and texts among them, to 10 MB.
std::string TenMegabytesOfC() {
  const std::string lines =
      "int main()\r\n{\r\n    int count = 0;  // 计数\r\n    printf(\"次数：%d\\n\", count);\r\n}\r\n";
  std::string text;
  while (text.size() < 10 * 1024 * 1024) text += lines;
  return text;
}

void MeasureStartOfBigFile() {
  Editor->SetText(TenMegabytesOfC());
  QCoreApplication::processEvents();
  std::vector<double> key;
  std::vector<double> backspace;
  for (int i = 0; i < 5; ++i) {
    Editor->GotoPos(0);
    QCoreApplication::processEvents();
    key.push_back(PressMilliseconds(Qt::Key_Q, "q"));
    Editor->GotoPos(0);
    QCoreApplication::processEvents();
    backspace.push_back(PressMilliseconds(Qt::Key_Backspace, "\b"));
  }
  Report("key at the start of a 10 MB file", key, 0);
  Report("Backspace at the start of a 10 MB file", backspace, 0);
}

// Counts the paintings of the editor's text area.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// From the file on disk to its text painted in the editor.
void MeasureOpening() {
  const std::string path = ProgramDir() + "/big.c";
  platform::WriteWholeFile(path, TenMegabytesOfC());
  QWidget* viewport = static_cast<QAbstractScrollArea*>(EditingWidget())->viewport();
  PaintCounter counter;
  viewport->installEventFilter(&counter);
  std::vector<double> times;
  for (int i = 0; i < 5; ++i) {
    Editor->ClearAll();
    QCoreApplication::processEvents();
    counter.paints = 0;
    times.push_back(Milliseconds([&] {
      LoadFileAsDocument(path);
      while (counter.paints == 0) QCoreApplication::processEvents();
    }));
  }
  viewport->removeEventFilter(&counter);
  Report("opening a 10 MB file to painted text", times, 0);
}

void Measure() {
  QWidget* top = platform::WidgetFromWindow(MainWindow->Handle());
  top->activateWindow();
  Editor->GrabFocus();
  QCoreApplication::processEvents();
  MeasurePrefix("one-letter prefix", "", 's');
  // The first word of the list, an ASCII name, begins the three letters.
  const std::string three = WordList().substr(0, 3);
  MeasurePrefix("three-letter prefix", three.substr(0, 2).c_str(), three[2]);
  MeasureLongLine();
  MeasureStartOfBigFile();
  MeasureOpening();
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const std::string dir = MakeTemporaryFolder("tavo-bench");
  if (dir.empty() || chdir(dir.c_str()) != 0) return 1;
  mkdir((dir + "/Syntax").c_str(), 0755);
  platform::WriteWholeFile(dir + "/Syntax/h.txt", WordList());
  OverrideProgramDir(dir);
  SetCommandLineText("a.c");
  framework::SetDialogAnswerer([](const framework::DialogRequest&) { return framework::DialogReply{}; });

  QApplication application(argc, argv);
  QTimer::singleShot(0, [] {
    Measure();
    const std::vector<framework::Form*> open = framework::LiveWindows();
    for (framework::Form* form : open) form->Destroy();
  });
  framework::RunProgram(ProgramStart);
  std::system((std::string("rm -rf ") + dir).c_str());
  return 0;
}
