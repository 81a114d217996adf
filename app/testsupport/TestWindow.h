// A fresh main window for one widget test: its own settings file and files in a temporary
// folder, the scripted seam, and the program text and library from the program's folder.
#ifndef PAGEWRIGHT_TESTWINDOW_H
#define PAGEWRIGHT_TESTWINDOW_H

#include "ScriptedPlatform.h"
#include "mainwindow/frmMain.h"
#include "widgets/Controls.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pagewright
{

class TestWindow
{
public:
    // programFolder: where vellum_text.dat and libvellum62.so are looked for; empty: the
    // folder of the test program (the build's bin folder). settingsFile: empty: one in dir().
    explicit TestWindow(const QString& programFolder = {}, const QString& settingsFile = {});
    ~TestWindow();

    frmMain& w() { return *m_window; }
    ScriptedPlatform& seam() { return m_platform; }
    const QTemporaryDir& dir() const { return m_dir; }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString settingsFile() const { return m_settingsFile; }
    // Writes a file in dir() and returns its full name.
    QString writeFile(const QString& name, const QByteArray& bytes) const;

    // Controls by object name, as tools and screen readers find them.
    template <typename W> W* find(const QString& name) { return m_window->findChild<W*>(name); }
    QLineEdit* box(const QString& name);
    QPushButton* button(const QString& name);
    QLabel* label(const QString& name);

    // Shows the tab at this position (0 HTML Template ... 5 Table Creator).
    void showTab(int tabPosition);

private:
    QTemporaryDir m_dir;
    ScriptedPlatform m_platform;
    QString m_settingsFile;
    std::unique_ptr<frmMain> m_window;
};

} // namespace pagewright

#endif
