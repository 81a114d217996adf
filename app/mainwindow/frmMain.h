// The main window: six tool tabs in SSTab1, each writing one HTML file. The parts that repeat on
// several tabs (file rows, perform rows, result lines, colour rows, tab footers) are arrays indexed
// by slot, by header/footer index, by colour index or by tab position; their controls keep object
// names such as txbInputFile_0.
#ifndef PAGEWRIGHT_FRMMAIN_H
#define PAGEWRIGHT_FRMMAIN_H

#include "library/ConversionLibrary.h"
#include "rules/FileRules.h"
#include "rules/ResultCaptions.h"
#include "tablecreator/TableModel.h"
#include "widgets/ColorRow.h"
#include "widgets/FileRow.h"
#include "widgets/PerformRow.h"
#include "widgets/ResultLine.h"
#include "widgets/TabFooter.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QGridLayout;
class QVBoxLayout;

namespace pagewright
{

class ColorSample;
class LinkLabel;
class Platform;
class frmCellInfo;
class frmCopyCell;
class frmHowToView;
class frmSpecifyBorderEtc;
class frmSpecifyColors;
class frmView;
class TableGrid;
struct TableDocument;
struct TableProperties;

class frmMain : public QWidget
{
    Q_OBJECT
public:
    struct Options {
        QString programFolder;      // holds vellum_text.dat, libvellum62.so and the guide pages
        QString settingsFile;       // empty: vellum.usr in Brindlecote under the configuration folder
        QString libraryFolder = {}; // holds libvellum62.so when it is not in programFolder
    };

    frmMain(Platform& platform, Options options, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up: program text, controls, showing the window, the last file names, the buttons.
    // False when the program text could not be loaded (the user has been told); the program
    // must then end.
    bool Form_Load();

    // --- Window state -------------------------------------------------------------------------
    bool blnStartupCompleted = false;
    int ViewLimitKB = 40;
    std::array<bool, kSlotCount> OutputReady{};
    std::array<int32_t, 4> TextColors{};
    std::array<int32_t, 4> BackColors{};
    std::array<int16_t, 2> TableWidth{}, WidthInPixels{}, TableBorder{}, TableCellPadding{},
        TableCellSpacing{};
    QStringList BulletKinds;

    // --- Routines other parts use -----------------------------------------------------------------
    int GetIndex() const;
    int GetHeaderFooterFile() const;
    void ClearResult(int slot); // -1: the current tab's slot
    void ReturnFocusToTabs();
    void UpdateButtons();
    bool CheckFileExtension(const QString& kind, int slot, const QString& ext1, const QString& ext2);
    // The input extension check of the perform and view-input buttons: the extensions the slot
    // takes, with the message for "txt" when the name has none of them.
    bool CheckInputExtension(int slot);
    int CheckInputSize(int slot);
    int CheckOutputSize(int slot);
    frmView* Viewer();
    frmHowToView* HowToView();
    frmSpecifyColors* SpecifyColors();
    frmSpecifyBorderEtc* SpecifyBorderEtc();
    // The five table-property arrays at a table index (0 Data to Table, 1 Table Creator).
    TableProperties TablePropertiesAt(int tableIndex) const;
    void SetTablePropertiesAt(int tableIndex, const TableProperties& properties);

    // --- Handlers -----------------------------------------------------------------------------
    void SSTab1_Click();
    void Clear_Click(int index);
    void cmdQuit_Click(int tabPosition);
    void lblDocumentation_Click(int tabPosition);
    void txbTitle_Change();
    void txbTitle_Enter();
    void cmdSpecifyInputFile_Click(int slot);
    void cmdSpecifyOutputFile_Click(int slot);
    void cmdSpecifyCustomHeaderFile_Click(int index);
    void cmdSpecifyCustomFooterFile_Click(int index);
    void txbInputFile_Change(int slot);
    void txbOutputFile_Change(int slot);
    void txbCustomHeaderFile_Change(int index);
    void txbCustomFooterFile_Change(int index);
    void txbInputFile_Enter(int slot);
    void txbOutputFile_Enter(int slot);
    void txbCustomHeaderFile_Enter(int index);
    void cmdPerformOperation_Click(int slot);
    void cmdViewInputFile_Click(int slot);
    void cmdViewOutputFile_Click(int slot);
    void cmdViewHeaderFile_Click(int index);
    void cmdViewFooterFile_Click(int index);
    void chkUseSpecifiedColors_Click(int index);
    void cmdSpecifyColors_Click(int index);
    void cmdSpecifyBorder_Click(int tableIndex);
    void UpdateListTypeControls();
    void ListSourceOption_Click();
    void SpacesChoice_Click(QComboBox* list, QLabel* after);
    void txbNumberOfItems_Enter();
    void txbStartNumber_Enter();

    // --- Table Creator ------------------------------------------------------------------------
    // The table being designed: its cells and its row and column counts (which the lists
    // cboNumberOfRows and cboNumberOfColumns show).
    TableModel Table;
    // The name under which the table was last saved; proposed by the next Save.
    QString LastTableFile;
    // The covering cell HighlightCell found for a covered cell.
    int intToRow = 0, intToCol = 0;
    // The cell that blocks a proposed span (set by the cell editor's check).
    int intCellConflictRow = 0, intCellConflictCol = 0;
    // Hand-over of colours to and from the cell editor; UnsetColor = the cell has none.
    int32_t lngThisCellTextColor = UnsetColor, lngThisCellBackgroundColor = UnsetColor;
    int32_t lngTableTextColor = 0, lngTableBackgroundColor = 0xFFFFFF;
    // Redraws the whole grid from the model; this also removes the highlight.
    void DrawTable();
    // Outlines the cell in the grid. A covered cell outlines its owner instead: row and col
    // become the owner, so do intToRow and intToCol, and the result is false.
    bool HighlightCell(int& row, int& col);
    // Places a cell dialog below the given row of the grid, within 80 % of the screen height.
    void PlaceCellDialog(QWidget& dialog, int row);
    // The two click flows of the grid: a left click (or Enter, Space) opens the cell editor,
    // any other button (or the menu key, Shift+F10) the copy dialog. Each redraws the grid
    // before it returns.
    void OpenCellEditor(int row, int col);
    void OpenCopyCell(int row, int col);
    // The row and column lists, the place-marker box and the New, Load, Save buttons
    // (cmdSaveLoad 0 "New", 1 "Load", 2 "Save", as captioned).
    void cboNumberOfRows_Click();
    void cboNumberOfColumns_Click();
    void chkAddPlaceMarkers_Click();
    void cmdSaveLoad_Click(int index);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Tab construction, one file per tab.
    QWidget* BuildTemplateTab();
    QWidget* BuildTextTab();
    QWidget* BuildCodeTab();
    QWidget* BuildListTab();
    QWidget* BuildDataTableTab();
    QWidget* BuildTableCreatorTab();
    // The custom header and footer rows at grid rows row and row + 1.
    void AddHeaderFooterRows(QGridLayout* grid, int row, int index);
    // The perform row (with Clear at clearIndex >= 0), the result line and the footer of a tab.
    void AddTabFooter(QVBoxLayout* layout, int tabPosition, int slot, const QString& performCaption,
                      const QString& performTooltip = {}, int clearIndex = -1);
    void ConnectFileControls();

    void InitControls();
    void InitTableCreator();
    void PlaceWindow();
    void LoadFileNames();
    void SaveFileNames();
    ListSource CurrentListSource() const;
    QString OutputIsSameFileMessage(int slot) const;
    void ShowColorSample();

    // Front ends of the working tools.
    void ConvertTextToHtml(int slot);
    void CreateHtmlTemplate(int slot);
    void ConvertCodeToHtml(int slot);
    void CreateList(int slot);
    void ConvertDataToTable(int slot);
    void CreateTable(int slot);
    // The Table Creator's options, properties, colours, table and output name, as a table file
    // holds them, and the window set from them.
    TableDocument CurrentTableDocument() const;
    void ApplyTableDocument(const TableDocument& document);
    void SaveTableFile();
    void LoadTableFile();
    void NewTable();
    // The export of the conversion library, or nullptr after writing why it is missing into the
    // slot's result line.
    template <typename Fn> Fn BindExport(int slot, const char* name)
    {
        QString error;
        const Fn fn = m_library.bind<Fn>(name, &error);
        if (fn == nullptr)
            ShowLibraryError(slot, error);
        return fn;
    }
    void ShowLibraryError(int slot, const QString& error);
    // The text and background colours for the library: the hex labels of the colour index when
    // its check box is ticked, else two empty texts.
    std::pair<QByteArray, QByteArray> ColorArguments(int colorIndex) const;
    // Calls txt2h with the tab's output, header and footer files and colours; nothing when the
    // library or the call is missing (the result line then says why).
    std::optional<int> CallTxt2h(int slot, int colorIndex, const QByteArray& title, const QByteArray& input,
                                 int32_t flags);
    // The library flags for reading the slot's input file: its encoding, and pages that declare it.
    int32_t InputFlags(int slot) const;
    void ShowRunResult(int slot, const RunResult& result);
    // Shows a header or footer file in the viewer; what is "header" or "footer".
    void ViewSideFile(const QString& name, const QString& what);
    // A new tab page with its layout and a file grid at its top.
    struct TabPage {
        QWidget* tab;
        QVBoxLayout* layout;
        QGridLayout* grid;
    };
    static TabPage BeginTab(const QString& objectName);

    Platform& m_platform;
    Options m_options;
    QString m_settingsPath;
    ConversionLibrary m_library;
    bool m_tabsVisible = false;
    bool m_namesSaved = false;
    // Where the running conversion writes its page: a temporary file beside the output, which
    // takes the output's place only when the converter made a whole page. Empty when no such
    // file can be made; the library then reports the output as not opened.
    QByteArray m_pagePath;
    bool m_pageMade = false; // the last run wrote a whole page
    qint64 m_inputLength = 0;
    qint64 m_outputLength = 0;
    frmView* m_view = nullptr;
    frmHowToView* m_howToView = nullptr;
    frmSpecifyColors* m_specifyColors = nullptr;
    frmSpecifyBorderEtc* m_specifyBorderEtc = nullptr;
    frmCellInfo* m_cellInfo = nullptr; // the Table Creator's dialogs, created on first use
    frmCopyCell* m_copyCell = nullptr;

public:
    // --- Controls -----------------------------------------------------------------------------
    QTabWidget* SSTab1 = nullptr;
    std::array<FileRow*, kInputSlotCount> inputRows{};
    std::array<FileRow*, kSlotCount> outputRows{};
    std::array<PerformRow*, kSlotCount> performRows{};
    std::array<ResultLine*, kSlotCount> resultLines{};
    std::array<FileRow*, 2> headerRows{}, footerRows{}; // 0 Text to HTML, 1 HTML Template
    std::array<ColorRow*, 4> colorRows{};
    std::array<TabFooter*, 6> tabFooters{};
    std::array<QPushButton*, 2> cmdSpecifyBorder{};
    std::array<QPushButton*, 3> cmdSaveLoad{};
    // HTML Template and Text to HTML
    QLabel* lblTitle = nullptr;
    QLineEdit* txbTitle = nullptr;
    QLabel* lblCustomHeaderFile = nullptr;
    // Code to HTML
    QLabel *lblMarginSpaces1 = nullptr, *lblMarginSpaces2 = nullptr, *lblTabSpaces1 = nullptr,
           *lblTabSpaces2 = nullptr;
    QComboBox *cboMarginSpaces = nullptr, *cboTabSpaces = nullptr;
    // Data to List
    QGroupBox *Frame3 = nullptr, *Frame1 = nullptr;
    QRadioButton *optOrderedList = nullptr, *optUnorderedList = nullptr;
    QRadioButton *optReadListData = nullptr, *optBlankList = nullptr, *optBlankListWithItemNumbers = nullptr;
    QComboBox *cboOrderedList = nullptr, *cboUnorderedList = nullptr, *cboItemSeparator = nullptr;
    QLabel *lblNumberOfItems = nullptr, *lblStartNumber = nullptr, *lblItemSeparator = nullptr;
    QLineEdit *txbNumberOfItems = nullptr, *txbStartNumber = nullptr;
    QCheckBox *chkAddHTMLWrapper2 = nullptr, *chkCenterList = nullptr, *chkEscapeData2 = nullptr;
    // Data to Table
    QLabel *lblSeparatorChar = nullptr, *lblNumberRightLeftPaddingSpaces = nullptr;
    QComboBox *cboSeparatorChar = nullptr, *cboPaddingSpaces = nullptr;
    QCheckBox *chkAddHTMLWrapper3 = nullptr, *chkCenterText3 = nullptr, *chkCenterTable3 = nullptr;
    QCheckBox *chkQuotedFields3 = nullptr, *chkEscapeData3 = nullptr;
    ColorSample* picSample = nullptr;
    // Table Creator
    QLabel *lblNumberOfRows = nullptr, *lblNumberOfColumns = nullptr;
    QComboBox *cboNumberOfRows = nullptr, *cboNumberOfColumns = nullptr;
    TableGrid* picTable = nullptr;
    QCheckBox *chkCenterTable4 = nullptr, *chkAddHTMLWrapper4 = nullptr, *chkAddPlaceMarkers = nullptr;
};

} // namespace pagewright

#endif
