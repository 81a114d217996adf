// The tab's parts, its file names in the settings file, its buttons, and the perform button:
// the checks before a run, the run, and what follows.
#include "window/ToolTab.h"

#include "platform/Platform.h"
#include "rules/Folders.h"
#include "widgets/Controls.h"

#include "messages.h"
#include "page_files.h"
#include "vellum62.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

namespace pagewright
{
namespace
{

// Guide page of each tab, by tab position, in the guide folder beside the program.
constexpr const char* kGuidePages[6] = {"html-template.htm", "text-to-html.htm",  "code-to-html.htm",
                                        "data-to-list.htm",  "data-to-table.htm", "table-creator.htm"};

} // namespace

bool ToolTab::sameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    std::error_code ec;
    const bool same =
        std::filesystem::equivalent(std::filesystem::path(QFile::encodeName(a).toStdString()),
                                    std::filesystem::path(QFile::encodeName(b).toStdString()), ec);
    return !ec && same;
}

ToolTab::ToolTab(TabServices& services, Slot slot, const QString& objectName)
    : m_services(services), m_slot(slot), m_layout(new QVBoxLayout(this))
{
    setObjectName(objectName);
}

QGridLayout* ToolTab::addFileGrid()
{
    auto* grid = new QGridLayout;
    m_layout->addLayout(grid);
    grid->setColumnStretch(1, 1);
    return grid;
}

void ToolTab::addInputRow(QGridLayout* grid, int row)
{
    m_inputRow = FileRow::Input(grid, row, m_slot);
    connect(m_inputRow, &FileRow::chooseClicked, this, &ToolTab::chooseInputFile);
    connect(m_inputRow, &FileRow::edited, this, &ToolTab::fileNameEdited);
    connect(m_inputRow, &FileRow::enterPressed, this, [this] { m_outputRow->chooseButton()->setFocus(); });
    connect(m_inputRow, &FileRow::viewClicked, this, &ToolTab::viewInputFile);
}

void ToolTab::addOutputRow(QGridLayout* grid, int row, const QString& chooseTip)
{
    m_outputRow = FileRow::Output(grid, row, m_slot, chooseTip);
    connect(m_outputRow, &FileRow::chooseClicked, this, &ToolTab::chooseOutputFile);
    connect(m_outputRow, &FileRow::edited, this, &ToolTab::fileNameEdited);
    connect(m_outputRow, &FileRow::enterPressed, this, [this] {
        if (m_performRow->performButton()->isEnabled())
            m_performRow->performButton()->setFocus();
    });
    connect(m_outputRow, &FileRow::viewClicked, this, &ToolTab::viewOutputFile);
}

void ToolTab::addFooter(const QString& performCaption, const QString& performTooltip, int clearIndex)
{
    m_performRow = new PerformRow(this, m_slot, performCaption, performTooltip, clearIndex);
    m_layout->addWidget(m_performRow);
    connect(m_performRow, &PerformRow::performClicked, this, &ToolTab::perform);
    m_resultLine = new ResultLine(this, Indexed("Label2", m_slot));
    m_layout->addWidget(m_resultLine);
    m_layout->addStretch(1);
    const int position = TabOfSlot(m_slot);
    const QString guide =
        QUrl::fromLocalFile(
            QDir(m_services.programFolder)
                .absoluteFilePath(QStringLiteral("guide/") + QString::fromLatin1(kGuidePages[position])))
            .toString();
    // The Table Creator's footer has no "User guide:" caption.
    auto* footer = new TabFooter(this, position, guide, m_slot != TableCreatorSlot);
    m_layout->addWidget(footer);
    connect(footer, &TabFooter::quitClicked, this, &ToolTab::quitClicked);
    connect(footer, &TabFooter::guideClicked, this,
            [this, footer] { emit guideClicked(footer->guideLink()->text()); });
}

void ToolTab::addColorRow(ColorRow* row, const char* heading)
{
    m_colorRow = row;
    m_colorHeading = heading;
    connect(row, &ColorRow::useColorsClicked, this, &ToolTab::useColorsClicked);
    connect(row, &ColorRow::specifyClicked, this, &ToolTab::chooseColors);
}

ToolTab::PageStyleChoice ToolTab::makePageStyleChoice()
{
    auto* label = MakeLabel(this, QStringLiteral("lblPageStyle"), QStringLiteral("Page style:"));
    // The entries in the order of PageStyle.
    m_pageStyle = MakeList(this, QStringLiteral("cboPageStyle"),
                           {QStringLiteral("Classic HTML"), QStringLiteral("HTML5 with CSS")});
    m_pageStyle->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    LabelFor(label, m_pageStyle);
    SetTip(m_pageStyle, QStringLiteral("The kind of page every tab writes: classic HTML with presentational "
                                       "attributes, or HTML5 with a stylesheet."));
    connect(m_pageStyle, &QComboBox::currentIndexChanged, this, [this](int index) {
        clearShownResult();
        emit pageStyleChosen(index == 1 ? PageStyle::Html5 : PageStyle::Classic);
    });
    return {label, m_pageStyle};
}

void ToolTab::addPageStyleRow(QGridLayout* grid, int row, Qt::Alignment labelAlignment, int columnSpan)
{
    const PageStyleChoice choice = makePageStyleChoice();
    grid->addWidget(choice.label, row, 0, labelAlignment);
    grid->addWidget(choice.list, row, 1, 1, columnSpan, Qt::AlignLeft);
}

void ToolTab::showPageStyle(PageStyle style)
{
    const QSignalBlocker quiet(m_pageStyle);
    m_pageStyle->setCurrentIndex(style == PageStyle::Html5 ? 1 : 0);
    pageStyleShown();
}

QStringList ToolTab::fileNames() const
{
    QStringList names;
    if (m_inputRow != nullptr)
        names << m_inputRow->box()->text();
    return names << m_outputRow->box()->text();
}

void ToolTab::setFileNames(const QStringList& names)
{
    int n = 0;
    if (m_inputRow != nullptr)
        m_inputRow->box()->setText(names.value(n++));
    m_outputRow->box()->setText(names.value(n));
}

void ToolTab::reset()
{
    if (m_inputRow != nullptr) {
        m_inputRow->box()->setText(QString());
        m_inputRow->viewButton()->setEnabled(false);
    }
    m_outputRow->box()->setText(QString());
    m_resultLine->setText(QString());
    // The buttons are set by updateButtons when the tab is shown.
    m_performRow->performButton()->setEnabled(false);
    m_outputRow->viewButton()->setEnabled(false);
    m_textColor = 0;
    m_backColor = 0xFFFFFF;
    if (m_colorRow != nullptr && m_colorRow->textHex() != nullptr) {
        m_colorRow->textHex()->setText(QStringLiteral("#000000"));
        m_colorRow->backgroundHex()->setText(QStringLiteral("#FFFFFF"));
        m_colorRow->useColorsCheck()->setChecked(false);
        for (QWidget* w : {static_cast<QWidget*>(m_colorRow->specifyButton()),
                           static_cast<QWidget*>(m_colorRow->textCaption()),
                           static_cast<QWidget*>(m_colorRow->textHex()),
                           static_cast<QWidget*>(m_colorRow->backgroundCaption()),
                           static_cast<QWidget*>(m_colorRow->backgroundHex())})
            w->setEnabled(false);
    }
    m_tableProperties = kDefaultTableProperties;
}

void ToolTab::shown()
{
    returnFocusToTabs();
}

void ToolTab::clearResult()
{
    if (!started())
        return;
    m_outputReady = false;
    m_resultLine->setText(QString());
}

void ToolTab::updateButtons()
{
    ButtonInputs in;
    in.slot = m_slot;
    in.input = m_inputRow != nullptr ? m_inputRow->box()->text() : QString();
    in.output = m_outputRow->box()->text();
    in.outputReady = m_outputReady;
    addButtonInputs(in);
    const ButtonStates st = ComputeButtonStates(in);
    m_performRow->performButton()->setEnabled(st.perform);
    if (m_inputRow != nullptr)
        m_inputRow->viewButton()->setEnabled(st.viewInput);
    m_outputRow->viewButton()->setEnabled(st.viewOutput);
    applyButtonStates(st);
}

QString ToolTab::sameFileMessage(const QString& output) const
{
    if (ReadsInputFile(m_slot, listSource()) && sameFile(output, m_inputRow->box()->text().trimmed()))
        return QStringLiteral("Output file is the same as the input file.");
    return {};
}

void ToolTab::perform()
{
    clearResult();
    m_pageMade = false;
    const ListSource source = listSource();
    if (ReadsTextInput(m_slot, source) && !m_inputRow->box()->text().isEmpty()) {
        m_inputRow->box()->setText(m_inputRow->box()->text().trimmed());
        if (!checkInputExtension())
            return;
    }
    if (ReadsInputFile(m_slot, source) && !FolderExists(FolderOfPath(m_inputRow->box()->text()))) {
        platform().message(mainWindow(), QStringLiteral("Error"), QStringLiteral("Input folder does not exist."),
                           MsgIcon::Exclamation);
        return;
    }
    if (!FolderExists(FolderOfPath(m_outputRow->box()->text()))) {
        platform().message(mainWindow(), QStringLiteral("Error"),
                           QStringLiteral("Output folder does not exist."), MsgIcon::Exclamation);
        return;
    }
    const QString output = outputName();
    // Writing the output over one of the files it is made from would destroy that file.
    const QString sameFile = sameFileMessage(output);
    if (!sameFile.isEmpty()) {
        platform().message(mainWindow(), QStringLiteral("Error"), sameFile, MsgIcon::Exclamation);
        returnFocusToTabs();
        return;
    }
    if (FileExists(output) &&
        platform().messageBox(mainWindow(), QStringLiteral("Warning"),
                              QStringLiteral("Output file exists.  Overwrite?"), MsgIcon::Exclamation,
                              MsgButtons::YesNoCancel) != MsgAnswer::Yes) {
        returnFocusToTabs();
        return;
    }

    // The converters write into a page of their own beside the output; the output is replaced only
    // by a whole page, so a refused input or a failed write leaves the page that was there.
    // The Table Creator's writer does the same itself.
    PageOutput page(QFile::encodeName(output).toStdString(), "page.htm");
    m_pagePath = !writesThroughPage() || page.prepare() ? QByteArray() : QByteArray::fromStdString(page.pagePath());
    run();
    if (m_pageMade && page.commit()) {
        m_resultLine->setText(QString::fromStdString(textResultMessage(VELLUM62_OUTPUT_NOT_OPENED)));
        m_outputReady = false;
    }
    m_pagePath.clear();
    returnFocusToTabs();

    if (m_outputReady) {
        if (!writesThroughPage())
            m_outputRow->viewButton()->setEnabled(true);
        viewOutputFile();
    }
    updateShownButtons();
}

void ToolTab::showRunResult(const RunResult& result)
{
    m_resultLine->setText(result.caption);
    if (result.succeeded)
        m_outputReady = true;
    m_pageMade = result.pageMade;
}

void ToolTab::showWrittenResult(const RunResult& result)
{
    m_resultLine->setText(result.caption);
    m_outputReady = result.succeeded;
}

} // namespace pagewright
