#include "window/MainWindow.h"

#include "dialogs/frmView.h"
#include "platform/Platform.h"
#include "platform/ShellOpen.h"
#include "rules/CommandLine.h"
#include "rules/Folders.h"
#include "rules/Opening.h"
#include "rules/ProgramText.h"
#include "rules/Settings.h"
#include "widgets/Twips.h"
#include "window/CodeTab.h"
#include "window/DataTableTab.h"
#include "window/ListTab.h"
#include "window/TableCreatorTab.h"
#include "window/TemplateTab.h"
#include "window/TextTab.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pagewright
{

MainWindow::MainWindow(Platform& platform, Options options, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_options(std::move(options)),
      m_library(m_options.libraryFolder.isEmpty() ? m_options.programFolder : m_options.libraryFolder),
      m_services(platform, m_library, m_options.programFolder, this)
{
    setObjectName(QStringLiteral("MainWindow"));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_services.tabs = m_tabs;
    m_tabs->addTab(m_templateTab = new TemplateTab(m_services), QStringLiteral("HTML Template"));
    m_tabs->addTab(m_textTab = new TextTab(m_services), QStringLiteral("Text to HTML"));
    m_tabs->addTab(m_codeTab = new CodeTab(m_services), QStringLiteral("Code to HTML"));
    m_tabs->addTab(m_listTab = new ListTab(m_services), QStringLiteral("Data to List"));
    m_tabs->addTab(m_dataTableTab = new DataTableTab(m_services), QStringLiteral("Data to Table"));
    m_tabs->addTab(m_tableCreatorTab = new TableCreatorTab(m_services), QStringLiteral("Table Creator"));
    m_settingsOrder = {m_textTab, m_codeTab, m_listTab, m_dataTableTab, m_tableCreatorTab, m_templateTab};
    // Every tab caption stays in view; the window is as wide as the six of them.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->setVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);

    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::tabShown);
    for (ToolTab* tab : m_settingsOrder) {
        connect(tab, &ToolTab::quitClicked, this, [this, tab] { quit(tab); });
        connect(tab, &ToolTab::guideClicked, this, &MainWindow::openGuide);
        connect(tab, &ToolTab::pageStyleChosen, this, [this](PageStyle style) { setPageStyle(style, true); });
        tab->acceptFileDrops();
    }
    // A colouring choice is kept beside the page style when it is made, as the page style is.
    connect(m_codeTab, &CodeTab::colouringChosen, this, [this](const CodeColouring& choices) {
        WriteCodeColouring(PageStyleFilePath(m_settingsPath), choices);
    });
}

MainWindow::~MainWindow() = default;

bool MainWindow::start()
{
    m_services.started = false;
    const QString textPath = ProgramTextPath(m_options.programFolder, QString::fromLatin1(kProgramTextFile));
    const int n = LoadProgramTextTable(textPath);
    if (n <= 0) {
        m_platform.message(nullptr, QString(), ProgramTextFailureMessage(n, textPath), MsgIcon::Stop);
        return false;
    }
    GoToFirstFixedDriveRoot();
    m_services.viewLimitKB = kDefaultViewLimitKB;
    m_settingsPath = m_options.settingsFile.isEmpty()
                         ? SettingsFilePath(QStringLiteral("vellum.usr"), QStringLiteral("Brindlecote"))
                         : m_options.settingsFile;
    for (ToolTab* tab : m_settingsOrder)
        tab->reset();
    m_codeTab->showColouring(ReadCodeColouring(PageStyleFilePath(m_settingsPath)));
    setPageStyle(ReadPageStyle(PageStyleFilePath(m_settingsPath)), false);
    placeWindow();
    m_tabs->setCurrentWidget(m_textTab);
    m_tabs->setVisible(true);
    m_tabsVisible = true;
    show();
    setWindowTitle(GetText(ProductName, false) + QLatin1Char(' ') + ProgramVersion());
    loadFileNames();
    currentTab()->updateButtons();
    m_services.started = true;
    return true;
}

void MainWindow::placeWindow()
{
    adjustSize();
    resize(qMax(width(), TwipsToPixels(11400, logicalDpiX())),
           qMax(height(), TwipsToPixels(8400, logicalDpiY())));
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->geometry();
    const int top = TwipsToPixels(450, screen->logicalDotsPerInchY());
    move(area.x() + (area.width() - frameGeometry().width()) / 2, area.y() + top);
}

void MainWindow::loadFileNames()
{
    for (ToolTab* tab : m_settingsOrder)
        tab->setFileNames({});
    const QStringList values = SettingsFile(m_settingsPath).read();
    int n = 0;
    for (ToolTab* tab : m_settingsOrder) {
        if (n < values.size())
            tab->setFileNames(values.mid(n, tab->fileNameCount()));
        n += tab->fileNameCount();
    }
    currentTab()->updateButtons();
}

void MainWindow::saveFileNames()
{
    QStringList values;
    for (const ToolTab* tab : m_settingsOrder)
        values << tab->fileNames();
    // A settings file that cannot be written loses the names; the quit goes on without a message.
    SettingsFile(m_settingsPath).write(values);
}

void MainWindow::ending()
{
    if (!m_namesSaved)
        saveFileNames();
    m_namesSaved = true;
}

void MainWindow::openFile(const QString& name)
{
    const Slot slot = SlotForFile(name);
    for (ToolTab* tab : m_settingsOrder) {
        if (tab->slot() == slot) {
            m_tabs->setCurrentWidget(tab);
            tab->openFile(name);
        }
    }
}

void MainWindow::setPageStyle(PageStyle style, bool keep)
{
    const bool changed = style != m_services.pageStyle;
    m_services.pageStyle = style;
    for (ToolTab* tab : m_settingsOrder)
        tab->showPageStyle(style);
    // A file that cannot be written loses the choice for the next start, without a message, as
    // the settings file does.
    if (keep && changed)
        WritePageStyle(PageStyleFilePath(m_settingsPath), style);
}

ToolTab* MainWindow::currentTab() const
{
    return static_cast<ToolTab*>(m_tabs->currentWidget());
}

void MainWindow::tabShown()
{
    if (!m_tabsVisible)
        return;
    ToolTab* tab = currentTab();
    tab->shown();
    tab->updateButtons();
}

void MainWindow::quit(ToolTab* tab)
{
    if (tab == m_tableCreatorTab &&
        m_platform.messageBox(this, QStringLiteral("Quit"), QStringLiteral("Really quit?"), MsgIcon::Question,
                              MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    ending();
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    ending();
    if (frmView* viewer = m_services.viewerIfMade())
        viewer->close();
    event->accept();
}

void MainWindow::openGuide(const QString& address)
{
    LaunchBrowser(m_platform, address, GetText(ProductName));
}

} // namespace pagewright
