// An editor made inside a shown, active parent widget that has a window handle, with helpers
// that reach its component directly.
#pragma once

#include <Qsci/qsciscintillabase.h>
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "editor/sci_editor.h"
#include "platform/window.h"

namespace test {

// Records the arguments of every call and answers with a fixed result.
struct RecordingHandler {
  EditorEventHandler Handler(int result = 0) {
    return [this, result](const EditorEventArgs& arguments) {
      calls.push_back(arguments);
      return result;
    };
  }
  std::vector<EditorEventArgs> calls;
};

class EditorFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    parent.resize(800, 600);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
    parentWindow = platform::WindowFromWidget(&parent);
  }

  // Creates the editor in the parent with the defaults and gives it the focus.
  void CreateFocused() {
    ASSERT_TRUE(editor.Create(parentWindow));
    platform::SetFocus(editor.GetEditorHandle());
    ASSERT_EQ(platform::GetFocus(), editor.GetEditorHandle());
  }

  QWidget* Component() const { return platform::WidgetFromWindow(editor.GetEditorHandle()); }

  std::string Text() {
    const auto length = static_cast<std::size_t>(editor.DirectCall(QsciScintillaBase::SCI_GETTEXTLENGTH));
    std::string text(length + 1, '\0');
    editor.DirectCall(QsciScintillaBase::SCI_GETTEXT, text.size(),
                      reinterpret_cast<platform::LPARAM>(text.data()));
    text.resize(length);
    return text;
  }

  void SetText(const std::string& text) {
    editor.DirectCall(QsciScintillaBase::SCI_SETTEXT, 0, reinterpret_cast<platform::LPARAM>(text.c_str()));
  }

  QWidget parent;
  platform::HWND parentWindow = nullptr;
  SciEditor editor;
};

}  // namespace test
