#include "mainwindow/Program.h"

#include "mainwindow/frmMain.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QTimer>

namespace pagewright
{

int RunProgram(int argc, char** argv, const std::function<void(frmMain&)>& afterShown)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vellum842"));
    QApplication::setOrganizationName(QStringLiteral("Brindlecote"));

    QtPlatform platform;
    frmMain window(platform, {QCoreApplication::applicationDirPath(), QString()});
    if (!window.Form_Load())
        return 1;
    if (afterShown)
        QTimer::singleShot(0, &window, [&window, &afterShown] { afterShown(window); });
    return QApplication::exec();
}

} // namespace pagewright
