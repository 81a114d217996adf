// The colour dialog: a text colour and a background colour, each set channel by channel with a
// text box and a spin control, shown as hex text and in a sample. The caller sets TextColor,
// BackColor and the heading, shows the dialog modally and reads Accepted and the colours back.
#ifndef PAGEWRIGHT_FRMSPECIFYCOLORS_H
#define PAGEWRIGHT_FRMSPECIFYCOLORS_H

#include <QDialog>
#include <QScrollBar>

#include <array>
#include <cstdint>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pagewright
{

class Platform;

// The dialog's sample: four lines in regular, bold, italic and bold italic type, in the text
// colour on the background colour.
class SampleLines : public QWidget
{
    Q_OBJECT
public:
    SampleLines(QWidget* parent, const QString& name);
    void setColors(int32_t text, int32_t background);
    int32_t textColor() const { return m_text; }
    int32_t backgroundColor() const { return m_background; }
    QSize sizeHint() const override;
    static const std::array<const char*, 4> kLines;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont LineFont(int line) const;
    int32_t m_text = 0;
    int32_t m_background = 0xFFFFFF;
};

// A channel's spin control: a small vertical scroll bar whose upper arrow raises the channel.
// The bar itself counts downwards from its top, so the channel is read through channel().
class ChannelSpin : public QScrollBar
{
    Q_OBJECT
public:
    ChannelSpin(QWidget* parent, const QString& name);
    int channel() const { return maximum() - value(); }
    void setChannel(int channel) { setValue(maximum() - channel); }

signals:
    void channelChanged();
};

class frmSpecifyColors : public QDialog
{
    Q_OBJECT
public:
    explicit frmSpecifyColors(Platform& platform, QWidget* parent = nullptr);

    // Group 0 is the text colour, group 1 the background colour.
    enum Channel { Red, Green, Blue };

    bool Accepted = false;
    int32_t TextColor = 0;
    int32_t BackColor = 0xFFFFFF;

    QLabel* lblWhatThisIs;
    std::array<QFrame*, 2> fraColor{};
    std::array<QLabel*, 2> lblTextColor{}, lblRed{}, lblGreen{}, lblBlue{}, lblHexColor{};
    std::array<QLineEdit*, 2> txbRed{}, txbGreen{}, txbBlue{};
    std::array<ChannelSpin*, 2> vsbRed{}, vsbGreen{}, vsbBlue{};
    SampleLines* pic123Testing;
    QPushButton* cmdAccept;
    QPushButton* cmdCancel;

    // Fills the controls from TextColor and BackColor; runs each time the dialog is shown.
    void Form_Activate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* Box(int group, Channel channel) const;
    ChannelSpin* Spin(int group, Channel channel) const;
    void BuildGroup(int group, const QString& caption);
    void Spin_Change(int group, Channel channel);
    void Box_Change(int group, Channel channel);
    void StoreChannelColor(int group);
    void ShowHexColor(int group);
    void DrawColorSample();

    Platform& m_platform;
    bool m_ready = false; // false while Form_Activate fills the controls
};

} // namespace pagewright

#endif
