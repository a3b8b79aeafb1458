// The console window that stands in for "cmd.exe /k LINE": an xterm whose shell does what the
// console's interpreter would with LINE. Commands are joined by '&' (one inside quotes belongs
// to its word); "Title T" sets the window's title, "PAUSE" shows the usual prompt and waits for
// one key, "EXIT" closes the window; any other command runs through /bin/sh with the console
// as its input and output, so a program killed by a signal is reported by the shell's own line.
// Without EXIT the window stays open with a shell, as the interpreter's prompt would.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The program that shows the console.
inline constexpr char kConsoleProgram[] = "xterm";

// The arguments that start the console for the commands (UTF-8), the program's name first.
std::vector<std::string> ConsoleArguments(std::string_view commands);

// The /bin/sh script that the console runs for the commands.
std::string ConsoleScript(std::string_view commands);

}  // namespace platform
