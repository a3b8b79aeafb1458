// Compile, link and run the editor's program with the configured compiler, and the compiler's
// messages as rows of the output list and marks in the editor.
#pragma once

#include <string>

// Builds the editor's text to Debug/temp.exe and runs it in a console when it built cleanly.
void CompileAndRun();
// Compiles the document to an object file beside its source; the last row says whether it made one.
void CompileOnly();
// Links the object file of the last compile that made one; a row says so when there is none.
void LinkProgram();
// Runs the program of the last link in a console, provided that link made it as a clean build
// makes it and no compile came since; otherwise a row says why nothing ran.
void RunLinkedProgram();
// Forgets what the separate steps hand on.
void ResetSeparateBuild();

// Clears every marker-1 line, hands the output (without the path of the last built source) to
// the configured analysis plug-in and shows its answer as error rows and marks. Without a
// bound plug-in the rows stay as they were, and a message names the plug-in and the loader's
// reason when the output holds messages it would have shown.
void AnalyseBuildOutput(const std::string& output);
