// Placeholder until plug-ins are loaded: nothing binds, the table stays empty and no entry runs.
#include "ide/plugins.h"

bool BindPluginExport(const std::string&, const std::string&) { return false; }

void* BoundPluginExport() { return nullptr; }

void LoadPluginMenuEntries() {}

void RunPluginMenuCommand(int) {}
