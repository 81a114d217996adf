// The file choosers' focus rules with the real seam (QtPlatform, Qt's own file dialog), which
// unlike the scripted one takes the window's activation away and gives it back when it closes.
// A timer answers each dialog once it is the active window, as a user would.
#include "WindowTestCase.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
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
        QTest::addColumn<QString>("focus"); // empty: the tab bar
        Row("template header", 0, "cmdSpecifyCustomHeaderFile_1", true, "txbCustomHeaderFile_1");
        Row("text header", 1, "cmdSpecifyCustomHeaderFile_0", true, "txbCustomHeaderFile_0");
        Row("text footer", 1, "cmdSpecifyCustomFooterFile_0", true, "");
        Row("text input", 1, "cmdSpecifyInputFile_0", true, "");
        Row("code output", 2, "cmdSpecifyOutputFile_1", true, "");
        Row("table input, cancelled", 4, "cmdSpecifyInputFile_3", false, "");
    }

    void choosersLeaveTheFocusByTheRules()
    {
        QFETCH(int, tab);
        QFETCH(QString, chooser);
        QFETCH(bool, chosen);
        QFETCH(QString, focus);
        QTemporaryDir dir;
        QtPlatform platform;
        frmMain w(platform, {QCoreApplication::applicationDirPath(), dir.filePath("vellum.usr")});
        QVERIFY(w.Form_Load());
        w.SSTab1->setCurrentIndex(tab);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        FIND(QPushButton, button, w, chooser);
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
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY2(answered, "the file dialog never became the active window");
        QTRY_COMPARE(QApplication::focusWidget(),
                     focus.isEmpty() ? w.SSTab1->tabBar() : w.findChild<QWidget*>(focus));
    }
};

QTEST_MAIN(tst_RealDialogs)
#include "tst_realdialogs.moc"
