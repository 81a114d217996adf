// The perform buttons: the checks before a run, the dispatch to the tab's tool and what follows.
#include "mainwindow/frmMain.h"

#include "platform/Platform.h"
#include "rules/Folders.h"
#include "rules/ResultCaptions.h"

#include "messages.h"
#include "page_files.h"
#include "vellum62.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <system_error>

namespace pagewright
{
namespace
{

// True when both names exist and name the same file, under any name or link.
bool SameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    std::error_code ec;
    const bool same =
        std::filesystem::equivalent(std::filesystem::path(QFile::encodeName(a).toStdString()),
                                    std::filesystem::path(QFile::encodeName(b).toStdString()), ec);
    return !ec && same;
}

} // namespace

QString frmMain::OutputIsSameFileMessage(int slot) const
{
    const QString output = outputRows[slot]->box()->text().trimmed();
    if (ReadsInputFile(slot, CurrentListSource()) &&
        SameFile(output, inputRows[slot]->box()->text().trimmed()))
        return QStringLiteral("Output file is the same as the input file.");
    if (slot == TextSlot || slot == TemplateSlot) {
        const int h = slot == TemplateSlot ? 1 : 0;
        if (SameFile(output, headerRows[h]->box()->text().trimmed()))
            return QStringLiteral("Output file is the same as the header file.");
        if (SameFile(output, footerRows[h]->box()->text().trimmed()))
            return QStringLiteral("Output file is the same as the footer file.");
    }
    return {};
}

void frmMain::cmdPerformOperation_Click(int s)
{
    ClearResult(s);
    m_pageMade = false;
    const ListSource source = CurrentListSource();
    if (ReadsTextInput(s, source) && !inputRows[s]->box()->text().isEmpty()) {
        inputRows[s]->box()->setText(inputRows[s]->box()->text().trimmed());
        if (!CheckInputExtension(s))
            return;
    }
    if (ReadsInputFile(s, source) && !FolderExists(FolderOfPath(inputRows[s]->box()->text()))) {
        m_platform.message(this, QStringLiteral("Error"), QStringLiteral("Input folder does not exist."),
                           MsgIcon::Exclamation);
        return;
    }
    if (!FolderExists(FolderOfPath(outputRows[s]->box()->text()))) {
        m_platform.message(this, QStringLiteral("Error"), QStringLiteral("Output folder does not exist."),
                           MsgIcon::Exclamation);
        return;
    }
    // Writing the output over one of the files it is made from would destroy that file.
    const QString sameFile = OutputIsSameFileMessage(s);
    if (!sameFile.isEmpty()) {
        m_platform.message(this, QStringLiteral("Error"), sameFile, MsgIcon::Exclamation);
        ReturnFocusToTabs();
        return;
    }
    const QString output = outputRows[s]->box()->text().trimmed();
    if (FileExists(output) &&
        m_platform.messageBox(this, QStringLiteral("Warning"),
                              QStringLiteral("Output file exists.  Overwrite?"), MsgIcon::Exclamation,
                              MsgButtons::YesNoCancel) != MsgAnswer::Yes) {
        ReturnFocusToTabs();
        return;
    }

    // The converters write into a page of their own beside the output; the output is replaced only
    // by a whole page, so a refused input or a failed write leaves the page that was there.
    // The Table Creator's writer does the same itself.
    PageOutput page(QFile::encodeName(output).toStdString(), "page.htm");
    m_pagePath =
        s == TableCreatorSlot || page.prepare() ? QByteArray() : QByteArray::fromStdString(page.pagePath());
    switch (s) {
    case TextSlot:
        ConvertTextToHtml(s);
        break;
    case CodeSlot:
        ConvertCodeToHtml(s);
        break;
    case ListSlot:
        CreateList(s);
        break;
    case DataTableSlot:
        ConvertDataToTable(s);
        break;
    case TableCreatorSlot:
        CreateTable(s);
        break;
    default:
        CreateHtmlTemplate(s);
        break;
    }
    if (m_pageMade && page.commit()) {
        resultLines[s]->setText(QString::fromStdString(textResultMessage(VELLUM62_OUTPUT_NOT_OPENED)));
        OutputReady[s] = false;
    }
    m_pagePath.clear();
    ReturnFocusToTabs();

    if (OutputReady[s]) {
        if (s == TableCreatorSlot)
            outputRows[TableCreatorSlot]->viewButton()->setEnabled(true);
        cmdViewOutputFile_Click(s);
    }
    UpdateButtons();
}

} // namespace pagewright
