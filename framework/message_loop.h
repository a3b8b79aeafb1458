// The program's windows and its message loop, which ends once the last of them is destroyed.
#pragma once

#include <vector>

namespace framework {

class Form;

// Runs the loop until the last window of the program has been destroyed and every destroyed
// window is gone; returns at once when there is none. Returns 0.
int RunMessageLoop();

// The windows of the program that have been created and not yet destroyed, oldest first.
const std::vector<Form*>& LiveWindows();

// Form's bookkeeping: the loop is asked to quit when the last live window is removed.
void AddLiveWindow(Form* window);
void RemoveLiveWindow(Form* window);

}  // namespace framework
