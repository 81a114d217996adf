// Runs the program: the application object, the main window's start-up and the event loop.
#ifndef PAGEWRIGHT_PROGRAM_H
#define PAGEWRIGHT_PROGRAM_H

#include <QString>

#include <functional>

namespace pagewright
{

class MainWindow;

// file, when not empty, is a full name opened in the tab that takes it once the window is up.
// afterShown, when given, runs once the main window has been shown and its first events
// processed (used by the start-up benchmark). The file names are saved when the program ends by
// Quit, by closing the window, by the end of the desktop session or by SIGTERM.
int RunProgram(int argc, char** argv, const QString& file = {},
               const std::function<void(MainWindow&)>& afterShown = {});

} // namespace pagewright

#endif
