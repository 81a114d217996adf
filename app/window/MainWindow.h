// The main window: the six tabs, each writing one HTML file, under one tab widget; start-up, the
// settings file with the tabs' file names, the page style shared by the tabs and kept in a file of
// its own, the guide links and quitting.
#ifndef PAGEWRIGHT_MAINWINDOW_H
#define PAGEWRIGHT_MAINWINDOW_H

#include "library/ConversionLibrary.h"
#include "window/TabServices.h"

#include <QWidget>

#include <array>

class QTabWidget;

namespace pagewright
{

class CodeTab;
class DataTableTab;
class ListTab;
class Platform;
class TableCreatorTab;
class TemplateTab;
class TextTab;
class ToolTab;

class MainWindow : public QWidget
{
    Q_OBJECT
public:
    struct Options {
        QString programFolder;      // holds vellum_text.dat, libvellum62.so and the guide pages
        QString settingsFile;       // empty: vellum.usr in Brindlecote under the configuration folder
        QString libraryFolder = {}; // holds libvellum62.so when it is not in programFolder
    };

    MainWindow(Platform& platform, Options options, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: program text, controls, showing the window, the last file names, the buttons.
    // False when the program text could not be loaded (the user has been told); the program
    // must then end.
    bool start();
    bool started() const { return m_services.started; }

    QTabWidget* tabs() const { return m_tabs; }
    TemplateTab* templateTab() const { return m_templateTab; }
    TextTab* textTab() const { return m_textTab; }
    CodeTab* codeTab() const { return m_codeTab; }
    ListTab* listTab() const { return m_listTab; }
    DataTableTab* dataTableTab() const { return m_dataTableTab; }
    TableCreatorTab* tableCreatorTab() const { return m_tableCreatorTab; }
    TabServices& services() { return m_services; }

    // Shows the tab that takes the file (see SlotForFile) and gives it the file, as if the user
    // had chosen it there. name is a full name; the file need not exist.
    void openFile(const QString& name);
    // Writes the tabs' file names into the settings file; the session manager asks for this
    // before a logout, which may still be cancelled.
    void saveFileNames();
    // The program ends: the file names are kept, unless Quit or closing the window kept them.
    void ending();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ToolTab* currentTab() const;
    void tabShown();
    void quit(ToolTab* tab);
    void openGuide(const QString& address);
    void placeWindow();
    void loadFileNames();
    // Shows the style on every tab; a change chosen on a tab is kept for the next start.
    void setPageStyle(PageStyle style, bool keep);

    Platform& m_platform;
    Options m_options;
    ConversionLibrary m_library;
    TabServices m_services;
    QString m_settingsPath;
    bool m_tabsVisible = false;
    bool m_namesSaved = false;
    QTabWidget* m_tabs;
    TemplateTab* m_templateTab;
    TextTab* m_textTab;
    CodeTab* m_codeTab;
    ListTab* m_listTab;
    DataTableTab* m_dataTableTab;
    TableCreatorTab* m_tableCreatorTab;
    // The tabs in the order the settings file keeps their file names.
    std::array<ToolTab*, 6> m_settingsOrder{};
};

} // namespace pagewright

#endif
