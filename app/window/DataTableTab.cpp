#include "window/DataTableTab.h"

#include "library/TextArguments.h"
#include "platform/Platform.h"
#include "rules/ResultCaptions.h"
#include "rules/Separator.h"
#include "widgets/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <vellum62.h>

namespace pagewright
{

DataTableTab::DataTableTab(TabServices& services)
    : ToolTab(services, DataTableSlot, QStringLiteral("TabDataToTable"))
{
    QGridLayout* const grid = addFileGrid();
    addInputRow(grid, 0);
    addOutputRow(grid, 1);

    auto* separatorLabel =
        MakeLabel(this, QStringLiteral("lblSeparatorChar"), QStringLiteral("Separator character:"));
    const QString separatorTip =
        QStringLiteral("The character used to separate table values in the input file.");
    SetTip(separatorLabel, separatorTip);
    m_separator = MakeList(this, QStringLiteral("cboSeparatorChar"), {}, true);
    SetTip(m_separator, separatorTip);
    m_separator->lineEdit()->setObjectName(QStringLiteral("cboSeparatorCharText"));
    auto* paddingLabel = MakeLabel(this, QStringLiteral("lblNumberRightLeftPaddingSpaces"),
                                   QStringLiteral("Number of left/right padding spaces:"));
    m_padding = MakeList(this, QStringLiteral("cboPaddingSpaces"));
    LabelFor(separatorLabel, m_separator);
    m_separator->lineEdit()->setAccessibleName(m_separator->accessibleName());
    LabelFor(paddingLabel, m_padding);
    auto* options = new QGridLayout;
    options->addWidget(separatorLabel, 0, 0);
    options->addWidget(m_separator, 0, 1);
    options->addWidget(paddingLabel, 1, 0);
    options->addWidget(m_padding, 1, 1);
    addPageStyleRow(options, 2);
    options->setColumnStretch(2, 1);
    tabLayout()->addSpacing(6);
    tabLayout()->addLayout(options);

    m_wrapper = MakeCheck(this, QStringLiteral("chkAddHTMLWrapper3"), QStringLiteral("Add HTML wrapper"));
    m_centerText = MakeCheck(this, QStringLiteral("chkCenterText3"),
                             QStringLiteral("Center text (other than numbers) in cells"));
    m_centerTable = MakeCheck(this, QStringLiteral("chkCenterTable3"), QStringLiteral("Center table"));
    m_quotedFields =
        MakeCheck(this, QStringLiteral("chkQuotedFields3"), QStringLiteral("Fields may be quoted (CSV)"));
    m_escape = MakeCheck(this, QStringLiteral("chkEscapeData3"),
                         QStringLiteral("Data is plain text (escape <, > and &)"));
    auto* checks = new QHBoxLayout;
    checks->addWidget(m_wrapper);
    checks->addWidget(m_centerText);
    checks->addWidget(m_centerTable);
    checks->addStretch(1);
    tabLayout()->addLayout(checks);
    auto* dataChecks = new QHBoxLayout;
    dataChecks->addWidget(m_quotedFields);
    dataChecks->addWidget(m_escape);
    dataChecks->addStretch(1);
    tabLayout()->addLayout(dataChecks);

    auto* colors = new QHBoxLayout;
    auto* colorRow = new ColorRow(0, QStringLiteral("Specify table colors"),
                                  QStringLiteral("Use specified colors for text and background"));
    colors->addWidget(colorRow);
    addColorRow(colorRow, "Data to Table: table colors");
    // The sample stands beside the hex colours it shows.
    m_sample = new ColorSample(this, QStringLiteral("picSample"));
    m_sample->setVisible(false);
    colors->addSpacing(12);
    colors->addWidget(m_sample, 0, Qt::AlignBottom);
    colors->addStretch(1);
    tabLayout()->addLayout(colors);

    auto* properties = MakeButton(this, Indexed("cmdSpecifyBorder", 0),
                                  QStringLiteral("Specify width, border, cell padding and spacing"));
    auto* border = new QHBoxLayout;
    border->addWidget(properties);
    border->addStretch(1);
    tabLayout()->addLayout(border);
    tabLayout()->addSpacing(6);

    addFooter(QStringLiteral("Convert data to table"));

    // The Table Creator's import reads a data file by the same separator.
    services.dataSeparator = [this](bool utf8Data) { return chosenSeparator(utf8Data); };
    // Typing into the separator box changes the run as much as choosing an entry does.
    m_separator->setInsertPolicy(QComboBox::NoInsert);
    connect(m_separator, &QComboBox::currentTextChanged, this, [this] { clearShownResult(); });
    connect(m_padding, &QComboBox::currentIndexChanged, this, [this] { clearShownResult(); });
    for (QCheckBox* check : {m_wrapper, m_centerText, m_centerTable, m_quotedFields, m_escape})
        connect(check, &QCheckBox::clicked, this, [this] { clearShownResult(); });
    connect(properties, &QPushButton::clicked, this, [this] { chooseTableProperties(); });
    // A typed name counts once editing is over: Enter, or the focus leaving the box.
    connect(m_inputRow->box(), &QLineEdit::editingFinished, this, [this] { inputNameCommitted(); });
}

void DataTableTab::reset()
{
    ToolTab::reset();
    m_separator->clear();
    const std::pair<const char*, int> separators[] = {
        {"comma (44)", 44}, {"semicolon (59)", 59}, {"space (32)", 32}, {"tab (9)", 9}};
    for (const auto& [caption, code] : separators)
        m_separator->addItem(QString::fromLatin1(caption), code);
    m_separator->setCurrentIndex(0);
    m_padding->clear();
    for (int n = 0; n <= 12; ++n)
        m_padding->addItem(QString::number(n));
    m_padding->setCurrentIndex(2);
    m_ticksFor.clear();
}

void DataTableTab::inputFileChosen(const QString& /*name*/)
{
    inputNameCommitted();
}

void DataTableTab::inputNameCommitted()
{
    const QString name = m_inputRow->box()->text().trimmed();
    if (name == m_ticksFor)
        return;
    m_ticksFor = name;
    const DataFileTicks ticks = TicksForDataFile(name);
    bool changed = false;
    for (const auto& [check, on] :
         {std::pair(m_quotedFields, ticks.quotedFields), std::pair(m_escape, ticks.plainText)}) {
        if (on && !check->isChecked()) {
            check->setChecked(true);
            changed = true;
        }
    }
    if (changed)
        clearShownResult();
}

void DataTableTab::colorsSwitched(bool on)
{
    if (on)
        showColorSample();
    else
        m_sample->setVisible(false);
}

void DataTableTab::colorsChosen()
{
    showColorSample();
}

void DataTableTab::showColorSample()
{
    m_sample->setVisible(true);
    m_sample->setColors(textColor(), backColor());
}

SeparatorChoice DataTableTab::chosenSeparator(bool utf8Data) const
{
    const QString typed = m_separator->currentText();
    const int entry = m_separator->findText(typed);
    return ChooseSeparator(
        typed, entry >= 0 ? std::optional<int>(m_separator->itemData(entry).toInt()) : std::nullopt,
        utf8Data);
}

void DataTableTab::run()
{
    // A name typed and run at once (the focus never left its box) ticks the boxes here.
    inputNameCommitted();
    int32_t flags = inputFlags();
    if (m_quotedFields->isChecked())
        flags |= VELLUM62_CSV_QUOTES;
    if (m_escape->isChecked())
        flags |= VELLUM62_ESCAPE_DATA;
    const SeparatorChoice separator = chosenSeparator((flags & VELLUM62_UTF8) != 0);
    if (!separator.problem.isEmpty()) {
        platform().message(mainWindow(), QStringLiteral("Error"), separator.problem, MsgIcon::Exclamation);
        return;
    }
    const auto [textColor, backColor] = colorArguments();
    const QByteArray input = ToLibraryFileName(m_inputRow->box()->text());
    const TableProperties p = tableProperties();
    int64_t rows = 0, columns = 0;
    const auto result = callLibrary<vellum62_reg_tbl_sized_fn, vellum62_reg_tbl_html5_fn>(
        "reg_tbl_sized", "reg_tbl_html5", input.constData(), pagePath().constData(), separator.code,
        m_padding->currentText().toInt(), m_wrapper->isChecked() ? 1 : 0, m_centerText->isChecked() ? 1 : 0,
        m_centerTable->isChecked() ? 1 : 0, textColor.constData(), backColor.constData(), p.width,
        p.widthInPixels, p.border, p.cellPadding, p.cellSpacing, flags | styleFlags(), &rows, &columns);
    if (result)
        showRunResult(TableResult(*result, rows, columns));
}

} // namespace pagewright
