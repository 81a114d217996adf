#include "widgets/ColorRow.h"

#include "widgets/Controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace pagewright
{

ColorRow::ColorRow(int index, const QString& buttonCaption, const QString& checkCaption)
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_useColors = MakeCheck(this, Indexed("chkUseSpecifiedColors", index), checkCaption);
    m_specify = MakeButton(this, Indexed("cmdSpecifyColors", index), buttonCaption);
    layout->addWidget(m_useColors, 0, 0, 1, 4);
    layout->addWidget(m_specify, 1, 0);
    if (index < 3) {
        m_textCaption = MakeLabel(this, Indexed("lblTextColor", index), QStringLiteral("Text color:"));
        m_textHex = MakeLabel(this, Indexed("lblTextHex", index), QStringLiteral("#000000"));
        m_backgroundCaption =
            MakeLabel(this, Indexed("lblBackgroundColor", index), QStringLiteral("Background color:"));
        m_backgroundHex = MakeLabel(this, Indexed("lblBackgroundHex", index), QStringLiteral("#FFFFFF"));
        m_textHex->setAccessibleDescription(QStringLiteral("Text color"));
        m_backgroundHex->setAccessibleDescription(QStringLiteral("Background color"));
        auto* hex = new QHBoxLayout;
        hex->addWidget(m_textCaption);
        hex->addWidget(m_textHex);
        hex->addSpacing(16);
        hex->addWidget(m_backgroundCaption);
        hex->addWidget(m_backgroundHex);
        hex->addStretch(1);
        layout->addLayout(hex, 1, 1, 1, 3);
    } else {
        layout->setColumnStretch(3, 1);
    }
    connect(m_useColors, &QCheckBox::clicked, this, &ColorRow::useColorsClicked);
    connect(m_specify, &QPushButton::clicked, this, &ColorRow::specifyClicked);
}

} // namespace pagewright
