// The colour dialog and the main window's colour controls, through the scripted seam.
#include "ScriptedPlatform.h"
#include "TestWindow.h"
#include "WindowTestCase.h"
#include "dialogs/frmSpecifyColors.h"
#include "rules/ColorRoutines.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <memory>

using namespace pagewright;

namespace
{

frmSpecifyColors* Colors(QDialog& dialog)
{
    auto* colors = qobject_cast<frmSpecifyColors*>(&dialog);
    if (colors == nullptr)
        QTest::qFail("Not the colour dialog", __FILE__, __LINE__);
    return colors;
}

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

QLineEdit* ChannelBox(frmSpecifyColors* d, int group, const QString& channel)
{
    return d->findChild<QLineEdit*>(QStringLiteral("txb%1_%2").arg(channel).arg(group));
}

ChannelSpin* Spin(frmSpecifyColors* d, int group, const QString& channel)
{
    return d->findChild<ChannelSpin*>(QStringLiteral("vsb%1_%2").arg(channel).arg(group));
}

} // namespace

class tst_Colors : public WindowTestCase
{
    Q_OBJECT

private:
    // Ticks the colour check box of a colour index so that its button works.
    void EnableColors(int index)
    {
        t->find<QCheckBox>(Indexed("chkUseSpecifiedColors", index))->click();
        QVERIFY(t->button(Indexed("cmdSpecifyColors", index))->isEnabled());
    }

private slots:
    void acceptedColorsReachTheTab()
    {
        t->showTab(1);
        EnableColors(2);
        t->seam().expectDialog("frmSpecifyColors", [](QDialog& dialog) {
            frmSpecifyColors* d = Colors(dialog);
            QCOMPARE(d->windowTitle(), QStringLiteral("Specify colors"));
            QCOMPARE(d->lblWhatThisIs->text(), QStringLiteral("Text to HTML: page colors"));
            QCOMPARE(d->lblHexColor[0]->text(), QStringLiteral("#000000"));
            QCOMPARE(d->lblHexColor[1]->text(), QStringLiteral("#FFFFFF"));
            QCOMPARE(ChannelBox(d, 1, "Green")->text(), QStringLiteral("255"));
            QVERIFY(d->pic123Testing->hasFocus() || d->focusWidget() == d->pic123Testing);
            Type(ChannelBox(d, 0, "Green"), "128");
            Type(ChannelBox(d, 0, "Blue"), "255");
            Type(ChannelBox(d, 1, "Red"), "224");
            QCOMPARE(Spin(d, 0, "Blue")->channel(), 255);
            QCOMPARE(d->lblHexColor[0]->text(), QStringLiteral("#0080FF"));
            QCOMPARE(d->lblHexColor[1]->text(), QStringLiteral("#E0FFFF"));
            QCOMPARE(d->pic123Testing->textColor(), MakeColor(0, 128, 255));
            QCOMPARE(d->pic123Testing->backgroundColor(), MakeColor(224, 255, 255));
            d->cmdAccept->click();
        });
        t->button("cmdSpecifyColors_2")->click();
        QCOMPARE(t->label("lblTextHex_2")->text(), QStringLiteral("#0080FF"));
        QCOMPARE(t->label("lblBackgroundHex_2")->text(), QStringLiteral("#E0FFFF"));
        QCOMPARE(t->w().TextColors[2], MakeColor(0, 128, 255));
        QCOMPARE(t->w().BackColors[2], MakeColor(224, 255, 255));
        // The other tabs keep their colours.
        QCOMPARE(t->label("lblTextHex_1")->text(), QStringLiteral("#000000"));
        QCOMPARE(t->w().TextColors[0], 0);
    }

    void invalidChannelEntries_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("channel");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: accepted without a message
        QTest::addColumn<QString>("boxAfter");
        QTest::addColumn<int>("spinAfter");
        QTest::newRow("256 in text red") << 0 << "Red"
                                         << "256"
                                         << "Invalid entry for red value."
                                         << "0" << 0;
        QTest::newRow("1000 in text green") << 0 << "Green"
                                            << "1000"
                                            << "Invalid entry for green value."
                                            << "0" << 0;
        QTest::newRow("12a in text blue") << 0 << "Blue"
                                          << "12a"
                                          << "Invalid entry for blue value."
                                          << "0" << 0;
        QTest::newRow("256 in background red") << 1 << "Red"
                                               << "256"
                                               << "Invalid entry for red value."
                                               << "255" << 255;
        QTest::newRow("-5 in background blue") << 1 << "Blue"
                                               << "-5"
                                               << "Invalid entry for blue value."
                                               << "255" << 255;
        QTest::newRow("empty background green") << 1 << "Green"
                                                << ""
                                                << ""
                                                << "" << 0;
        QTest::newRow("blanks trimmed") << 0 << "Red"
                                        << " 12 "
                                        << ""
                                        << "12" << 12;
    }

    void invalidChannelEntries()
    {
        QFETCH(int, group);
        QFETCH(QString, channel);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, boxAfter);
        QFETCH(int, spinAfter);
        EnableColors(2);
        t->seam().expectDialog("frmSpecifyColors", [&](QDialog& dialog) {
            frmSpecifyColors* d = Colors(dialog);
            QLineEdit* box = ChannelBox(d, group, channel);
            box->clear();
            if (!message.isEmpty())
                t->seam().expectMessage("Error", message, MsgIcon::None);
            box->setText(typed); // as pasted

            QCOMPARE(box->text(), boxAfter);
            QCOMPARE(Spin(d, group, channel)->channel(), spinAfter);
            const int32_t color = group == 0 ? d->TextColor : d->BackColor;
            const int part = channel == "Red"     ? RedPart(color)
                             : channel == "Green" ? GreenPart(color)
                                                  : BluePart(color);
            QCOMPARE(part, spinAfter);
            QCOMPARE(d->lblHexColor[group]->text(), ColorToHex(color));
            d->cmdAccept->click();
        });
        t->button("cmdSpecifyColors_2")->click();
    }

    void spinControlStepsByFive()
    {
        EnableColors(2);
        t->seam().expectDialog("frmSpecifyColors", [](QDialog& dialog) {
            frmSpecifyColors* d = Colors(dialog);
            ChannelSpin* spin = Spin(d, 0, "Red");
            QCOMPARE(spin->singleStep(), 5);
            // The upper arrow raises the channel.
            QStyleOptionSlider option;
            option.initFrom(spin);
            option.orientation = Qt::Vertical;
            option.minimum = spin->minimum();
            option.maximum = spin->maximum();
            option.sliderPosition = spin->sliderPosition();
            option.sliderValue = spin->value();
            option.rect = spin->rect();
            const QRect up = spin->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                           QStyle::SC_ScrollBarSubLine, spin);
            QTest::mouseClick(spin, Qt::LeftButton, {}, up.center());
            QCOMPARE(spin->channel(), 5);
            QCOMPARE(ChannelBox(d, 0, "Red")->text(), QStringLiteral("5"));
            QCOMPARE(d->lblHexColor[0]->text(), QStringLiteral("#050000"));
            QCOMPARE(d->TextColor, 5);
            d->cmdAccept->click();
        });
        t->button("cmdSpecifyColors_2")->click();
        QCOMPARE(t->label("lblTextHex_2")->text(), QStringLiteral("#050000"));
    }

    void notAcceptedChangesNothingButTheResultLine_data()
    {
        QTest::addColumn<bool>("byFrame");
        QTest::newRow("Cancel") << false;
        QTest::newRow("closed by the frame") << true;
    }

    void notAcceptedChangesNothingButTheResultLine()
    {
        QFETCH(bool, byFrame);
        t->showTab(4);
        EnableColors(0);
        t->label("Label2_3")->setText("HTML written for a table with 1 row and 1 column.");
        t->w().OutputReady[DataTableSlot] = true;
        t->seam().expectDialog("frmSpecifyColors", [byFrame](QDialog& dialog) {
            frmSpecifyColors* d = Colors(dialog);
            Type(ChannelBox(d, 0, "Red"), "200");
            Type(ChannelBox(d, 1, "Blue"), "0");
            if (byFrame)
                d->close();
            else
                d->cmdCancel->click();
            QVERIFY(!d->Accepted);
        });
        t->button("cmdSpecifyColors_0")->click();
        QCOMPARE(t->w().TextColors[0], 0);
        QCOMPARE(t->w().BackColors[0], 0xFFFFFF);
        QCOMPARE(t->label("lblTextHex_0")->text(), QStringLiteral("#000000"));
        QCOMPARE(t->label("lblBackgroundHex_0")->text(), QStringLiteral("#FFFFFF"));
        QCOMPARE(t->label("Label2_3")->text(), QString());
        QVERIFY(!t->w().OutputReady[DataTableSlot]);
    }

    void eachUseStartsFromTheCallersColors()
    {
        t->showTab(5);
        t->w().TextColors[3] = MakeColor(1, 2, 3);
        // A first use that is cancelled leaves edits in the hidden dialog's boxes.
        t->seam().expectDialog("frmSpecifyColors", [](QDialog& dialog) {
            frmSpecifyColors* d = Colors(dialog);
            QCOMPARE(d->lblWhatThisIs->text(), QStringLiteral("Table Creator: table colors"));
            QCOMPARE(ChannelBox(d, 0, "Blue")->text(), QStringLiteral("3"));
            Type(ChannelBox(d, 0, "Blue"), "99");
            d->cmdCancel->click();
        });
        t->button("cmdSpecifyColors_3")->click();
        t->seam().expectDialog("frmSpecifyColors", [](QDialog& dialog) {
            frmSpecifyColors* d = Colors(dialog);
            QCOMPARE(ChannelBox(d, 0, "Blue")->text(), QStringLiteral("3"));
            QCOMPARE(d->lblHexColor[0]->text(), QStringLiteral("#010203"));
            QCOMPARE(d->TextColor, MakeColor(1, 2, 3));
            Type(ChannelBox(d, 1, "Red"), "0");
            d->cmdAccept->click();
        });
        t->button("cmdSpecifyColors_3")->click();
        QCOMPARE(t->w().TextColors[3], MakeColor(1, 2, 3));
        QCOMPARE(t->w().BackColors[3], MakeColor(0, 255, 255));
        // The Table Creator has no hex labels; the other tabs' labels are untouched.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(t->label(Indexed("lblBackgroundHex", i))->text(), QStringLiteral("#FFFFFF"));
    }

    void enterMovesToAcceptWithoutAccepting()
    {
        EnableColors(2);
        t->seam().expectDialog("frmSpecifyColors", [](QDialog& dialog) {
            frmSpecifyColors* d = Colors(dialog);
            QLineEdit* box = ChannelBox(d, 0, "Red");
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(d->isVisible());
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->cmdAccept));
            QVERIFY(!d->Accepted);
            d->cmdCancel->click();
        });
        t->button("cmdSpecifyColors_2")->click();
    }

    void dialogStandsAtTheWindowsTopRight()
    {
        EnableColors(2);
        const QRect main = t->w().frameGeometry();
        t->seam().expectDialog("frmSpecifyColors", [main](QDialog& dialog) {
            const QRect d = dialog.frameGeometry();
            QCOMPARE(d.right() + 1, main.right() + 1 - TwipsToPixels(100, dialog.logicalDpiX()));
            QCOMPARE(d.top(), main.top() + TwipsToPixels(700, dialog.logicalDpiY()));
            Colors(dialog)->cmdCancel->click();
        });
        t->button("cmdSpecifyColors_2")->click();
    }

    void checkBoxEnablesTheColorsAndTheSample()
    {
        t->showTab(4);
        auto* check = t->find<QCheckBox>("chkUseSpecifiedColors_0");
        QWidget* sample = t->w().findChild<QWidget*>("picSample");
        QVERIFY(!sample->isVisible());
        check->click();
        QVERIFY(sample->isVisible());
        QVERIFY(t->button("cmdSpecifyColors_0")->isEnabled());
        for (const char* name :
             {"lblTextColor_0", "lblTextHex_0", "lblBackgroundColor_0", "lblBackgroundHex_0"})
            QVERIFY2(t->label(name)->isEnabled(), name);
        t->seam().expectDialog("frmSpecifyColors", [](QDialog& dialog) {
            frmSpecifyColors* d = Colors(dialog);
            QCOMPARE(d->lblWhatThisIs->text(), QStringLiteral("Data to Table: table colors"));
            Type(ChannelBox(d, 1, "Green"), "0");
            d->cmdAccept->click();
        });
        t->button("cmdSpecifyColors_0")->click();
        // The sample is drawn in the accepted colours.
        const QImage shot = sample->grab().toImage();
        QCOMPARE(shot.pixelColor(1, 1), QColor(255, 0, 255));
        check->click();
        QVERIFY(!sample->isVisible());
        QVERIFY(!t->button("cmdSpecifyColors_0")->isEnabled());
        QVERIFY(!t->label("lblBackgroundHex_0")->isEnabled());
        // Unchecking keeps the choice for the next time.
        QCOMPARE(t->label("lblBackgroundHex_0")->text(), QStringLiteral("#FF00FF"));
        check->click();
        QCOMPARE(sample->grab().toImage().pixelColor(1, 1), QColor(255, 0, 255));
    }

    void headerFileDisablesTheColorCheckBox()
    {
        t->showTab(1);
        EnableColors(2);
        t->box("txbCustomHeaderFile_0")->setText("/d/head.htm");
        QVERIFY(!t->find<QCheckBox>("chkUseSpecifiedColors_2")->isEnabled());
        QVERIFY(!t->button("cmdSpecifyColors_2")->isEnabled());
        QVERIFY(!t->label("lblTextHex_2")->isEnabled());
        t->box("txbCustomHeaderFile_0")->clear();
        QVERIFY(t->button("cmdSpecifyColors_2")->isEnabled());
        QVERIFY(t->label("lblTextHex_2")->isEnabled());
    }
};

QTEST_MAIN(tst_Colors)
#include "tst_colors.moc"
