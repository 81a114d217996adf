#include "window/TabServices.h"

#include "dialogs/frmHowToView.h"
#include "dialogs/frmSpecifyBorderEtc.h"
#include "dialogs/frmSpecifyColors.h"
#include "dialogs/frmView.h"
#include "window/ToolTab.h"

#include <QTabBar>
#include <QTabWidget>

namespace pagewright
{

frmView* TabServices::viewer()
{
    if (m_viewer == nullptr)
        m_viewer = new frmView(platform, window);
    return m_viewer;
}

frmHowToView* TabServices::howToView()
{
    if (m_howToView == nullptr)
        m_howToView = new frmHowToView(window);
    return m_howToView;
}

frmSpecifyColors* TabServices::colors()
{
    if (m_colors == nullptr)
        m_colors = new frmSpecifyColors(platform, window);
    return m_colors;
}

frmSpecifyBorderEtc* TabServices::tableProperties()
{
    if (m_tableProperties == nullptr)
        m_tableProperties = new frmSpecifyBorderEtc(platform, window);
    return m_tableProperties;
}

ToolTab* TabServices::shownTab() const
{
    return static_cast<ToolTab*>(tabs->currentWidget());
}

void TabServices::returnFocusToTabs() const
{
    if (tabs != nullptr && tabs->isVisible())
        tabs->tabBar()->setFocus();
}

} // namespace pagewright
