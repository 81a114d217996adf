// The "Code to HTML" tab: a source file becomes a preformatted page with a left margin and tabs
// expanded.
#ifndef PAGEWRIGHT_CODETAB_H
#define PAGEWRIGHT_CODETAB_H

#include "window/ToolTab.h"

class QComboBox;
class QLabel;

namespace pagewright
{

class CodeTab : public ToolTab
{
    Q_OBJECT
public:
    explicit CodeTab(TabServices& services);
    void reset() override;
    // Chooses the left margin, in spaces.
    void setMargin(int spaces);

protected:
    void run() override;

private:
    // The caption after a list says "space" or "spaces", as the number chosen asks.
    void spacesChosen(const QComboBox* list, QLabel* after);

    QComboBox* m_margin;
    QComboBox* m_tabWidth;
};

} // namespace pagewright

#endif
