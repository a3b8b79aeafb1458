#include "ide/config_ini.h"

#include "ide/app_globals.h"

std::string ConfigIniPath() { return BaseDir + "/config.ini"; }
