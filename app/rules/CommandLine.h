// The program's command line: vellum842 [FILE], --help and --version, and the options Qt's
// application object takes for itself (-platform, -style, ...). Read without an application
// object, so that --help and --version need no display.
#ifndef PAGEWRIGHT_COMMANDLINE_H
#define PAGEWRIGHT_COMMANDLINE_H

#include <QString>
#include <QStringList>

namespace pagewright
{

// The program's version as the window title and --version show it: "8.42".
QString ProgramVersion();

struct CommandLine {
    enum Action { Run, ShowHelp, ShowVersion, Fail };
    Action action = Run;
    QString file;  // Run: the FILE to open as a full, clean name; "" when none was given
    QString error; // Fail: what is wrong, in one line
};

// Reads the arguments (the program's name first); a relative FILE is taken from currentFolder.
CommandLine ParseCommandLine(const QStringList& arguments, const QString& currentFolder);

// What --help and --version print, each ending in a line end.
QString HelpText();
QString VersionText();

} // namespace pagewright

#endif
