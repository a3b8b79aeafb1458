// The message box call with the Windows buttons, icons and answers.
#pragma once

#include <string>

#include "platform/win_types.h"

namespace framework {

class Form;

// Buttons.
constexpr platform::UINT MB_OK = 0x00;
constexpr platform::UINT MB_OKCANCEL = 0x01;
constexpr platform::UINT MB_YESNOCANCEL = 0x03;
constexpr platform::UINT MB_YESNO = 0x04;
constexpr platform::UINT MB_TYPEMASK = 0x0F;
// Icons.
constexpr platform::UINT MB_ICONERROR = 0x10;  // the stop sign, also called MB_ICONHAND
constexpr platform::UINT MB_ICONQUESTION = 0x20;
constexpr platform::UINT MB_ICONWARNING = 0x30;
constexpr platform::UINT MB_ICONINFORMATION = 0x40;
constexpr platform::UINT MB_ICONMASK = 0xF0;
// Answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The caption of a box that is given none.
extern const char* const kDefaultMessageCaption;

// Shows a box modal to the program's windows and returns the button chosen. An empty caption
// shows kDefaultMessageCaption; owner may be null.
int MessageBox(const std::string& text, const std::string& caption = std::string(), platform::UINT style = MB_OK,
               const Form* owner = nullptr);

// An error box whose text is followed by a path as the file system spells it, which the code
// page may not hold.
void ShowPathMessage(const std::string& text, const std::string& nativePath);
// The message that a path cannot be used because the code page cannot hold it.
void ShowPathCannotBeUsed(const std::string& nativePath);

}  // namespace framework
