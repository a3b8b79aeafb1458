// Placeholder until plug-ins are loaded: the table stays empty and no entry runs.
#include "ide/plugins.h"

void LoadPluginMenuEntries() {}

void RunPluginMenuCommand(int) {}
