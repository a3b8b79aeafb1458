// The program's command line as a Windows program sees it: one text after the program's own
// name, which the program splits into its arguments itself.
#pragma once

#include <string>
#include <vector>

// Set once by main; tests set it before starting the program.
void SetCommandLineText(std::string text);
const std::string& CommandLineText();

// The text a shell would hand over for these arguments: joined by blanks, an argument that
// holds a blank or control character put in double quotes unless it holds a quote itself.
std::string CommandLineFromArguments(const std::vector<std::string>& arguments);

// The program's arguments as the system hands them over (in the file system's encoding), as
// code-page texts. One that the code page cannot hold is left out, after a message naming it.
std::vector<std::string> ArgumentsInCodePage(const std::vector<std::string>& nativeArguments);

// Arguments separated by blanks and control characters; one that begins with a double quote
// runs to the next double quote (or the end), may hold blanks and loses its quotes.
std::vector<std::string> SplitCommandLine(const std::string& text);
