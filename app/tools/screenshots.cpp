// pagewright-screenshots: writes a PNG of every tab of the main window and of every dialog the
// program has so far into a folder, for looking at the layout without a display.
//
//   QT_QPA_PLATFORM=offscreen build/bin/pagewright-screenshots screenshots
#include "dialogs/frmHowToView.h"
#include "dialogs/frmSpecifyBorderEtc.h"
#include "dialogs/frmSpecifyColors.h"
#include "dialogs/frmView.h"
#include "platform/QtPlatform.h"
#include "rules/ColorRoutines.h"
#include "tablecreator/frmCellInfo.h"
#include "tablecreator/frmCopyCell.h"
#include "window/CodeTab.h"
#include "window/DataTableTab.h"
#include "window/ListTab.h"
#include "window/MainWindow.h"
#include "window/TableCreatorTab.h"
#include "window/TemplateTab.h"
#include "window/TextTab.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace pagewright;

namespace
{

bool Save(QWidget* widget, const QString& folder, const QString& name)
{
    QCoreApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "Could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "Could not create %s\n", qPrintable(folder));
        return 1;
    }
    QTemporaryDir work;
    QtPlatform platform;
    MainWindow window(platform,
                      {QCoreApplication::applicationDirPath(), work.filePath(QStringLiteral("vellum.usr"))});
    if (!window.start())
        return 1;

    // Sample names, so that the boxes and the enabled buttons look as in use.
    const QString sample = work.filePath(QStringLiteral("notes.txt"));
    QFile file(sample);
    if (file.open(QIODevice::WriteOnly)) {
        QTextStream(&file) << "Meeting notes\n\nThe new pages go live on Monday.\n"
                              "--------\nQuestions to web@example.com or see https://example.com/faq\n";
        file.close();
    }
    window.textTab()->setFileNames({sample, work.filePath(QStringLiteral("notes.htm"))});
    window.templateTab()->setTitle(QStringLiteral("My new page"));
    window.codeTab()->setFileNames(
        {work.filePath(QStringLiteral("main.cpp")), work.filePath(QStringLiteral("main.htm"))});
    window.codeTab()->setMargin(1);
    window.listTab()->setFileNames({QString(), work.filePath(QStringLiteral("list.htm"))});
    DataTableTab* data = window.dataTableTab();
    data->setFileNames({work.filePath(QStringLiteral("data.txt")), work.filePath(QStringLiteral("data.htm"))});
    // Colours in use on the Data to Table tab, so that its sample shows.
    data->setColors(MakeColor(0, 0, 128), MakeColor(255, 255, 224));
    data->setUsesColors(true);
    // A designed table on the Table Creator tab: a heading across all columns, a cell spanning
    // two rows, cells with their own colours.
    TableCreatorTab* creator = window.tableCreatorTab();
    creator->chooseSize(5, 4);
    TableModel& table = creator->table();
    table.SetCellArea(1, 1, 1, 4);
    table.SetCellArea(2, 1, 2, 1);
    const auto put = [&table](int row, int col, const char* content, int32_t text = UnsetColor,
                              int32_t back = UnsetColor) {
        TableCell cell = table.Cell(row, col);
        cell.Content = QString::fromUtf8(content);
        cell.CellTextColor = text;
        cell.CellBackColor = back;
        table.StoreCellFields(row, col, cell);
    };
    put(1, 1, "Opening hours", MakeColor(255, 255, 255), MakeColor(0, 64, 128));
    put(2, 1, "Shop");
    put(2, 2, "Mon-Fri");
    put(2, 3, "9-18");
    put(3, 2, "Sat");
    put(3, 3, "10-14");
    put(4, 1, "Caf\u00e9", MakeColor(128, 0, 0), MakeColor(255, 240, 200));
    put(4, 2, "daily");
    put(4, 3, "8-20");
    put(5, 1, "<i>Closed on holidays</i>");
    creator->setCentered(true);
    creator->setFileNames({work.filePath(QStringLiteral("hours.htm"))});

    const char* tabNames[] = {"tab0-html-template", "tab1-text-to-html",  "tab2-code-to-html",
                              "tab3-data-to-list",  "tab4-data-to-table", "tab5-table-creator"};
    bool ok = true;
    for (int tab = 0; tab < 6; ++tab) {
        window.tabs()->setCurrentIndex(tab);
        ok = Save(&window, folder, QString::fromLatin1(tabNames[tab])) && ok;
    }
    // The Code to HTML tab once more with HTML5 pages, its colouring choices in use.
    window.tabs()->setCurrentIndex(2);
    window.codeTab()->findChild<QComboBox*>(QStringLiteral("cboPageStyle"))->setCurrentIndex(1);
    window.codeTab()->showColouring({true, QStringLiteral("cpp"), true});
    ok = Save(&window, folder, QStringLiteral("tab2-code-to-html-html5")) && ok;

    TabServices& services = window.services();
    frmHowToView* how = services.howToView();
    how->show();
    ok = Save(how, folder, QStringLiteral("dialog-how-to-view")) && ok;
    how->hide();

    frmSpecifyColors* colors = services.colors();
    colors->TextColor = data->textColor();
    colors->BackColor = data->backColor();
    colors->lblWhatThisIs->setText(QStringLiteral("Data to Table: table colors"));
    colors->show();
    ok = Save(colors, folder, QStringLiteral("dialog-specify-colors")) && ok;
    colors->hide();

    frmSpecifyBorderEtc* border = services.tableProperties();
    border->SetTexts({QString(), QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("4"), false});
    border->show();
    ok = Save(border, folder, QStringLiteral("dialog-specify-border")) && ok;
    border->hide();

    frmView* view = services.viewer();
    view->ShowFile(sample, QStringLiteral("Viewing input file ") + sample);
    ok = Save(view, folder, QStringLiteral("dialog-viewer")) && ok;
    view->hide();

    // The cell editor for the designed table's heading, the copy dialog for a cell with its
    // own colours.
    const CellColors tableColors{creator->textColor(), creator->backColor()};
    frmCellInfo cellInfo(
        platform, [&services] { return services.colors(); }, &window);
    cellInfo.Fill(table, 1, 1, tableColors, creator->usesColors());
    cellInfo.cboAlign->setCurrentIndex(2);
    cellInfo.show();
    ok = Save(&cellInfo, folder, QStringLiteral("dialog-cell-editor")) && ok;
    cellInfo.hide();
    frmCopyCell copyCell(platform, &window);
    copyCell.Fill(table, 4, 1, tableColors);
    copyCell.chkContent->setChecked(true);
    copyCell.chkColors->setChecked(true);
    copyCell.show();
    ok = Save(&copyCell, folder, QStringLiteral("dialog-copy-cell")) && ok;
    copyCell.hide();
    return ok ? 0 : 1;
}
