// What the six tabs share: the input and output file rows, the perform row, the result line and
// the footer; the checks before a run, the page that replaces the output only once it was made,
// viewing the input and output files, which buttons are enabled (through the rules in
// rules/FileRules), the tab's colours and table properties, the page style list, and the library's
// exports.
#ifndef PAGEWRIGHT_TOOLTAB_H
#define PAGEWRIGHT_TOOLTAB_H

#include "library/ConversionLibrary.h"
#include "platform/Platform.h"
#include "rules/FileRules.h"
#include "rules/ResultCaptions.h"
#include "rules/TableProperties.h"
#include "widgets/ColorRow.h"
#include "widgets/FileRow.h"
#include "widgets/PerformRow.h"
#include "widgets/ResultLine.h"
#include "widgets/TabFooter.h"
#include "window/TabServices.h"

#include <QDropEvent>
#include <QWidget>

#include <vellum62.h>

#include <cstdint>
#include <optional>

class QComboBox;
class QGridLayout;
class QLabel;
class QVBoxLayout;

namespace pagewright
{

class ToolTab : public QWidget
{
    Q_OBJECT
public:
    ToolTab(TabServices& services, Slot slot, const QString& objectName);

    Slot slot() const { return m_slot; }
    // The file names the settings file keeps for this tab, in the file's order: the input file
    // (when the tab reads one), then the output file; and setting them back.
    int fileNameCount() const { return m_inputRow != nullptr ? 2 : 1; }
    QStringList fileNames() const;
    void setFileNames(const QStringList& names);
    // The tab's controls and colours as the program starts.
    virtual void reset();
    // The tab has just been brought to the front.
    virtual void shown();
    // Enables the tab's buttons by the rules.
    void updateButtons();
    // The perform button: the checks before a run, the run, and the output shown when ready.
    void perform();
    // The tab's colours and, where it has them, the hex labels; whether they are used.
    void setColors(int32_t text, int32_t back);
    int32_t textColor() const { return m_textColor; }
    int32_t backColor() const { return m_backColor; }
    bool usesColors() const;
    // Ticks or clears the "use colors" check box, as a click does.
    void setUsesColors(bool on);
    // Takes a file named on the command line or dropped on the tab, as if the user had chosen it
    // with the input file's button (the Table Creator loads it as its Load does).
    virtual void openFile(const QString& name);
    // Whether a dropped file goes to openFile: the tab has an input file box and the box takes
    // input now (the Table Creator takes every drop).
    virtual bool takesDroppedFiles() const;
    // Lets files be dropped anywhere on the tab, on its boxes too (text is still dropped into
    // a box as before); called once the tab is built.
    void acceptFileDrops();
    // Shows the window's page style in the tab's list (without telling anyone).
    void showPageStyle(PageStyle style);

signals:
    void quitClicked();
    void guideClicked(const QString& address);
    // The user chose a page style in the tab's list; the window then shows it on every tab.
    void pageStyleChosen(PageStyle style);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override { fileDrag(event); }
    void dragMoveEvent(QDragMoveEvent* event) override { fileDrag(event); }
    void dropEvent(QDropEvent* event) override { fileDrag(event); }
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Empties the result line, and the output is no longer ready (not during start-up).
    void clearResult();
    // The same for the tab in front, and its buttons by the rules: a change of an option or of a
    // side file concerns the tab the user works on.
    void clearShownResult()
    {
        if (started())
            m_services.shownTab()->clearResult();
    }
    void updateShownButtons() { m_services.shownTab()->updateButtons(); }
    void returnFocusToTabs() const { m_services.returnFocusToTabs(); }
    QWidget* mainWindow() const { return m_services.window; }
    Platform& platform() const { return m_services.platform; }
    // The file chosen in the file dialog over the main window; nothing when it was cancelled.
    std::optional<QString> askForFile(const FileDialogRequest& request) const
    {
        return platform().chooseFile(mainWindow(), request);
    }
    bool started() const { return m_services.started; }

    // Building a tab: its layout, and a grid for file rows added to it, whose rows line up.
    QVBoxLayout* tabLayout() const { return m_layout; }
    QGridLayout* addFileGrid();
    void addInputRow(QGridLayout* grid, int row);
    void addOutputRow(QGridLayout* grid, int row, const QString& chooseTip = {});
    // The perform row (with Clear when clearIndex >= 0), the result line and the footer.
    void addFooter(const QString& performCaption, const QString& performTooltip = {}, int clearIndex = -1);
    // The colour row of the tab; heading names the colours in the colour dialog.
    void addColorRow(ColorRow* row, const char* heading);
    // The "Page style:" label and the list it names, which the tab places where they fit.
    struct PageStyleChoice {
        QLabel* label;
        QComboBox* list;
    };
    PageStyleChoice makePageStyleChoice();
    // In a grid, the label in column 0 (aligned so) and the list from column 1, at its own width.
    void addPageStyleRow(QGridLayout* grid, int row, Qt::Alignment labelAlignment = {}, int columnSpan = 1);

    // The tab's run; the result line says what came of it.
    virtual void run() = 0;
    // Where the tab's list items come from (only the Data to List tab has a choice).
    virtual ListSource listSource() const { return ListSource::ReadFile; }
    // Why the output cannot be written: it is one of the files the page is made from.
    virtual QString sameFileMessage(const QString& output) const;
    // Whether the run writes into a page beside the output that then replaces it.
    virtual bool writesThroughPage() const { return true; }
    // What the rules read besides the tab's file names, and what they decide besides its files.
    virtual void addButtonInputs(ButtonInputs& /*in*/) const {}
    virtual void applyButtonStates(const ButtonStates& /*states*/) {}
    // The colours were switched on or off, or chosen.
    virtual void colorsSwitched(bool /*on*/) {}
    virtual void colorsChosen() {}
    // An input file was chosen in the file dialog.
    virtual void inputFileChosen(const QString& /*name*/) {}
    // The window's page style is now the one html5() tells, and shown in the tab's list.
    virtual void pageStyleShown() {}

    // True when both names exist and name the same file, under any name or link.
    static bool sameFile(const QString& a, const QString& b);
    // The input file and library flags for reading it: its encoding, and pages that declare it.
    QString inputName() const;
    int32_t inputFlags() const;
    QString outputName() const;
    // The export of the conversion library, or nullptr after writing why it is missing into the
    // result line.
    template <typename Fn> Fn bindExport(const char* name)
    {
        QString error;
        const Fn fn = m_services.library.bind<Fn>(name, &error);
        if (fn == nullptr)
            m_resultLine->setText(error);
        return fn;
    }
    // Whether the window writes HTML5 pages; the flag that asks the library for one (else 0).
    bool html5() const { return m_services.pageStyle == PageStyle::Html5; }
    int32_t styleFlags() const { return html5() ? VELLUM62_HTML5 : 0; }
    // Calls the library: the classic export `name` (of type Fn) with args, or, with the HTML5
    // style, its form `html5Name` (of type Html5Fn) with the page's settings added last (the
    // program's language, the embedded stylesheet). The args' flags hold styleFlags(). Nothing when
    // the export is missing (the result line then says why).
    template <typename Fn, typename Html5Fn, typename... A>
    std::optional<int32_t> callLibrary(const char* name, const char* html5Name, A... args)
    {
        if (!html5()) {
            const auto fn = bindExport<Fn>(name);
            return fn ? std::optional<int32_t>(fn(args...)) : std::nullopt;
        }
        const auto fn = bindExport<Html5Fn>(html5Name);
        if (fn == nullptr)
            return std::nullopt;
        return withHtml5Page(
            [&](const vellum62_html5_page* page) { return std::optional<int32_t>(fn(args..., page)); });
    }
    // Calls f with the settings of the window's HTML5 pages (the program's language, the embedded
    // stylesheet) and returns what it returns.
    template <typename F> auto withHtml5Page(F f) const
    {
        const QByteArray lang = PageLanguage();
        const vellum62_html5_page page{lang.constData(), nullptr};
        return f(&page);
    }
    // Where the running conversion writes its page: a temporary file beside the output, which
    // takes the output's place only when the converter made a whole page. Empty when no such
    // file can be made; the library then reports the output as not opened.
    const QByteArray& pagePath() const { return m_pagePath; }
    void showRunResult(const RunResult& result);
    // The result of a run that wrote its output itself, without a page beside it.
    void showWrittenResult(const RunResult& result);
    // The text and background colours for the library: the hex labels when the tab's colours
    // are used, else two empty texts.
    std::pair<QByteArray, QByteArray> colorArguments() const;
    // The "use colors" check box's handler: the colour controls follow it.
    void useColorsClicked();
    // The table properties the library and the table writer take, and the dialog that sets them.
    TableProperties tableProperties() const { return m_tableProperties; }
    void setTableProperties(const TableProperties& properties) { m_tableProperties = properties; }
    void chooseTableProperties();

    TabServices& m_services;
    FileRow* m_inputRow = nullptr;
    FileRow* m_outputRow = nullptr;
    PerformRow* m_performRow = nullptr;
    ResultLine* m_resultLine = nullptr;
    ColorRow* m_colorRow = nullptr;

private:
    void chooseInputFile();
    void chooseOutputFile();
    void fileNameEdited();
    void viewInputFile();
    void viewOutputFile();
    void chooseColors();
    // A drag or drop event over the tab or one of its boxes: accepted, and a drop taken, when it
    // brings a file and the tab takes one. False when it was left to the widget.
    bool fileDrag(QDropEvent* event);
    // The extension check of the perform and view-input buttons: the extensions the tab takes,
    // with the message for "txt" when the name has none of them.
    bool checkInputExtension();
    bool checkOutputExtension();

    const Slot m_slot;
    QVBoxLayout* m_layout;
    QComboBox* m_pageStyle = nullptr; // the tab's "Page style" list
    bool m_outputReady = false;
    QByteArray m_pagePath;
    bool m_pageMade = false; // the last run wrote a whole page
    int32_t m_textColor = 0;
    int32_t m_backColor = 0xFFFFFF;
    const char* m_colorHeading = "";
    TableProperties m_tableProperties = kDefaultTableProperties;
};

} // namespace pagewright

#endif
