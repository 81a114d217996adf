#include "window/PageTab.h"

#include "dialogs/frmView.h"
#include "library/TextArguments.h"
#include "platform/Platform.h"
#include "rules/Folders.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <vellum62.h>

namespace pagewright
{

PageTab::PageTab(TabServices& services, Slot slot, const QString& objectName, int sideIndex, int colorIndex)
    : ToolTab(services, slot, objectName), m_sideIndex(sideIndex), m_colorIndex(colorIndex)
{
}

void PageTab::addHeaderFooterRows(QGridLayout* grid, int row)
{
    m_headerRow = FileRow::Header(grid, row, m_sideIndex);
    m_footerRow = FileRow::Footer(grid, row + 1, m_sideIndex);
    connect(m_headerRow, &FileRow::chooseClicked, this, &PageTab::chooseHeaderFile);
    connect(m_footerRow, &FileRow::chooseClicked, this, &PageTab::chooseFooterFile);
    connect(m_headerRow, &FileRow::edited, this, &PageTab::headerEdited);
    connect(m_footerRow, &FileRow::edited, this, &PageTab::footerEdited);
    // Enter in the header box goes on to the footer box; in the footer box it does nothing.
    connect(m_headerRow, &FileRow::enterPressed, this, [this] { m_footerRow->box()->setFocus(); });
    connect(m_headerRow, &FileRow::viewClicked, this,
            [this] { viewSideFile(m_headerRow, QStringLiteral("header")); });
    connect(m_footerRow, &FileRow::viewClicked, this,
            [this] { viewSideFile(m_footerRow, QStringLiteral("footer")); });
}

void PageTab::addPageColors(const char* heading)
{
    tabLayout()->addSpacing(6);
    auto* row = new ColorRow(m_colorIndex, QStringLiteral("Specify page colors"),
                             QStringLiteral("Use specified colors for text and background"));
    tabLayout()->addWidget(row);
    addColorRow(row, heading);
    tabLayout()->addSpacing(6);
}

void PageTab::addPageFooter(const QString& performCaption)
{
    addFooter(performCaption, {}, m_sideIndex == 0 ? 1 : 0);
    connect(m_performRow, &PerformRow::clearClicked, this, [this] { clear(); });
}

void PageTab::reset()
{
    ToolTab::reset();
    m_headerRow->viewButton()->setEnabled(false);
    m_footerRow->viewButton()->setEnabled(false);
    m_headerRow->box()->setText(QString());
    m_footerRow->box()->setText(QString());
}

void PageTab::clear()
{
    if (m_inputRow != nullptr)
        m_inputRow->box()->setText(QString());
    m_outputRow->box()->setText(QString());
    m_headerRow->box()->setText(QString());
    m_footerRow->box()->setText(QString());
    m_performRow->performButton()->setEnabled(false);
}

QString PageTab::sameFileMessage(const QString& output) const
{
    const QString message = ToolTab::sameFileMessage(output);
    if (!message.isEmpty())
        return message;
    if (sameFile(output, m_headerRow->box()->text().trimmed()))
        return QStringLiteral("Output file is the same as the header file.");
    if (sameFile(output, m_footerRow->box()->text().trimmed()))
        return QStringLiteral("Output file is the same as the footer file.");
    return {};
}

void PageTab::addButtonInputs(ButtonInputs& in) const
{
    in.header = m_headerRow->box()->text();
    in.footer = m_footerRow->box()->text();
    in.templateHeader = in.header;
}

void PageTab::applyButtonStates(const ButtonStates& states)
{
    m_headerRow->viewButton()->setEnabled(states.viewHeader);
    m_footerRow->viewButton()->setEnabled(states.viewFooter);
}

void PageTab::chooseHeaderFile()
{
    if (const auto chosen = askForFile({.title = QStringLiteral("Specify custom header file"),
                                        .filter = QStringLiteral("All files (*.*) | *.*")}))
        m_headerRow->box()->setText(*chosen);
    updateShownButtons();
    clearShownResult();
}

void PageTab::chooseFooterFile()
{
    if (const auto chosen = askForFile({.title = QStringLiteral("Specify custom footer file"),
                                        .filter = QStringLiteral("All files (*.*) | *.*")})) {
        m_footerRow->box()->setText(*chosen);
        clearShownResult();
    }
    updateShownButtons();
    returnFocusToTabs();
}

void PageTab::headerEdited()
{
    if (!started())
        return;
    QLineEdit* box = m_headerRow->box();
    const QString trimmed = box->text().trimmed();
    if (trimmed != box->text()) {
        // Keep the caret where it was, counted without the blanks removed in front of it.
        const int leading =
            static_cast<int>(box->text().indexOf(trimmed.isEmpty() ? QString() : trimmed.left(1)));
        const int cursor =
            qBound(0, box->cursorPosition() - qMax(0, leading), static_cast<int>(trimmed.size()));
        box->setText(trimmed); // runs this handler again with the trimmed text
        box->setCursorPosition(cursor);
        return;
    }
    // The header file brings its own page colours.
    m_colorRow->useColorsCheck()->setEnabled(trimmed.isEmpty());
    useColorsClicked();
    clearShownResult();
    updateShownButtons();
    box->setFocus();
}

void PageTab::footerEdited()
{
    if (!started())
        return;
    clearShownResult();
    updateShownButtons();
}

void PageTab::viewSideFile(const FileRow* row, const QString& what)
{
    const QString name = row->box()->text().trimmed();
    if (!FileExists(name)) {
        platform().message(mainWindow(), QStringLiteral("Error"),
                           QStringLiteral("Cannot display %1 file!").arg(what), MsgIcon::Exclamation);
        returnFocusToTabs();
        return;
    }
    returnFocusToTabs();
    // Header and footer files are input to the page, and of any size.
    m_services.viewer()->ShowFile(name, QStringLiteral("Viewing input file ") + name);
}

std::optional<int> PageTab::callTxt2h(const QByteArray& title, const QByteArray& input, int32_t flags)
{
    const auto [textColor, backColor] = colorArguments();
    const QByteArray header = ToLibraryFileName(m_headerRow->box()->text());
    const QByteArray footer = ToLibraryFileName(m_footerRow->box()->text());
    return callLibrary<vellum62_txt2h_fn, vellum62_txt2h_html5_fn>(
        "txt2h", "txt2h_html5", title.constData(), input.constData(), pagePath().constData(),
        header.constData(), footer.constData(), textColor.constData(), backColor.constData(),
        flags | styleFlags());
}

} // namespace pagewright
