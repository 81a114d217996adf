// The "Data to List" tab (tab position 3, slot 2): list type and style, where the items come
// from, and the enabling that follows those choices.
#include "mainwindow/frmMain.h"

#include "library/TextArguments.h"
#include "platform/Platform.h"
#include "rules/BlankList.h"
#include "rules/ResultCaptions.h"
#include "widgets/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <vellum62.h>

namespace pagewright
{

QWidget* frmMain::BuildListTab()
{
    const auto [tab, layout, grid] = BeginTab(QStringLiteral("TabDataToList"));
    inputRows[ListSlot] = FileRow::Input(grid, 0, ListSlot);
    outputRows[ListSlot] = FileRow::Output(grid, 1, ListSlot);

    Frame3 = new QGroupBox(QStringLiteral("List type"), tab);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    optOrderedList = MakeOption(Frame3, QStringLiteral("optOrderedList"), QStringLiteral("Ordered list"));
    cboOrderedList = MakeList(Frame3, QStringLiteral("cboOrderedList"));
    optUnorderedList =
        MakeOption(Frame3, QStringLiteral("optUnorderedList"), QStringLiteral("Unordered list"));
    cboUnorderedList = MakeList(Frame3, QStringLiteral("cboUnorderedList"));
    cboOrderedList->setAccessibleName(QStringLiteral("Ordered list numbering"));
    cboUnorderedList->setAccessibleName(QStringLiteral("Unordered list bullets"));
    auto* typeLayout = new QGridLayout(Frame3);
    typeLayout->addWidget(optOrderedList, 0, 0);
    typeLayout->addWidget(cboOrderedList, 0, 1);
    typeLayout->addWidget(optUnorderedList, 1, 0);
    typeLayout->addWidget(cboUnorderedList, 1, 1);
    typeLayout->setColumnStretch(2, 1);

    Frame1 = new QGroupBox(QStringLiteral("List items"), tab);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    optReadListData = MakeOption(Frame1, QStringLiteral("optReadListData"),
                                 QStringLiteral("Read (and count) list items from input file"));
    optBlankList = MakeOption(Frame1, QStringLiteral("optBlankList"),
                              QStringLiteral("Blank list (do not read items from input file)"));
    optBlankListWithItemNumbers = MakeOption(Frame1, QStringLiteral("optBlankListWithItemNumbers"),
                                             QStringLiteral("Blank list with item numbers"));
    auto* sourceLayout = new QVBoxLayout(Frame1);
    sourceLayout->addWidget(optReadListData);
    sourceLayout->addWidget(optBlankList);
    sourceLayout->addWidget(optBlankListWithItemNumbers);

    auto* frames = new QHBoxLayout;
    frames->addWidget(Frame3);
    frames->addWidget(Frame1, 1);
    layout->addSpacing(6);
    layout->addLayout(frames);

    lblNumberOfItems =
        MakeLabel(tab, QStringLiteral("lblNumberOfItems"), QStringLiteral("Number of items in list:"));
    txbNumberOfItems = MakeBox(tab, QStringLiteral("txbNumberOfItems"));
    lblStartNumber = MakeLabel(tab, QStringLiteral("lblStartNumber"), QStringLiteral("Start number:"));
    txbStartNumber = MakeBox(tab, QStringLiteral("txbStartNumber"));
    lblItemSeparator =
        MakeLabel(tab, QStringLiteral("lblItemSeparator"), QStringLiteral("Item separator is"));
    cboItemSeparator = MakeList(tab, QStringLiteral("cboItemSeparator"));
    LabelFor(lblNumberOfItems, txbNumberOfItems);
    LabelFor(lblStartNumber, txbStartNumber);
    LabelFor(lblItemSeparator, cboItemSeparator);
    const int numberWidth = txbNumberOfItems->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16;
    txbNumberOfItems->setFixedWidth(numberWidth);
    txbStartNumber->setFixedWidth(numberWidth);
    auto* numbers = new QGridLayout;
    numbers->addWidget(lblNumberOfItems, 0, 0);
    numbers->addWidget(txbNumberOfItems, 0, 1);
    numbers->addWidget(lblStartNumber, 0, 2);
    numbers->addWidget(txbStartNumber, 0, 3);
    numbers->addWidget(lblItemSeparator, 1, 0);
    numbers->addWidget(cboItemSeparator, 1, 1, 1, 3);
    numbers->setColumnStretch(4, 1);
    layout->addLayout(numbers);

    chkAddHTMLWrapper2 =
        MakeCheck(tab, QStringLiteral("chkAddHTMLWrapper2"), QStringLiteral("Add HTML wrapper"));
    chkCenterList = MakeCheck(tab, QStringLiteral("chkCenterList"), QStringLiteral("Center list"));
    chkEscapeData2 = MakeCheck(tab, QStringLiteral("chkEscapeData2"),
                               QStringLiteral("Data is plain text (escape <, > and &)"));
    auto* checks = new QHBoxLayout;
    checks->addWidget(chkAddHTMLWrapper2);
    checks->addWidget(chkCenterList);
    checks->addWidget(chkEscapeData2);
    checks->addStretch(1);
    layout->addLayout(checks);
    layout->addSpacing(6);

    AddTabFooter(layout, 3, ListSlot, QStringLiteral("Create HTML for list"));

    for (QRadioButton* option : {optOrderedList, optUnorderedList}) {
        connect(option, &QRadioButton::clicked, this, [this] {
            UpdateListTypeControls();
            ClearResult(-1);
        });
    }
    for (QRadioButton* option : {optReadListData, optBlankList, optBlankListWithItemNumbers}) {
        connect(option, &QRadioButton::clicked, this, [this] {
            ListSourceOption_Click();
            ClearResult(ListSlot);
            UpdateButtons();
            if (!optReadListData->isChecked())
                txbNumberOfItems->setFocus();
        });
    }
    connect(txbNumberOfItems, &QLineEdit::textChanged, this, [this] {
        ClearResult(-1);
        if (blnStartupCompleted)
            UpdateButtons();
    });
    connect(txbStartNumber, &QLineEdit::textChanged, this, [this] { ClearResult(-1); });
    connect(txbNumberOfItems, &QLineEdit::returnPressed, this, [this] { txbNumberOfItems_Enter(); });
    connect(txbStartNumber, &QLineEdit::returnPressed, this, [this] { txbStartNumber_Enter(); });
    for (QComboBox* list : {cboOrderedList, cboUnorderedList, cboItemSeparator})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { ClearResult(-1); });
    for (QCheckBox* check : {chkAddHTMLWrapper2, chkCenterList, chkEscapeData2})
        connect(check, &QCheckBox::clicked, this, [this] { ClearResult(-1); });
    return tab;
}

void frmMain::txbNumberOfItems_Enter()
{
    // Only an ordered list has a start number to go on to.
    if (optOrderedList->isChecked()) {
        txbStartNumber->setFocus();
        txbStartNumber->end(false);
    } else {
        ReturnFocusToTabs();
    }
}

void frmMain::txbStartNumber_Enter()
{
    ReturnFocusToTabs();
}

ListSource frmMain::CurrentListSource() const
{
    if (optBlankList->isChecked())
        return ListSource::BlankList;
    if (optBlankListWithItemNumbers->isChecked())
        return ListSource::BlankListWithItemNumbers;
    return ListSource::ReadFile;
}

void frmMain::ListSourceOption_Click()
{
    const bool readFile = optReadListData->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(inputRows[ListSlot]->chooseButton()),
                       static_cast<QWidget*>(inputRows[ListSlot]->box()),
                       static_cast<QWidget*>(lblItemSeparator), static_cast<QWidget*>(cboItemSeparator)})
        w->setEnabled(readFile);
    lblNumberOfItems->setEnabled(!readFile);
    txbNumberOfItems->setEnabled(!readFile);
    const bool start = !readFile && optOrderedList->isChecked();
    lblStartNumber->setEnabled(start);
    txbStartNumber->setEnabled(start);
}

void frmMain::UpdateListTypeControls()
{
    const bool ordered = optOrderedList->isChecked();
    cboOrderedList->setEnabled(ordered);
    cboUnorderedList->setEnabled(!ordered);
    if (!optReadListData->isChecked()) {
        lblStartNumber->setEnabled(ordered);
        txbStartNumber->setEnabled(ordered);
    }
}

// The Data to List tab's tool: the items of a data file, or a blank list of a given length,
// become an ordered or unordered list.
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
        input = ToLibraryFileName(inputRows[slot]->box()->text());
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
    // A blank list's page is written in UTF-8.
    int32_t flags =
        source == ListSource::ReadFile ? InputFlags(slot) : VELLUM62_UTF8 | VELLUM62_DECLARE_CHARSET;
    if (chkEscapeData2->isChecked())
        flags |= VELLUM62_ESCAPE_DATA;
    const auto datalist = BindExport<vellum62_datalist_ex_fn>(slot, "datalist_ex");
    if (datalist == nullptr)
        return;
    const int32_t result =
        datalist(input.constData(), m_pagePath.constData(), ordered ? 1 : 0, listType, listSource, itemCount,
                 startNumber, separator, chkAddHTMLWrapper2->isChecked() ? 1 : 0,
                 chkCenterList->isChecked() ? 1 : 0, flags);
    ShowRunResult(slot, ListResult(result, ordered));
}

} // namespace pagewright
