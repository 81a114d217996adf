#include "tablecreator/ButtonKeys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace pagewright
{
namespace
{

class EnterFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button == nullptr || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

} // namespace

void EnterPressesButtons(QWidget* dialog)
{
    auto* filter = new EnterFilter(dialog);
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        button->installEventFilter(filter);
}

} // namespace pagewright
