// An editor created in an offscreen parent, with direct access to its component for observing
// what the operations did, and a recorder of the messages that pass the editing window.
#pragma once

#include <Qsci/qsciscintillabase.h>
#include <gtest/gtest.h>

#include <QWidget>
#include <optional>
#include <string>

#include "editor/sci_editor.h"
#include "tests/platform/recording_subclass.h"

class EditorFixture : public ::testing::Test {
 public:
  // Sends a message to the component itself, bypassing the editor object.
  long Component(unsigned int message, unsigned long wParam = 0, long lParam = 0);
  long Component(unsigned int message, unsigned long wParam, const void* lParam);
  // The component's whole text, as its bytes.
  std::string ComponentText();

  // Records every message that reaches the editing window's procedure from now on.
  void RecordWindowMessages();
  int TimesRecorded(platform::UINT message) const;
  void ForgetRecorded();

 protected:
  void SetUp() override;

  // The editor outlives its windows, which go with their parent; the recorder goes first.
  SciEditor editor;
  QWidget parent;
  QsciScintillaBase* component = nullptr;
  std::optional<test::RecordingSubclass> recorder;
};
