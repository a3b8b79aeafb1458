// Placeholder until plug-ins are loaded: the table stays empty.
#include "ide/plugins.h"

void LoadPluginMenuEntries() {}
