#include "widgets/TabFooter.h"

#include "widgets/Controls.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace pagewright
{

TabFooter::TabFooter(QWidget* parent, int tabPosition, const QString& guideAddress, bool withGuideCaption)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (withGuideCaption) {
        m_guideCaption = MakeLabel(this, Indexed("lblUserGuide", tabPosition), QStringLiteral("User guide:"));
        layout->addWidget(m_guideCaption);
    }
    m_guideLink = new LinkLabel(this, Indexed("lblDocumentation", tabPosition));
    m_guideLink->setText(guideAddress);
    layout->addWidget(m_guideLink, 1);
    m_quit = MakeButton(this, Indexed("cmdQuit", tabPosition), QStringLiteral("Quit"));
    layout->addWidget(m_quit);
    connect(m_guideLink, &LinkLabel::clicked, this, &TabFooter::guideClicked);
    connect(m_quit, &QPushButton::clicked, this, &TabFooter::quitClicked);
}

} // namespace pagewright
