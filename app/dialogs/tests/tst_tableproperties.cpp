// The table-properties dialog and the two buttons that open it, through the scripted seam. What a
// table holds is read back as the user sees it: in its dialog, opened again.
#include "WindowTestCase.h"
#include "dialogs/frmSpecifyBorderEtc.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

using namespace pagewright;

namespace
{

using Shown = QStringList; // width, unit ("%" or "px"), border, padding, spacing
const Shown kStart{"", "px", "1", "4", "4"};
const QStringList kBoxes{"Table width", "", "Border (in pixels)", "Cell padding (in pixels)",
                         "Cell spacing (in pixels)"};
const char* const kSpecify[2] = {"Specify width, border, cell padding and spacing", "Specify width etc."};

} // namespace

class tst_TableProperties : public WindowTestCase
{
    Q_OBJECT

private:
    // Shows a table's tab (0 Data to Table, 1 Table Creator) and opens its dialog, which act answers.
    void Open(int table, std::function<void(QDialog&)> act)
    {
        t->showTab(table == 0 ? 4 : 5);
        t->seam().expectDialog<frmSpecifyBorderEtc>(std::move(act));
        t->control<QPushButton>(kSpecify[table])->click();
    }
    QLineEdit* Box(QDialog& d, int i) { return t->control<QLineEdit>(kBoxes[i], &d); }
    QAbstractButton* Button(QDialog& d, const QString& name) { return t->control<QAbstractButton>(name, &d); }
    void Type(QDialog& d, const Shown& entries)
    {
        for (int i = 0; i < 5; ++i)
            i == 1 ? Button(d, entries[i] == "%" ? "percent" : "pixels")->click()
                   : Box(d, i)->setText(entries[i]);
    }
    Shown Stored(int table)
    {
        Shown shown;
        Open(table, [&](QDialog& d) {
            for (int i = 0; i < 5; ++i)
                shown << (i == 1 ? (Button(d, "percent")->isChecked() ? "%" : "px") : Box(d, i)->text());
            Button(d, "Cancel")->click();
        });
        return shown;
    }

private slots:
    void acceptOrCancel_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<Shown>("typed");
        QTest::addColumn<QString>("press"); // a button, a key that Enter types, or empty: the frame's close
        QTest::addColumn<QString>("message");
        QTest::addColumn<Shown>("stored");
        Row("creator: trimmed, halves to even", 1, Shown{" 1000 ", "px", " 2.5", "3 ", "0"}, "Accept", "",
            Shown{"1000", "px", "2", "3", "0"});
        Row("4 percent", 0, Shown{"4", "%", "", "", ""}, "Accept",
            " Width in percent must be in the range 5 through 100.", kStart);
        Row("creator: first bad box only", 1, Shown{"", "px", "", "101", "-1"}, "Accept",
            " Cellpadding in pixels must be in the range 0 through 100.", kStart);
        Row("Cancel", 0, Shown{"75", "%", "", "", ""}, "Cancel", "", kStart);
        Row("closed by the frame", 0, Shown{"75", "%", "", "", ""}, "", "", kStart);
        Row("Return in a box, then on Accept", 0, Shown{"", "%", "1", "9", "4"}, "Return", "",
            Shown{"", "%", "1", "9", "4"});
        Row("keypad Enter likewise", 0, Shown{"", "%", "1", "9", "4"}, "Enter", "",
            Shown{"", "%", "1", "9", "4"});
    }

    void acceptOrCancel()
    {
        QFETCH(int, table);
        QFETCH(Shown, typed);
        QFETCH(QString, press);
        QFETCH(QString, message);
        QFETCH(Shown, stored);
        const int key = press == "Return" ? Qt::Key_Return : press == "Enter" ? Qt::Key_Enter : 0;
        t->showTab(table == 0 ? 4 : 5);
        for (QLabel* label : t->tab()->findChildren<QLabel*>()) // a result line, as a run leaves one
            if (label->accessibleDescription() == "Result")
                label->setText("HTML written for a table with 1 row and 1 column.");
        t->control<QPushButton>(kSpecify[table])->setFocus();
        Open(table, [&](QDialog& d) {
            QCOMPARE(d.focusWidget(), Button(d, "Cancel"));
            Type(d, typed);
            QCOMPARE(d.focusWidget(), Button(d, "Cancel")); // also after a unit is chosen
            if (!message.isEmpty())
                t->seam().expectMessage("Inadmissible input", message, MsgIcon::None);
            if (key) {
                PressEnter(Box(d, 3), key);
                QVERIFY2(d.isVisible(), "Enter in a box does not accept");
                QCOMPARE(d.focusWidget(), Button(d, "Accept"));
                PressEnter(Button(d, "Accept"), key);
            } else
                press.isEmpty() ? void(d.close()) : Button(d, press)->click();
            QCOMPARE(d.isVisible(), !message.isEmpty()); // a refusal keeps the dialog open
            QCOMPARE(Box(d, 3)->text(), press == "Accept" ? typed[3].trimmed() : typed[3]);
            d.close();
        });
        const bool accepted = (press == "Accept" || key) && message.isEmpty();
        QCOMPARE(t->result().isEmpty(), accepted);
        if (!accepted)
            QCOMPARE(t->w().focusWidget(), t->w().findChild<QTabWidget*>()->tabBar());
        QCOMPARE(Stored(table), stored);
        QCOMPARE(Stored(1 - table), kStart); // the dialog is filled afresh for each table
    }
};

QTEST_MAIN(tst_TableProperties)
#include "tst_tableproperties.moc"
