// The signed-in user's display name from login.txt in ProgramDir: in the title, and as the
// "Welcome" button in place of the sign-in button.
#pragma once

#include <string>

void ShowSignedInName();
// The main window's title with the name after it: the current name once, whoever signed in
// before.
void ShowNameInTitle(const std::string& name);
