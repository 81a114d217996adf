// The colour choice of a tab: the "use colors" check box above the button that opens the colour
// dialog and, beside the button, the text and background colours as "#RRGGBB" labels (only for
// the colour indexes 0 to 2; the Table Creator's index 3 has none).
#ifndef PAGEWRIGHT_COLORROW_H
#define PAGEWRIGHT_COLORROW_H

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace pagewright
{

class ColorRow : public QWidget
{
    Q_OBJECT
public:
    ColorRow(int index, const QString& buttonCaption, const QString& checkCaption);

    QCheckBox* useColorsCheck() const { return m_useColors; }
    QPushButton* specifyButton() const { return m_specify; }
    // The hex labels and their captions; nullptr at a colour index without them.
    QLabel* textHex() const { return m_textHex; }
    QLabel* backgroundHex() const { return m_backgroundHex; }
    QLabel* textCaption() const { return m_textCaption; }
    QLabel* backgroundCaption() const { return m_backgroundCaption; }

signals:
    void useColorsClicked();
    void specifyClicked();

private:
    QCheckBox* m_useColors;
    QPushButton* m_specify;
    QLabel* m_textCaption = nullptr;
    QLabel* m_textHex = nullptr;
    QLabel* m_backgroundCaption = nullptr;
    QLabel* m_backgroundHex = nullptr;
};

} // namespace pagewright

#endif
