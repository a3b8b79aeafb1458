// gcc's messages as the environment's output list wants them. The text that reaches the plug-in
// has the source's path removed, so a message about the source begins ":LINE:COL: ".
#pragma once

#include <string>
#include <string_view>

// One line "message^&/line" + CR LF per error, fatal error and warning, the message being the
// kind and the text ("error: expected ';' before 'return'"). Messages without a line of the
// source (the linker's, the driver's, those about another file) get line 0; lines of context
// (the function, notes, "compilation terminated.") get none. Output that holds no message at
// all but is not blank (the shell could not start the compiler) gives one line of its own: its
// first line, with line 0. A message may itself hold "^&/": the line is the last field.
std::string AnalyseGccMessages(std::string_view output);
