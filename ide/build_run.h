// Compile, link and run the editor's program with the configured compiler, and the compiler's
// messages as rows of the output list and marks in the editor.
#pragma once

#include <optional>
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

// What a build came to: whether the compiler ran, what it printed (nothing when it printed
// nothing), and whether it wrote its output file (a file there from before counts only when this
// build rewrote it).
struct BuildOutput {
  bool compiled = false;
  std::optional<std::string> printed;
  bool made = false;
};

// Runs the compiler. Mode 1 lets an empty source stand for the editor's text, written to a
// numbered file in Debug/, and an empty output path become Debug/temp.exe (outputPath is set
// to it). An empty selector builds a program; any other compiles only, to the source + ".o".
// When the numbered file cannot be written nothing is compiled, and a message says so.
BuildOutput BuildProgram(int mode, std::string& outputPath, const std::string& sourcePath, const std::string& selector);
// Clears every marker-1 line, hands the output (without the path of the last built source) to
// the configured analysis plug-in and shows its answer as error rows and marks. Without a
// bound plug-in the rows stay as they were, and a message names the plug-in and the loader's
// reason when the output holds messages it would have shown.
void AnalyseBuildOutput(const std::string& output);
