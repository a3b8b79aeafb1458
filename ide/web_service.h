// The vendor's web service: the online test and the usage ping of the first start.
#pragma once

bool IsMachineOnline();
void SendUsagePing();
