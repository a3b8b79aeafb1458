// One word for the command interpreter (/bin/sh): a path put into a command line goes through
// ShellQuoted, so blanks, ';', '$( )', backquotes and quotes in it stay part of the word.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The word in single quotes, each single quote inside written as '\''.
std::string ShellQuoted(std::string_view word);

}  // namespace platform
