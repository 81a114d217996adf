// Every control of every tab has a name a screen reader can speak.
#include "ScriptedPlatform.h"
#include "TestWindow.h"
#include "WindowTestCase.h"
#include "dialogs/frmSpecifyBorderEtc.h"
#include "dialogs/frmSpecifyColors.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace pagewright;

namespace
{

struct Found {
    QString objectName;
    QAccessible::Role role;
    QString name;
    QString description;
};

void Walk(QAccessibleInterface* iface, QList<Found>& out)
{
    if (iface == nullptr || iface->state().invisible)
        return;
    QObject* object = iface->object();
    out.append({object ? object->objectName() : QString(), iface->role(), iface->text(QAccessible::Name),
                iface->text(QAccessible::Description)});
    for (int i = 0; i < iface->childCount(); ++i)
        Walk(iface->child(i), out);
}

bool IsControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::StaticText:
    case QAccessible::Link:
    case QAccessible::Grouping:
    case QAccessible::PageTab:
    case QAccessible::ScrollBar:
        return true;
    default:
        return false;
    }
}

} // namespace

class tst_Accessibility : public WindowTestCase
{
    Q_OBJECT

private:
private slots:
    void everyControlIsNamed_data()
    {
        QTest::addColumn<int>("tab");
        for (int tab = 0; tab < 6; ++tab)
            QTest::newRow(qPrintable(QStringLiteral("tab %1").arg(tab))) << tab;
    }

    void everyControlIsNamed()
    {
        QFETCH(int, tab);
        t->showTab(tab);
        QList<Found> found;
        Walk(QAccessible::queryAccessibleInterface(t->w().SSTab1->widget(tab)), found);
        int controls = 0;
        for (const Found& f : found) {
            if (!IsControl(f.role) && !f.objectName.startsWith("pic"))
                continue;
            ++controls;
            if (f.objectName.startsWith(QLatin1String("Label2_"))) {
                QCOMPARE(f.description, QStringLiteral("Result"));
                continue;
            }
            QVERIFY2(!f.name.trimmed().isEmpty(),
                     qPrintable(
                         QStringLiteral("Nameless control %1 (role %2)").arg(f.objectName).arg(int(f.role))));
        }
        QVERIFY(controls > 10);
    }

    void dialogControlsAreNamed_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("colours") << "frmSpecifyColors";
        QTest::newRow("table properties") << "frmSpecifyBorderEtc";
    }

    void dialogControlsAreNamed()
    {
        QFETCH(QString, dialog);
        QDialog* d = dialog == "frmSpecifyColors" ? static_cast<QDialog*>(t->w().SpecifyColors())
                                                  : static_cast<QDialog*>(t->w().SpecifyBorderEtc());
        // The caller always gives the colour dialog its heading.
        t->w().SpecifyColors()->lblWhatThisIs->setText("Text to HTML: page colors");
        d->show();
        QList<Found> found;
        Walk(QAccessible::queryAccessibleInterface(d), found);
        int controls = 0;
        for (const Found& f : found) {
            if (!IsControl(f.role) && !f.objectName.startsWith("pic"))
                continue;
            ++controls;
            QVERIFY2(!f.name.trimmed().isEmpty(),
                     qPrintable(
                         QStringLiteral("Nameless control %1 (role %2)").arg(f.objectName).arg(int(f.role))));
        }
        QVERIFY(controls >= 10);
        d->hide();
    }

    void dialogNamesSayWhichColor()
    {
        frmSpecifyColors* d = t->w().SpecifyColors();
        QCOMPARE(d->txbRed[0]->accessibleName(), QStringLiteral("Text color red"));
        QCOMPARE(d->vsbBlue[1]->accessibleName(), QStringLiteral("Background color blue"));
        QCOMPARE(t->w().SpecifyBorderEtc()->txbCellPadding->accessibleName(),
                 QStringLiteral("Cell padding (in pixels)"));
    }

    void namesFollowCaptionsLabelsAndRoles()
    {
        const auto name = [this](const QString& object) {
            QAccessibleInterface* i =
                QAccessible::queryAccessibleInterface(t->w().findChild<QWidget*>(object));
            return i ? i->text(QAccessible::Name) : QString();
        };
        const auto description = [this](const QString& object) {
            QAccessibleInterface* i =
                QAccessible::queryAccessibleInterface(t->w().findChild<QWidget*>(object));
            return i ? i->text(QAccessible::Description) : QString();
        };
        QCOMPARE(name("txbInputFile_0"), QStringLiteral("Input file"));
        QCOMPARE(name("txbOutputFile_4"), QStringLiteral("Output file"));
        QCOMPARE(name("txbCustomHeaderFile_1"), QStringLiteral("Custom header file"));
        QCOMPARE(name("txbCustomFooterFile_0"), QStringLiteral("Custom footer file"));
        QCOMPARE(name("txbTitle"), QStringLiteral("Title"));
        // On Linux a combo box speaks its value; its name comes from the label it is labelled by.
        QCOMPARE(t->w().findChild<QWidget*>("cboSeparatorChar")->accessibleName(),
                 QStringLiteral("Separator character"));
        QCOMPARE(name("cboSeparatorCharText"), QStringLiteral("Separator character"));
        QCOMPARE(t->w().findChild<QWidget*>("cboPaddingSpaces")->accessibleName(),
                 QStringLiteral("Number of left/right padding spaces"));
        QCOMPARE(name("txbNumberOfItems"), QStringLiteral("Number of items in list"));
        QCOMPARE(name("cmdPerformOperation_3"), QStringLiteral("Convert data to table"));
        QCOMPARE(name("chkCenterTable4"), QStringLiteral("Center table"));
        QCOMPARE(description("chkCenterTable4"), QStringLiteral("Add <CENTER>...</CENTER>."));
        QCOMPARE(
            description("cmdSpecifyCustomHeaderFile_0"),
            QStringLiteral("A custom header file contains HTML code to be placed at the start of the HTML "
                           "document."));
        QCOMPARE(qobject_cast<QLabel*>(t->w().findChild<QWidget*>("lblTitle"))->buddy(),
                 t->w().findChild<QWidget*>("txbTitle"));

        // The result line reads its own text, markup included.
        QLabel* result = t->label("Label2_0");
        result->setText(
            "Input file contains \"<HTML>\" so appears to be HTML not text. No output file created.");
        QCOMPARE(name("Label2_0"), result->text());
        QCOMPARE(description("Label2_0"), QStringLiteral("Result"));
    }

    void messageLabelsArePlainText()
    {
        t->w().SpecifyColors();
        t->w().SpecifyBorderEtc();
        for (QLabel* label : t->w().findChildren<QLabel*>())
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
