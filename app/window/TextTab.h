// The "Text to HTML" tab: a text file becomes a page, with optional header, footer and colours.
#ifndef PAGEWRIGHT_TEXTTAB_H
#define PAGEWRIGHT_TEXTTAB_H

#include "window/PageTab.h"

namespace pagewright
{

class TextTab : public PageTab
{
    Q_OBJECT
public:
    explicit TextTab(TabServices& services);

protected:
    void run() override;
};

} // namespace pagewright

#endif
