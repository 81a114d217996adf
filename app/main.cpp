// vellum842, the Pagewright program.
#include "rules/CommandLine.h"
#include "window/Program.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace
{

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Whether Qt will find somewhere to show the window: the platform asked for (-platform, else
// QT_QPA_PLATFORM, a list separated by ";") needs no display server, or the one it needs is
// named in the environment. Without a platform Qt picks Wayland or X11.
bool DisplayAvailable(int argc, char** argv)
{
    const char* requested = std::getenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string_view(argv[i]) == "-platform" || std::string_view(argv[i]) == "--platform")
            requested = argv[i + 1];
    std::string_view platforms = requested ? requested : "";
    if (platforms.empty())
        return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
    while (!platforms.empty()) {
        const std::string_view entry = platforms.substr(0, platforms.find(';'));
        platforms.remove_prefix(std::min(platforms.size(), entry.size() + 1));
        const std::string_view name = entry.substr(0, entry.find(':'));
        if (name == "xcb" ? IsSet("DISPLAY") : name.starts_with("wayland") ? IsSet("WAYLAND_DISPLAY") : true)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // The command line is read before any application object: --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    const pagewright::CommandLine command = pagewright::ParseCommandLine(arguments, QDir::currentPath());
    switch (command.action) {
    case pagewright::CommandLine::ShowHelp:
        std::fputs(pagewright::HelpText().toLocal8Bit().constData(), stdout);
        return 0;
    case pagewright::CommandLine::ShowVersion:
        std::fputs(pagewright::VersionText().toLocal8Bit().constData(), stdout);
        return 0;
    case pagewright::CommandLine::Fail:
        std::fprintf(stderr, "vellum842: %s\nTry 'vellum842 --help' for more information.\n",
                     command.error.toLocal8Bit().constData());
        return 2;
    case pagewright::CommandLine::Run:
        break;
    }

    // Qt aborts when it finds no display; say what to do instead, before it starts.
    if (!DisplayAvailable(argc, argv)) {
        std::fputs("vellum842: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); start it under "
                   "Xvfb with: xvfb-run -a vellum842\n",
                   stderr);
        return 1;
    }
    return pagewright::RunProgram(argc, argv, command.file);
}
