// One run of the compiler: what it builds from what, and what came of it.
#pragma once

#include <optional>
#include <string>
#include <variant>

// The editor's text, saved or not, written to a numbered file in Debug/ for the compiler.
struct EditorText {};
// A file the compiler is given: a source, or for a link an object.
struct InputFile {
  std::string path;
};
using BuildInput = std::variant<EditorText, InputFile>;

// A program, compiled and linked from a source or linked from an object.
struct ProgramAt {
  std::string path;
};
// An object compiled from a source ("-c"), beside it: the source's path + ".o".
struct ObjectBesideSource {};
using BuildProduct = std::variant<ProgramAt, ObjectBesideSource>;

struct BuildRequest {
  BuildInput from;
  BuildProduct makes;
};

// What the compiler did with the request.
struct BuildResult {
  std::string input;                   // the file it was given
  std::string output;                  // the file it was to write
  std::optional<std::string> printed;  // what it printed; nothing when it printed nothing
  bool wroteOutput = false;            // it wrote the output: a file there from before does not count
};

// Runs the configured compiler on the request and sets LastBuiltSource to the file it was given.
// The editor's text is built only when the user goes on past a character the code page lacks and
// its numbered file could be written (a message says so otherwise); then nothing comes back and
// no compiler runs.
std::optional<BuildResult> RunBuild(const BuildRequest& request);
