// Looking at the tab's files (in the viewer, in the browser, or with the associated program), and
// the colour and table-property dialogs: where they stand and what an accepted dialog changes.
#include "window/ToolTab.h"

#include "dialogs/frmHowToView.h"
#include "dialogs/frmSpecifyBorderEtc.h"
#include "dialogs/frmSpecifyColors.h"
#include "dialogs/frmView.h"
#include "platform/Platform.h"
#include "platform/ShellOpen.h"
#include "rules/ColorRoutines.h"
#include "rules/Folders.h"
#include "rules/ProgramText.h"
#include "rules/ViewRules.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <system_error>

namespace pagewright
{
namespace
{

// The file's length, or -1 after telling the user why it could not be measured. A folder counts
// as empty: the check that follows tells the user it cannot be displayed.
qint64 MeasureFile(Platform& platform, QWidget* parent, const QString& name)
{
    std::error_code ec;
    const std::filesystem::path path(QFile::encodeName(name).toStdString());
    if (std::filesystem::is_directory(path, ec))
        return 0;
    const auto length = std::filesystem::file_size(path, ec);
    if (ec) {
        platform.message(parent, QStringLiteral("Error"), QString::fromLocal8Bit(ec.message()),
                         MsgIcon::Exclamation);
        return -1;
    }
    return static_cast<qint64>(length);
}

} // namespace

void ToolTab::viewInputFile()
{
    if (m_slot != CodeSlot && !checkInputExtension())
        return;
    const QString name = inputName();
    if (listSource() == ListSource::ReadFile) {
        const qint64 length = MeasureFile(platform(), mainWindow(), name);
        if (length < 0)
            return;
        if (FitsViewLimit(length, m_services.viewLimitKB) == 0) {
            if (!OpenDocument(platform(), name, false)) {
                platform().message(mainWindow(), QStringLiteral("File too large"),
                                   InputTooLargeMessage(name, length), MsgIcon::Exclamation);
            }
            return;
        }
    }
    if (!FileExists(name)) {
        platform().message(mainWindow(), QStringLiteral("Error"), QStringLiteral("Cannot display input file!"),
                           MsgIcon::Exclamation);
        returnFocusToTabs();
        return;
    }
    returnFocusToTabs();
    m_services.viewer()->ShowFile(name, QStringLiteral("Viewing input file ") + name);
}

void ToolTab::viewOutputFile()
{
    if (!checkOutputExtension())
        return;
    frmHowToView* how = m_services.howToView();
    platform().runModal(*how);
    if (!how->ViewNow)
        return;
    const QString name = outputName();
    if (how->InBrowser) {
        OpenDocument(platform(), name, true);
        return;
    }
    const qint64 length = MeasureFile(platform(), mainWindow(), name);
    if (length < 0)
        return;
    if (FitsViewLimit(length, m_services.viewLimitKB) == 0) {
        platform().message(mainWindow(), GetText(TooLargeTitle), OutputTooLargeMessage(name, length),
                           MsgIcon::Exclamation);
        return;
    }
    if (!FileExists(name)) {
        platform().message(mainWindow(), QStringLiteral("Error"),
                           QStringLiteral("Cannot display output file!"), MsgIcon::Exclamation);
        returnFocusToTabs();
        return;
    }
    returnFocusToTabs();
    m_services.viewer()->ShowFile(name, QStringLiteral("Viewing output file ") + name);
}

void ToolTab::setColors(int32_t text, int32_t back)
{
    m_textColor = text;
    m_backColor = back;
    if (m_colorRow->textHex() != nullptr) {
        m_colorRow->textHex()->setText(ColorToHex(text));
        m_colorRow->backgroundHex()->setText(ColorToHex(back));
    }
}

void ToolTab::chooseColors()
{
    frmSpecifyColors* dialog = m_services.colors();
    dialog->TextColor = m_textColor;
    dialog->BackColor = m_backColor;
    dialog->lblWhatThisIs->setText(QString::fromLatin1(m_colorHeading));
    // Near the main window's top right corner: 700 twips down, 100 twips in from its right edge.
    // The dialog gets its frame only when shown; it is taken to be as wide as the main window's.
    dialog->ensurePolished();
    dialog->adjustSize();
    const QWidget* window = mainWindow();
    const QRect main = window->frameGeometry();
    const int dialogWidth = dialog->width() + (main.width() - window->width());
    dialog->move(main.x() + main.width() - dialogWidth - TwipsToPixels(100, window->logicalDpiX()),
                 main.y() + TwipsToPixels(700, window->logicalDpiY()));
    platform().runModal(*dialog);
    if (dialog->Accepted) {
        m_textColor = dialog->TextColor;
        m_backColor = dialog->BackColor;
        if (m_colorRow->textHex() != nullptr) {
            m_colorRow->textHex()->setText(dialog->lblHexColor[0]->text());
            m_colorRow->backgroundHex()->setText(dialog->lblHexColor[1]->text());
        }
        colorsChosen();
    }
    clearShownResult();
}

bool ToolTab::usesColors() const
{
    return m_colorRow->useColorsCheck()->isChecked();
}

void ToolTab::setUsesColors(bool on)
{
    m_colorRow->useColorsCheck()->setChecked(on);
    useColorsClicked();
}

void ToolTab::useColorsClicked()
{
    const ColorRow* row = m_colorRow;
    const bool on = row->useColorsCheck()->isChecked() && row->useColorsCheck()->isEnabled();
    row->specifyButton()->setEnabled(on);
    if (row->textHex() != nullptr) {
        for (QLabel* label :
             {row->textCaption(), row->textHex(), row->backgroundCaption(), row->backgroundHex()})
            label->setEnabled(on);
    }
    colorsSwitched(on);
    clearShownResult();
}

void ToolTab::chooseTableProperties()
{
    frmSpecifyBorderEtc* dialog = m_services.tableProperties();
    dialog->SetTexts(ToTablePropertyTexts(m_tableProperties));
    platform().runModal(*dialog);
    if (!dialog->Accepted) {
        returnFocusToTabs();
        return;
    }
    m_tableProperties = ToTableProperties(dialog->Texts());
    clearShownResult();
}

} // namespace pagewright
