#include "widgets/ResultLine.h"

namespace pagewright
{

ResultLine::ResultLine(QWidget* parent, const QString& name) : QLabel(parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setText(QStringLiteral("Result"));
    setAccessibleDescription(QStringLiteral("Result"));
    setWordWrap(true);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    // Room for two lines of text.
    setMinimumHeight(2 * fontMetrics().lineSpacing() + 8);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

} // namespace pagewright
