#include "ide/main_toolbar.h"

#include "ide/commands.h"

void OnMainWindowToolbarButtonClick(int index) { DispatchCommand(CommandSource::Toolbar, index); }
