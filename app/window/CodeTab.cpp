#include "window/CodeTab.h"

#include "library/TextArguments.h"
#include "rules/ResultCaptions.h"
#include "widgets/Controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <vellum62.h>

namespace pagewright
{

CodeTab::CodeTab(TabServices& services) : ToolTab(services, CodeSlot, QStringLiteral("TabCodeToHtml"))
{
    QGridLayout* const grid = addFileGrid();
    addInputRow(grid, 0);
    addOutputRow(grid, 1);

    auto* marginLabel = MakeLabel(this, QStringLiteral("lblMarginSpaces1"), QStringLiteral("Add left margin of"));
    m_margin = MakeList(this, QStringLiteral("cboMarginSpaces"));
    auto* marginAfter = MakeLabel(this, QStringLiteral("lblMarginSpaces2"), QStringLiteral("spaces"));
    auto* tabLabel =
        MakeLabel(this, QStringLiteral("lblTabSpaces1"), QStringLiteral("Convert tab characters to"));
    m_tabWidth = MakeList(this, QStringLiteral("cboTabSpaces"));
    auto* tabAfter = MakeLabel(this, QStringLiteral("lblTabSpaces2"), QStringLiteral("spaces"));
    LabelFor(marginLabel, m_margin);
    LabelFor(tabLabel, m_tabWidth);

    auto* options = new QGridLayout;
    options->addWidget(marginLabel, 0, 0);
    options->addWidget(m_margin, 0, 1);
    options->addWidget(marginAfter, 0, 2);
    options->addWidget(tabLabel, 1, 0);
    options->addWidget(m_tabWidth, 1, 1);
    options->addWidget(tabAfter, 1, 2);
    addPageStyleRow(options, 2, {}, 2);
    options->setColumnStretch(3, 1);
    tabLayout()->addSpacing(6);
    tabLayout()->addLayout(options);
    tabLayout()->addSpacing(6);

    addFooter(QStringLiteral("Convert code file to HTML file"));

    connect(m_margin, &QComboBox::currentIndexChanged, this,
            [this, marginAfter] { spacesChosen(m_margin, marginAfter); });
    connect(m_tabWidth, &QComboBox::currentIndexChanged, this,
            [this, tabAfter] { spacesChosen(m_tabWidth, tabAfter); });
}

void CodeTab::reset()
{
    ToolTab::reset();
    m_margin->clear();
    for (int n = 0; n <= 8; ++n)
        m_margin->addItem(QString::number(n));
    m_margin->setCurrentIndex(4);
    m_tabWidth->clear();
    for (int n = 1; n <= 8; ++n)
        m_tabWidth->addItem(QString::number(n));
    m_tabWidth->setCurrentIndex(3);
}

void CodeTab::setMargin(int spaces)
{
    m_margin->setCurrentIndex(spaces);
}

void CodeTab::spacesChosen(const QComboBox* list, QLabel* after)
{
    after->setText(list->currentText() == QLatin1String("1") ? QStringLiteral("space")
                                                             : QStringLiteral("spaces"));
    clearShownResult();
}

// A source file becomes a preformatted page with the chosen left margin and tab width.
void CodeTab::run()
{
    const QByteArray input = ToLibraryFileName(m_inputRow->box()->text());
    // Both lists hold nothing but numbers.
    const int32_t margin = m_margin->currentText().toInt();
    const int32_t tab = m_tabWidth->currentText().toInt();
    if (const auto code = callLibrary<vellum62_c2h_ex_fn, vellum62_c2h_html5_fn>(
            "c2h_ex", "c2h_html5", input.constData(), pagePath().constData(), margin, tab,
            inputFlags() | styleFlags()))
        showRunResult(CodeToHtmlResult(*code));
    returnFocusToTabs();
}

} // namespace pagewright
