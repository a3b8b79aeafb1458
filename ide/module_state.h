// The state that the IDE's modules keep between calls lives in each module, behind a reset of
// its own. This is the one list of those resets, which the start and the exit clean-up run, so
// that a program started again in the same process (as the tests start it) begins as the first
// one did.
#pragma once

// Frees the kept plug-in libraries and gives every module's state its first value.
void ResetModuleState();
