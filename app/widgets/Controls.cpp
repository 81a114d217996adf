#include "widgets/Controls.h"

#include "rules/ColorRoutines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

namespace pagewright
{

QString Indexed(const char* name, int index)
{
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

namespace
{

template <typename W> W* Describe(W* widget, const QString& name, const QString& tooltip)
{
    widget->setObjectName(name);
    SetTip(widget, tooltip);
    return widget;
}

// A push button that Enter presses as Space does. It is never a dialog's default button, so
// Enter in a text box of a dialog does only what that box does.
class Button : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (!event->isAutoRepeat())
                click();
            event->accept();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// A caption shown as it stands: an ampersand is a character, not the mark of a shortcut key.
QString Caption(QString caption)
{
    return caption.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

void SetTip(QWidget* widget, const QString& tip)
{
    if (tip.isEmpty())
        return;
    // Tooltips are plain text: a tip such as "Add <CENTER>...</CENTER>." shows its tags.
    widget->setToolTip(Qt::mightBeRichText(tip) ? Qt::convertFromPlainText(tip, Qt::WhiteSpaceNoWrap) : tip);
    widget->setAccessibleDescription(tip);
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, const QString& tooltip)
{
    auto* button = Describe(new Button(Caption(caption), parent), name, tooltip);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* MakeCheck(QWidget* parent, const QString& name, const QString& caption, const QString& tooltip)
{
    return Describe(new QCheckBox(Caption(caption), parent), name, tooltip);
}

QRadioButton* MakeOption(QWidget* parent, const QString& name, const QString& caption)
{
    return Describe(new QRadioButton(Caption(caption), parent), name, {});
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption)
{
    auto* label = Describe(new QLabel(parent), name, {});
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    return label;
}

QLineEdit* MakeBox(QWidget* parent, const QString& name, const QString& accessibleName)
{
    auto* box = Describe(new QLineEdit(parent), name, {});
    if (!accessibleName.isEmpty())
        box->setAccessibleName(accessibleName);
    return box;
}

QComboBox* MakeList(QWidget* parent, const QString& name, const QStringList& items, bool editable)
{
    auto* list = Describe(new QComboBox(parent), name, {});
    list->setEditable(editable);
    list->addItems(items);
    return list;
}

void LabelFor(QLabel* label, QWidget* control)
{
    label->setBuddy(control);
    QString name = label->text().trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    control->setAccessibleName(name);
}

LinkLabel::LinkLabel(QWidget* parent, const QString& name) : QLabel(parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Link));
    setPalette(p);
    setAccessibleDescription(QStringLiteral("Opens the user guide page of this tab in the web browser"));
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

QColor ToQColor(int32_t value)
{
    return QColor(RedPart(value), GreenPart(value), BluePart(value));
}

ColorSample::ColorSample(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    setAccessibleName(QStringLiteral("Table color sample"));
}

void ColorSample::setColors(int32_t text, int32_t background)
{
    m_text = text;
    m_background = background;
    update();
}

QSize ColorSample::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(QStringLiteral(" Sample 123 ... ")) + 8,
            fontMetrics().height() + 8};
}

void ColorSample::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_background));
    painter.setPen(ToQColor(m_text));
    painter.drawText(rect().adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral(" Sample 123 ... "));
}

} // namespace pagewright
