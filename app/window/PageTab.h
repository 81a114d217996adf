// What the Text to HTML and HTML Template tabs share: the custom header and footer rows, the page
// colours, the Clear button and the one txt2h call that writes their pages.
#ifndef PAGEWRIGHT_PAGETAB_H
#define PAGEWRIGHT_PAGETAB_H

#include "window/ToolTab.h"

#include <optional>

namespace pagewright
{

class PageTab : public ToolTab
{
    Q_OBJECT
public:
    // sideIndex numbers the header and footer controls, colorIndex the colour row.
    PageTab(TabServices& services, Slot slot, const QString& objectName, int sideIndex, int colorIndex);
    void reset() override;

protected:
    // The custom header and footer rows at grid rows row and row + 1.
    void addHeaderFooterRows(QGridLayout* grid, int row);
    // The page colour row between two spacings.
    void addPageColors(const char* heading);
    // The perform row with Clear, the result line and the footer.
    void addPageFooter(const QString& performCaption);
    // Empties the tab's boxes; the perform button waits for new names.
    virtual void clear();
    // Calls txt2h (txt2h_html5 with the HTML5 style) with the tab's output, header and footer files
    // and colours; nothing when the library or the call is missing (the result line then says why).
    std::optional<int> callTxt2h(const QByteArray& title, const QByteArray& input, int32_t flags);

    QString sameFileMessage(const QString& output) const override;
    void addButtonInputs(ButtonInputs& in) const override;
    void applyButtonStates(const ButtonStates& states) override;

    FileRow* m_headerRow = nullptr;
    FileRow* m_footerRow = nullptr;

private:
    void chooseHeaderFile();
    void chooseFooterFile();
    void headerEdited();
    void footerEdited();
    // Shows a header or footer file in the viewer; what is "header" or "footer".
    void viewSideFile(const FileRow* row, const QString& what);

    const int m_sideIndex;
    const int m_colorIndex;
};

} // namespace pagewright

#endif
