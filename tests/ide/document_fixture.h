// The program running headless with a queue of answers for its dialogs: each message box or
// file dialog takes the next answer (none left: the box's default, a cancelled dialog), and
// every request is recorded in dialogs_.
#pragma once

#include <deque>

#include "framework/message_box.h"
#include "ide/main_window_definition.h"
#include "program_fixture.h"

class DocumentTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    framework::SetDialogAnswerer([this](const framework::DialogRequest& request) {
      dialogs_.push_back(request);
      if (answers_.empty()) return framework::DialogReply{};
      const framework::DialogReply answer = answers_.front();
      answers_.pop_front();
      return answer;
    });
  }

  void AnswerButton(int button) { answers_.push_back({button, std::nullopt, std::nullopt}); }
  // The file dialog's choice; the empty text chooses nothing.
  void AnswerPath(const std::string& path) { answers_.push_back({0, path, std::nullopt}); }
  // The file dialog's choice as the file system spells it, as the real dialog gives it.
  void AnswerNativePath(const std::string& nativePath) { answers_.push_back({0, std::nullopt, nativePath}); }

  std::string Part6() const { return StatusPart(kDocumentPathPart); }
  std::optional<std::string> BaseFile(const std::string& name) const { return platform::ReadWholeFile(PathOf(name)); }

  // The dialogs shown so far, each as its kind and text (a file dialog's caption).
  std::vector<std::string> DialogTexts() const {
    std::vector<std::string> texts;
    for (const framework::DialogRequest& request : dialogs_) {
      texts.push_back(request.kind == framework::DialogKind::MessageBox ? request.text : "[file dialog]");
    }
    return texts;
  }

  // An unsaved document with this text, as after typing.
  static void TypeDocument(const std::string& text) {
    Editor->SetText(text);
    IsSaved = 0;
  }

  std::deque<framework::DialogReply> answers_;
};
