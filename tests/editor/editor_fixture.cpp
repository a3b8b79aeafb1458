#include "editor_fixture.h"

#include "platform/window.h"

void EditorFixture::SetUp() {
  parent.resize(640, 480);
  ASSERT_TRUE(editor.Create(platform::WindowFromWidget(&parent)));
  component = qobject_cast<QsciScintillaBase*>(platform::WidgetFromWindow(editor.GetEditorHandle()));
  ASSERT_NE(component, nullptr);
}

long EditorFixture::Component(unsigned int message, unsigned long wParam, long lParam) {
  return component->SendScintilla(message, wParam, lParam);
}

long EditorFixture::Component(unsigned int message, unsigned long wParam, const void* lParam) {
  return component->SendScintilla(message, wParam, reinterpret_cast<long>(lParam));
}

std::string EditorFixture::ComponentText() {
  std::string text(static_cast<std::size_t>(Component(2006)) + 1, '\0');
  Component(2182, text.size(), text.data());
  text.pop_back();
  return text;
}

void EditorFixture::RecordWindowMessages() { recorder.emplace(editor.GetEditorHandle()); }

int EditorFixture::TimesRecorded(platform::UINT message) const {
  return static_cast<int>(recorder->Received(message).size());
}

void EditorFixture::ForgetRecorded() { recorder->Clear(); }
