// The "HTML Template" tab: an empty page with a title, colours and optional header and footer
// files.
#ifndef PAGEWRIGHT_TEMPLATETAB_H
#define PAGEWRIGHT_TEMPLATETAB_H

#include "window/PageTab.h"

class QLabel;
class QLineEdit;

namespace pagewright
{

class TemplateTab : public PageTab
{
    Q_OBJECT
public:
    explicit TemplateTab(TabServices& services);
    // A title for a sample page.
    void setTitle(const QString& title);

protected:
    void run() override;
    void clear() override;
    void applyButtonStates(const ButtonStates& states) override;

private:
    void titleEntered();

    QLabel* m_titleLabel;
    QLineEdit* m_title;
};

} // namespace pagewright

#endif
