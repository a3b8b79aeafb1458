// The one export of liblinker.so, bound by name with GetProcAddress.
//
// BuildResource runs "<compilerPath> <sourceArgs>  -o   <outputPath>" through the command
// interpreter, hidden, and returns CR LF followed by everything the compiler wrote to its
// standard output and standard error, or null when it wrote nothing or could not be started.
// Past 16 MB of output the compiler is ended and a line saying so ends the result. Null arguments count as empty texts. The result belongs to the library and stays
// valid until the next call returns; copy it at once. A call made while a build is running
// (from a message dispatched during its wait) returns null at once and leaves that build alone.
#pragma once

extern "C" {

using BuildResourceFunction = const char* (*)(const char* sourceArgs, const char* compilerPath,
                                              const char* outputPath);

__attribute__((visibility("default"))) const char* BuildResource(const char* sourceArgs,
                                                                  const char* compilerPath,
                                                                  const char* outputPath);
}
