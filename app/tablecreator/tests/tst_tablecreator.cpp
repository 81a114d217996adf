// The Table Creator tab through the scripted seam: keys and clicks on the grid, partial repaints,
// the size lists and place markers, "Create table", New, Load and Save, and the cell editor and
// copy dialogs opened the way a user does, by a click at the centre of a cell or a key.
#include "WindowTestCase.h"
#include "dialogs/frmHowToView.h"
#include "dialogs/frmSpecifyColors.h"
#include "rules/ColorRoutines.h"
#include "tablecreator/TableFile.h"
#include "tablecreator/TableGrid.h"
#include "tablecreator/frmCellInfo.h"
#include "tablecreator/frmCopyCell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace pagewright;

namespace
{

const FileDialogRequest kSaveRequest{.kind = FileDialogRequest::Save,
                                     .title = "Save table as",
                                     .filter = "Table files (*.tbl) | *.tbl",
                                     .initialName = {},
                                     .confirmOverwrite = true};
const FileDialogRequest kLoadRequest{.kind = FileDialogRequest::Open,
                                     .title = "Load table",
                                     .filter = "Table files (*.tbl) | *.tbl",
                                     .initialName = {}};
const int32_t kRed = MakeColor(255, 0, 0);

QImage FullPicture(TableGrid& grid)
{
    QImage image(grid.size(), QImage::Format_RGB32);
    grid.render(&image);
    return image;
}

// The fields of a cell that the editor sets, in one line.
QString Stored(const TableCell& c)
{
    return QString::asprintf("%s|%dx%d|w%d,%d|h%d,%d|%s|%s", qPrintable(c.Content), c.RowSpan, c.ColSpan,
                             c.Width, c.WidthInPixels, c.Height, c.HeightInPixels, qPrintable(c.FontFace),
                             qPrintable(c.FontSize));
}

const QString kEmpty = QStringLiteral("|1x1|w-1,1|h-1,1||");
const QString kEmptySpan = QStringLiteral("|2x1|w-1,1|h-1,1||");

} // namespace

class tst_tablecreator : public WindowTestCase
{
    Q_OBJECT

    TableGrid* grid() { return t->w().picTable; }
    const TableCell& Cell(int row, int col) { return t->w().Table.Cell(row, col); }

    // Opens a cell dialog from the grid: a click at the centre of the cell, or a key on the
    // grid's focus cell; act runs on the dialog, and the table keeps its rules afterwards.
    template <typename Dialog>
    void Open(Qt::MouseButton button, int row, int col, std::function<void(Dialog*)> act,
              Qt::Key key = Qt::Key_unknown)
    {
        t->seam().expectDialog<Dialog>([act](Dialog& dialog) { act(&dialog); });
        if (key == Qt::Key_unknown) {
            QTest::mouseClick(grid(), button, {},
                              AreaRect(grid()->metrics(), t->w().Table, row, col).center());
        } else {
            grid()->setFocusCell({row, col});
            QTest::keyClick(grid(), key, key == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
        }
        QCOMPARE(t->w().Table.InvariantProblem(), QString());
    }
    void Edit(int row, int col, std::function<void(frmCellInfo*)> act, Qt::Key key = Qt::Key_unknown)
    {
        Open<frmCellInfo>(Qt::LeftButton, row, col, act, key);
    }
    void CopyFrom(int row, int col, std::function<void(frmCopyCell*)> act, Qt::Key key = Qt::Key_unknown,
                  Qt::MouseButton button = Qt::RightButton)
    {
        Open<frmCopyCell>(button, row, col, act, key);
    }

    // The cells of the table whose content is "x", as "row,col" in order.
    QStringList CellsHoldingX()
    {
        QStringList found;
        for (int r = 1; r <= t->w().Table.NumRows(); ++r)
            for (int c = 1; c <= t->w().Table.NumCols(); ++c)
                if (Cell(r, c).Content == "x")
                    found << QStringLiteral("%1,%2").arg(r).arg(c);
        return found;
    }

private slots:
    // The tab shown with a 6 x 6 table: cell (2, 2) holds "x" in red on yellow, centred, width
    // 25 %, height 40; cell (3, 3) spans rows 3 and 4, so (4, 3) is covered.
    void init()
    {
        t = std::make_unique<TestWindow>();
        t->showTab(5);
        t->w().resize(800, 600);
        t->w().Table.StoreCellFields(2, 2,
                                     TableCell{.CellTextColor = kRed,
                                               .CellBackColor = MakeColor(255, 255, 0),
                                               .Content = "x",
                                               .Align = 2,
                                               .Width = 25,
                                               .WidthInPixels = 0,
                                               .Height = 40});
        QVERIFY(t->w().Table.SetCellArea(3, 3, 2, 1));
        t->w().DrawTable();
    }

    void gridKeys_data()
    {
        QTest::addColumn<QList<int>>("keys"); // a key with Shift held is negative
        QTest::addColumn<bool>("edit");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        Row("right right enter", QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Return}, true, 1, 3);
        Row("onto a covered cell, space",
            QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space},
            true, 3, 3);
        Row("down across the span",
            QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Menu},
            false, 5, 3);
        Row("stops at the edge", QList<int>{Qt::Key_Up, Qt::Key_Left, -Qt::Key_F10}, false, 1, 1);
    }
    void gridKeys()
    {
        QFETCH(QList<int>, keys);
        QFETCH(bool, edit);
        QFETCH(int, row);
        QFETCH(int, col);
        QObject::disconnect(grid(), nullptr, &t->w(), nullptr); // spies instead of the dialogs
        QSignalSpy edits(grid(), &TableGrid::editRequested);
        QSignalSpy copies(grid(), &TableGrid::copyRequested);
        // A gap between cells and the number margins hit nothing.
        const QRect cell = CellRect(grid()->metrics(), 1, 1);
        for (QPoint miss : {cell.topRight() + QPoint(1, 0), QPoint(2, 2), QPoint(cell.left(), 3)})
            QTest::mouseClick(grid(), Qt::LeftButton, {}, miss);
        for (int key : keys)
            QTest::keyClick(grid(), Qt::Key(std::abs(key)), key < 0 ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(edits.size() + copies.size(), 1);
        QSignalSpy& spy = edit ? edits : copies;
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), row);
        QCOMPARE(spy.at(0).at(1).toInt(), col);
        QCOMPARE(grid()->accessibleName(), QStringLiteral("Row %1, column %2").arg(row).arg(col));
    }

    void partialRepaintEqualsFullRedraw_data()
    {
        QTest::addColumn<int>("change");
        Row("highlight moves", 0);
        Row("highlight onto the span", 1);
        Row("focus cell moves", 2);
        Row("redraw removes the highlight", 3);
    }
    void partialRepaintEqualsFullRedraw()
    {
        QFETCH(int, change);
        TableCell values = Cell(1, 2);
        values.Content = QStringLiteral("a long text that runs past its cell");
        t->w().Table.StoreCellFields(1, 2, values);
        grid()->DrawTable();
        grid()->HighlightCell(1, 1);
        QImage before = FullPicture(*grid());
        if (change == 0)
            grid()->HighlightCell(1, 2);
        else if (change == 1)
            grid()->HighlightCell(4, 3);
        else if (change == 2)
            grid()->setFocusCell({4, 4});
        else
            grid()->DrawTable();
        const QRegion dirty = grid()->pendingRegion();
        QVERIFY(!dirty.isEmpty());
        qint64 area = 0;
        for (const QRect& r : dirty)
            area += qint64(r.width()) * r.height();
        QVERIFY(change == 3 || area < qint64(grid()->width()) * grid()->height() / 4);
        grid()->render(&before, dirty.boundingRect().topLeft(), dirty);
        QCOMPARE(before, FullPicture(*grid()));
    }

    void sizeListsAndPlaceMarkers()
    {
        t->w().Label2[TableCreatorSlot]->setText("old result");
        t->w().cboNumberOfRows->setCurrentIndex(2);
        QCOMPARE(t->w().Table.NumRows(), 3);
        QCOMPARE(Cell(3, 3).RowSpan, 1);
        QCOMPARE(t->w().Label2[TableCreatorSlot]->text(), QString());
        t->w().chkAddPlaceMarkers->click();
        QCOMPARE(Cell(3, 6).Content, QStringLiteral("R3C6"));
        t->w().cboNumberOfColumns->setCurrentIndex(6);
        QCOMPARE(Cell(1, 7).Content, QStringLiteral("R1C7"));
        QCOMPARE(t->w().Table.InvariantProblem(), QString());
    }

    void createTable()
    {
        t->w().txbOutputFile[TableCreatorSlot]->setText(t->path("table.htm"));
        t->seam().expectHowToView(&frmHowToView::cmdNotNow);
        t->w().cmdPerformOperation_Click(TableCreatorSlot);
        QCOMPARE(t->w().Label2[TableCreatorSlot]->text(), QStringLiteral("HTML for table written."));
        QVERIFY(t->w().OutputReady[TableCreatorSlot]);
        QVERIFY(TestWindow::readFile(t->path("table.htm")).contains("<td rowspan=\"2\">&#160;</td>\r\n"));
    }

    void tableFiles_data()
    {
        QTest::addColumn<QString>("scenario");
        Row("save and load back", QString("roundTrip"));
        Row("damaged file changes nothing", QString("damaged"));
        Row("save into a missing folder", QString("saveFails"));
        Row("new, answered yes", QString("newYes"));
        Row("new, answered cancel", QString("newCancel"));
    }
    void tableFiles()
    {
        QFETCH(QString, scenario);
        frmMain& w = t->w();
        w.chkAddHTMLWrapper4->setChecked(true);
        w.TextColors[3] = 0x123456;
        w.TableBorder[1] = 7;
        w.cboNumberOfColumns->setCurrentIndex(3);
        w.txbOutputFile[TableCreatorSlot]->setText("/tmp/out, with comma.htm");
        const TableModel designed = w.Table;
        const QString file = t->path("t.tbl");
        QPushButton *newButton = w.cmdSaveLoad[0], *load = w.cmdSaveLoad[1], *save = w.cmdSaveLoad[2];
        const auto expectNew = [&](MsgAnswer answer) {
            t->seam().expectMessage("New table", "Clear table and start anew?", MsgIcon::Question,
                                    MsgButtons::YesNoCancel, answer);
        };
        if (scenario == "roundTrip") {
            t->seam().expectFileDialog(kSaveRequest, file);
            save->click();
            QCOMPARE(w.LastTableFile, file);
            expectNew(MsgAnswer::Yes);
            newButton->click();
            t->seam().expectFileDialog(kLoadRequest, file);
            load->click();
            FileDialogRequest again = kSaveRequest;
            again.initialName = file;
            t->seam().expectFileDialog(again, QString()); // proposes the last name; cancelled
            save->click();
        } else if (scenario == "damaged") {
            const QByteArray bytes = TableFileBytes(TableDocument{});
            t->writeFile("t.tbl", bytes.left(bytes.size() - 30));
            t->seam().expectFileDialog(kLoadRequest, file);
            t->seam().expectMessage("Load table error", "Error when attempting to load table.",
                                    MsgIcon::None);
            load->click();
        } else if (scenario == "saveFails") {
            t->seam().expectFileDialog(kSaveRequest, t->path("missing/t.tbl"));
            t->seam().expectMessage("Save table error", "Error when attempting to save table.",
                                    MsgIcon::None);
            save->click();
            QCOMPARE(w.LastTableFile, QString());
        } else {
            expectNew(scenario == "newYes" ? MsgAnswer::Yes : MsgAnswer::Cancel);
            newButton->click();
        }
        const bool cleared = scenario == "newYes";
        QCOMPARE(w.Table == TableModel(), cleared);
        QCOMPARE(w.Table == designed, !cleared);
        QCOMPARE(w.chkAddHTMLWrapper4->isChecked() && w.TextColors[3] == 0x123456, !cleared);
        QCOMPARE(w.cboNumberOfColumns->currentText(), cleared ? "6" : "4");
        QVERIFY(cleared || w.txbOutputFile[TableCreatorSlot]->text() == "/tmp/out, with comma.htm");
        QCOMPARE(w.TableBorder[1], 7);
        QCOMPARE(w.Table.InvariantProblem(), QString());
    }

    // The cell editor.

    void acceptChecksAndStores_data()
    {
        QTest::addColumn<int>("row");           // of column 3: row 2 lies above the span, row 1 is plain
        QTest::addColumn<QStringList>("boxes"); // content, width, height, face, size
        QTest::addColumn<QString>("units");     // width and height: % or p
        QTest::addColumn<int>("rowSpan");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");
        const QString ok;
        const QString widthPixels = " Width in pixels must be in the range 10 through 1000.";
        const QString heightPercent = " Height in percent must be in the range 1 through 100.";
        const auto row = [](const char* name, int r, QStringList boxes, const char* units, int span,
                            const QString& message, const QString& stored) {
            QTest::newRow(name) << r << boxes << QString(units) << span << message << stored;
        };
        row("everything trimmed", 1, {" <b>Name</b> ", " 50 ", " 20 ", " \"Arial\" ", " +2 "}, "%p", 1, ok,
            "<b>Name</b>|1x1|w50,0|h20,1|Arial|+2");
        row("pasted line breaks", 1, {"a\r\nb\nc\r", "", "", "Times\nNew Roman", ""}, "pp", 1, ok,
            "a b c|1x1|w-1,1|h-1,1|Times New Roman|");
        row("99.5 percent is 100", 1, {"x", "99.5", "2.5", "", ""}, "%%", 1, ok, "x|1x1|w100,0|h2,0||");
        row("width before height", 1, {"x", "5000", "0", "", ""}, "p%", 1, widthPixels, kEmpty);
        row("height before span", 2, {"x", "", "0", "", ""}, "p%", 2, heightPercent, kEmpty);
        row("span cutting an area", 2, {"x", "", "", "", "9"}, "pp", 2,
            "Proposed cell size is inadmissible because the resulting cell would overlap with the cell at "
            "row 3 column 3.",
            kEmpty);
        row("span holding a whole area", 2, {"x", "", "", "", ""}, "pp", 3, ok, "x|3x1|w-1,1|h-1,1||");
        row("sign after a sign", 1, {"x", "", "", "", "-+1"}, "pp", 1, "Proposed font size is inadmissible.",
            kEmpty);
    }
    void acceptChecksAndStores()
    {
        QFETCH(int, row);
        QFETCH(QStringList, boxes);
        QFETCH(QString, units);
        QFETCH(int, rowSpan);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        t->w().Label2[TableCreatorSlot]->setText("HTML written.");
        Edit(row, 3, [&](frmCellInfo* d) {
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
            QCOMPARE(d->isVisible(), !message.isEmpty()); // a refusal keeps the dialog open
            QCOMPARE(d->txbCellContent->text(),
                     message.isEmpty() ? d->txbCellContent->text() : boxes[0].trimmed());
            d->close();
        });
        QCOMPARE(Stored(Cell(row, 3)), stored);
        QCOMPARE(t->w().Label2[TableCreatorSlot]->text().isEmpty(), message.isEmpty());
    }

    void editorShowsTheCell()
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
            QVERIFY(d->lblCellAt->text().endsWith("row 6 column 5"));
            QCOMPARE(d->cboRowSpan->count() * 10 + d->cboColSpan->count(), 12); // the last row
            QCOMPARE(d->txbCellContent->text(), QString());
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->txbCellContent));
            QCOMPARE(d->cboAlign->currentText() + d->cboVAlign->currentText() + d->txbWidth->text() +
                         d->txbFontFace->text(),
                     QStringLiteral("centerbottom25Verdana"));
            QVERIFY(d->optPercent->isChecked() && d->optPixelHeight->isChecked());
            QVERIFY(!d->cmdSpecifyCellColors->isEnabled());
            d->cmdCancel->click();
        });
        // A covered cell opens the editor of the cell that covers it.
        Edit(4, 3, [](frmCellInfo* d) {
            QVERIFY(d->lblCellAt->text().endsWith("row 3 column 3"));
            QCOMPARE(d->cboRowSpan->currentText(), QStringLiteral("2"));
            d->cmdCancel->click();
        });
    }

    void cellColors_data()
    {
        QTest::addColumn<bool>("tableColorsUsed");
        QTest::addColumn<bool>("uncheck");   // the check box unticked again before Accept
        QTest::addColumn<bool>("accept");    // Accept, else Cancel
        QTest::addColumn<int32_t>("stored"); // the cell's text colour afterwards
        Row("chosen and accepted", false, false, true, kRed);
        Row("chosen, then unchecked", true, true, true, UnsetColor);
        Row("chosen, then cancelled", false, false, false, UnsetColor);
    }
    void cellColors()
    {
        QFETCH(bool, tableColorsUsed);
        QFETCH(bool, uncheck);
        QFETCH(bool, accept);
        QFETCH(int32_t, stored);
        t->w().chkUseSpecifiedColors[3]->setChecked(tableColorsUsed);
        t->w().TextColors[3] = MakeColor(0, 0, 128);
        Edit(2, 1, [&](frmCellInfo* d) {
            d->chkUseSpecifiedCellColors->click();
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->cmdCancel));
            t->seam().expectDialog<frmSpecifyColors>([](frmSpecifyColors& colors) {
                QCOMPARE(colors.lblWhatThisIs->text(), QStringLiteral("Colors for cell at row 2 column 1"));
                QCOMPARE(colors.lblHexColor[0]->text(), QStringLiteral("#000080")); // the table's
                colors.txbRed[0]->setText("255");
                colors.txbBlue[0]->setText("0");
                colors.cmdAccept->click();
            });
            d->cmdSpecifyCellColors->click();
            QCOMPARE(d->lblCellTextHex->text(), QStringLiteral("#FF0000"));
            QCOMPARE(d->txbCellContent->palette().color(QPalette::Text), QColor(Qt::red));
            if (uncheck) {
                d->chkUseSpecifiedCellColors->click();
                QCOMPARE(d->lblCellTextHex->text(), QStringLiteral("table default"));
            }
            (accept ? d->cmdAccept : d->cmdCancel)->click();
        });
        QCOMPARE(Cell(2, 1).CellTextColor, stored);
        QCOMPARE(Cell(2, 1).CellBackColor, stored == UnsetColor ? UnsetColor : 0xFFFFFF);
    }

    // Leaving the editor without Accept keeps the cell; Clear cell empties it but keeps its spans.
    void leaveOrClear_data()
    {
        QTest::addColumn<int>("how");
        Row("Cancel", 0);
        Row("closed by the frame", 1);
        Row("Escape", 2);
        Row("Enter on Cancel", 3);
        Row("Clear cell, Accept", 4);
    }
    void leaveOrClear()
    {
        QFETCH(int, how);
        t->w().Label2[TableCreatorSlot]->setText("HTML written.");
        t->w().Table.StoreCellFields(
            3, 3, TableCell{.CellTextColor = 0, .CellBackColor = 0xFFFFFF, .Content = "old", .Align = 1});
        const QString before = Stored(Cell(3, 3));
        Edit(3, 3, [how](frmCellInfo* d) {
            QCOMPARE(d->lblCellBackgroundHex->text(), QStringLiteral("#FFFFFF"));
            QCOMPARE(d->txbCellContent->cursorPosition(), 3);
            d->txbCellContent->setText("changed");
            d->optPercent->setChecked(true);
            if (how == 4) {
                d->cmdResetCell->click();
                QVERIFY(d->optPixels->isChecked() && !d->chkUseSpecifiedCellColors->isChecked());
                QCOMPARE(d->lblCellTextHex->text(), QStringLiteral("page default"));
                d->cmdAccept->click();
                return;
            }
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
        QCOMPARE(Stored(Cell(3, 3)), how == 4 ? kEmptySpan : before);
        QCOMPARE(Cell(3, 3).Align, how == 4 ? 0 : 1);
        QCOMPARE(Cell(3, 3).CellTextColor, how == 4 ? UnsetColor : 0);
        QCOMPARE(t->w().Label2[TableCreatorSlot]->text().isEmpty(), how == 4);
    }

    void editorKeys()
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
        const auto blanks = [](frmCellInfo* d) {
            QTest::keyClicks(d->txbCellContent, "  ");
            QTest::keyClick(d->txbCellContent, Qt::Key_Enter);
        };
        Edit(1, 2, blanks, Qt::Key_Space);
        QCOMPARE(Cell(1, 2).Content, QStringLiteral("R1C2"));
    }

    // The copy dialog.

    // The dialog shows its source cell and proposes the next free cell as the one target.
    void proposedTarget_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("key");        // opened with this key on the grid, else a middle click
        QTest::addColumn<QString>("shown");  // content, align and width, the column option
        QTest::addColumn<QString>("target"); // "row,col" or "" for none
        const int click = Qt::Key_unknown;
        Row("the next cell", 2, 2, click, QString("x|Align = centerWidth = 25%|to all cells in column 2"),
            QString("2,3"));
        Row("a place marker shows empty", 1, 1, int(Qt::Key_F10),
            QString("|Align =  Width =|to all cells in column 1"), QString("1,2"));
        Row("last column: the cell below", 2, 6, click, QString("|Align =  Width =|to all cells in column 6"),
            QString("3,6"));
        Row("bottom right: none", 6, 6, click, QString("|Align =  Width =|to all cells in column 6"),
            QString());
        Row("next cell covered: none", 4, 2, click, QString("|Align =  Width =|to all cells in column 2"),
            QString());
    }
    void proposedTarget()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, key);
        QFETCH(QString, shown);
        QFETCH(QString, target);
        t->w().Table.ApplyPlaceMarkers(true);
        const auto act = [&](frmCopyCell* d) {
            QCOMPARE(d->txbFromCellContent->text() + "|" + d->lblAlign->text() + d->lblWidth->text() + "|" +
                         d->optToAllCellsInColumn->text(),
                     shown);
            QCOMPARE(d->txbFromCellContent->palette().color(QPalette::Base) == Qt::yellow,
                     row == 2 && col == 2);
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->cmdCancel));
            const QString chosen = d->cboToRow->currentIndex() < 0
                                       ? QString()
                                       : d->cboToRow->currentText() + "," + d->cboToCol->currentText();
            QCOMPARE(chosen, target);
            QCOMPARE(d->cmdDoCopy->isEnabled(), !target.isEmpty());
            d->optToAllCellsInTable->click();
            QVERIFY(d->cmdDoCopy->isEnabled() && !d->cboToRow->isEnabled());
            d->cmdCancel->setFocus();
            QTest::keyClick(d->cmdCancel, Qt::Key_Return);
        };
        CopyFrom(row, col, act, Qt::Key(key), Qt::MiddleButton);
    }

    void doIt_data()
    {
        QTest::addColumn<QString>("parts"); // f c k a w h: font, content, colours, alignment, width, height
        QTest::addColumn<int>("target");    // CopyTarget
        QTest::addColumn<QString>("to");    // the one cell chosen
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("holding"); // cells with content "x" afterwards
        const int one = int(CopyTarget::OneCell);
        const QStringList source{"2,2"};
        Row("content to one cell", QString("c"), one, QString("5,6"), QString(), QStringList{"2,2", "5,6"});
        Row("nothing checked", QString(), one, QString("5,6"),
            QString("At least one of font, content, colors,\r\nalignment, width and height must be checked."),
            source);
        Row("height alone", QString("h"), one, QString("5,6"), QString(), source);
        Row("to itself", QString("c"), one, QString("2,2"), QString("Cell is being copied to itself."),
            source);
        Row("covered choice: its owner", QString("c"), one, QString("4,3"), QString(),
            QStringList{"2,2", "3,3"});
        Row("column", QString("c"), int(CopyTarget::Column), QString(), QString(),
            QStringList{"1,2", "2,2", "3,2", "4,2", "5,2", "6,2"});
    }

    void doIt()
    {
        QFETCH(QString, parts);
        QFETCH(int, target);
        QFETCH(QString, to);
        QFETCH(QString, message);
        QFETCH(QStringList, holding);
        t->w().Label2[TableCreatorSlot]->setText("HTML written.");
        CopyFrom(2, 2, [&](frmCopyCell* d) {
            const QList<QCheckBox*> checks = {d->chkFont,      d->chkContent, d->chkColors,
                                              d->chkAlignment, d->chkWidth,   d->chkHeight};
            for (int i = 0; i < 6; ++i)
                checks[i]->setChecked(parts.contains(QLatin1Char("fckawh"[i])));
            QList<QRadioButton*>{d->optToOneCell, d->optToAllCellsInRow, d->optToAllCellsInColumn,
                                 d->optToAllCellsInTable}[target]
                ->click();
            if (!to.isEmpty()) { // a covered cell chosen moves to the cell that covers it
                d->cboToCol->setCurrentIndex(to.section(',', 1).toInt() - 1);
                d->cboToRow->setCurrentIndex(to.section(',', 0, 0).toInt() - 1);
            }
            if (!message.isEmpty())
                t->seam().expectMessage("Error", message, MsgIcon::None);
            d->cmdDoCopy->click();
            QCOMPARE(d->isVisible(), !message.isEmpty()); // a refusal keeps the dialog open
            d->close();
        });
        QCOMPARE(CellsHoldingX(), holding);
        QCOMPARE(Cell(5, 6).Height, parts == "h" ? 40 : -1);
        QCOMPARE(t->w().Label2[TableCreatorSlot]->text().isEmpty(), message.isEmpty());
    }

    void colorsToTheTable_data()
    {
        QTest::addColumn<int>("col"); // source (2, col)
        Row("own colours become the table's", 2);
        Row("no own colours: the table's stay", 1);
    }

    void colorsToTheTable()
    {
        QFETCH(int, col);
        CopyFrom(2, col, [](frmCopyCell* d) {
            for (QCheckBox* part : {d->chkContent, d->chkColors, d->chkHeight})
                part->setChecked(true);
            d->optToAllCellsInTable->click();
            d->cmdDoCopy->click();
        });
        QCOMPARE(Cell(6, 1).Height, col == 2 ? 40 : -1);
        QCOMPARE(Cell(6, 1).Content, col == 2 ? QStringLiteral("x") : QString());
        QCOMPARE(Cell(4, 3).Content, QString()); // covered: skipped
        QCOMPARE(Cell(2, 2).CellTextColor, UnsetColor);
        QCOMPARE(t->w().TextColors[3], col == 2 ? kRed : 0);
        // The table's colours are then used for the page as well.
        QCOMPARE(t->w().chkUseSpecifiedColors[3]->isChecked(), col == 2);
    }
};

QTEST_MAIN(tst_tablecreator)
#include "tst_tablecreator.moc"
