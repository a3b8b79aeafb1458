// Placeholder until the web requests exist: the machine counts as offline, so the first-start
// flag stays set and a later start sends the ping.
#include "ide/web_service.h"

bool IsMachineOnline() { return false; }

void SendUsagePing() {}
