// Keyboard rule of the Table Creator's dialogs: Enter on a focused button presses it, as Space
// does. The buttons are not default buttons, so Enter elsewhere presses nothing.
#ifndef PAGEWRIGHT_BUTTONKEYS_H
#define PAGEWRIGHT_BUTTONKEYS_H

class QWidget;

namespace pagewright
{

// Lets Enter and Return press every push button that is a child of dialog.
void EnterPressesButtons(QWidget* dialog);

} // namespace pagewright

#endif
