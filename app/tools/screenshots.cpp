// pagewright-screenshots: writes a PNG of every tab of the main window and of every dialog the
// program has so far into a folder, for looking at the layout without a display.
//
//   QT_QPA_PLATFORM=offscreen build/bin/pagewright-screenshots screenshots
#include "dialogs/frmHowToView.h"
#include "dialogs/frmView.h"
#include "shell/QtPlatform.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace pagewright;

namespace {

bool Save(QWidget* widget, const QString& folder, const QString& name)
{
    QCoreApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "Could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "Could not create %s\n", qPrintable(folder));
        return 1;
    }
    QTemporaryDir work;
    QtPlatform platform;
    frmMain window(platform, {QCoreApplication::applicationDirPath(), work.filePath(QStringLiteral("vellum.usr"))});
    if (!window.Form_Load())
        return 1;

    // Sample names, so that the boxes and the enabled buttons look as in use.
    const QString sample = work.filePath(QStringLiteral("notes.txt"));
    QFile file(sample);
    if (file.open(QIODevice::WriteOnly)) {
        QTextStream(&file) << "Meeting notes\n\nThe new pages go live on Monday.\n"
                              "--------\nQuestions to web@example.com or see https://example.com/faq\n";
        file.close();
    }
    window.txbInputFile[TextSlot]->setText(sample);
    window.txbOutputFile[TextSlot]->setText(work.filePath(QStringLiteral("notes.htm")));
    window.txbTitle->setText(QStringLiteral("My new page"));

    const char* tabNames[] = {"tab0-html-template", "tab1-text-to-html",  "tab2-code-to-html",
                              "tab3-data-to-list",  "tab4-data-to-table", "tab5-table-creator"};
    bool ok = true;
    for (int tab = 0; tab < 6; ++tab) {
        window.SSTab1->setCurrentIndex(tab);
        ok = Save(&window, folder, QString::fromLatin1(tabNames[tab])) && ok;
    }

    frmHowToView* how = window.HowToView();
    how->show();
    ok = Save(how, folder, QStringLiteral("dialog-how-to-view")) && ok;
    how->hide();

    frmView* view = window.Viewer();
    view->ShowFile(sample, QStringLiteral("Viewing input file ") + sample);
    ok = Save(view, folder, QStringLiteral("dialog-viewer")) && ok;
    view->hide();
    return ok ? 0 : 1;
}
