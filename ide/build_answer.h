// What a build came to, decided from texts alone: the analysis plug-in's answer as rows, the
// line a row names, and whether the program runs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One row of the answer "MESSAGE^&/LINE" + CR LF.
struct AnswerRow {
  std::string_view Message;
  std::string_view Line;
};

// The rows of the answer; a line without text after a separator is no row. The line is the last
// field, so a message may hold the separator itself (an #error text can) and stays whole.
std::vector<AnswerRow> AnswerRows(std::string_view answer);

// The number a line field begins with; full-width digits and blanks count as their ASCII forms.
int LineNumberValue(std::string_view field);
// The component line of a row's line number, counted as the line-number margin shows lines
// (from 1); below 0 for a number below 1.
int EditorLineOf(int lineNumber);

// The compiler's output as the analysis gets it: without the path of the source it was given.
std::string WithoutSourcePath(const std::string& output, const std::string& sourcePath);
// More than blanks and line ends: the analysis would have had something to show.
bool HoldsMessages(std::string_view output);

enum class RunDecision {
  Run,
  NotRunErrors,     // the compiler said why; its rows show it
  NotRunWarnings,   // a program was made, but the compiler warned
  NotRunNoProgram,  // nothing printed that forbids it, but no program was made
};

// The compiler printed nothing, or nothing but blanks (ASCII or full-width), or warned that the
// last line has no newline: then the program runs, provided this build made it. A program the build did
// not make is an earlier build's, and never runs in its place.
RunDecision DecideRun(const std::optional<std::string>& printed, bool programMade);

enum class StepOutcome {
  Made,                // the step made its file, whatever it warned
  FailedWithMessages,  // it made nothing, and its messages say why
  FailedSilently,      // it made nothing and printed nothing
};

// How a compile-only or link step ended. Whether it made its file decides, as a warning is no
// failure, and gcc leaves the object of an earlier compile as it was when the source has errors.
StepOutcome DecideStep(const std::optional<std::string>& printed, bool made);
