// The cell editor opened from the Table Creator's grid, through the scripted seam: what it shows,
// Accept's checks in their order, what reaches the cell, colours, Clear cell, Cancel and keys.
#include "OpenFromGrid.h"
#include "ScriptedPlatform.h"
#include "TestWindow.h"
#include "WindowTestCase.h"
#include "dialogs/frmSpecifyColors.h"
#include "rules/ColorRoutines.h"
#include "tablecreator/frmCellInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace pagewright;

namespace
{

// The fields of a cell that the editor sets, in one line.
QString Stored(const TableCell& c)
{
    return QString::asprintf("%s|%dx%d|w%d,%d|h%d,%d|%s|%s", qPrintable(c.Content), c.RowSpan, c.ColSpan,
                             c.Width, c.WidthInPixels, c.Height, c.HeightInPixels, qPrintable(c.FontFace),
                             qPrintable(c.FontSize));
}

const QString kEmpty = QStringLiteral("|1x1|w-1,1|h-1,1||");

} // namespace

class tst_CellInfo : public WindowTestCase
{
    Q_OBJECT

private:
    const TableCell& Cell(int row, int col) { return t->w().Table.Cell(row, col); }

    // Clicks the cell at its centre in the grid and runs act on the editor it opens.
    void Edit(int row, int col, std::function<void(frmCellInfo*)> act, Qt::Key key = Qt::Key_unknown)
    {
        OpenFromGrid<frmCellInfo>(*t, Qt::LeftButton, row, col, act, key);
    }

private slots:
    void init()
    {
        t = std::make_unique<TestWindow>();
        t->showTab(5);
        t->w().resize(800, 600);
        // Cell (2, 3) spans rows 2 and 3.
        QVERIFY(t->w().Table.SetCellArea(2, 3, 2, 1));
    }

    void acceptChecksAndStores_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QStringList>("boxes"); // content, width, height, face, size
        QTest::addColumn<QString>("units");     // width and height: % or p
        QTest::addColumn<int>("rowSpan");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");
        const QString noMessage;
        const QString widthPercent = " Width in percent must be in the range 1 through 100.";
        const QString widthPixels = " Width in pixels must be in the range 10 through 1000.";
        const QString heightPercent = " Height in percent must be in the range 1 through 100.";
        const QString heightPixels = " Height in pixels must be in the range 10 through 1000.";
        const QString overlap = "Proposed cell size is inadmissible because the resulting cell would "
                                "overlap with the cell at row 2 column 3.";
        const QString badSize = "Proposed font size is inadmissible.";
        auto row = [&](const char* name, int col, QStringList boxes, const char* units, int rowSpan,
                       const QString& message, const QString& stored) {
            QTest::newRow(name) << col << boxes << QString(units) << rowSpan << message << stored;
        };
        row("everything trimmed", 1, {" <b>Name</b> ", " 50 ", " 20 ", " \"Arial\" ", " +2 "}, "%p", 1,
            noMessage, "<b>Name</b>|1x1|w50,0|h20,1|Arial|+2");
        row("pasted line breaks", 1, {"a\r\nb\nc\r", "", "", "Times\nNew Roman", ""}, "pp", 1, noMessage,
            "a b c|1x1|w-1,1|h-1,1|Times New Roman|");
        row("empty boxes", 1, {"", "", "", "", ""}, "pp", 1, noMessage, kEmpty);
        row("99.5 percent is 100", 1, {"x", "99.5", "2.5", "", ""}, "%%", 1, noMessage,
            "x|1x1|w100,0|h2,0||");
        row("20 followed by letters", 1, {"x", "20px", "", "", ""}, "pp", 1, noMessage,
            "x|1x1|w20,1|h-1,1||");
        row("100.4 percent", 1, {"x", "100.4", "", "", ""}, "%p", 1, widthPercent, kEmpty);
        row("letters as width", 1, {"x", "wide", "", "", ""}, "pp", 1, widthPixels, kEmpty);
        row("1001 pixels high", 1, {"x", "", "1001", "", ""}, "pp", 1, heightPixels, kEmpty);
        row("0 percent high", 1, {"x", "", "0", "", ""}, "p%", 1, heightPercent, kEmpty);
        row("width before height", 1, {"x", "5000", "0", "", ""}, "p%", 1, widthPixels, kEmpty);
        row("height before span", 3, {"x", "", "0", "", ""}, "p%", 2, heightPercent, kEmpty);
        row("span cutting an area", 3, {"x", "", "", "", "9"}, "pp", 2, overlap, kEmpty);
        row("span holding a whole area", 3, {"x", "", "", "", ""}, "pp", 3, noMessage, "x|3x1|w-1,1|h-1,1||");
        for (const char* size : {"3", "+2", "-1", "+0", "6", "+", "-"})
            QTest::newRow(qPrintable(QStringLiteral("size %1").arg(size)))
                << 1 << QStringList{"", "", "", "", size} << "pp" << 1 << noMessage
                << QStringLiteral("|1x1|w-1,1|h-1,1||%1").arg(size);
        // "-+1" has its sign after another sign: refused as well.
        for (const char* size : {"7", "0", "10", "+7", "3a", "+-1", "-+1", "3.5", "1e0"})
            QTest::newRow(qPrintable(QStringLiteral("size %1").arg(size)))
                << 1 << QStringList{"", "", "", "", size} << "pp" << 1 << badSize << kEmpty;
    }

    void acceptChecksAndStores()
    {
        QFETCH(int, col);
        QFETCH(QStringList, boxes);
        QFETCH(QString, units);
        QFETCH(int, rowSpan);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        t->w().Label2[TableCreatorSlot]->setText("HTML written.");
        Edit(1, col, [&](frmCellInfo* d) {
            const QList<QLineEdit*> edits = {d->txbCellContent, d->txbWidth, d->txbHeight, d->txbFontFace,
                                             d->txbFontSize};
            for (int i = 0; i < 5; ++i)
                edits[i]->setText(boxes[i]);
            (units[0] == '%' ? d->optPercent : d->optPixels)->setChecked(true);
            (units[1] == '%' ? d->optPerCentHeight : d->optPixelHeight)->setChecked(true);
            d->cboRowSpan->setCurrentIndex(rowSpan - 1);
            if (!message.isEmpty())
                t->seam().expectMessage("Inadmissible input", message, MsgIcon::None);
            d->cmdAccept->click();
            if (!message.isEmpty()) {
                QVERIFY2(d->isVisible(), "the dialog stays open after a refusal");
                QCOMPARE(d->txbCellContent->text(), boxes[0].trimmed());
                d->cmdCancel->click();
            }
        });
        QCOMPARE(Stored(Cell(1, col)), stored);
        QCOMPARE(t->w().Label2[TableCreatorSlot]->text(),
                 message.isEmpty() ? QString() : QStringLiteral("HTML written."));
    }

    void fillShowsTheCell()
    {
        // A place marker text of this table, alignment, width in percent and a font.
        t->w().Table.StoreCellFields(6, 5,
                                     TableCell{.Content = "R1C2",
                                               .Align = 2,
                                               .VAlign = 3,
                                               .Width = 25,
                                               .WidthInPixels = 0,
                                               .FontFace = "Verdana",
                                               .FontSize = "-1"});
        Edit(6, 5, [](frmCellInfo* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Cell specification"));
            QCOMPARE(d->lblCellAt->text(), QStringLiteral("Specify size, font, content, alignment, width and "
                                                          "colors of cell at row 6 column 5"));
            QCOMPARE(d->cboRowSpan->count(), 1); // the last row
            QCOMPARE(d->cboColSpan->count(), 2);
            QCOMPARE(d->txbCellContent->text(), QString());
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->txbCellContent));
            QCOMPARE(d->cboAlign->currentText() + d->cboVAlign->currentText(),
                     QStringLiteral("centerbottom"));
            QCOMPARE(d->txbWidth->text() + d->txbFontFace->text(), QStringLiteral("25Verdana"));
            QVERIFY(d->optPercent->isChecked() && d->optPixelHeight->isChecked());
            QVERIFY(!d->cmdSpecifyCellColors->isEnabled());
            QCOMPARE(d->lblCellTextHex->text(), QStringLiteral("page default"));
            d->cmdCancel->click();
        });
        // A covered cell opens the editor of the cell that covers it.
        Edit(3, 3, [](frmCellInfo* d) {
            QVERIFY(d->lblCellAt->text().endsWith("row 2 column 3"));
            QCOMPARE(d->cboRowSpan->currentText(), QStringLiteral("2"));
            d->cmdCancel->click();
        });
    }

    void cellColors_data()
    {
        QTest::addColumn<bool>("tableColorsUsed");
        QTest::addColumn<bool>("choose");    // colours chosen in the colour dialog
        QTest::addColumn<bool>("uncheck");   // the check box unticked before Accept
        QTest::addColumn<bool>("accept");    // Accept, else Cancel
        QTest::addColumn<int32_t>("stored"); // the cell's text colour afterwards
        QTest::newRow("chosen and accepted") << false << true << false << true << MakeColor(255, 0, 0);
        QTest::newRow("chosen, then unchecked") << true << true << true << true << UnsetColor;
        QTest::newRow("chosen, then cancelled") << false << true << false << false << UnsetColor;
    }

    void cellColors()
    {
        QFETCH(bool, tableColorsUsed);
        QFETCH(bool, choose);
        QFETCH(bool, uncheck);
        QFETCH(bool, accept);
        QFETCH(int32_t, stored);
        t->w().chkUseSpecifiedColors[3]->setChecked(tableColorsUsed);
        t->w().TextColors[3] = MakeColor(0, 0, 128);
        Edit(2, 1, [&](frmCellInfo* d) {
            d->chkUseSpecifiedCellColors->click();
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->cmdCancel));
            QCOMPARE(d->lblCellBackgroundHex->text(), QStringLiteral("table default"));
            if (choose) {
                t->seam().expectDialog<frmSpecifyColors>([](frmSpecifyColors& dialog) {
                    auto* colors = &dialog;
                    QCOMPARE(colors->lblWhatThisIs->text(),
                             QStringLiteral("Colors for cell at row 2 column 1"));
                    QCOMPARE(colors->lblHexColor[0]->text(), QStringLiteral("#000080")); // the table's
                    colors->findChild<QLineEdit*>("txbRed_0")->setText("255");
                    colors->findChild<QLineEdit*>("txbBlue_0")->setText("0");
                    colors->cmdAccept->click();
                });
                d->cmdSpecifyCellColors->click();
                QCOMPARE(d->lblCellTextHex->text(), QStringLiteral("#FF0000"));
                QCOMPARE(d->txbCellContent->palette().color(QPalette::Text), QColor(Qt::red));
            }
            if (uncheck) {
                d->chkUseSpecifiedCellColors->click();
                QCOMPARE(d->lblCellTextHex->text(), QStringLiteral("table default"));
            }
            (accept ? d->cmdAccept : d->cmdCancel)->click();
        });
        QCOMPARE(Cell(2, 1).CellTextColor, stored);
        QCOMPARE(Cell(2, 1).CellBackColor, stored == UnsetColor ? UnsetColor : 0xFFFFFF);
    }

    void clearCellKeepsTheSpans()
    {
        t->w().Table.StoreCellFields(
            2, 3,
            TableCell{.CellTextColor = 0x000000, .CellBackColor = 0xFFFFFF, .Content = "old", .Align = 1});
        Edit(2, 3, [](frmCellInfo* d) {
            QVERIFY(d->chkUseSpecifiedCellColors->isChecked());
            QCOMPARE(d->lblCellBackgroundHex->text(), QStringLiteral("#FFFFFF"));
            QCOMPARE(d->txbCellContent->selectedText(), QString());
            QCOMPARE(d->txbCellContent->cursorPosition(), 3);
            d->optPercent->setChecked(true);
            d->cmdResetCell->click();
            QVERIFY(d->optPixels->isChecked() && !d->chkUseSpecifiedCellColors->isChecked());
            QCOMPARE(d->lblCellTextHex->text(), QStringLiteral("page default"));
            d->cmdAccept->click();
        });
        QCOMPARE(Stored(Cell(2, 3)), QStringLiteral("|2x1|w-1,1|h-1,1||"));
        QCOMPARE(Cell(2, 3).Align, 0);
        QCOMPARE(Cell(2, 3).CellTextColor, UnsetColor);
    }

    void leavingWithoutAccept_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("closed by the frame") << 1;
        QTest::newRow("Escape") << 2;
        QTest::newRow("Enter on Cancel") << 3;
    }

    void leavingWithoutAccept()
    {
        QFETCH(int, how);
        t->w().Label2[TableCreatorSlot]->setText("HTML written.");
        Edit(2, 3, [how](frmCellInfo* d) {
            d->txbCellContent->setText("changed");
            d->cboRowSpan->setCurrentIndex(0);
            if (how == 0)
                d->cmdCancel->click();
            else if (how == 1)
                d->close();
            else
                QTest::keyClick(how == 2 ? static_cast<QWidget*>(d->txbWidth) : d->cmdCancel,
                                how == 2 ? Qt::Key_Escape : Qt::Key_Return);
            QVERIFY(!d->blnAccepted);
        });
        QCOMPARE(Stored(Cell(2, 3)), QStringLiteral("|2x1|w-1,1|h-1,1||"));
        QCOMPARE(t->w().Label2[TableCreatorSlot]->text(), QStringLiteral("HTML written."));
    }

    void keyboard()
    {
        // A list choice moves on to Cancel; Enter in the width box to Accept, Enter there accepts.
        Edit(1, 1, [](frmCellInfo* d) {
            QTest::keyClick(d->cboAlign, Qt::Key_Down);
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->cmdCancel));
            QTest::keyClicks(d->txbWidth, "40");
            QTest::keyClick(d->txbWidth, Qt::Key_Return);
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->cmdAccept));
            QTest::keyClick(d->cmdAccept, Qt::Key_Return);
        });
        QCOMPARE(Stored(Cell(1, 1)), QStringLiteral("|1x1|w40,1|h-1,1||"));
        QCOMPARE(Cell(1, 1).Align, 1);
        // Space on the grid opens the editor; Enter in the content box accepts at once; emptied,
        // the content takes the place marker.
        t->w().chkAddPlaceMarkers->setChecked(true);
        Edit(
            1, 2,
            [](frmCellInfo* d) {
                QTest::keyClicks(d->txbCellContent, "  ");
                QTest::keyClick(d->txbCellContent, Qt::Key_Enter);
            },
            Qt::Key_Space);
        QCOMPARE(Cell(1, 2).Content, QStringLiteral("R1C2"));
    }
};

QTEST_MAIN(tst_CellInfo)
#include "tst_cellinfo.moc"
