// Running a program's commands in a console window that the user reads and types into.
#pragma once

#include <string>

// Shows the commands of the line in a console and waits until it has closed; false, with a
// message, when no console could be started or it failed.
bool RunInConsole(const std::string& commands);
