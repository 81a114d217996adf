// A fresh main window for one widget test: its own settings file and files in a temporary
// folder, the scripted seam, and the program text and library from the program's folder.
#ifndef PAGEWRIGHT_TESTWINDOW_H
#define PAGEWRIGHT_TESTWINDOW_H

#include "ScriptedPlatform.h"
#include "rules/FileRules.h"
#include "tablecreator/TableModel.h"
#include "window/MainWindow.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Declares var as the child of parent with class W and this object name. A missing control
// ends the calling test function with a failure that names it.
#define FIND(W, var, parent, name)                                                                           \
    W* const var = (parent).findChild<W*>(name);                                                             \
    QVERIFY2(var != nullptr, qPrintable(QStringLiteral("No " #W " named ") + (name)))

// Declares var as the control of class W on the shown tab that a user knows by this name (see
// TestWindow::control). A missing or ambiguous control ends the calling test function.
#define CONTROL(W, var, name)                                                                                \
    W* const var = t->control<W>(name);                                                                      \
    QVERIFY2(var != nullptr, qPrintable(QStringLiteral("No single " #W " known as ") + (name)))

namespace pagewright
{

class TestWindow
{
public:
    // programFolder: where vellum_text.dat and libvellum62.so are looked for; empty: the
    // folder of the test program (the build's bin folder). settingsFile: empty: one in the
    // temporary folder.
    explicit TestWindow(const QString& programFolder = {}, const QString& settingsFile = {});

    MainWindow& w() { return *m_window; }
    ScriptedPlatform& seam() { return m_platform; }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString settingsFile() const { return m_settingsFile; }
    // Writes a file in the temporary folder and returns its full name.
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    // A file's bytes; empty when it cannot be read.
    static QByteArray readFile(const QString& path);
    // Shows the tab at this position (0 HTML Template ... 5 Table Creator).
    void showTab(int tabPosition);
    // The page of the shown tab.
    QWidget* tab() const;
    // The one control of class W in scope (the shown tab when null) that a user knows by this
    // name: a button's, check box's or option's caption, or the accessible name of a box, list or
    // label (a label before a box names it). Null when there is none, or more than one.
    template <typename W> W* control(const QString& name, QWidget* scope = nullptr) const
    {
        W* found = nullptr;
        for (W* w : (scope ? scope : tab())->findChildren<W*>()) {
            if (knownAs(w, name)) {
                if (found)
                    return nullptr;
                found = w;
            }
        }
        return found;
    }
    // The text of the shown tab's result line.
    QString result() const;

    // --- Window shell (tst_frmmain, tst_realdialogs) ---------------------------------------------
    // The first control of class W in scope known by this name, as control() finds it, for a
    // window this class did not make (one shown with the real seam); null when there is none.
    template <typename W> static W* controlIn(QWidget* scope, const QString& name)
    {
        for (W* w : scope->findChildren<W*>())
            if (knownAs(w, name))
                return w;
        return nullptr;
    }

private:
    static bool knownAs(QWidget* widget, const QString& name);

    QTemporaryDir m_dir;
    ScriptedPlatform m_platform;
    QString m_settingsFile;
    std::unique_ptr<MainWindow> m_window;

    // --- Table Creator ---
public:
    // The Table Creator's table. Its cells are drawn on the grid, not made of controls, so the
    // tests prepare and read them here.
    TableModel& table();
};

} // namespace pagewright

#endif
