// Placeholder until the hot keys exist: none is registered and every id stays 0.
#include "ide/hot_keys.h"

void RegisterHotKeys() {}
