// The file choosers' focus rules with the real seam (QtPlatform, Qt's own file dialog), which
// unlike the scripted one takes the window's activation away and gives it back when it closes.
// A timer answers each dialog once it is the active window, as a user would.
#include "WindowTestCase.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

using namespace pagewright;

class tst_RealDialogs : public QObject
{
    Q_OBJECT

private slots:
    void choosersLeaveTheFocusByTheRules_data()
    {
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("chooser");
        QTest::addColumn<bool>("chosen");   // false: cancelled
        QTest::addColumn<QString>("focus"); // the box that has it; empty: the tab bar
        Row("template header", 0, "Specify custom header file", true, "Custom header file");
        Row("text header", 1, "Specify custom header file", true, "Custom header file");
        Row("text footer", 1, "Specify custom footer file", true, "");
        Row("text input", 1, "Specify input file", true, "");
        Row("code output", 2, "Specify output file", true, "");
        Row("table input, cancelled", 4, "Specify input file", false, "");
    }

    void choosersLeaveTheFocusByTheRules()
    {
        QFETCH(int, tab);
        QFETCH(QString, chooser);
        QFETCH(bool, chosen);
        QFETCH(QString, focus);
        QTemporaryDir dir;
        QtPlatform platform;
        MainWindow w(platform, {QCoreApplication::applicationDirPath(), dir.filePath("vellum.usr")});
        QVERIFY(w.start());
        QTabWidget* const tabs = w.findChild<QTabWidget*>();
        tabs->setCurrentIndex(tab);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const auto known = [tabs](const QString& name) { // as a user knows a control
            return TestWindow::controlIn<QWidget>(tabs->currentWidget(), name);
        };
        const QString file = dir.filePath("chosen.htm"); // the input dialog takes existing files only
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        bool answered = false;
        QTimer answer; // after 10 s without an active dialog, any dialog left open is closed
        connect(&answer, &QTimer::timeout, this, [&, deadline = QDeadlineTimer(10000)] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog && dialog->isActiveWindow() && !answered) {
                answered = true;
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(file);
                QMetaObject::invokeMethod(dialog, chosen ? "accept" : "reject");
            } else if (deadline.hasExpired() && QApplication::activeModalWidget()) {
                QApplication::activeModalWidget()->close();
            }
        });
        answer.start(10);
        QTest::mouseClick(known(chooser), Qt::LeftButton);
        QVERIFY2(answered, "the file dialog never became the active window");
        QTRY_COMPARE(QApplication::focusWidget(), focus.isEmpty() ? tabs->tabBar() : known(focus));
    }
};

QTEST_MAIN(tst_RealDialogs)
#include "tst_realdialogs.moc"
