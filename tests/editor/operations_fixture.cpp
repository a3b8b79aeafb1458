#include "operations_fixture.h"

void OperationsFixture::SetUp() {
  test::EditorFixture::SetUp();
  ASSERT_TRUE(editor.Create(parentWindow));
}

long OperationsFixture::SendToComponent(unsigned int message, unsigned long wParam, long lParam) {
  return static_cast<QsciScintillaBase*>(Component())->SendScintilla(message, wParam, lParam);
}

long OperationsFixture::SendToComponent(unsigned int message, unsigned long wParam, const void* lParam) {
  return SendToComponent(message, wParam, reinterpret_cast<long>(lParam));
}

void OperationsFixture::RecordWindowMessages() { recorder.emplace(editor.GetEditorHandle()); }

int OperationsFixture::TimesRecorded(platform::UINT message) const {
  return static_cast<int>(recorder->Received(message).size());
}

void OperationsFixture::ForgetRecorded() { recorder->Clear(); }
