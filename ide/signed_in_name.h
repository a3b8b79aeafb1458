// The signed-in user's display name from login.txt in ProgramDir: in the title, and as the
// "Welcome" button in place of the sign-in button.
#pragma once

void ShowSignedInName();
