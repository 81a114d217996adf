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

class WindowTestCase : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<TestWindow> t;

private slots:
    void init()
    {
        t = std::make_unique<TestWindow>();
        QVERIFY2(t->w().blnStartupCompleted, "the main window did not start");
    }
    void cleanup()
    {
        t->seam().verifyDone();
        t.reset();
    }
};

} // namespace pagewright

#endif
