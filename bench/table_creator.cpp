// Table Creator benchmark: a full redraw of a 20 x 20 grid, writing a 20 x 20 table as HTML, and
// each kind of editing step (and its Undo) taken through the Table Creator tab on a full table,
// with the grid's redraw after it.
// Budget: 5 ms or less each (median of the runs).
//
//   build/bin/pagewright-bench-table [runs]      (default 200; QT_QPA_PLATFORM=offscreen works)
#include "platform/QtPlatform.h"
#include "tablecreator/TableFile.h"
#include "tablecreator/TableGrid.h"
#include "tablecreator/TableWriter.h"
#include "window/MainWindow.h"
#include "window/TableCreatorTab.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace pagewright;

namespace
{

// A full table: every cell with text, some with colours, fonts and sizes, a few spanning.
TableModel FullTable()
{
    TableModel table;
    table.ApplyTableSize(MaxRows, MaxCols);
    for (int r = 1; r <= MaxRows; ++r) {
        for (int c = 1; c <= MaxCols; ++c) {
            TableCell cell = table.Cell(r, c);
            cell.Content = QStringLiteral("Cell %1, %2 <b>bold</b> caf\u00e9").arg(r).arg(c);
            if ((r + c) % 3 == 0) {
                cell.CellTextColor = (0x203040 * c) & 0xFFFFFF;
                cell.CellBackColor = 0xFFEEDD - r;
                cell.FontFace = QStringLiteral("Verdana");
                cell.FontSize = QStringLiteral("+1");
                cell.Width = 5;
                cell.WidthInPixels = 0;
            }
            table.StoreCellFields(r, c, cell);
        }
    }
    for (int r = 1; r < MaxRows; r += 4)
        table.SetCellArea(r, r, 2, 2);
    return table;
}

double MedianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        work();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const TableModel table = FullTable();

    TableGrid grid(nullptr, table);
    grid.resize(760, 420);
    grid.setTableColors(0x000000, 0xFFFFFF);
    QImage image(grid.size(), QImage::Format_RGB32);
    const double redraw = MedianMs(runs, [&] { grid.render(&image); });
    // The first redraw after every content changed, with nothing laid out yet.
    const double fresh = MedianMs(runs, [&] {
        TableGrid first(nullptr, table);
        first.resize(grid.size());
        first.render(&image);
    });

    QTemporaryDir dir;
    const QString path = dir.filePath("table.htm");
    TableHtmlOptions options;
    options.wrapper = options.center = options.useTableColors = true;
    bool written = true;
    const double write =
        MedianMs(runs, [&] { written = WriteTableHtml(path, table, options).succeeded && written; });

    QByteArray page;
    const double make =
        MedianMs(runs, [&] { page = TableHtmlStart(table, options) + TableHtmlRows(table, options); });

    // Editing steps through the Table Creator tab itself, as its buttons and keys take them, on a
    // full 19 x 19 table (so that rows and columns can come and go): the step with its history
    // entry, then the grid's redraw; then Undo and the redraw.
    QTemporaryDir settings;
    QtPlatform platform;
    MainWindow window(platform, {QCoreApplication::applicationDirPath(), settings.filePath("vellum.usr")});
    window.start();
    auto* tabs = window.findChild<QTabWidget*>();
    auto* tab = window.findChild<TableCreatorTab*>();
    tabs->setCurrentWidget(tab);
    window.resize(800, 700);
    TableDocument full;
    full.table = table;
    full.table.ApplyTableSize(MaxRows - 1, MaxCols - 1);
    const QString tableFile = settings.filePath("full.tbl");
    // A file that does not load would stop here on Load's message box.
    if (!SaveTable(tableFile, full) || !LoadTable(tableFile)) {
        std::fprintf(stderr, "cannot write and read back %s\n", qPrintable(tableFile));
        return 2;
    }
    tab->openFile(tableFile);
    auto* tabGrid = tab->findChild<TableGrid*>();
    QImage tabImage(tabGrid->size(), QImage::Format_RGB32);
    tabGrid->setFocusCell({5, 5});
    const auto button = [tab](const char* caption) {
        for (QPushButton* b : tab->findChildren<QPushButton*>())
            if (b->text() == QLatin1String(caption))
                return b;
        std::fprintf(stderr, "no button %s\n", caption);
        std::exit(2);
    };
    QString pasted;
    for (int r = 0; r < MaxRows; ++r)
        pasted += QStringLiteral("pasted & <kept>\t").repeated(MaxCols - 1) + QStringLiteral("last\n");
    QGuiApplication::clipboard()->setText(pasted);
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"Insert row", [&] { button("Insert row")->click(); }},
        {"Delete row", [&] { button("Delete row")->click(); }},
        {"Insert column", [&] { button("Insert column")->click(); }},
        {"Delete column", [&] { button("Delete column")->click(); }},
        {"Paste 20 x 20 at row 5 column 5", [&] { button("Paste")->click(); }},
        {"Delete key on a cell",
         [&] {
             QKeyEvent key(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
             QCoreApplication::sendEvent(tabGrid, &key);
         }},
    };
    double worstStep = 0;
    std::vector<std::pair<const char*, std::pair<double, double>>> stepTimes;
    QElapsedTimer timer;
    QPushButton* const undo = button("Undo");
    for (const auto& [name, step] : steps) {
        // Each run takes the step and then undoes it, timing both, so every run starts alike.
        std::vector<double> done, undone;
        for (int i = 0; i < runs; ++i) {
            timer.start();
            step();
            tabGrid->render(&tabImage);
            done.push_back(timer.nsecsElapsed() / 1e6);
            timer.start();
            undo->click();
            tabGrid->render(&tabImage);
            undone.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::sort(done.begin(), done.end());
        std::sort(undone.begin(), undone.end());
        const double doneMs = done[done.size() / 2], undoneMs = undone[undone.size() / 2];
        worstStep = std::max({worstStep, doneMs, undoneMs});
        stepTimes.push_back({name, {doneMs, undoneMs}});
    }

    std::printf("runs: %d\n", runs);
    std::printf("full redraw of a 20 x 20 grid (760 x 420 pixels), median ms: %.3f (budget 5)\n", redraw);
    std::printf("  the first redraw of new contents (a new grid), median ms: %.3f\n", fresh);
    std::printf("writing a 20 x 20 table as HTML, median ms: %.3f (budget 5)%s\n", write,
                written ? "" : " (a write failed)");
    std::printf("  of which making the page (%lld bytes) in memory, median ms: %.3f\n",
                static_cast<long long>(page.size()), make);
    std::printf("steps through the Table Creator tab on a full 19 x 19 table, each with the grid's redraw\n"
                "(%d x %d pixels), median ms (budget 5):\n",
                tabImage.width(), tabImage.height());
    for (const auto& [name, times] : stepTimes)
        std::printf("  %-32s step %.3f, Undo %.3f\n", name, times.first, times.second);
    return redraw <= 5.0 && write <= 5.0 && written && worstStep <= 5.0 ? 0 : 1;
}
