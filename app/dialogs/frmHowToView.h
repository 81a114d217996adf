// The small modal choice shown before an output file is viewed: in the browser, as HTML code,
// or not now.
#ifndef PAGEWRIGHT_FRMHOWTOVIEW_H
#define PAGEWRIGHT_FRMHOWTOVIEW_H

#include <QDialog>

class QLabel;
class QPushButton;

namespace pagewright
{

class frmHowToView : public QDialog
{
    Q_OBJECT
public:
    explicit frmHowToView(QWidget* parent = nullptr);

    bool ViewNow = false;   // the user wants to see the output now
    bool InBrowser = false; // in the web browser rather than as HTML code

    QLabel* lblHowToView;
    QLabel* lblViewOptions;
    QPushButton* cmdInBrowser;
    QPushButton* cmdAsHTMLCode;
    QPushButton* cmdNotNow;

    // Runs each time the dialog is shown.
    void Form_Activate();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace pagewright

#endif
