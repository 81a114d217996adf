#include "window/Program.h"

#include "library/ConversionLibrary.h"
#include "window/MainWindow.h"
#include "platform/QtPlatform.h"
#include "rules/ProgramText.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <memory>
#include <utility>
#include <sys/socket.h>
#include <unistd.h>

// Where an installation puts the data files and the conversion library, seen from the folder of
// the installed program (set by the build from the install folders).
#ifndef PAGEWRIGHT_DATA_FROM_BIN
#define PAGEWRIGHT_DATA_FROM_BIN "../share/pagewright"
#endif
#ifndef PAGEWRIGHT_LIBRARY_FROM_BIN
#define PAGEWRIGHT_LIBRARY_FROM_BIN "../lib"
#endif

namespace pagewright
{
namespace
{

// The first of the folders that holds the file, or the first folder when none does (so that the
// failure names where the program looked first).
QString FolderHolding(const QStringList& folders, const QString& file)
{
    for (const QString& folder : folders)
        if (QFileInfo::exists(QDir(folder).filePath(file)))
            return QDir::cleanPath(folder);
    return folders.first();
}

// SIGTERM (what a logout or a service manager sends) ends the event loop as a normal quit does,
// so that what runs at a quit runs. The handler only writes a byte into a socket pair; the event
// loop reads it.
int g_signalSocket[2] = {-1, -1};

extern "C" void TerminationHandler(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalSocket[0], &byte, 1);
    errno = saved;
}

class TerminationWatch
{
public:
    TerminationWatch()
    {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalSocket) != 0)
            return;
        m_notifier = std::make_unique<QSocketNotifier>(g_signalSocket[1], QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [] {
            char byte;
            [[maybe_unused]] const ssize_t read = ::read(g_signalSocket[1], &byte, 1);
            QCoreApplication::exit(0);
        });
        struct sigaction action = {};
        action.sa_handler = TerminationHandler;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGTERM, &action, nullptr);
    }
    ~TerminationWatch()
    {
        if (!m_notifier)
            return;
        std::signal(SIGTERM, SIG_DFL);
        m_notifier.reset();
        for (int& fd : g_signalSocket)
            ::close(std::exchange(fd, -1));
    }
    TerminationWatch(const TerminationWatch&) = delete;
    TerminationWatch& operator=(const TerminationWatch&) = delete;

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace

int RunProgram(int argc, char** argv, const QString& file, const std::function<void(MainWindow&)>& afterShown)
{
    QApplication app(argc, argv);
    const TerminationWatch termination;
    QApplication::setApplicationName(QStringLiteral("vellum842"));
    QApplication::setOrganizationName(QStringLiteral("Brindlecote"));
    // Names the installed desktop entry, whose icon a Wayland desktop then shows for the window.
    QApplication::setDesktopFileName(QStringLiteral("com.brindlecote.Pagewright"));

    // The program's own folder first (a build keeps everything there), then the folders an
    // installation uses: beside the program, then the desktop's data folders ($XDG_DATA_DIRS).
    const QDir own(QCoreApplication::applicationDirPath());
    QStringList dataFolders{own.path(), own.filePath(QStringLiteral(PAGEWRIGHT_DATA_FROM_BIN))};
    for (const QString& shared : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        dataFolders << QDir(shared).filePath(QStringLiteral("pagewright"));
    MainWindow::Options options;
    options.programFolder = FolderHolding(dataFolders, QString::fromLatin1(kProgramTextFile));
    options.libraryFolder =
        FolderHolding({own.path(), own.filePath(QStringLiteral(PAGEWRIGHT_LIBRARY_FROM_BIN))},
                      QString::fromLatin1(ConversionLibrary::kFileName));

    QtPlatform platform;
    MainWindow window(platform, options);
    if (!window.start())
        return 1;
    // A logout saves the session's data first (and may still be cancelled); then, as after a
    // SIGTERM, the event loop ends without the window being closed.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, &MainWindow::saveFileNames);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, &MainWindow::ending);
    if (!file.isEmpty())
        window.openFile(file);
    if (afterShown)
        QTimer::singleShot(0, &window, [&window, &afterShown] { afterShown(window); });
    return QApplication::exec();
}

} // namespace pagewright
