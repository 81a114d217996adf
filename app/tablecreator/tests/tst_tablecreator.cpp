// The Table Creator tab through the scripted seam: keys and clicks on the grid, partial repaints,
// the size lists and place markers, "Create table", New, Load and Save, and the cell editor and
// copy dialogs opened the way a user does, by a click at the centre of a cell or a key. Controls
// are found by caption or accessible name; the cells, drawn on the grid, through t->table().
#include "WindowTestCase.h"
#include "dialogs/frmHowToView.h"
#include "dialogs/frmSpecifyColors.h"
#include "rules/CellBlocks.h"
#include "rules/ColorRoutines.h"
#include "tablecreator/TableFile.h"
#include "tablecreator/TableGrid.h"
#include "tablecreator/frmCellInfo.h"
#include "tablecreator/frmCopyCell.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

using namespace pagewright;

namespace
{

const QString kFilter = QStringLiteral("Table files (*.tbl) | *.tbl");
const FileDialogRequest kSaveRequest{
    FileDialogRequest::Save, "Save table as", kFilter, false, {}, true, "tbl"};
const FileDialogRequest kLoadRequest{FileDialogRequest::Open, "Load table", kFilter};
const int32_t kRed = MakeColor(255, 0, 0);
const QString kOwnColors = QStringLiteral("Use specified text and background colors for cell");
const QString kEmpty = QStringLiteral("|1x1|w-1,1|h-1,1||");

// The fields of a cell that the editor sets, in one line.
QString Stored(const TableCell& c)
{
    return QString::asprintf("%s|%dx%d|w%d,%d|h%d,%d|%s|%s", qPrintable(c.Content), c.RowSpan, c.ColSpan,
                             c.Width, c.WidthInPixels, c.Height, c.HeightInPixels, qPrintable(c.FontFace),
                             qPrintable(c.FontSize));
}

// What the labels in scope read, each between bars: "|first|second|".
QString Shown(QWidget* scope)
{
    QString shown = QStringLiteral("|");
    for (const QLabel* label : scope->findChildren<QLabel*>())
        shown += label->text() + QLatin1Char('|');
    return shown;
}

// The text of the label in scope that a screen reader describes so: a colour's hex value, the
// result line.
QLabel* Described(QWidget* scope, const QString& description)
{
    for (QLabel* label : scope->findChildren<QLabel*>())
        if (label->accessibleDescription() == description)
            return label;
    QTest::qFail(qPrintable(QStringLiteral("No label described as ") + description), __FILE__, __LINE__);
    return nullptr;
}

const char* const kColumn[] = {"0", "1", "2", "3", "4", "5", "6", "7"};

// The columns of a _data() table, named by their place, of the element types of the tuple C.
template <typename C> void Columns()
{
    int i = 0;
    std::apply([&](const auto&... v) { (QTest::addColumn<std::decay_t<decltype(v)>>(kColumn[i++]), ...); },
               C());
}

// The values of the current row of a table made by Columns<C>().
template <typename C> C Fetch()
{
    C row;
    int i = 0;
    std::apply([&]<typename... V>(
                   V&... v) { ((v = *static_cast<V*>(QTest::qData(kColumn[i++], qMetaTypeId<V>()))), ...); },
               row);
    return row;
}

} // namespace

class tst_tablecreator : public WindowTestCase
{
    Q_OBJECT

    TableGrid* grid() const { return t->tab()->findChild<TableGrid*>(); }
    const TableCell& Cell(int row, int col) const { return t->table().Cell(row, col); }

    // The one control of class W known by this name in scope (the shown tab when null).
    template <typename W = QPushButton> W* Find(const QString& name, QWidget* scope = nullptr) const
    {
        W* const found = t->control<W>(name, scope);
        if (found == nullptr)
            QTest::qFail(qPrintable(QStringLiteral("No single control known as ") + name), __FILE__,
                         __LINE__);
        return found;
    }
    // The cell editor's "percent" ('%') or "pixels" option in its "Width unit" or "Height unit".
    QRadioButton* Unit(QWidget* editor, const QString& frame, QChar unit) const
    {
        return Find<QRadioButton>(unit == '%' ? "percent" : "pixels", Find<QGroupBox>(frame, editor));
    }
    // The texts of the boxes and lists known by these names in scope, joined by bars.
    QString Texts(QWidget* scope, const QStringList& names) const
    {
        QStringList texts;
        for (const QString& name : names) {
            const auto* box = t->control<QLineEdit>(name, scope);
            texts << (box ? box->text() : Find<QComboBox>(name, scope)->currentText());
        }
        return texts.join(QLatin1Char('|'));
    }

    // Opens the cell editor (D frmCellInfo, left button) or the copy dialog (other buttons) from
    // the grid: a click at the centre of the cell, or a key on the grid's focus cell. act runs on
    // the dialog; the table keeps its rules afterwards.
    template <typename D>
    void Open(int row, int col, std::function<void(D&)> act, Qt::Key key = Qt::Key_unknown,
              Qt::MouseButton button = std::is_same_v<D, frmCellInfo> ? Qt::LeftButton : Qt::RightButton)
    {
        t->seam().expectDialog<D>(act);
        if (key == Qt::Key_unknown) {
            QTest::mouseClick(grid(), button, {}, AreaRect(grid()->metrics(), t->table(), row, col).center());
        } else {
            grid()->setFocusCell({row, col});
            QTest::keyClick(grid(), key, key == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
        }
        QCOMPARE(t->table().InvariantProblem(), QString());
    }

    // Imports a data file of this name holding bytes with "Import data...".
    void Import(const QString& name, const QByteArray& bytes)
    {
        t->seam().expectFileDialog({FileDialogRequest::Open, "Import data", "All files (*.*) | *.*", true},
                                   t->writeFile(name, bytes));
        Find("Import data...")->click();
    }

    // Loads a table file holding document with "Load".
    void Load(const TableDocument& document)
    {
        t->seam().expectFileDialog(kLoadRequest, t->writeFile("in.tbl", TableFileBytes(document)));
        Find("Load")->click();
    }
    // What "Save" writes, its dialog proposing this name.
    TableDocument Saved(const QString& proposed = {})
    {
        FileDialogRequest request = kSaveRequest;
        request.initialName = proposed;
        t->seam().expectFileDialog(request, t->path("saved.tbl"));
        Find("Save")->click();
        return LoadTable(t->path("saved.tbl")).value_or(TableDocument{});
    }

    // The table file Save writes and the page "Create table" writes, one after the other.
    QByteArray FileAndPage()
    {
        FileDialogRequest request = kSaveRequest;
        request.initialName = m_saved ? t->path("saved.tbl") : QString();
        t->seam().expectFileDialog(request, t->path("saved.tbl"));
        Find("Save")->click();
        m_saved = true;
        const QString page = Find<QLineEdit>("Output file")->text();
        QFile::remove(page);
        t->seam().expectDialog<frmHowToView>(
            [this](frmHowToView& d) { Find("Don't view now", &d)->click(); });
        Find("Create table")->click();
        return TestWindow::readFile(t->path("saved.tbl")) + "\n--\n" + TestWindow::readFile(page);
    }
    bool m_saved = false;

    // The columns of the data-driven tests, as the _data() functions name them.
    using GridKeysRow = std::tuple<QList<int>, bool, int, int>;
    using TableFilesRow = std::tuple<QString, QString, int, QString, QString>;
    using AcceptChecksAndStoresRow = std::tuple<int, QStringList, QString, int, QString, QString>;
    using CellColorsRow = std::tuple<bool, bool, bool, int32_t>;
    using LeaveTheEditorRow = std::tuple<QString, int, QString, int>;
    using ProposedTargetRow = std::tuple<int, int, int, QStringList, QString>;
    using DoItRow = std::tuple<QStringList, QString, QString, QString, QStringList>;

private slots:
    // The tab shown with a 6 x 6 table: cell (2, 2) holds "x" in red on yellow, centred, width
    // 25 %, height 40; cell (3, 3) spans rows 3 and 4, so (4, 3) is covered. A result is shown.
    void init()
    {
        t = std::make_unique<TestWindow>();
        t->showTab(5);
        t->tab()->window()->resize(800, 600);
        t->table().StoreCellFields(2, 2,
                                   {.CellTextColor = kRed,
                                    .CellBackColor = MakeColor(255, 255, 0),
                                    .Content = "x",
                                    .Align = 2,
                                    .Width = 25,
                                    .WidthInPixels = 0,
                                    .Height = 40});
        QVERIFY(t->table().SetCellArea(3, 3, 2, 1));
        grid()->DrawTable();
        Described(t->tab(), "Result")->setText("HTML written.");
        m_saved = false;
    }

    void gridKeys_data()
    {
        // keys (with Shift held: negative); the editor asked for, else the copy dialog; row; col
        Columns<GridKeysRow>();
        const int right = Qt::Key_Right, down = Qt::Key_Down;
        Row("right right enter", QList<int>{right, right, Qt::Key_Return}, true, 1, 3);
        Row("onto a covered cell, space", QList<int>{down, down, down, right, right, Qt::Key_Space}, true, 3,
            3);
        Row("down across the span", QList<int>{right, right, down, down, down, Qt::Key_Menu}, false, 5, 3);
        Row("stops at the edge", QList<int>{Qt::Key_Up, Qt::Key_Left, -Qt::Key_F10}, false, 1, 1);
    }
    void gridKeys()
    {
        const auto [keys, edit, row, col] = Fetch<GridKeysRow>();
        // Spies instead of the dialogs.
        QObject::disconnect(grid(), &TableGrid::editRequested, nullptr, nullptr);
        QObject::disconnect(grid(), &TableGrid::copyRequested, nullptr, nullptr);
        QSignalSpy edits(grid(), &TableGrid::editRequested), copies(grid(), &TableGrid::copyRequested);
        // A gap between cells and the number margins hit nothing.
        const QRect cell = CellRect(grid()->metrics(), 1, 1);
        for (QPoint miss : {cell.topRight() + QPoint(1, 0), QPoint(2, 2), QPoint(cell.left(), 3)})
            QTest::mouseClick(grid(), Qt::LeftButton, {}, miss);
        for (int key : keys)
            QTest::keyClick(grid(), Qt::Key(std::abs(key)), key < 0 ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(edits.size() + copies.size(), 1);
        QCOMPARE((edit ? edits : copies).value(0), (QList<QVariant>{row, col}));
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
        const auto picture = [this] {
            QImage image(grid()->size(), QImage::Format_RGB32);
            grid()->render(&image);
            return image;
        };
        t->table().StoreCellFields(1, 2, {.Content = "a long text that runs past its cell"});
        grid()->DrawTable();
        grid()->HighlightCell(1, 1);
        QImage before = picture();
        if (change == 2)
            grid()->setFocusCell({4, 4});
        else if (change == 3)
            grid()->DrawTable();
        else
            grid()->HighlightCell(change == 0 ? 1 : 4, change == 0 ? 2 : 3);
        const QRegion dirty = grid()->pendingRegion();
        QVERIFY(!dirty.isEmpty());
        qint64 area = 0;
        for (const QRect& r : dirty)
            area += qint64(r.width()) * r.height();
        QVERIFY(change == 3 || area < qint64(grid()->width()) * grid()->height() / 4);
        grid()->render(&before, dirty.boundingRect().topLeft(), dirty);
        QCOMPARE(before, picture());
    }

    void sizeListsAndPlaceMarkers()
    {
        Find<QComboBox>("Rows")->setCurrentIndex(2);
        QCOMPARE(t->table().NumRows(), 3);
        QCOMPARE(Cell(3, 3).RowSpan, 1);
        QCOMPARE(t->result(), QString());
        Find<QCheckBox>("Place markers")->click();
        QCOMPARE(Cell(3, 6).Content, QStringLiteral("R3C6"));
        Find<QComboBox>("Columns")->setCurrentIndex(6);
        QCOMPARE(Cell(1, 7).Content, QStringLiteral("R1C7"));
        QCOMPARE(t->table().InvariantProblem(), QString());
    }

    // The classic fragment, and an HTML5 page (its language from the locale) with the cells of
    // init(), a column span, a face, a size and a text beyond ASCII, as stored.
    void createTable_data()
    {
        QTest::addColumn<bool>("html5");
        Row("classic", false);
        Row("HTML5", true);
    }
    void createTable()
    {
        QFETCH(bool, html5);
        Find<QLineEdit>("Output file")->setText(t->path("table.htm"));
        if (html5) {
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
            t->table().StoreCellFields(1, 1,
                                       {.Content = QString::fromUtf8("Caf\xC3\xA9 <b>menu</b>"),
                                        .VAlign = 1,
                                        .FontFace = "Verdana, sans-serif",
                                        .FontSize = "+2"});
            QVERIFY(t->table().SetCellArea(1, 1, 1, 3));
            Find<QCheckBox>("Add HTML wrapper")->click();
            Find<QComboBox>("Page style")->setCurrentIndex(1);
        }
        t->seam().expectDialog<frmHowToView>(
            [this](frmHowToView& d) { Find("Don't view now", &d)->click(); });
        QVERIFY(!Find("View output file")->isEnabled());
        Find("Create table")->click();
        QLocale::setDefault(QLocale::c());
        QCOMPARE(t->result(), QStringLiteral("HTML for table written."));
        QVERIFY(Find("View output file")->isEnabled());
        const QByteArray written = TestWindow::readFile(t->path("table.htm"));
        if (!html5)
            QVERIFY(written.contains("<td rowspan=\"2\">&#160;</td>\r\n"));
        else
            QCOMPARE(written, TestWindow::readFile(CONFORMANCE_FOLDER "/tab-html5.htm"));
    }

    // A table loaded with its options, colours, border, 4 columns and output name, then one press
    // of New, Load or Save, then saved: as loaded, or cleared by New (which keeps the rest). Save
    // proposes the name of the last file saved.
    void tableFiles_data()
    {
        // button; file chosen; answer to "Clear table and start anew?"; title of the error after; proposed
        Columns<TableFilesRow>();
        const int none = 0;
        Row("save", QString("Save"), QString("t.tbl"), none, QString(), QString("t.tbl"));
        Row("save adds .tbl to a name without one", QString("Save"), QString("t"), none, QString(),
            QString("t.tbl"));
        Row("save keeps another extension", QString("Save"), QString("t.txt"), none, QString(),
            QString("t.txt"));
        Row("save into a missing folder", QString("Save"), QString("missing/t.tbl"), none,
            QString("Save table error"), QString());
        Row("damaged file changes nothing", QString("Load"), QString("t.tbl"), none,
            QString("Load table error"), QString());
        Row("new, answered yes", QString("New"), QString(), int(MsgAnswer::Yes), QString(), QString());
        Row("new, answered cancel", QString("New"), QString(), int(MsgAnswer::Cancel), QString(), QString());
    }
    void tableFiles()
    {
        const auto [button, chosen, answer, error, proposed] = Fetch<TableFilesRow>();
        TableDocument loaded{.wrapper = true,
                             .properties = {-1, 1, 7, 4, 4},
                             .textColor = 0x123456,
                             .table = t->table(),
                             .outputFile = "/tmp/out, with comma.htm"};
        loaded.table.ApplyTableSize(6, 4);
        Load(loaded);
        t->writeFile("t.tbl", TableFileBytes(TableDocument{}).chopped(30)); // damaged
        if (button == "New")
            t->seam().expectMessage("New table", "Clear table and start anew?", MsgIcon::Question,
                                    MsgButtons::YesNoCancel, MsgAnswer(answer));
        else
            t->seam().expectFileDialog(button == "Load" ? kLoadRequest : kSaveRequest, t->path(chosen));
        if (!error.isEmpty())
            t->seam().expectMessage(error, "Error when attempting to " + button.toLower() + " table.",
                                    MsgIcon::None);
        Find(button)->click();
        const bool cleared = answer == int(MsgAnswer::Yes);
        if (cleared)
            loaded = {.properties = loaded.properties,
                      .textColor = loaded.textColor,
                      .table = {},
                      .outputFile = loaded.outputFile};
        QVERIFY(Saved(proposed.isEmpty() ? QString() : t->path(proposed)) == loaded);
        QCOMPARE(Find<QComboBox>("Columns")->currentText(), cleared ? "6" : "4");
    }

    // Each change to the table is one step: Undo gives back the table file and the page as they
    // were before it, byte for byte, and Redo as they were after it. Saving is no step.
    void undoAndRedo_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("named");
        Row("cell edited", QString("edit"), QString("edit cell at row 3 column 3"));
        Row("cell cleared", QString("clear"), QString("clear cell at row 2 column 2"));
        Row("copy", QString("copy"), QString("copy cell at row 2 column 2"));
        Row("fewer rows", QString("rows"), QString("change the number of rows"));
        Row("more columns", QString("columns"), QString("change the number of columns"));
        Row("row inserted inside a span", QString("Insert row"), QString("insert row 4"));
        Row("row of a span's owner deleted", QString("Delete row"), QString("delete row 3"));
        Row("column inserted", QString("Insert column"), QString("insert column 2"));
        Row("column deleted", QString("Delete column"), QString("delete column 2"));
        Row("place markers", QString("markers"), QString("place markers"));
        Row("new", QString("New"), QString("new table"));
        Row("load", QString("Load"), QString("load table"));
        Row("paste splitting a span", QString("paste"), QString("paste at row 4 column 2"));
        Row("import", QString("import"), QString("import data.csv"));
        Row("Delete key", QString("Delete"), QString("clear cell at row 2 column 2"));
    }
    void undoAndRedo()
    {
        QFETCH(QString, step);
        QFETCH(QString, named);
        Find<QLineEdit>("Output file")->setText(t->path("table.htm"));
        Find<QCheckBox>("Center table")->click();
        QUndoStack& history = *t->tab()->findChild<QUndoStack*>();
        const QByteArray before = FileAndPage();
        QVERIFY(!Find("Undo")->isEnabled() && !Find("Redo")->isEnabled());
        if (step == "edit" || step == "clear") {
            Open<frmCellInfo>(step == "edit" ? 4 : 2, step == "edit" ? 3 : 2, [&](frmCellInfo& d) {
                if (step == "clear")
                    Find("Clear cell", &d)->click();
                else
                    Find<QLineEdit>("Cell content", &d)->setText("new");
                Find("Accept", &d)->click();
            });
        } else if (step == "copy") {
            Open<frmCopyCell>(2, 2, [this](frmCopyCell& d) {
                for (const char* part : {"content", "colors"})
                    Find<QCheckBox>(part, &d)->setChecked(true);
                Find<QRadioButton>("to all cells in table", &d)->click();
                Find("Do it", &d)->click();
            });
        } else if (step == "rows") {
            Find<QComboBox>("Rows")->setCurrentIndex(2); // cuts the span of (3, 3)
        } else if (step == "columns") {
            Find<QComboBox>("Columns")->setCurrentIndex(8);
        } else if (step == "markers") {
            Find<QCheckBox>("Place markers")->click();
        } else if (step == "New") {
            t->seam().expectMessage("New table", "Clear table and start anew?", MsgIcon::Question,
                                    MsgButtons::YesNoCancel, MsgAnswer::Yes);
            Find("New")->click();
        } else if (step == "Load") {
            TableDocument loaded{
                .wrapper = true, .textColor = 0x123456, .table = {}, .outputFile = t->path("other.htm")};
            loaded.table.ApplyTableSize(3, 9);
            Load(loaded);
        } else if (step == "paste") {
            QGuiApplication::clipboard()->setText("a\tb\tc\r\n1\t2\t3\r\n4\t5\t6\r\n7\n");
            grid()->setFocusCell({4, 2});
            Find("Paste")->click();
        } else if (step == "import") {
            Import("data.csv", "h1,h2\n\"x, y\",2\n");
        } else if (step == "Delete") {
            grid()->setFocusCell({2, 2});
            QTest::keyClick(grid(), Qt::Key_Delete);
        } else {
            // At the focus cell: row 4 cuts the span of (3, 3), row 3 holds its owner.
            const CellPos focus = step == "Insert row" ? CellPos{4, 4} : CellPos{4, 3};
            grid()->setFocusCell(step.contains("row") ? focus : CellPos{1, 2});
            Find(step)->click();
        }
        QCOMPARE(t->table().InvariantProblem(), QString());
        QCOMPARE(history.count(), 1);
        QCOMPARE(Find("Undo")->toolTip(), "Undo: " + named);
        QVERIFY(Find("Undo")->isEnabled() && !Find("Redo")->isEnabled());
        const QByteArray after = FileAndPage();
        QVERIFY(after != before);
        QCOMPARE(history.count(), 1); // saving and writing the page are no steps
        for (int round = 0; round < 2; ++round) {
            Find("Undo")->click();
            QCOMPARE(Find("Redo")->toolTip(), "Redo: " + named);
            QCOMPARE(FileAndPage(), before);
            QCOMPARE(Find<QComboBox>("Rows")->currentText().toInt(), t->table().NumRows());
            Find("Redo")->click();
            QCOMPARE(FileAndPage(), after);
            QCOMPARE(Find<QComboBox>("Columns")->currentText().toInt(), t->table().NumCols());
        }
    }

    // Paste takes an HTML table before text, and shows plain text as typed; the table grows to
    // hold the block and the result line says what did not fit. Copy gives a spreadsheet the
    // focus cell or the table as it shows, as text and as HTML.
    void pasteAndCopy()
    {
        auto* offered = new QMimeData;
        offered->setHtml(
            "<meta charset=utf-8><table><tr><td>a &amp; <b>b</b></td><td colspan=2>c<br>d</td></tr>"
            "<tr><td>x < y&gt;</td></tr></table>");
        offered->setText("not this");
        QGuiApplication::clipboard()->setMimeData(offered);
        grid()->setFocusCell({6, 5});
        Find("Paste")->click();
        QCOMPARE(t->table().NumRows() * 100 + t->table().NumCols(), 707);
        QCOMPARE(Cell(6, 5).Content + "|" + Cell(6, 6).Content + "|" + Cell(6, 7).Content + "|" +
                     Cell(7, 5).Content,
                 "a &amp; b|c<br>d||x &lt; y&gt;");
        QCOMPARE(Described(t->tab(), "Result")->text(), QString());

        QString big;
        for (int r = 0; r < 25; ++r)
            big += QStringLiteral("v\t").repeated(24) + QStringLiteral("last\n");
        QGuiApplication::clipboard()->setText(big);
        grid()->setFocusCell({3, 2});
        t->tab()->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t->tab()->window()));
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(t->table().NumRows() * 100 + t->table().NumCols(), 2020);
        QCOMPARE(Described(t->tab(), "Result")->text(), "7 rows and 6 columns did not fit.");
        QCOMPARE(Cell(20, 20).Content, "v");
        QCOMPARE(t->tab()->findChild<QUndoStack*>()->count(), 2);
        QGuiApplication::clipboard()->clear();
        Find("Paste")->click();
        QCOMPARE(Described(t->tab(), "Result")->text(), "Nothing to paste.");
        QCOMPARE(t->tab()->findChild<QUndoStack*>()->count(), 2);

        Find("Undo")->click();
        Find("Undo")->click();
        t->table().StoreCellFields(1, 1, {.Content = "<i>Tea</i> &amp; \"cake\""});
        Find<QCheckBox>("Place markers")->click();
        grid()->setFocusCell({2, 2});
        QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), "x\r\n");
        Find("Copy")->click();
        const QString rows = "\"Tea & \"\"cake\"\"\"\t\t\t\t\t\r\n\tx\t\t\t\t\r\n";
        QCOMPARE(QGuiApplication::clipboard()->text(), rows + QStringLiteral("\t\t\t\t\t\r\n").repeated(4));
        const CellBlock copied = ReadHtmlTable(QGuiApplication::clipboard()->mimeData()->html());
        QCOMPARE(copied.rows * 10 + copied.columns, 66);
        QCOMPARE(copied.cells[0][0] + copied.cells[1][1] + copied.cells[3][2], "Tea & \"cake\"x");
        QTest::keyClick(grid(), Qt::Key_Delete); // a cleared cell takes its marker
        QCOMPARE(Stored(Cell(2, 2)) + (Cell(2, 2).HasOwnColors() ? "colours" : ""), "R2C2|1x1|w-1,1|h-1,1||");
    }

    // Import fills the table from its first cell at the file's size, by the file's name or else by
    // the separator chosen on Data to Table; a binary file imports nothing.
    void import()
    {
        t->showTab(4);
        Find<QComboBox>("Separator character")->setCurrentText(";");
        t->showTab(5);
        Import("data.txt", "a;b,c;d\r\n1;2\r\n");
        QCOMPARE(t->table().NumRows() * 100 + t->table().NumCols(), 203);
        QCOMPARE(Cell(1, 2).Content + Cell(2, 1).Content, "b,c1");
        QCOMPARE(Cell(3, 3).Content + Find<QComboBox>("Rows")->currentText(), "2");
        Import("data.tsv", QByteArray("x\ty;z\n").repeated(30));
        QCOMPARE(t->table().NumRows() * 100 + t->table().NumCols(), 2002);
        QCOMPARE(Described(t->tab(), "Result")->text(), "10 rows did not fit.");
        Import("binary.csv", QByteArray("a,b\0\n", 6));
        QCOMPARE(Described(t->tab(), "Result")->text(),
                 "Input file contains NUL bytes so appears to be binary not text. Nothing imported.");
        QCOMPARE(t->tab()->findChild<QUndoStack*>()->count(), 2);
    }

    // The history holds at least the last 100 steps.
    void hundredSteps()
    {
        for (int n = 0; n < 110; ++n) // a row in, the same row out
            Find(n % 2 == 0 ? "Insert row" : "Delete row")->click();
        for (int n = 0; n < 100; ++n)
            Find("Undo")->click();
        QCOMPARE(Find("Undo")->toolTip(), "Undo: delete row 1");
        QCOMPARE(t->table().NumRows(), 6);
    }

    // The row and column buttons stop at the limits; the keys walk the history while the tab is shown.
    void rowButtonsAndKeys()
    {
        for (int n = 0; n < 14; ++n)
            Find("Insert row")->click();
        QVERIFY(!Find("Insert row")->isEnabled() && Find("Delete row")->isEnabled());
        QCOMPARE(Find<QComboBox>("Rows")->currentText(), "20");
        Find<QComboBox>("Columns")->setCurrentIndex(0);
        QVERIFY(!Find("Delete column")->isEnabled() && Find("Insert column")->isEnabled());
        QCOMPARE(t->tab()->findChild<QUndoStack*>()->count(), 15);

        t->tab()->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t->tab()->window()));
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(t->table().NumCols(), 6);
        QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(t->table().NumRows(), 19);
        QTest::keyClick(grid(), Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(t->table().NumRows() * 100 + t->table().NumCols(), 2001);
        QWidget* const window = t->tab()->window();
        t->showTab(0);
        QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(t->table().NumCols(), 1); // not while another tab is shown
        t->showTab(5);
        QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(t->table().NumCols(), 6);
    }

    // The cell editor.

    void acceptChecksAndStores_data()
    {
        // row in column 3 (2: above the span); boxes; width, height units (% or p); span; message; stored
        Columns<AcceptChecksAndStoresRow>();
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
        const auto [row, boxes, units, rowSpan, message, stored] = Fetch<AcceptChecksAndStoresRow>();
        Open<frmCellInfo>(row, 3, [&](frmCellInfo& d) {
            const QStringList names{"Cell content", "Width", "Height", "Font face", "Font size"};
            for (int i = 0; i < 5; ++i)
                Find<QLineEdit>(names[i], &d)->setText(boxes[i]);
            Unit(&d, "Width unit", units[0])->setChecked(true);
            Unit(&d, "Height unit", units[1])->setChecked(true);
            Find<QComboBox>("Row span", &d)->setCurrentIndex(rowSpan - 1);
            if (!message.isEmpty())
                t->seam().expectMessage("Inadmissible input", message, MsgIcon::None);
            Find("Accept", &d)->click();
            QCOMPARE(d.isVisible(),
                     !message.isEmpty()); // a refusal keeps the dialog open, the content trimmed
            QVERIFY(message.isEmpty() || Texts(&d, {"Cell content"}) == boxes[0].trimmed());
            d.close();
        });
        QCOMPARE(Stored(Cell(row, 3)), stored);
        QCOMPARE(t->result().isEmpty(), message.isEmpty());
    }

    void editorShowsTheCell()
    {
        // A place marker text of this table, alignment, width in percent and a font.
        t->table().StoreCellFields(6, 5,
                                   {.Content = "R1C2",
                                    .Align = 2,
                                    .VAlign = 3,
                                    .Width = 25,
                                    .WidthInPixels = 0,
                                    .FontFace = "Verdana",
                                    .FontSize = "-1"});
        Open<frmCellInfo>(6, 5, [this](frmCellInfo& d) {
            QVERIFY(Shown(&d).contains("row 6 column 5|"));
            QCOMPARE(Texts(&d, {"Cell content", "Align", "VAlign", "Width", "Font face", "Row span"}),
                     QStringLiteral("|center|bottom|25|Verdana|1"));
            QCOMPARE(Find<QComboBox>("Row span", &d)->count() * 10 +
                         Find<QComboBox>("Column span", &d)->count(),
                     12); // the last row
            QCOMPARE(d.focusWidget(), t->control<QWidget>("Cell content", &d));
            QVERIFY(Unit(&d, "Width unit", '%')->isChecked() && Unit(&d, "Height unit", 'p')->isChecked());
            QVERIFY(!Find("Specify cell colors", &d)->isEnabled());
            Find("Cancel", &d)->click();
        });
    }

    void cellColors_data()
    {
        // table colours used; check box unticked again; Accept, else Cancel; cell's text colour after
        Columns<CellColorsRow>();
        Row("chosen and accepted", false, false, true, kRed);
        Row("chosen, then unchecked", true, true, true, UnsetColor);
        Row("chosen, then cancelled", false, false, false, UnsetColor);
    }
    void cellColors()
    {
        const auto [tableColorsUsed, uncheck, accept, stored] = Fetch<CellColorsRow>();
        Load({.useTableColors = tableColorsUsed,
              .textColor = MakeColor(0, 0, 128),
              .table = t->table(),
              .outputFile = {}});
        Open<frmCellInfo>(2, 1, [&](frmCellInfo& d) {
            Find<QCheckBox>(kOwnColors, &d)->click();
            QCOMPARE(d.focusWidget(), t->control<QWidget>("Cancel", &d));
            t->seam().expectDialog<frmSpecifyColors>([this](frmSpecifyColors& colors) {
                QVERIFY(Shown(&colors).contains("|Colors for cell at row 2 column 1|"));
                QCOMPARE(Described(&colors, "Text color")->text(), QStringLiteral("#000080")); // the table's
                Find<QLineEdit>("Text color red", &colors)->setText("255");
                Find<QLineEdit>("Text color blue", &colors)->setText("0");
                Find("Accept", &colors)->click();
            });
            Find("Specify cell colors", &d)->click();
            QCOMPARE(Described(&d, "Cell text color")->text(), QStringLiteral("#FF0000"));
            QCOMPARE(Find<QLineEdit>("Cell content", &d)->palette().color(QPalette::Text), QColor(Qt::red));
            if (uncheck) {
                Find<QCheckBox>(kOwnColors, &d)->click();
                QCOMPARE(Described(&d, "Cell text color")->text(), QStringLiteral("table default"));
            }
            Find(accept ? "Accept" : "Cancel", &d)->click();
        });
        QCOMPARE(Cell(2, 1).CellTextColor, stored);
        QCOMPARE(Cell(2, 1).CellBackColor, stored == UnsetColor ? UnsetColor : 0xFFFFFF);
    }

    // The editor of the cell (3, 3), which spans two rows, has colours and is opened by a click on
    // the position it covers. A list choice moves the focus to Cancel. Leaving without Accept keeps
    // the cell; Clear cell empties it but keeps its spans; Enter in the width box moves to Accept,
    // Enter there or in the content box accepts. Emptied content takes the place marker.
    void leaveTheEditor_data()
    {
        // control that gets the key or click; key (0: a click, -1: closed by the frame); stored; align
        Columns<LeaveTheEditorRow>();
        const QString kept = "old|2x1|w-1,1|h-1,1||", accepted = "new|1x1|w40,0|h-1,1||";
        Row("Cancel", QString("Cancel"), 0, kept, 1);
        Row("closed by the frame", QString(), -1, kept, 1);
        Row("Escape", QString("Cell content"), int(Qt::Key_Escape), kept, 1);
        Row("Enter on Cancel", QString("Cancel"), int(Qt::Key_Return), kept, 1);
        Row("Clear cell, Accept", QString("Clear cell"), 0, QString("R3C3|2x1|w-1,1|h-1,1||"), 0);
        Row("Enter in the width box, on Accept", QString("Width"), int(Qt::Key_Return), accepted, 2);
        Row("Enter in the content box", QString("Cell content"), int(Qt::Key_Enter), accepted, 2);
    }
    void leaveTheEditor()
    {
        const auto [control, key, stored, align] = Fetch<LeaveTheEditorRow>();
        Find<QCheckBox>("Place markers")->setChecked(true);
        t->table().StoreCellFields(
            3, 3, {.CellTextColor = 0, .CellBackColor = 0xFFFFFF, .Content = "old", .Align = 1});
        Open<frmCellInfo>(4, 3, [&](frmCellInfo& d) {
            QVERIFY(Shown(&d).contains("row 3 column 3|"));
            QCOMPARE(Described(&d, "Cell background color")->text(), QStringLiteral("#FFFFFF"));
            QCOMPARE(Find<QLineEdit>("Cell content", &d)->cursorPosition(), 3);
            Find<QLineEdit>("Cell content", &d)->setText("new");
            QTest::keyClicks(Find<QLineEdit>("Width", &d), "40");
            Unit(&d, "Width unit", '%')->setChecked(true);
            QTest::keyClick(Find<QComboBox>("Align", &d), Qt::Key_Down);
            QCOMPARE(d.focusWidget(), t->control<QWidget>("Cancel", &d));
            if (control != "Clear cell")
                Find<QComboBox>("Row span", &d)->setCurrentIndex(0);
            if (key == -1)
                d.close();
            else if (key == 0)
                Find(control, &d)->click();
            else
                QTest::keyClick(t->control<QWidget>(control, &d), Qt::Key(key));
            if (control == "Clear cell") {
                QVERIFY(Unit(&d, "Width unit", 'p')->isChecked() &&
                        !Find<QCheckBox>(kOwnColors, &d)->isChecked());
                QCOMPARE(Described(&d, "Cell text color")->text(), QStringLiteral("page default"));
            }
            if (control == "Width")
                QCOMPARE(d.focusWidget(), t->control<QWidget>("Accept", &d));
            if (d.isVisible())
                QTest::keyClick(Find("Accept", &d), Qt::Key_Return);
        });
        QCOMPARE(Stored(Cell(3, 3)), stored);
        QCOMPARE(Cell(3, 3).Align, align);
        QCOMPARE(Cell(3, 3).CellTextColor, align == 0 ? UnsetColor : 0);
        QCOMPARE(t->result().isEmpty(), align != 1);
    }

    // The copy dialog.

    // The dialog shows its source cell and proposes the next free cell as the one target.
    void proposedTarget_data()
    {
        // row; col; key on the grid, else a middle click; content box and labels; target "row|col" or "|"
        Columns<ProposedTargetRow>();
        const int click = Qt::Key_unknown;
        const QStringList unset{"", "Align =  ", "Width ="};
        Row("the next cell", 2, 2, click, QStringList{"x", "Align = center", "Width = 25%"}, QString("2|3"));
        Row("a place marker shows empty", 1, 1, int(Qt::Key_F10), unset, QString("1|2"));
        Row("last column: the cell below", 2, 6, click, unset, QString("3|6"));
        Row("bottom right: none", 6, 6, click, unset, QString("|"));
        Row("next cell covered: none", 4, 2, click, unset, QString("|"));
    }
    void proposedTarget()
    {
        const auto [row, col, key, shown, target] = Fetch<ProposedTargetRow>();
        Find<QCheckBox>("Place markers")->click();
        const auto act = [&](frmCopyCell& d) {
            QCOMPARE(Texts(&d, {"Cell content"}), shown[0]);
            for (const QString& label : shown.mid(1))
                QVERIFY2(Shown(&d).contains('|' + label + '|'), qPrintable(label));
            QVERIFY(Find<QRadioButton>(QStringLiteral("to all cells in column %1").arg(col), &d));
            QCOMPARE(Find<QLineEdit>("Cell content", &d)->palette().color(QPalette::Base) == Qt::yellow,
                     row == 2 && col == 2);
            QCOMPARE(d.focusWidget(), t->control<QWidget>("Cancel", &d));
            QCOMPARE(Texts(&d, {"Target row", "Target column"}), target);
            QCOMPARE(Find("Do it", &d)->isEnabled(), target != "|");
            Find<QRadioButton>("to all cells in table", &d)->click();
            QVERIFY(Find("Do it", &d)->isEnabled() && !Find<QComboBox>("Target row", &d)->isEnabled());
            Find("Cancel", &d)->setFocus();
            QTest::keyClick(Find("Cancel", &d), Qt::Key_Return);
        };
        Open<frmCopyCell>(row, col, act, Qt::Key(key), Qt::MiddleButton);
    }

    void doIt_data()
    {
        // parts checked; target option; the one cell chosen, "row,col"; message; cells holding "x" after
        Columns<DoItRow>();
        const QString one = "to cell at row";
        const QStringList content{"content"}, source{"2,2"};
        Row("content to one cell", content, one, QString("5,6"), QString(), QStringList{"2,2", "5,6"});
        Row("nothing checked", QStringList(), one, QString("5,6"),
            QString("At least one of font, content, colors,\r\nalignment, width and height must be checked."),
            source);
        Row("height alone", QStringList{"height"}, one, QString("5,6"), QString(), source);
        Row("to itself", content, one, QString("2,2"), QString("Cell is being copied to itself."), source);
        Row("covered choice: its owner", content, one, QString("4,3"), QString(), QStringList{"2,2", "3,3"});
        Row("column", content, QString("to all cells in column 2"), QString(), QString(),
            QStringList{"1,2", "2,2", "3,2", "4,2", "5,2", "6,2"});
    }
    void doIt()
    {
        const auto [parts, target, to, message, holding] = Fetch<DoItRow>();
        Open<frmCopyCell>(2, 2, [&](frmCopyCell& d) {
            for (const char* part : {"font", "content", "colors", "alignment", "width", "height"})
                Find<QCheckBox>(part, &d)->setChecked(parts.contains(part));
            Find<QRadioButton>(target, &d)->click();
            if (!to.isEmpty()) { // a covered cell chosen moves to the cell that covers it
                Find<QComboBox>("Target column", &d)->setCurrentIndex(to.section(',', 1).toInt() - 1);
                Find<QComboBox>("Target row", &d)->setCurrentIndex(to.section(',', 0, 0).toInt() - 1);
            }
            if (!message.isEmpty())
                t->seam().expectMessage("Error", message, MsgIcon::None);
            Find("Do it", &d)->click();
            QCOMPARE(d.isVisible(), !message.isEmpty()); // a refusal keeps the dialog open
            d.close();
        });
        QStringList found;
        for (int r = 1; r <= 6; ++r)
            for (int c = 1; c <= 6; ++c)
                if (Cell(r, c).Content == "x")
                    found << QStringLiteral("%1,%2").arg(r).arg(c);
        QCOMPARE(found, holding);
        QCOMPARE(Cell(5, 6).Height, parts == QStringList{"height"} ? 40 : -1);
        QCOMPARE(t->result().isEmpty(), message.isEmpty());
    }

    // Colours copied to the whole table become the table's, which the page then uses as well.
    void colorsToTheTable_data()
    {
        QTest::addColumn<int>("col"); // source (2, col)
        Row("own colours become the table's", 2);
        Row("no own colours: the table's stay", 1);
    }
    void colorsToTheTable()
    {
        QFETCH(int, col);
        Open<frmCopyCell>(2, col, [this](frmCopyCell& d) {
            for (const char* part : {"content", "colors", "height"})
                Find<QCheckBox>(part, &d)->setChecked(true);
            Find<QRadioButton>("to all cells in table", &d)->click();
            Find("Do it", &d)->click();
        });
        QCOMPARE(Cell(6, 1).Height, col == 2 ? 40 : -1);
        QCOMPARE(Find<QCheckBox>("Use specified table colors")->isChecked(), col == 2);
        QCOMPARE(Saved().textColor, col == 2 ? kRed : 0);
    }
};

QTEST_MAIN(tst_tablecreator)
#include "tst_tablecreator.moc"
