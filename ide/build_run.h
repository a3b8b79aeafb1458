// Compile, link and run the editor's program with the configured compiler.
#pragma once

// Builds the editor's text to Debug/temp.exe and runs it in a console when it built cleanly.
void CompileAndRun();
// Compiles the document to an object file beside its source.
void CompileOnly();
// Links the object file of the last compile.
void LinkProgram();
// Runs the program the last link made in a console.
void RunLinkedProgram();
