// Runs the program: the application object, the main window's start-up and the event loop.
#ifndef PAGEWRIGHT_PROGRAM_H
#define PAGEWRIGHT_PROGRAM_H

#include <functional>

namespace pagewright
{

class MainWindow;

// afterShown, when given, runs once the main window has been shown and its first events
// processed (used by the start-up benchmark).
int RunProgram(int argc, char** argv, const std::function<void(MainWindow&)>& afterShown = {});

} // namespace pagewright

#endif
