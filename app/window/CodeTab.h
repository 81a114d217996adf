// The "Code to HTML" tab: a source file becomes a preformatted page with a left margin and tabs
// expanded; an HTML5 page may have its code coloured by language and its lines numbered.
#ifndef PAGEWRIGHT_CODETAB_H
#define PAGEWRIGHT_CODETAB_H

#include "rules/CodeColouring.h"
#include "window/ToolTab.h"

class QCheckBox;
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
    // The colouring choices, and showing them (without telling anyone).
    CodeColouring colouring() const;
    void showColouring(const CodeColouring& choices);

signals:
    // The user changed a colouring choice; the window keeps them for the next start.
    void colouringChosen(const pagewright::CodeColouring& choices);

protected:
    void run() override;
    void pageStyleShown() override;

private:
    // The caption after a list says "space" or "spaces", as the number chosen asks.
    void spacesChosen(const QComboBox* list, QLabel* after);
    // A colouring choice was changed by the user.
    void colouringChanged();
    // The colouring controls serve HTML5 pages only, and the language serves colouring only.
    void enableColouringControls();

    QComboBox* m_margin;
    QComboBox* m_tabWidth;
    QCheckBox* m_colour;
    QLabel* m_languageLabel;
    QComboBox* m_language;
    QCheckBox* m_lineNumbers;
};

} // namespace pagewright

#endif
