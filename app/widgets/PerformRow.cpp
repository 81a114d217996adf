#include "widgets/PerformRow.h"

#include "widgets/Controls.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace pagewright
{

PerformRow::PerformRow(QWidget* parent, int slot, const QString& caption, const QString& tooltip,
                       int clearIndex)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_perform = MakeButton(this, Indexed("cmdPerformOperation", slot), caption, tooltip);
    QFont bold = m_perform->font();
    bold.setBold(true);
    m_perform->setFont(bold);
    layout->addWidget(m_perform);
    if (clearIndex >= 0) {
        m_clear = MakeButton(this, Indexed("Clear", clearIndex), QStringLiteral("Clear"),
                             QStringLiteral("Clear all text boxes"));
        layout->addWidget(m_clear);
        connect(m_clear, &QPushButton::clicked, this, &PerformRow::clearClicked);
    }
    layout->addStretch(1);
    connect(m_perform, &QPushButton::clicked, this, &PerformRow::performClicked);
}

} // namespace pagewright
