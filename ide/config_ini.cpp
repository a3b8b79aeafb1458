#include "ide/config_ini.h"

#include "ide/data_files.h"

std::string ConfigIniPath() { return DataPath(data_file::ConfigIni); }
