// Choosing and editing the file names of the tabs, and which buttons that enables.
#include "mainwindow/frmMain.h"

#include "platform/Platform.h"
#include "rules/Encoding.h"
#include "widgets/Controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <vellum62.h>

namespace pagewright
{

void frmMain::ConnectFileControls()
{
    for (int s = 0; s < kInputSlotCount; ++s) {
        connect(inputRows[s], &FileRow::chooseClicked, this, [this, s] { cmdSpecifyInputFile_Click(s); });
        connect(inputRows[s], &FileRow::edited, this, [this, s] { txbInputFile_Change(s); });
        connect(inputRows[s], &FileRow::enterPressed, this, [this, s] { txbInputFile_Enter(s); });
        connect(inputRows[s], &FileRow::viewClicked, this, [this, s] { cmdViewInputFile_Click(s); });
    }
    for (int s = 0; s < kSlotCount; ++s) {
        connect(outputRows[s], &FileRow::chooseClicked, this, [this, s] { cmdSpecifyOutputFile_Click(s); });
        connect(outputRows[s], &FileRow::edited, this, [this, s] { txbOutputFile_Change(s); });
        connect(outputRows[s], &FileRow::enterPressed, this, [this, s] { txbOutputFile_Enter(s); });
        connect(outputRows[s], &FileRow::viewClicked, this, [this, s] { cmdViewOutputFile_Click(s); });
        connect(performRows[s], &PerformRow::performClicked, this,
                [this, s] { cmdPerformOperation_Click(s); });
    }
    // Enter in a footer box does nothing of its own.
    for (int i = 0; i < 2; ++i) {
        connect(headerRows[i], &FileRow::chooseClicked, this,
                [this, i] { cmdSpecifyCustomHeaderFile_Click(i); });
        connect(footerRows[i], &FileRow::chooseClicked, this,
                [this, i] { cmdSpecifyCustomFooterFile_Click(i); });
        connect(headerRows[i], &FileRow::edited, this, [this, i] { txbCustomHeaderFile_Change(i); });
        connect(footerRows[i], &FileRow::edited, this, [this, i] { txbCustomFooterFile_Change(i); });
        connect(headerRows[i], &FileRow::enterPressed, this, [this, i] { txbCustomHeaderFile_Enter(i); });
        connect(headerRows[i], &FileRow::viewClicked, this, [this, i] { cmdViewHeaderFile_Click(i); });
        connect(footerRows[i], &FileRow::viewClicked, this, [this, i] { cmdViewFooterFile_Click(i); });
    }
    for (int i = 0; i < 4; ++i)
        connect(colorRows[i], &ColorRow::specifyClicked, this, [this, i] { cmdSpecifyColors_Click(i); });
    for (int i = 0; i < 2; ++i)
        connect(cmdSpecifyBorder[i], &QPushButton::clicked, this, [this, i] { cmdSpecifyBorder_Click(i); });
}

void frmMain::cmdSpecifyInputFile_Click(int slot)
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Open;
    request.title = QStringLiteral("Specify input file");
    request.filter = QStringLiteral("All files (*.*) | *.*");
    request.mustExist = true;
    if (const auto chosen = m_platform.chooseFile(this, request)) {
        inputRows[slot]->box()->setText(*chosen);
        ClearResult(slot);
        const QString proposed = ProposedOutputName(*chosen, slot);
        if (!proposed.isEmpty())
            outputRows[slot]->box()->setText(proposed);
        if (slot == DataTableSlot && IsCsvName(*chosen))
            chkQuotedFields3->setChecked(true);
    }
    UpdateButtons();
    ReturnFocusToTabs();
}

void frmMain::cmdSpecifyOutputFile_Click(int slot)
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Save;
    request.title = QStringLiteral("Specify output file");
    request.filter = QStringLiteral(".htm files (*.htm) | *.htm");
    if (const auto chosen = m_platform.chooseFile(this, request)) {
        outputRows[slot]->box()->setText(*chosen);
        ClearResult(slot);
    }
    UpdateButtons();
    ReturnFocusToTabs();
}

void frmMain::cmdSpecifyCustomHeaderFile_Click(int index)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Specify custom header file");
    request.filter = QStringLiteral("All files (*.*) | *.*");
    if (const auto chosen = m_platform.chooseFile(this, request))
        headerRows[index]->box()->setText(*chosen);
    UpdateButtons();
    ClearResult(-1);
}

void frmMain::cmdSpecifyCustomFooterFile_Click(int index)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Specify custom footer file");
    request.filter = QStringLiteral("All files (*.*) | *.*");
    if (const auto chosen = m_platform.chooseFile(this, request)) {
        footerRows[index]->box()->setText(*chosen);
        ClearResult(-1);
    }
    UpdateButtons();
    ReturnFocusToTabs();
}

void frmMain::txbInputFile_Change(int slot)
{
    if (!blnStartupCompleted)
        return;
    ClearResult(slot);
    UpdateButtons();
}

void frmMain::txbOutputFile_Change(int slot)
{
    if (!blnStartupCompleted)
        return;
    ClearResult(slot);
    UpdateButtons();
}

void frmMain::txbCustomHeaderFile_Change(int index)
{
    if (!blnStartupCompleted)
        return;
    QLineEdit* box = headerRows[index]->box();
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
    const int colorIndex = index == 1 ? 1 : 2;
    colorRows[colorIndex]->useColorsCheck()->setEnabled(trimmed.isEmpty());
    chkUseSpecifiedColors_Click(colorIndex);
    ClearResult(-1);
    UpdateButtons();
    box->setFocus();
}

void frmMain::txbCustomFooterFile_Change(int /*index*/)
{
    if (!blnStartupCompleted)
        return;
    ClearResult(-1);
    UpdateButtons();
}

void frmMain::txbInputFile_Enter(int slot)
{
    outputRows[slot]->chooseButton()->setFocus();
}

void frmMain::txbOutputFile_Enter(int slot)
{
    if (performRows[slot]->performButton()->isEnabled())
        performRows[slot]->performButton()->setFocus();
}

void frmMain::txbCustomHeaderFile_Enter(int index)
{
    footerRows[index]->box()->setFocus();
}

void frmMain::UpdateButtons()
{
    const int s = GetIndex();
    const int h = GetHeaderFooterFile();
    ButtonInputs in;
    in.slot = s;
    in.input = s < kInputSlotCount ? inputRows[s]->box()->text() : QString();
    in.output = outputRows[s]->box()->text();
    in.outputReady = OutputReady[s];
    in.listSource = CurrentListSource();
    in.numberOfItems = txbNumberOfItems->text();
    in.specifyInput2Enabled = inputRows[ListSlot]->chooseButton()->isEnabled();
    in.header = headerRows[h]->box()->text();
    in.footer = footerRows[h]->box()->text();
    in.templateHeader = headerRows[1]->box()->text();
    const ButtonStates st = ComputeButtonStates(in);

    performRows[s]->performButton()->setEnabled(st.perform);
    if (s < kInputSlotCount)
        inputRows[s]->viewButton()->setEnabled(st.viewInput);
    outputRows[s]->viewButton()->setEnabled(st.viewOutput);
    if (s == TextSlot || s == TemplateSlot) {
        headerRows[h]->viewButton()->setEnabled(st.viewHeader);
        footerRows[h]->viewButton()->setEnabled(st.viewFooter);
    }
    if (s == TemplateSlot) {
        lblTitle->setEnabled(st.title);
        txbTitle->setEnabled(st.title);
    }
}

bool frmMain::CheckInputExtension(int slot)
{
    if (InputExtensionOK(slot, inputRows[slot]->box()->text()))
        return true;
    return CheckFileExtension(QStringLiteral("Input"), slot, QStringLiteral("txt"), QString());
}

int32_t frmMain::InputFlags(int slot) const
{
    const bool utf8 = ReadsAsUtf8(inputRows[slot]->box()->text().trimmed());
    return VELLUM62_DECLARE_CHARSET | (utf8 ? VELLUM62_UTF8 : 0);
}

bool frmMain::CheckFileExtension(const QString& kind, int slot, const QString& ext1, const QString& ext2)
{
    const QLineEdit* box = kind == QLatin1String("Input") ? inputRows[slot]->box() : outputRows[slot]->box();
    if (ExtensionMatches(box->text(), ext1, ext2))
        return true;
    m_platform.message(this, QStringLiteral("Invalid file extension"), ExtensionMessage(kind, ext1, ext2),
                       MsgIcon::Exclamation);
    return false;
}

} // namespace pagewright
