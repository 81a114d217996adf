// Base of the widget test classes: a fresh main window for every test function, and a check
// after each that the script of the seam was used up.
#ifndef PAGEWRIGHT_WINDOWTESTCASE_H
#define PAGEWRIGHT_WINDOWTESTCASE_H

#include "TestWindow.h"

#include <QObject>

#include <memory>

namespace pagewright
{

class WindowTestCase : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<TestWindow> t;

private slots:
    void init() { t = std::make_unique<TestWindow>(); }
    void cleanup()
    {
        t->seam().verifyDone();
        t.reset();
    }
};

} // namespace pagewright

#endif
