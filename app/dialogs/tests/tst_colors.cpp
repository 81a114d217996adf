// The colour dialog and the main window's colour controls, through the scripted seam. The colours
// a tab holds are read where the user reads them: its hex labels, or its dialog opened again.
#include "WindowTestCase.h"
#include "dialogs/frmSpecifyColors.h"
#include "rules/ColorRoutines.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

using namespace pagewright;

class tst_Colors : public WindowTestCase
{
    Q_OBJECT

private:
    QCheckBox* Use(int tab) // a tab's colour check box
    {
        return t->control<QCheckBox>(tab == 5 ? "Use specified table colors"
                                              : "Use specified colors for text and background");
    }
    // Shows a tab, ticks its colour check box, then opens its colour dialog, which act answers.
    void Open(int tab, std::function<void(QDialog&)> act)
    {
        t->showTab(tab);
        if (!Use(tab)->isChecked())
            Use(tab)->click();
        t->seam().expectDialog<frmSpecifyColors>(std::move(act));
        t->control<QPushButton>(tab < 2 ? "Specify page colors" : "Specify table colors")->click();
    }
    QLineEdit* Box(QDialog& d, const QString& name) { return t->control<QLineEdit>(name, &d); }
    QAbstractButton* Button(QDialog& d, const QString& name) { return t->control<QAbstractButton>(name, &d); }
    // A label of the shown tab or a dialog: a hex colour by what it shows ("Text color"), or a caption.
    QLabel* Label(const QString& name, QWidget* scope = nullptr)
    {
        for (QLabel* label : (scope ? scope : t->tab())->findChildren<QLabel*>())
            if (label->accessibleDescription() == name || label->text() == name)
                return label;
        return nullptr;
    }
    QString Hexes(QWidget* scope = nullptr)
    {
        return Label("Text color", scope)->text() + Label("Background color", scope)->text();
    }

private slots:
    void entries_data()
    {
        QTest::addColumn<QStringList>("entries"); // channel, then its text or "up": its upper arrow
        QTest::addColumn<QString>("press");       // a button, a key for Enter, or empty: the frame
        QTest::addColumn<bool>("refused");        // with a message
        QTest::addColumn<QString>("boxAfter");    // the first channel's box
        QTest::addColumn<QString>("shown");       // text and background colour, taken when accepted
        const QStringList red{"Text color red", "7"};
        const QString back = "Background color red";
        Row("upper arrow adds 5", QStringList{"Text color red", "up", "Text color blue", "255", back, "224"},
            "Accept", false, "5", "#0500FF#E0FFFF");
        Row("text red 256", QStringList{"Text color red", "256"}, "Accept", true, "0", "#000000#FFFFFF");
        Row("background 12a", QStringList{back, "12a"}, "Accept", true, "255", "#000000#FFFFFF");
        Row("background empty", QStringList{back, ""}, "Accept", false, "", "#000000#00FFFF");
        Row("blanks trimmed", QStringList{"Text color red", " 12 "}, "Accept", false, "12", "#0C0000#FFFFFF");
        Row("Return in a box, then on Accept", red, "Return", false, "7", "#070000#FFFFFF");
        Row("keypad Enter likewise", red, "Enter", false, "7", "#070000#FFFFFF");
        Row("Cancel", red + QStringList{back, "0"}, "Cancel", false, "7", "#070000#00FFFF");
        Row("closed by the frame", red + QStringList{back, "0"}, "", false, "7", "#070000#00FFFF");
    }

    void entries()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, press);
        QFETCH(bool, refused);
        QFETCH(QString, boxAfter);
        QFETCH(QString, shown);
        const QString kept = press == "Cancel" || press.isEmpty() ? "#000000#FFFFFF" : shown;
        const int key = press == "Return" ? Qt::Key_Return : press == "Enter" ? Qt::Key_Enter : 0;
        t->showTab(5); // the Table Creator's run leaves a result and an output to view
        Use(5)->click();
        t->control<QLineEdit>("Output file")->setText(t->path("table.htm"));
        t->seam().expectDialog<frmHowToView>([this](QDialog& d) { Button(d, "Don't view now")->click(); });
        t->control<QPushButton>("Create table")->click();
        QVERIFY(!t->result().isEmpty());
        Open(5, [&](QDialog& d) {
            auto* sample = t->control<SampleLines>("Color sample", &d);
            QCOMPARE(d.focusWidget(), sample);
            if (refused)
                t->seam().expectMessage("Error", "Invalid entry for red value.", MsgIcon::None);
            for (int i = 0; i < entries.size(); i += 2) // pasted, or an arrow clicked
                entries[i + 1] == "up"
                    ? t->control<ChannelSpin>(entries[i], &d)->triggerAction(QScrollBar::SliderSingleStepSub)
                    : Box(d, entries[i])->setText(entries[i + 1]);
            QCOMPARE(Box(d, entries[0])->text(), boxAfter);
            QCOMPARE(t->control<ChannelSpin>(entries[0], &d)->channel(), boxAfter.toInt());
            QCOMPARE(Hexes(&d), shown);
            QCOMPARE(ColorToHex(sample->textColor()) + ColorToHex(sample->backgroundColor()), shown);
            if (key) {
                PressEnter(Box(d, entries[0]), key);
                QVERIFY(d.isVisible() && d.focusWidget() == Button(d, "Accept")); // it moves to Accept
                PressEnter(Button(d, "Accept"), key);
            } else
                press.isEmpty() ? void(d.close()) : Button(d, press)->click();
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(t->result(), QString());
        for (int tab : {0, 1, 4}) { // other tabs keep theirs; the Table Creator has no hex labels
            t->showTab(tab);
            QCOMPARE(Hexes(), QStringLiteral("#000000#FFFFFF"));
        }
        t->showTab(5); // showing the tab again sets its buttons
        QVERIFY(!t->control<QPushButton>("View output file")->isEnabled());
        Open(5, [&](QDialog& d) { // each use starts from the tab's colours
            QCOMPARE(Hexes(&d), kept);
            Button(d, "Cancel")->click();
        });
    }

    void checkBoxEnablesTheColorsAndTheSample()
    {
        t->showTab(4);
        QWidget* sample = t->control<QWidget>("Table color sample");
        QVERIFY(!sample->isVisible());
        Open(4, [this](QDialog& d) {
            Box(d, "Background color green")->setText("0");
            Button(d, "Accept")->click();
        });
        QVERIFY(sample->isVisible());
        QCOMPARE(sample->grab().toImage().pixelColor(1, 1), QColor(255, 0, 255));
        QVERIFY(Label("Text color:")->isEnabled() && Label("Background color")->isEnabled());
        Use(4)->click();
        QVERIFY(!sample->isVisible() && !t->control<QPushButton>("Specify table colors")->isEnabled());
        QVERIFY(!Label("Text color:")->isEnabled() && !Label("Background color")->isEnabled());
        QCOMPARE(Label("Background color")->text(), QStringLiteral("#FF00FF")); // kept for the next time
        Use(4)->click();
        QCOMPARE(sample->grab().toImage().pixelColor(1, 1), QColor(255, 0, 255));
    }
};

QTEST_MAIN(tst_Colors)
#include "tst_colors.moc"
