#include "window/ListTab.h"

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

ListTab::ListTab(TabServices& services) : ToolTab(services, ListSlot, QStringLiteral("TabDataToList"))
{
    QGridLayout* const grid = addFileGrid();
    addInputRow(grid, 0);
    addOutputRow(grid, 1);

    auto* listType = new QGroupBox(QStringLiteral("List type"), this);
    listType->setObjectName(QStringLiteral("Frame3"));
    m_ordered = MakeOption(listType, QStringLiteral("optOrderedList"), QStringLiteral("Ordered list"));
    m_numbering = MakeList(listType, QStringLiteral("cboOrderedList"));
    m_unordered = MakeOption(listType, QStringLiteral("optUnorderedList"), QStringLiteral("Unordered list"));
    m_bullets = MakeList(listType, QStringLiteral("cboUnorderedList"));
    m_numbering->setAccessibleName(QStringLiteral("Ordered list numbering"));
    m_bullets->setAccessibleName(QStringLiteral("Unordered list bullets"));
    auto* typeLayout = new QGridLayout(listType);
    typeLayout->addWidget(m_ordered, 0, 0);
    typeLayout->addWidget(m_numbering, 0, 1);
    typeLayout->addWidget(m_unordered, 1, 0);
    typeLayout->addWidget(m_bullets, 1, 1);
    typeLayout->setColumnStretch(2, 1);

    auto* listItems = new QGroupBox(QStringLiteral("List items"), this);
    listItems->setObjectName(QStringLiteral("Frame1"));
    m_readItems = MakeOption(listItems, QStringLiteral("optReadListData"),
                             QStringLiteral("Read (and count) list items from input file"));
    m_blankList = MakeOption(listItems, QStringLiteral("optBlankList"),
                             QStringLiteral("Blank list (do not read items from input file)"));
    m_numberedBlankList = MakeOption(listItems, QStringLiteral("optBlankListWithItemNumbers"),
                                     QStringLiteral("Blank list with item numbers"));
    auto* sourceLayout = new QVBoxLayout(listItems);
    sourceLayout->addWidget(m_readItems);
    sourceLayout->addWidget(m_blankList);
    sourceLayout->addWidget(m_numberedBlankList);

    auto* frames = new QHBoxLayout;
    frames->addWidget(listType);
    frames->addWidget(listItems, 1);
    tabLayout()->addSpacing(6);
    tabLayout()->addLayout(frames);

    m_numberOfItemsLabel =
        MakeLabel(this, QStringLiteral("lblNumberOfItems"), QStringLiteral("Number of items in list:"));
    m_numberOfItems = MakeBox(this, QStringLiteral("txbNumberOfItems"));
    m_startNumberLabel = MakeLabel(this, QStringLiteral("lblStartNumber"), QStringLiteral("Start number:"));
    m_startNumber = MakeBox(this, QStringLiteral("txbStartNumber"));
    m_separatorLabel = MakeLabel(this, QStringLiteral("lblItemSeparator"), QStringLiteral("Item separator is"));
    m_separator = MakeList(this, QStringLiteral("cboItemSeparator"));
    LabelFor(m_numberOfItemsLabel, m_numberOfItems);
    LabelFor(m_startNumberLabel, m_startNumber);
    LabelFor(m_separatorLabel, m_separator);
    const int numberWidth = m_numberOfItems->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16;
    m_numberOfItems->setFixedWidth(numberWidth);
    m_startNumber->setFixedWidth(numberWidth);
    auto* numbers = new QGridLayout;
    numbers->addWidget(m_numberOfItemsLabel, 0, 0);
    numbers->addWidget(m_numberOfItems, 0, 1);
    numbers->addWidget(m_startNumberLabel, 0, 2);
    numbers->addWidget(m_startNumber, 0, 3);
    numbers->addWidget(m_separatorLabel, 1, 0);
    numbers->addWidget(m_separator, 1, 1, 1, 3);
    addPageStyleRow(numbers, 2, {}, 3);
    numbers->setColumnStretch(4, 1);
    tabLayout()->addLayout(numbers);

    m_wrapper = MakeCheck(this, QStringLiteral("chkAddHTMLWrapper2"), QStringLiteral("Add HTML wrapper"));
    m_center = MakeCheck(this, QStringLiteral("chkCenterList"), QStringLiteral("Center list"));
    m_escape = MakeCheck(this, QStringLiteral("chkEscapeData2"),
                         QStringLiteral("Data is plain text (escape <, > and &)"));
    auto* checks = new QHBoxLayout;
    checks->addWidget(m_wrapper);
    checks->addWidget(m_center);
    checks->addWidget(m_escape);
    checks->addStretch(1);
    tabLayout()->addLayout(checks);
    tabLayout()->addSpacing(6);

    addFooter(QStringLiteral("Create HTML for list"));

    for (QRadioButton* option : {m_ordered, m_unordered}) {
        connect(option, &QRadioButton::clicked, this, [this] {
            updateListTypeControls();
            clearShownResult();
        });
    }
    for (QRadioButton* option : {m_readItems, m_blankList, m_numberedBlankList}) {
        connect(option, &QRadioButton::clicked, this, [this] {
            updateSourceControls();
            clearResult();
            updateShownButtons();
            if (!m_readItems->isChecked())
                m_numberOfItems->setFocus();
        });
    }
    connect(m_numberOfItems, &QLineEdit::textChanged, this, [this] {
        clearShownResult();
        if (started())
            updateShownButtons();
    });
    connect(m_startNumber, &QLineEdit::textChanged, this, [this] { clearShownResult(); });
    connect(m_numberOfItems, &QLineEdit::returnPressed, this, &ListTab::numberOfItemsEntered);
    connect(m_startNumber, &QLineEdit::returnPressed, this, [this] { returnFocusToTabs(); });
    for (QComboBox* list : {m_numbering, m_bullets, m_separator})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { clearShownResult(); });
    for (QCheckBox* check : {m_wrapper, m_center, m_escape})
        connect(check, &QCheckBox::clicked, this, [this] { clearShownResult(); });
}

void ListTab::reset()
{
    ToolTab::reset();
    m_unordered->setChecked(true);
    m_numbering->clear();
    m_numbering->addItems({QStringLiteral("unspecified"), QStringLiteral("1,2,3"), QStringLiteral("i,ii,iii"),
                           QStringLiteral("I, II, III"), QStringLiteral("a,b,c"), QStringLiteral("A,B,C")});
    m_numbering->setCurrentIndex(1);
    m_bullets->clear();
    m_bullets->addItems({QStringLiteral("unspecified"), QStringLiteral("disc"), QStringLiteral("circle"),
                         QStringLiteral("square")});
    m_bullets->setCurrentIndex(1);
    m_readItems->setChecked(true);
    updateSourceControls();
    m_numberOfItems->setText(QString());
    m_startNumber->setText(QStringLiteral("1"));
    m_separator->clear();
    m_separator->addItems({QStringLiteral("End-of-line (CR/LF)"), QStringLiteral("Blank line"),
                           QStringLiteral("Initial numeral (e.g. 12.)"), QStringLiteral("Initial asterisk (*)")});
    m_separator->setCurrentIndex(0);
}

void ListTab::shown()
{
    updateListTypeControls();
    if (m_numberOfItems->isEnabled())
        m_numberOfItems->setFocus();
    else
        returnFocusToTabs();
}

void ListTab::numberOfItemsEntered()
{
    // Only an ordered list has a start number to go on to.
    if (m_ordered->isChecked()) {
        m_startNumber->setFocus();
        m_startNumber->end(false);
    } else {
        returnFocusToTabs();
    }
}

ListSource ListTab::listSource() const
{
    if (m_blankList->isChecked())
        return ListSource::BlankList;
    if (m_numberedBlankList->isChecked())
        return ListSource::BlankListWithItemNumbers;
    return ListSource::ReadFile;
}

void ListTab::addButtonInputs(ButtonInputs& in) const
{
    in.listSource = listSource();
    in.numberOfItems = m_numberOfItems->text();
    in.specifyInput2Enabled = m_inputRow->chooseButton()->isEnabled();
}

void ListTab::updateSourceControls()
{
    const bool readFile = m_readItems->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(m_inputRow->chooseButton()), static_cast<QWidget*>(m_inputRow->box()),
                       static_cast<QWidget*>(m_separatorLabel), static_cast<QWidget*>(m_separator)})
        w->setEnabled(readFile);
    m_numberOfItemsLabel->setEnabled(!readFile);
    m_numberOfItems->setEnabled(!readFile);
    const bool start = !readFile && m_ordered->isChecked();
    m_startNumberLabel->setEnabled(start);
    m_startNumber->setEnabled(start);
}

void ListTab::updateListTypeControls()
{
    const bool ordered = m_ordered->isChecked();
    m_numbering->setEnabled(ordered);
    m_bullets->setEnabled(!ordered);
    if (!m_readItems->isChecked()) {
        m_startNumberLabel->setEnabled(ordered);
        m_startNumber->setEnabled(ordered);
    }
}

void ListTab::run()
{
    const bool ordered = m_ordered->isChecked();
    // The positions in the style lists are the library's list types.
    const int32_t listType = ordered ? m_numbering->currentIndex() : m_bullets->currentIndex();
    const ListSource source = listSource();
    QByteArray input;
    int32_t itemSource = VELLUM62_LIST_FROM_FILE;
    int32_t itemCount = -1;
    int32_t startNumber = -1;
    int32_t separator = -1;
    if (source == ListSource::ReadFile) {
        input = ToLibraryFileName(m_inputRow->box()->text());
        separator = m_separator->currentIndex();
    } else {
        itemSource = source == ListSource::BlankList ? VELLUM62_BLANK_LIST : VELLUM62_NUMBERED_BLANK_LIST;
        // The start number is checked for unordered lists too, although they have none.
        const BlankListCheck check = CheckBlankList(m_numberOfItems->text(), m_startNumber->text());
        if (!check.message.isEmpty())
            platform().message(mainWindow(), QStringLiteral("Error"), check.message, MsgIcon::Exclamation);
        if (check.numberOfItemsText)
            m_numberOfItems->setText(*check.numberOfItemsText);
        if (check.startNumberText)
            m_startNumber->setText(*check.startNumberText);
        if (!check.message.isEmpty())
            return;
        itemCount = check.itemCount;
        startNumber = check.startNumber;
    }
    // A blank list's page is written in UTF-8.
    int32_t flags = source == ListSource::ReadFile ? inputFlags() : VELLUM62_UTF8 | VELLUM62_DECLARE_CHARSET;
    if (m_escape->isChecked())
        flags |= VELLUM62_ESCAPE_DATA;
    const auto result = callLibrary<vellum62_datalist_ex_fn, vellum62_datalist_html5_fn>(
        "datalist_ex", "datalist_html5", input.constData(), pagePath().constData(), ordered ? 1 : 0, listType,
        itemSource, itemCount, startNumber, separator, m_wrapper->isChecked() ? 1 : 0,
        m_center->isChecked() ? 1 : 0, flags | styleFlags());
    if (result)
        showRunResult(ListResult(*result, ordered));
}

} // namespace pagewright
