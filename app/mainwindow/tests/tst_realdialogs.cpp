// The focus rules of the file choosers with the real seam (QtPlatform and Qt's own file dialog):
// unlike the scripted seam, the real dialog takes the window's activation with it and gives it
// back only when it has gone. Each dialog is answered from a timer once it is the active window,
// as a user would answer it. Run offscreen and, where Xvfb is installed, on an X server.
#include "WindowTestCase.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QFile>
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
    void initTestCase() { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void choosersLeaveTheFocusByTheRules_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("chooser");
        QTest::addColumn<bool>("chosen");   // false: the dialog is cancelled
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
        frmMain w(platform, frmMain::Options{QCoreApplication::applicationDirPath(), dir.filePath("vellum.usr")});
        QVERIFY(w.Form_Load());
        w.SSTab1->setCurrentIndex(tab);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        FIND(QPushButton, button, w, chooser);
        const QString file = dir.filePath("chosen.htm"); // the input dialog takes existing files only
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));

        int ticks = 0;
        QString answered;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (++ticks > 1000 && QApplication::activeModalWidget()) // 10 s: never left open
                QApplication::activeModalWidget()->close();
            if (!dialog || !dialog->isActiveWindow())
                return;
            answered = dialog->windowTitle();
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(file);
            QMetaObject::invokeMethod(dialog, chosen ? "accept" : "reject");
        });
        answer.start(10);
        QTest::mouseClick(button, Qt::LeftButton);
        answer.stop();
        QVERIFY2(!answered.isEmpty(), "the file dialog did not become the active window");
        QTRY_COMPARE(QApplication::focusWidget(),
                     focus.isEmpty() ? w.SSTab1->tabBar() : w.findChild<QWidget*>(focus));
    }
};

QTEST_MAIN(tst_RealDialogs)
#include "tst_realdialogs.moc"
