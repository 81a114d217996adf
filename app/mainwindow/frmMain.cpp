#include "mainwindow/frmMain.h"

#include "dialogs/frmHowToView.h"
#include "dialogs/frmView.h"
#include "platform/Platform.h"
#include "platform/ShellOpen.h"
#include "rules/Folders.h"
#include "rules/ProgramText.h"
#include "rules/Settings.h"
#include "rules/TableProperties.h"
#include "rules/ViewRules.h"
#include "widgets/Controls.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace pagewright
{
namespace
{

constexpr int kMajorVersion = 8;
constexpr int kMinorVersion = 4;
constexpr int kRevision = 2;

} // namespace

frmMain::frmMain(Platform& platform, Options options, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_options(std::move(options)),
      m_library(m_options.libraryFolder.isEmpty() ? m_options.programFolder : m_options.libraryFolder)
{
    setObjectName(QStringLiteral("frmMain"));
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(BuildTemplateTab(), QStringLiteral("HTML Template"));
    SSTab1->addTab(BuildTextTab(), QStringLiteral("Text to HTML"));
    SSTab1->addTab(BuildCodeTab(), QStringLiteral("Code to HTML"));
    SSTab1->addTab(BuildListTab(), QStringLiteral("Data to List"));
    SSTab1->addTab(BuildDataTableTab(), QStringLiteral("Data to Table"));
    SSTab1->addTab(BuildTableCreatorTab(), QStringLiteral("Table Creator"));
    // Every tab caption stays in view; the window is as wide as the six of them.
    SSTab1->setUsesScrollButtons(false);
    SSTab1->setVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);

    ConnectFileControls();
    connect(SSTab1, &QTabWidget::currentChanged, this, [this] { SSTab1_Click(); });
    connect(performRows[TemplateSlot], &PerformRow::clearClicked, this, [this] { Clear_Click(0); });
    connect(performRows[TextSlot], &PerformRow::clearClicked, this, [this] { Clear_Click(1); });
    for (int p = 0; p < 6; ++p) {
        connect(tabFooters[p], &TabFooter::quitClicked, this, [this, p] { cmdQuit_Click(p); });
        connect(tabFooters[p], &TabFooter::guideClicked, this, [this, p] { lblDocumentation_Click(p); });
    }
    connect(txbTitle, &QLineEdit::textChanged, this, [this] { txbTitle_Change(); });
    connect(txbTitle, &QLineEdit::returnPressed, this, [this] { txbTitle_Enter(); });
    for (int i = 0; i < 4; ++i)
        connect(colorRows[i], &ColorRow::useColorsClicked, this,
                [this, i] { chkUseSpecifiedColors_Click(i); });
}

frmMain::~frmMain() = default;

bool frmMain::Form_Load()
{
    blnStartupCompleted = false;
    const QString textPath = ProgramTextPath(m_options.programFolder, QString::fromLatin1(kProgramTextFile));
    const int n = LoadProgramTextTable(textPath);
    if (n <= 0) {
        m_platform.message(nullptr, QString(), ProgramTextFailureMessage(n, textPath), MsgIcon::Stop);
        return false;
    }
    InitControls();
    show();
    setWindowTitle(GetText(ProductName, false) + QLatin1Char(' ') +
                   QStringLiteral("%1.%2%3").arg(kMajorVersion).arg(kMinorVersion).arg(kRevision));
    LoadFileNames();
    UpdateButtons();
    blnStartupCompleted = true;
    return true;
}

void frmMain::InitControls()
{
    GoToFirstFixedDriveRoot();
    for (int s = 0; s < kSlotCount; ++s) {
        if (s < kInputSlotCount) {
            inputRows[s]->box()->setText(QString());
            inputRows[s]->viewButton()->setEnabled(false);
        }
        outputRows[s]->box()->setText(QString());
        resultLines[s]->setText(QString());
        // Each tab's buttons are set by UpdateButtons when the tab is shown.
        performRows[s]->performButton()->setEnabled(false);
        outputRows[s]->viewButton()->setEnabled(false);
    }
    for (int i = 0; i < 2; ++i) {
        headerRows[i]->viewButton()->setEnabled(false);
        footerRows[i]->viewButton()->setEnabled(false);
    }
    for (int i = 0; i < 4; ++i) {
        TextColors[i] = 0;
        BackColors[i] = 0xFFFFFF;
    }
    for (int i = 0; i < 3; ++i) {
        colorRows[i]->textHex()->setText(QStringLiteral("#000000"));
        colorRows[i]->backgroundHex()->setText(QStringLiteral("#FFFFFF"));
        colorRows[i]->useColorsCheck()->setChecked(false);
        const ColorRow* row = colorRows[i];
        for (QWidget* w :
             {static_cast<QWidget*>(row->specifyButton()), static_cast<QWidget*>(row->textCaption()),
              static_cast<QWidget*>(row->textHex()), static_cast<QWidget*>(row->backgroundCaption()),
              static_cast<QWidget*>(row->backgroundHex())})
            w->setEnabled(false);
    }
    ViewLimitKB = kDefaultViewLimitKB;
    m_settingsPath = m_options.settingsFile.isEmpty()
                         ? SettingsFilePath(QStringLiteral("vellum.usr"), QStringLiteral("Brindlecote"))
                         : m_options.settingsFile;
    for (int i = 0; i < 2; ++i) {
        headerRows[i]->box()->setText(QString());
        footerRows[i]->box()->setText(QString());
    }
    cboMarginSpaces->clear();
    for (int n = 0; n <= 8; ++n)
        cboMarginSpaces->addItem(QString::number(n));
    cboMarginSpaces->setCurrentIndex(4);
    cboTabSpaces->clear();
    for (int n = 1; n <= 8; ++n)
        cboTabSpaces->addItem(QString::number(n));
    cboTabSpaces->setCurrentIndex(3);
    optUnorderedList->setChecked(true);
    cboOrderedList->clear();
    cboOrderedList->addItems({QStringLiteral("unspecified"), QStringLiteral("1,2,3"),
                              QStringLiteral("i,ii,iii"), QStringLiteral("I, II, III"),
                              QStringLiteral("a,b,c"), QStringLiteral("A,B,C")});
    cboOrderedList->setCurrentIndex(1);
    BulletKinds = {QStringLiteral("unspecified"), QStringLiteral("disc"), QStringLiteral("circle"),
                   QStringLiteral("square")};
    cboUnorderedList->clear();
    cboUnorderedList->addItems(BulletKinds);
    cboUnorderedList->setCurrentIndex(1);
    optReadListData->setChecked(true);
    ListSourceOption_Click();
    txbNumberOfItems->setText(QString());
    txbStartNumber->setText(QStringLiteral("1"));
    cboItemSeparator->clear();
    cboItemSeparator->addItems({QStringLiteral("End-of-line (CR/LF)"), QStringLiteral("Blank line"),
                                QStringLiteral("Initial numeral (e.g. 12.)"),
                                QStringLiteral("Initial asterisk (*)")});
    cboItemSeparator->setCurrentIndex(0);
    cboSeparatorChar->clear();
    const std::pair<const char*, int> separators[] = {
        {"comma (44)", 44}, {"semicolon (59)", 59}, {"space (32)", 32}, {"tab (9)", 9}};
    for (const auto& [caption, code] : separators)
        cboSeparatorChar->addItem(QString::fromLatin1(caption), code);
    cboSeparatorChar->setCurrentIndex(0);
    cboPaddingSpaces->clear();
    for (int n = 0; n <= 12; ++n)
        cboPaddingSpaces->addItem(QString::number(n));
    cboPaddingSpaces->setCurrentIndex(2);
    for (int t = 0; t < 2; ++t)
        SetTablePropertiesAt(t, kDefaultTableProperties);
    InitTableCreator();
    PlaceWindow();
    SSTab1->setCurrentIndex(TabOfSlot(TextSlot));
    SSTab1->setVisible(true);
    m_tabsVisible = true;
}

void frmMain::InitTableCreator()
{
    for (QComboBox* list : {cboNumberOfRows, cboNumberOfColumns}) {
        list->clear();
        for (int n = 1; n <= MaxRows; ++n)
            list->addItem(QString::number(n));
        list->setCurrentIndex(kDefaultTableSize - 1);
    }
    Table.InitTableCreator();
    LastTableFile.clear();
}

void frmMain::PlaceWindow()
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

void frmMain::LoadFileNames()
{
    std::array<QLineEdit*, kSettingsValueCount> boxes{};
    int n = 0;
    for (int s = 0; s < kSlotCount; ++s) {
        if (s < kInputSlotCount) {
            inputRows[s]->box()->setText(QString());
            boxes[n++] = inputRows[s]->box();
        }
        outputRows[s]->box()->setText(QString());
        boxes[n++] = outputRows[s]->box();
    }
    const QStringList values = SettingsFile(m_settingsPath).read();
    for (int i = 0; i < values.size() && i < kSettingsValueCount; ++i)
        boxes[i]->setText(values[i]);
    UpdateButtons();
}

void frmMain::SaveFileNames()
{
    QStringList values;
    for (int s = 0; s < kSlotCount; ++s) {
        if (s < kInputSlotCount)
            values << inputRows[s]->box()->text();
        values << outputRows[s]->box()->text();
    }
    // A settings file that cannot be written loses the names; the quit goes on without a message.
    SettingsFile(m_settingsPath).write(values);
    m_namesSaved = true;
}

int frmMain::GetIndex() const
{
    return SlotOfTab(SSTab1->currentIndex());
}

int frmMain::GetHeaderFooterFile() const
{
    return HeaderFooterIndexOfTab(SSTab1->currentIndex());
}

void frmMain::ClearResult(int slot)
{
    if (!blnStartupCompleted)
        return;
    const int s = slot < 0 ? GetIndex() : slot;
    OutputReady[s] = false;
    resultLines[s]->setText(QString());
}

void frmMain::ReturnFocusToTabs()
{
    if (SSTab1->isVisible())
        SSTab1->tabBar()->setFocus();
}

void frmMain::SSTab1_Click()
{
    if (!m_tabsVisible)
        return;
    const int s = GetIndex();
    if (s == ListSlot) {
        UpdateListTypeControls();
        if (txbNumberOfItems->isEnabled())
            txbNumberOfItems->setFocus();
        else
            ReturnFocusToTabs();
    } else if (s == TableCreatorSlot) {
        DrawTable();
    } else {
        ReturnFocusToTabs();
    }
    UpdateButtons();
}

void frmMain::Clear_Click(int index)
{
    if (index == 0) {
        txbTitle->setText(QString());
        outputRows[TemplateSlot]->box()->setText(QString());
        headerRows[1]->box()->setText(QString());
        footerRows[1]->box()->setText(QString());
        performRows[TemplateSlot]->performButton()->setEnabled(false);
    } else {
        inputRows[TextSlot]->box()->setText(QString());
        outputRows[TextSlot]->box()->setText(QString());
        headerRows[0]->box()->setText(QString());
        footerRows[0]->box()->setText(QString());
        performRows[TextSlot]->performButton()->setEnabled(false);
    }
}

void frmMain::cmdQuit_Click(int tabPosition)
{
    if (tabPosition == 5 &&
        m_platform.messageBox(this, QStringLiteral("Quit"), QStringLiteral("Really quit?"), MsgIcon::Question,
                              MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    SaveFileNames();
    close();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!m_namesSaved)
        SaveFileNames();
    if (m_view != nullptr)
        m_view->close();
    event->accept();
}

void frmMain::lblDocumentation_Click(int tabPosition)
{
    LaunchBrowser(m_platform, tabFooters[tabPosition]->guideLink()->text(), GetText(ProductName));
}

void frmMain::txbTitle_Change()
{
    ClearResult(-1);
}

void frmMain::txbTitle_Enter()
{
    if (performRows[TemplateSlot]->performButton()->isEnabled())
        performRows[TemplateSlot]->performButton()->setFocus();
    else
        outputRows[TemplateSlot]->chooseButton()->setFocus();
}

frmView* frmMain::Viewer()
{
    if (m_view == nullptr)
        m_view = new frmView(m_platform, this);
    return m_view;
}

frmHowToView* frmMain::HowToView()
{
    if (m_howToView == nullptr)
        m_howToView = new frmHowToView(this);
    return m_howToView;
}

} // namespace pagewright
