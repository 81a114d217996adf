// The colour dialog and the main window's colour controls, through the scripted seam.
#include "WindowTestCase.h"
#include "dialogs/frmSpecifyColors.h"
#include "rules/ColorRoutines.h"
#include "widgets/Controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace pagewright;

namespace
{

// Replaces a channel box's text as a user would: select all, then type.
void Type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

} // namespace

class tst_Colors : public WindowTestCase
{
    Q_OBJECT

private:
    // Ticks the colour check box of a colour index, then opens its dialog, which act answers.
    void Open(int index, std::function<void(frmSpecifyColors&)> act)
    {
        if (!t->w().chkUseSpecifiedColors[index]->isChecked())
            t->w().chkUseSpecifiedColors[index]->click();
        t->seam().expectDialog<frmSpecifyColors>(std::move(act));
        t->w().cmdSpecifyColors[index]->click();
    }

private slots:
    void acceptedColorsReachTheTab()
    {
        Open(2, [](frmSpecifyColors& d) {
            QCOMPARE(d.focusWidget(), d.pic123Testing);
            Type(d.txbGreen[0], "128");
            Type(d.txbBlue[0], "255");
            Type(d.txbRed[1], "224");
            d.vsbRed[0]->triggerAction(QAbstractSlider::SliderSingleStepSub); // its upper arrow: + 5
            QCOMPARE(d.txbRed[0]->text() + d.lblHexColor[0]->text() + d.lblHexColor[1]->text(),
                     QStringLiteral("5#0580FF#E0FFFF"));
            QCOMPARE(d.pic123Testing->textColor(), MakeColor(5, 128, 255));
            QCOMPARE(d.pic123Testing->backgroundColor(), MakeColor(224, 255, 255));
            d.cmdAccept->click();
        });
        QCOMPARE(t->w().lblTextHex[2]->text() + t->w().lblBackgroundHex[2]->text(),
                 QStringLiteral("#0580FF#E0FFFF"));
        QCOMPARE(t->w().TextColors[2], MakeColor(5, 128, 255));
        QCOMPARE(t->w().BackColors[2], MakeColor(224, 255, 255));
        QCOMPARE(t->w().lblTextHex[1]->text(), QStringLiteral("#000000")); // other tabs keep theirs
    }

    void channelEntries_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: taken without a message
        QTest::addColumn<QString>("boxAfter");
        QTest::addColumn<QString>("hexAfter");
        Row("256 in text red", 0, "256", "Invalid entry for red value.", "0", "#000000");
        Row("12a in background red", 1, "12a", "Invalid entry for red value.", "255", "#FFFFFF");
        Row("empty background red", 1, "", "", "", "#00FFFF");
        Row("blanks trimmed", 0, " 12 ", "", "12", "#0C0000");
    }

    void channelEntries()
    {
        QFETCH(int, group);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, boxAfter);
        QFETCH(QString, hexAfter);
        Open(2, [&](frmSpecifyColors& d) {
            if (!message.isEmpty())
                t->seam().expectMessage("Error", message, MsgIcon::None);
            d.txbRed[group]->setText(typed); // as pasted
            QCOMPARE(d.txbRed[group]->text(), boxAfter);
            QCOMPARE(d.vsbRed[group]->channel(), boxAfter.toInt());
            QCOMPARE(d.lblHexColor[group]->text(), hexAfter);
            d.cmdAccept->click();
        });
        QCOMPARE(ColorToHex(group == 0 ? t->w().TextColors[2] : t->w().BackColors[2]), hexAfter);
    }

    void notAcceptedChangesNothingButTheResultLine_data()
    {
        QTest::addColumn<bool>("byFrame");
        Row("Cancel", false);
        Row("closed by the frame", true);
    }

    void notAcceptedChangesNothingButTheResultLine()
    {
        QFETCH(bool, byFrame);
        t->showTab(4);
        t->w().chkUseSpecifiedColors[0]->click();
        t->w().Label2[DataTableSlot]->setText("HTML written for a table with 1 row and 1 column.");
        t->w().OutputReady[DataTableSlot] = true;
        Open(0, [byFrame](frmSpecifyColors& d) {
            Type(d.txbRed[0], "200");
            Type(d.txbBlue[1], "0");
            if (byFrame)
                d.close();
            else
                d.cmdCancel->click();
        });
        QCOMPARE(t->w().TextColors[0], 0);
        QCOMPARE(t->w().lblBackgroundHex[0]->text(), QStringLiteral("#FFFFFF"));
        QCOMPARE(t->w().Label2[DataTableSlot]->text(), QString());
        QVERIFY(!t->w().OutputReady[DataTableSlot]);
    }

    void eachUseStartsFromTheCallersColors()
    {
        t->showTab(5);
        t->w().TextColors[3] = MakeColor(1, 2, 3);
        Open(3, [](frmSpecifyColors& d) { // a cancelled use leaves edits in the hidden dialog
            Type(d.txbBlue[0], "99");
            d.cmdCancel->click();
        });
        Open(3, [](frmSpecifyColors& d) {
            QCOMPARE(d.txbBlue[0]->text() + d.lblHexColor[0]->text(), QStringLiteral("3#010203"));
            Type(d.txbRed[1], "0");
            d.cmdAccept->click();
        });
        QCOMPARE(t->w().TextColors[3], MakeColor(1, 2, 3));
        QCOMPARE(t->w().BackColors[3], MakeColor(0, 255, 255));
        for (int i = 0; i < 3; ++i) // the Table Creator has no hex labels of its own
            QCOMPARE(t->w().lblBackgroundHex[i]->text(), QStringLiteral("#FFFFFF"));
    }

    void enterMovesToAcceptAndASecondEnterAccepts_data() { EnterKeyRows(); }

    void enterMovesToAcceptAndASecondEnterAccepts()
    {
        QFETCH(int, key);
        Open(2, [key](frmSpecifyColors& d) {
            Type(d.txbRed[0], "7");
            PressEnter(d.txbRed[0], key);
            QVERIFY(d.isVisible());
            QCOMPARE(d.focusWidget(), d.cmdAccept);
            PressEnter(d.cmdAccept, key);
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(t->w().lblTextHex[2]->text(), QStringLiteral("#070000"));
    }

    void checkBoxEnablesTheColorsAndTheSample()
    {
        t->showTab(4);
        frmMain& w = t->w();
        QVERIFY(!w.picSample->isVisible());
        Open(0, [](frmSpecifyColors& d) {
            Type(d.txbGreen[1], "0");
            d.cmdAccept->click();
        });
        QVERIFY(w.picSample->isVisible());
        QCOMPARE(w.picSample->grab().toImage().pixelColor(1, 1), QColor(255, 0, 255));
        QVERIFY(w.lblTextColor[0]->isEnabled() && w.lblBackgroundHex[0]->isEnabled());
        w.chkUseSpecifiedColors[0]->click();
        QVERIFY(!w.picSample->isVisible() && !w.cmdSpecifyColors[0]->isEnabled());
        QVERIFY(!w.lblBackgroundHex[0]->isEnabled());
        QCOMPARE(w.lblBackgroundHex[0]->text(), QStringLiteral("#FF00FF")); // kept for the next time
        w.chkUseSpecifiedColors[0]->click();
        QCOMPARE(w.picSample->grab().toImage().pixelColor(1, 1), QColor(255, 0, 255));
    }
};

QTEST_MAIN(tst_Colors)
#include "tst_colors.moc"
