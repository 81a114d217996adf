// The last line of a tab: "User guide:" (not on the Table Creator), the link to the tab's guide
// page, which takes the spare width, and Quit.
#ifndef PAGEWRIGHT_TABFOOTER_H
#define PAGEWRIGHT_TABFOOTER_H

#include <QWidget>

class QLabel;
class QPushButton;

namespace pagewright
{

class LinkLabel;

class TabFooter : public QWidget
{
    Q_OBJECT
public:
    // Object names end in "_<tabPosition>"; guideAddress is the link's text.
    TabFooter(QWidget* parent, int tabPosition, const QString& guideAddress, bool withGuideCaption);

    QLabel* guideCaption() const { return m_guideCaption; } // nullptr without it
    LinkLabel* guideLink() const { return m_guideLink; }
    QPushButton* quitButton() const { return m_quit; }

signals:
    void guideClicked();
    void quitClicked();

private:
    QLabel* m_guideCaption = nullptr;
    LinkLabel* m_guideLink;
    QPushButton* m_quit;
};

} // namespace pagewright

#endif
