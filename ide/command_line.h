// The program's arguments after its own name.
#pragma once

#include <string>
#include <vector>

// Set once by main from what the system hands over: already split, so an argument keeps every
// blank and quote it holds.
void SetCommandLineArguments(std::vector<std::string> arguments);
// The arguments of a command line given as one text, split as SplitCommandLine does; tests and
// benchmarks start the program this way.
void SetCommandLineText(const std::string& text);
const std::vector<std::string>& CommandLineArguments();

// The program's arguments as the system hands them over (in the file system's encoding), as
// code-page texts. One that the code page cannot hold is left out, after a message naming it.
std::vector<std::string> ArgumentsInCodePage(const std::vector<std::string>& nativeArguments);

// Arguments separated by blanks and control characters; one that begins with a double quote
// runs to the next double quote (or the end), may hold blanks and loses its quotes.
std::vector<std::string> SplitCommandLine(const std::string& text);
