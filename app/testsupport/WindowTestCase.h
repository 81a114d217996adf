// Base of the widget test classes: a fresh, started main window for every test function, and a
// check after each that the script of the seam was used up.
#ifndef PAGEWRIGHT_WINDOWTESTCASE_H
#define PAGEWRIGHT_WINDOWTESTCASE_H

#include "TestWindow.h"

#include <QObject>

#include <memory>

namespace pagewright
{

// One row of a _data() table: its name, then a value for each column in order.
template <typename... V> void Row(const char* name, const V&... values)
{
    (QTest::newRow(name) << ... << values);
}

// A "key" column with the two keys that press a focused button: Return and the keypad's Enter.
inline void EnterKeyRows()
{
    QTest::addColumn<int>("key");
    Row("Return", int(Qt::Key_Return));
    Row("keypad Enter", int(Qt::Key_Enter));
}

// Types one of the EnterKeyRows keys into a widget, the keypad's Enter with its modifier.
inline void PressEnter(QWidget* widget, int key)
{
    QTest::keyClick(widget, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

class WindowTestCase : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<TestWindow> t;

private slots:
    void init()
    {
        t = std::make_unique<TestWindow>();
        QVERIFY2(t->w().started(), "the main window did not start");
    }
    void cleanup()
    {
        t->seam().verifyDone();
        t.reset();
    }
};

} // namespace pagewright

#endif
