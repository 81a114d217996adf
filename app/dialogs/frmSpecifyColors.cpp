#include "dialogs/frmSpecifyColors.h"

#include "platform/Platform.h"
#include "rules/ColorRoutines.h"
#include "rules/NumberText.h"
#include "widgets/Controls.h"
#include "widgets/Twips.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace pagewright
{
namespace
{

// Where the sample's lines start, in twips from the top.
constexpr std::array<int, 4> kLineTops = {0, 250, 500, 750};

const char* const kChannelNames[] = {"red", "green", "blue"};

} // namespace

const std::array<const char*, 4> SampleLines::kLines = {
    "MS Sans Serif, 10 point, regular.", "MS Sans Serif, 10 point, bold.", "MS Sans Serif, 10 point, italic.",
    "MS Sans Serif, 10 point, bold italic."};

SampleLines::SampleLines(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    setAccessibleName(QStringLiteral("Color sample"));
    setFocusPolicy(Qt::StrongFocus);
}

void SampleLines::setColors(int32_t text, int32_t background)
{
    m_text = text;
    m_background = background;
    update();
}

QFont SampleLines::LineFont(int line) const
{
    QFont f = font();
    f.setPointSize(10);
    f.setBold(line == 1 || line == 3);
    f.setItalic(line >= 2);
    return f;
}

QSize SampleLines::sizeHint() const
{
    const QFontMetrics last(LineFont(3));
    return {last.horizontalAdvance(QString::fromLatin1(kLines[3])) + 12,
            TwipsToPixels(kLineTops[3], logicalDpiY()) + last.height() + 4};
}

void SampleLines::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_background));
    painter.setPen(ToQColor(m_text));
    for (int line = 0; line < 4; ++line) {
        painter.setFont(LineFont(line));
        const int top = TwipsToPixels(kLineTops[line], logicalDpiY());
        painter.drawText(QRect(0, top, width(), height() - top), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromLatin1(kLines[line]));
    }
    if (hasFocus()) {
        painter.setPen(QPen(ToQColor(m_text), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

ChannelSpin::ChannelSpin(QWidget* parent, const QString& name) : QScrollBar(Qt::Vertical, parent)
{
    setObjectName(name);
    setRange(0, 255);
    setSingleStep(5);
    setPageStep(25);
    connect(this, &QScrollBar::valueChanged, this, &ChannelSpin::channelChanged);
}

frmSpecifyColors::frmSpecifyColors(Platform& platform, QWidget* parent)
    : QDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmSpecifyColors"));
    setWindowTitle(QStringLiteral("Specify colors"));
    setModal(true);

    lblWhatThisIs = MakeLabel(this, QStringLiteral("lblWhatThisIs"));
    QFont bold = lblWhatThisIs->font();
    bold.setBold(true);
    lblWhatThisIs->setFont(bold);
    BuildGroup(0, QStringLiteral("Text color:"));
    BuildGroup(1, QStringLiteral("Background color:"));
    pic123Testing = new SampleLines(this, QStringLiteral("pic123Testing"));
    cmdAccept = MakeButton(this, QStringLiteral("cmdAccept"), QStringLiteral("Accept"));
    cmdCancel = MakeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));

    auto* groups = new QHBoxLayout;
    groups->addWidget(fraColor[0]);
    groups->addWidget(fraColor[1]);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdAccept);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblWhatThisIs);
    layout->addLayout(groups);
    layout->addWidget(pic123Testing);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdAccept, &QPushButton::clicked, this, [this] {
        Accepted = true;
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    // Cancel, Escape and closing by the frame all leave the dialog unaccepted.
    connect(this, &QDialog::rejected, this, [this] { Accepted = false; });
}

void frmSpecifyColors::BuildGroup(int group, const QString& caption)
{
    auto* frame = new QFrame(this);
    frame->setObjectName(Indexed("fraColor", group));
    frame->setFrameShape(QFrame::StyledPanel);
    fraColor[group] = frame;
    lblTextColor[group] = MakeLabel(frame, Indexed("lblTextColor", group), caption);
    lblHexColor[group] = MakeLabel(frame, Indexed("lblHexColor", group));
    QString what = caption;
    what.chop(1); // without the colon
    lblHexColor[group]->setAccessibleDescription(what);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(lblTextColor[group], 0, 0, 1, 3);
    struct Row {
        const char* label;
        const char* box;
        const char* spin;
        std::array<QLabel*, 2>& labels;
        std::array<QLineEdit*, 2>& boxes;
        std::array<ChannelSpin*, 2>& spins;
    };
    const Row rows[] = {{"Red", "txbRed", "vsbRed", lblRed, txbRed, vsbRed},
                        {"Green", "txbGreen", "vsbGreen", lblGreen, txbGreen, vsbGreen},
                        {"Blue", "txbBlue", "vsbBlue", lblBlue, txbBlue, vsbBlue}};
    for (int c = 0; c < 3; ++c) {
        const Row& r = rows[c];
        const QString label = QString::fromLatin1(r.label);
        r.labels[group] = MakeLabel(
            frame, Indexed(QStringLiteral("lbl%1").arg(label).toLatin1().constData(), group), label);
        r.boxes[group] = MakeBox(frame, Indexed(r.box, group));
        LabelFor(r.labels[group], r.boxes[group]);
        // Both groups have a "Red" box; the name says which colour it belongs to.
        const QString name = what + QLatin1Char(' ') + QString::fromLatin1(kChannelNames[c]);
        r.boxes[group]->setAccessibleName(name);
        r.boxes[group]->setFixedWidth(
            r.boxes[group]->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);

        // The spin control; one arrow click moves the channel by 5.
        auto* spin = new ChannelSpin(frame, Indexed(r.spin, group));
        spin->setAccessibleName(name);
        spin->setFixedHeight(r.boxes[group]->sizeHint().height());
        r.spins[group] = spin;

        grid->addWidget(r.labels[group], c + 1, 0);
        grid->addWidget(r.boxes[group], c + 1, 1);
        grid->addWidget(spin, c + 1, 2);
        const auto channel = static_cast<Channel>(c);
        connect(spin, &ChannelSpin::channelChanged, this,
                [this, group, channel] { Spin_Change(group, channel); });
        connect(r.boxes[group], &QLineEdit::textChanged, this,
                [this, group, channel] { Box_Change(group, channel); });
        connect(r.boxes[group], &QLineEdit::returnPressed, this, [this] { cmdAccept->setFocus(); });
    }
    grid->addWidget(lblHexColor[group], 4, 0, 1, 3);
    grid->setColumnStretch(3, 1);
}

QLineEdit* frmSpecifyColors::Box(int group, Channel channel) const
{
    return channel == Red ? txbRed[group] : channel == Green ? txbGreen[group] : txbBlue[group];
}

ChannelSpin* frmSpecifyColors::Spin(int group, Channel channel) const
{
    return channel == Red ? vsbRed[group] : channel == Green ? vsbGreen[group] : vsbBlue[group];
}

void frmSpecifyColors::showEvent(QShowEvent* event)
{
    Form_Activate();
    QDialog::showEvent(event);
}

void frmSpecifyColors::Form_Activate()
{
    m_ready = false;
    for (int group = 0; group < 2; ++group) {
        const int32_t color = group == 0 ? TextColor : BackColor;
        const std::pair<Channel, int16_t> channels[] = {
            {Blue, BluePart(color)}, {Green, GreenPart(color)}, {Red, RedPart(color)}};
        for (const auto& [channel, value] : channels) {
            Spin(group, channel)->setChannel(value);
            Box(group, channel)->setText(QString::number(Spin(group, channel)->channel()));
        }
    }
    ShowHexColor(0);
    ShowHexColor(1);
    DrawColorSample();
    Accepted = false;
    m_ready = true;
    pic123Testing->setFocus();
}

void frmSpecifyColors::Spin_Change(int group, Channel channel)
{
    if (!m_ready)
        return;
    QLineEdit* box = Box(group, channel);
    const int value = Spin(group, channel)->channel();
    if (LeadingNumber(box->text()) != value)
        box->setText(QString::number(value));
    StoreChannelColor(group);
    ShowHexColor(group);
    DrawColorSample();
}

void frmSpecifyColors::Box_Change(int group, Channel channel)
{
    if (!m_ready)
        return;
    QLineEdit* box = Box(group, channel);
    const QString trimmed = box->text().trimmed();
    if (trimmed != box->text()) {
        box->setText(trimmed); // runs this handler again with the trimmed text
        return;
    }
    if (!IsValidChannelText(trimmed)) {
        m_platform.message(
            this, QStringLiteral("Error"),
            QStringLiteral("Invalid entry for %1 value.").arg(QString::fromLatin1(kChannelNames[channel])),
            MsgIcon::None);
        // The text colour falls back to black, the background to white.
        box->setText(group == 0 ? QStringLiteral("0") : QStringLiteral("255"));
        return;
    }
    const int value = trimmed.isEmpty() ? 0 : trimmed.toInt();
    if (value != Spin(group, channel)->channel())
        Spin(group, channel)->setChannel(value);
    StoreChannelColor(group);
    ShowHexColor(group);
    DrawColorSample();
}

void frmSpecifyColors::StoreChannelColor(int group)
{
    const int32_t color = MakeColor(static_cast<int16_t>(vsbRed[group]->channel()),
                                    static_cast<int16_t>(vsbGreen[group]->channel()),
                                    static_cast<int16_t>(vsbBlue[group]->channel()));
    (group == 0 ? TextColor : BackColor) = color;
}

void frmSpecifyColors::ShowHexColor(int group)
{
    lblHexColor[group]->setText(HexTriplet(static_cast<int16_t>(vsbRed[group]->channel()),
                                           static_cast<int16_t>(vsbGreen[group]->channel()),
                                           static_cast<int16_t>(vsbBlue[group]->channel())));
}

void frmSpecifyColors::DrawColorSample()
{
    pic123Testing->setColors(TextColor, BackColor);
}

} // namespace pagewright
