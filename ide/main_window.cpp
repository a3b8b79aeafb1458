#include "ide/main_window.h"

framework::Form* MainWindow = nullptr;
