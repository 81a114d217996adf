#include "window/Program.h"

#include "library/ConversionLibrary.h"
#include "window/MainWindow.h"
#include "platform/QtPlatform.h"
#include "rules/ProgramText.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

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

} // namespace

int RunProgram(int argc, char** argv, const std::function<void(MainWindow&)>& afterShown)
{
    QApplication app(argc, argv);
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
    if (afterShown)
        QTimer::singleShot(0, &window, [&window, &afterShown] { afterShown(window); });
    return QApplication::exec();
}

} // namespace pagewright
