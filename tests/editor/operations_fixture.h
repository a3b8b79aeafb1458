// An editor created in its parent for the tests of the component message operations, with a way
// to ask its component directly and a recorder of the messages that pass the editing window.
#pragma once

#include <optional>

#include "editor_fixture.h"
#include "tests/support/recording_subclass.h"

class OperationsFixture : public test::EditorFixture {
 public:
  // Sends a message to the component itself, bypassing the editor object.
  long SendToComponent(unsigned int message, unsigned long wParam = 0, long lParam = 0);
  long SendToComponent(unsigned int message, unsigned long wParam, const void* lParam);
  // The component's whole text, as its bytes.
  using test::EditorFixture::Text;

  // Records every message that reaches the editing window's procedure from now on.
  void RecordWindowMessages();
  int TimesRecorded(platform::UINT message) const;
  void ForgetRecorded();

 protected:
  void SetUp() override;

  // Goes before the editor puts its windows' procedures back.
  std::optional<test::RecordingSubclass> recorder;
};
