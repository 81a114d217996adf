// The Data to List tab's tool: the items of a data file, or a blank list of a given length,
// become an ordered or unordered list.
#include "shell/frmMain.h"

#include "frontends/BlankList.h"
#include "frontends/ResultCaptions.h"
#include "frontends/TextArguments.h"
#include "shell/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <vellum62.h>

namespace pagewright
{

void frmMain::CreateList(int slot)
{
    const bool ordered = optOrderedList->isChecked();
    // The positions in the style lists are the library's list types.
    const int32_t listType = ordered ? cboOrderedList->currentIndex() : cboUnorderedList->currentIndex();
    const ListSource source = CurrentListSource();
    QByteArray input;
    int32_t listSource = VELLUM62_LIST_FROM_FILE;
    int32_t itemCount = -1;
    int32_t startNumber = -1;
    int32_t separator = -1;
    if (source == ListSource::ReadFile) {
        input = ToLibraryFileName(txbInputFile[slot]->text());
        separator = cboItemSeparator->currentIndex();
    } else {
        listSource = source == ListSource::BlankList ? VELLUM62_BLANK_LIST : VELLUM62_NUMBERED_BLANK_LIST;
        // The start number is checked for unordered lists too, although they have none.
        const BlankListCheck check = CheckBlankList(txbNumberOfItems->text(), txbStartNumber->text());
        if (!check.message.isEmpty())
            m_platform.message(this, QStringLiteral("Error"), check.message, MsgIcon::Exclamation);
        if (check.numberOfItemsText)
            txbNumberOfItems->setText(*check.numberOfItemsText);
        if (check.startNumberText)
            txbStartNumber->setText(*check.startNumberText);
        if (!check.message.isEmpty())
            return;
        itemCount = check.itemCount;
        startNumber = check.startNumber;
    }
    const QByteArray output = ToLibraryFileName(txbOutputFile[slot]->text());
    const auto datalist = BindExport<vellum62_datalist_fn>(slot, "datalist");
    if (datalist == nullptr)
        return;
    const int32_t result = datalist(
        input.constData(), output.constData(), ordered ? 1 : 0, listType, listSource, itemCount, startNumber,
        separator, chkAddHTMLWrapper2->isChecked() ? 1 : 0, chkCenterList->isChecked() ? 1 : 0);
    ShowRunResult(slot, ListResult(result, ordered));
}

} // namespace pagewright
