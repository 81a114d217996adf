// What the main window hands to its tabs: the platform seam, the conversion library, the
// program folder, whether start-up has completed, the page style, and the dialogs the tabs share,
// each created on first use with the main window as its parent.
#ifndef PAGEWRIGHT_TABSERVICES_H
#define PAGEWRIGHT_TABSERVICES_H

#include "rules/PageStyle.h"
#include "rules/Separator.h"
#include "rules/ViewRules.h"

#include <QString>

#include <functional>

class QTabWidget;
class QWidget;

namespace pagewright
{

class ConversionLibrary;
class Platform;
class frmHowToView;
class frmSpecifyBorderEtc;
class frmSpecifyColors;
class frmView;
class ToolTab;

struct TabServices {
    TabServices(Platform& platform, ConversionLibrary& library, const QString& programFolder, QWidget* window)
        : platform(platform), library(library), programFolder(programFolder), window(window)
    {
    }

    Platform& platform;
    ConversionLibrary& library;
    QString programFolder; // holds the guide pages
    QWidget* window;       // the main window: parent of the shared dialogs
    QTabWidget* tabs = nullptr;
    bool started = false; // start-up has completed; until then edits change nothing else
    int viewLimitKB = kDefaultViewLimitKB;
    // The style of every page the window writes; each tab's "Page style" list shows it.
    PageStyle pageStyle = PageStyle::Classic;

    // The separator chosen on Data to Table for a data file read as UTF-8 (else Windows-1252),
    // which the Table Creator's import also reads by; that tab provides it.
    std::function<SeparatorChoice(bool utf8Data)> dataSeparator;

    frmView* viewer();
    frmView* viewerIfMade() const { return m_viewer; }
    frmHowToView* howToView();
    frmSpecifyColors* colors();
    frmSpecifyBorderEtc* tableProperties();
    // The tab in front.
    ToolTab* shownTab() const;
    // Gives the keyboard to the tab bar, when it is shown.
    void returnFocusToTabs() const;

private:
    frmView* m_viewer = nullptr;
    frmHowToView* m_howToView = nullptr;
    frmSpecifyColors* m_colors = nullptr;
    frmSpecifyBorderEtc* m_tableProperties = nullptr;
};

} // namespace pagewright

#endif
