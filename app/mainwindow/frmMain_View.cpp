// Looking at the files of a tab: in the viewer, in the browser, or with the associated program.
#include "mainwindow/frmMain.h"

#include "dialogs/frmHowToView.h"
#include "dialogs/frmView.h"
#include "platform/Platform.h"
#include "platform/ShellOpen.h"
#include "rules/Folders.h"
#include "rules/ProgramText.h"
#include "rules/ViewRules.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

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

int frmMain::CheckInputSize(int slot)
{
    m_inputLength = MeasureFile(m_platform, this, inputRows[slot]->box()->text().trimmed());
    return m_inputLength < 0 ? -1 : FitsViewLimit(m_inputLength, ViewLimitKB);
}

int frmMain::CheckOutputSize(int slot)
{
    m_outputLength = MeasureFile(m_platform, this, outputRows[slot]->box()->text().trimmed());
    return m_outputLength < 0 ? -1 : FitsViewLimit(m_outputLength, ViewLimitKB);
}

void frmMain::cmdViewInputFile_Click(int slot)
{
    if (slot != CodeSlot && !CheckInputExtension(slot))
        return;
    const QString name = inputRows[slot]->box()->text().trimmed();
    if (slot != ListSlot || optReadListData->isChecked()) {
        const int fits = CheckInputSize(slot);
        if (fits < 0)
            return;
        if (fits == 0) {
            if (!OpenDocument(m_platform, name, false)) {
                m_platform.message(this, QStringLiteral("File too large"),
                                   InputTooLargeMessage(name, m_inputLength), MsgIcon::Exclamation);
            }
            return;
        }
    }
    if (!FileExists(name)) {
        m_platform.message(this, QStringLiteral("Error"), QStringLiteral("Cannot display input file!"),
                           MsgIcon::Exclamation);
        ReturnFocusToTabs();
        return;
    }
    ReturnFocusToTabs();
    Viewer()->ShowFile(name, QStringLiteral("Viewing input file ") + name);
}

void frmMain::cmdViewOutputFile_Click(int slot)
{
    if (!CheckFileExtension(QStringLiteral("Output"), slot, QStringLiteral("htm"), QStringLiteral("html")))
        return;
    frmHowToView* how = HowToView();
    m_platform.runModal(*how);
    if (!how->ViewNow)
        return;
    const QString name = outputRows[slot]->box()->text().trimmed();
    if (how->InBrowser) {
        OpenDocument(m_platform, name, true);
        return;
    }
    const int fits = CheckOutputSize(slot);
    if (fits < 0)
        return;
    if (fits == 0) {
        m_platform.message(this, GetText(TooLargeTitle), OutputTooLargeMessage(name, m_outputLength),
                           MsgIcon::Exclamation);
        return;
    }
    if (!FileExists(name)) {
        m_platform.message(this, QStringLiteral("Error"), QStringLiteral("Cannot display output file!"),
                           MsgIcon::Exclamation);
        ReturnFocusToTabs();
        return;
    }
    ReturnFocusToTabs();
    Viewer()->ShowFile(name, QStringLiteral("Viewing output file ") + name);
}

void frmMain::ViewSideFile(const QString& name, const QString& what)
{
    if (!FileExists(name)) {
        m_platform.message(this, QStringLiteral("Error"), QStringLiteral("Cannot display %1 file!").arg(what),
                           MsgIcon::Exclamation);
        ReturnFocusToTabs();
        return;
    }
    ReturnFocusToTabs();
    // Header and footer files are input to the page, and of any size.
    Viewer()->ShowFile(name, QStringLiteral("Viewing input file ") + name);
}

void frmMain::cmdViewHeaderFile_Click(int index)
{
    ViewSideFile(headerRows[index]->box()->text().trimmed(), QStringLiteral("header"));
}

void frmMain::cmdViewFooterFile_Click(int index)
{
    ViewSideFile(footerRows[index]->box()->text().trimmed(), QStringLiteral("footer"));
}

} // namespace pagewright
