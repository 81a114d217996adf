// The Table Creator tab: clicks at cell centres and keys on the grid, the size lists and place
// markers, partial repaints, "Create table", and New, Load and Save through the scripted seam.
#include "WindowTestCase.h"
#include "dialogs/frmHowToView.h"
#include "tablecreator/TableFile.h"
#include "tablecreator/TableGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

QImage FullPicture(TableGrid& grid)
{
    QImage image(grid.size(), QImage::Format_RGB32);
    grid.render(&image);
    return image;
}

} // namespace

class tst_tablecreator : public WindowTestCase
{
    Q_OBJECT

    TableGrid* grid() { return t->w().picTable; }

    // The tab shown with a 6 x 6 table whose cell (2,2) spans 2 x 2; the grid's requests are
    // caught by spies instead of opening the dialogs.
    void prepare()
    {
        t->showTab(5);
        t->w().resize(800, 600);
        QVERIFY(t->w().Table.SetCellArea(2, 2, 2, 2));
        t->w().DrawTable();
        QObject::disconnect(grid(), nullptr, &t->w(), nullptr);
    }

private slots:
    void clicks_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("edit");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("toCol");
        QTest::newRow("left opens the editor") << 4 << 5 << Qt::LeftButton << true << 4 << 5;
        QTest::newRow("right opens the copy") << 1 << 1 << Qt::RightButton << false << 1 << 1;
        QTest::newRow("middle opens the copy") << 6 << 6 << Qt::MiddleButton << false << 6 << 6;
        QTest::newRow("covered position is its owner") << 3 << 3 << Qt::LeftButton << true << 2 << 2;
    }
    void clicks()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, edit);
        QFETCH(int, toRow);
        QFETCH(int, toCol);
        prepare();
        QSignalSpy edits(grid(), &TableGrid::editRequested);
        QSignalSpy copies(grid(), &TableGrid::copyRequested);
        QTest::mouseClick(grid(), button, {}, CellRect(grid()->metrics(), row, col).center());
        QSignalSpy& spy = edit ? edits : copies;
        QCOMPARE(spy.size(), 1);
        QCOMPARE((edit ? copies : edits).size(), 0);
        QCOMPARE(spy.at(0).at(0).toInt(), toRow);
        QCOMPARE(spy.at(0).at(1).toInt(), toCol);
        QCOMPARE(grid()->highlight(), std::optional(CellPos{toRow, toCol}));
        // A gap and the number margins hit nothing.
        const QRect cell = CellRect(grid()->metrics(), 1, 1);
        for (QPoint miss : {cell.topRight() + QPoint(1, 0), QPoint(2, 2), QPoint(cell.left(), 3)})
            QTest::mouseClick(grid(), Qt::LeftButton, {}, miss);
        QCOMPARE(edits.size() + copies.size(), 1);
    }

    void keyboard_data()
    {
        QTest::addColumn<QList<int>>("keys"); // a key with Shift held is negative
        QTest::addColumn<bool>("edit");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("right right enter")
            << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Return} << true << 1 << 3;
        QTest::newRow("down into span, space")
            << QList<int>{Qt::Key_Down, Qt::Key_Right, Qt::Key_Space} << true << 2 << 2;
        QTest::newRow("across the span")
            << QList<int>{Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Menu} << false << 2 << 4;
        QTest::newRow("stops at the edge")
            << QList<int>{Qt::Key_Up, Qt::Key_Left, -Qt::Key_F10} << false << 1 << 1;
    }
    void keyboard()
    {
        QFETCH(QList<int>, keys);
        QFETCH(bool, edit);
        QFETCH(int, row);
        QFETCH(int, col);
        prepare();
        QSignalSpy spy(grid(), edit ? &TableGrid::editRequested : &TableGrid::copyRequested);
        for (int key : keys)
            QTest::keyClick(grid(), Qt::Key(std::abs(key)), key < 0 ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), row);
        QCOMPARE(spy.at(0).at(1).toInt(), col);
        QCOMPARE(grid()->accessibleName(), QStringLiteral("Row %1, column %2").arg(row).arg(col));
        QCOMPARE(grid()->accessibleDescription(), grid()->toolTip());
    }

    void partialRepaintEqualsFullRedraw_data()
    {
        QTest::addColumn<int>("change");
        QTest::newRow("highlight moves") << 0;
        QTest::newRow("highlight onto the span") << 1;
        QTest::newRow("focus cell moves") << 2;
        QTest::newRow("redraw removes the highlight") << 3;
    }
    void partialRepaintEqualsFullRedraw()
    {
        QFETCH(int, change);
        prepare();
        TableCell values = t->w().Table.Cell(1, 2);
        values.Content = QStringLiteral("a long text that runs past its cell");
        values.CellTextColor = 0x0000FF;
        values.CellBackColor = 0x00FFFF;
        t->w().Table.StoreCellFields(1, 2, values);
        grid()->DrawTable();
        grid()->HighlightCell(1, 1);
        QImage before = FullPicture(*grid());
        switch (change) {
        case 0:
            grid()->HighlightCell(1, 2);
            break;
        case 1:
            grid()->HighlightCell(3, 3);
            break;
        case 2:
            grid()->setFocusCell({4, 4});
            break;
        default:
            grid()->DrawTable();
            break;
        }
        const QRegion dirty = grid()->pendingRegion();
        QVERIFY(!dirty.isEmpty());
        if (change < 3) {
            qint64 area = 0;
            for (const QRect& r : dirty)
                area += qint64(r.width()) * r.height();
            QVERIFY(area < qint64(grid()->width()) * grid()->height() / 4);
        }
        grid()->render(&before, dirty.boundingRect().topLeft(), dirty);
        QCOMPARE(before, FullPicture(*grid()));
    }

    void sizeListsAndPlaceMarkers()
    {
        prepare();
        t->w().Label2[TableCreatorSlot]->setText("old result");
        t->w().cboNumberOfRows->setCurrentIndex(2);
        QCOMPARE(t->w().Table.NumRows(), 3);
        QCOMPARE(t->w().Table.Cell(2, 2).RowSpan, 2);
        QCOMPARE(t->w().Label2[TableCreatorSlot]->text(), QString());
        t->w().chkAddPlaceMarkers->click();
        QCOMPARE(t->w().Table.Cell(3, 6).Content, QStringLiteral("R3C6"));
        t->w().cboNumberOfColumns->setCurrentIndex(6);
        QCOMPARE(t->w().Table.Cell(1, 7).Content, QStringLiteral("R1C7"));
        QCOMPARE(t->w().Table.InvariantProblem(), QString());
    }

    void createTable()
    {
        prepare();
        t->w().txbOutputFile[TableCreatorSlot]->setText(t->path("table.htm"));
        t->seam().expectHowToView(&frmHowToView::cmdNotNow);
        t->w().cmdPerformOperation_Click(TableCreatorSlot);
        QCOMPARE(t->w().Label2[TableCreatorSlot]->text(), QStringLiteral("HTML for table written."));
        QVERIFY(t->w().OutputReady[TableCreatorSlot]);
        QFile page(t->path("table.htm"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("<td rowspan=\"2\" colspan=\"2\">&#160;</td>\r\n"));
    }

    void tableFiles_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::newRow("save and load back") << "roundTrip";
        QTest::newRow("damaged file changes nothing") << "damaged";
        QTest::newRow("save into a missing folder") << "saveFails";
        QTest::newRow("new, answered yes") << "newYes";
        QTest::newRow("new, answered cancel") << "newCancel";
    }
    void tableFiles()
    {
        QFETCH(QString, scenario);
        prepare();
        frmMain& w = t->w();
        w.chkAddHTMLWrapper4->setChecked(true);
        w.TextColors[3] = 0x123456;
        w.TableBorder[1] = 7;
        t->w().cboNumberOfColumns->setCurrentIndex(3);
        t->w().txbOutputFile[TableCreatorSlot]->setText("/tmp/out, with comma.htm");
        const TableModel designed = w.Table;
        const QString file = t->path("t.tbl");
        QPushButton* newButton = t->w().cmdSaveLoad[0];
        QPushButton* load = t->w().cmdSaveLoad[1];
        QPushButton* save = t->w().cmdSaveLoad[2];

        if (scenario == "roundTrip") {
            t->seam().expectFileDialog(kSaveRequest, file);
            save->click();
            QCOMPARE(w.LastTableFile, file);
            t->seam().expectMessage("New table", "Clear table and start anew?", MsgIcon::Question,
                                    MsgButtons::YesNoCancel, MsgAnswer::Yes);
            newButton->click();
            QCOMPARE(w.Table.NumCols(), 6);
            t->seam().expectFileDialog(kLoadRequest, file);
            load->click();
            QCOMPARE(w.Table, designed);
            QVERIFY(w.chkAddHTMLWrapper4->isChecked());
            QCOMPARE(t->w().cboNumberOfColumns->currentText(), QStringLiteral("4"));
            QCOMPARE(t->w().txbOutputFile[TableCreatorSlot]->text(),
                     QStringLiteral("/tmp/out, with comma.htm"));
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
            QCOMPARE(w.Table, designed);
            QVERIFY(w.chkAddHTMLWrapper4->isChecked());
            QCOMPARE(w.TextColors[3], 0x123456);
            QCOMPARE(w.TableBorder[1], 7);
            QCOMPARE(t->w().txbOutputFile[TableCreatorSlot]->text(),
                     QStringLiteral("/tmp/out, with comma.htm"));
        } else if (scenario == "saveFails") {
            t->seam().expectFileDialog(kSaveRequest, t->path("missing/t.tbl"));
            t->seam().expectMessage("Save table error", "Error when attempting to save table.",
                                    MsgIcon::None);
            save->click();
            QCOMPARE(w.LastTableFile, QString());
        } else {
            const bool yes = scenario == "newYes";
            t->seam().expectMessage("New table", "Clear table and start anew?", MsgIcon::Question,
                                    MsgButtons::YesNoCancel, yes ? MsgAnswer::Yes : MsgAnswer::Cancel);
            newButton->click();
            QCOMPARE(w.Table == TableModel(), yes);
            QCOMPARE(w.chkAddHTMLWrapper4->isChecked(), !yes);
            QCOMPARE(t->w().cboNumberOfColumns->currentText(), yes ? "6" : "4");
            QCOMPARE(w.TableBorder[1], 7);
        }
        QCOMPARE(w.Table.InvariantProblem(), QString());
    }
};

QTEST_MAIN(tst_tablecreator)
#include "tst_tablecreator.moc"
