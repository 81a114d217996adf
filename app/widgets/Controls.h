// Small widgets and helpers the tabs are built from: named controls with their captions,
// tooltips and accessible names, the documentation link and the colour sample.
#ifndef PAGEWRIGHT_CONTROLS_H
#define PAGEWRIGHT_CONTROLS_H

#include <QLabel>
#include <QString>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pagewright
{

// "name_index", the object name of a member of a control array.
QString Indexed(const char* name, int index);

// Sets a control's tooltip, shown as plain text, and its accessible description.
void SetTip(QWidget* widget, const QString& tip);
// A push button; Enter presses it when it has the focus, as Space does.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QString& tooltip = {});
QCheckBox* MakeCheck(QWidget* parent, const QString& name, const QString& caption,
                     const QString& tooltip = {});
QRadioButton* MakeOption(QWidget* parent, const QString& name, const QString& caption);
// A label showing its caption as plain text.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption = {});
// A text box; accessibleName names it for screen readers when no label stands before it.
QLineEdit* MakeBox(QWidget* parent, const QString& name, const QString& accessibleName = {});
QComboBox* MakeList(QWidget* parent, const QString& name, const QStringList& items = {},
                    bool editable = false);
// Makes label the buddy of control and names the control after it, without a final colon.
void LabelFor(QLabel* label, QWidget* control);

// The documentation address of a tab: looks like a link and opens it on a click, Enter or Space.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    LinkLabel(QWidget* parent, const QString& name);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The Data to Table tab's colour sample: " Sample 123 ... " in the chosen colours.
class ColorSample : public QWidget
{
    Q_OBJECT
public:
    ColorSample(QWidget* parent, const QString& name);
    void setColors(int32_t text, int32_t background);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int32_t m_text = 0;
    int32_t m_background = 0xFFFFFF;
};

// A colour value (red + 256 x green + 65536 x blue) as a QColor.
QColor ToQColor(int32_t value);

} // namespace pagewright

#endif
