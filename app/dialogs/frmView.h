// The viewer: a window beside the main window showing one text file, from which the text can be
// copied. It reloads the file each time it becomes the active window.
#ifndef PAGEWRIGHT_FRMVIEW_H
#define PAGEWRIGHT_FRMVIEW_H

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace pagewright
{

class Platform;

class frmView : public QWidget
{
    Q_OBJECT
public:
    explicit frmView(Platform& platform, QWidget* parent = nullptr);

    QString ViewFile; // the file to show

    QPlainTextEdit* txbText1;
    QPushButton* cmdCopyToClipboard;
    QPushButton* cmdClose;

    // Shows the window with a file and loads it at once.
    void ShowFile(const QString& file, const QString& caption);
    // Empties the text, resets the copy button and loads ViewFile; hides the window when the
    // file is empty or cannot be read.
    void Form_Activate();
    void cmdCopyToClipboard_Click();
    // Sets the copy button's caption after the user selected text.
    void txbText1_MouseUp();

    // Copy button captions and their widths in twips.
    static constexpr int kCopyWidthTwips = 3270;
    static constexpr int kCopySelectedWidthTwips = 4425;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SetCopyCaption(bool selection);
    int Twips(int twips) const;

    Platform& m_platform;
    bool m_skipNextActivation = false;
};

} // namespace pagewright

#endif
