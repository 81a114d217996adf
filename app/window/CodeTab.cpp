#include "window/CodeTab.h"

#include "library/TextArguments.h"
#include "rules/ResultCaptions.h"
#include "widgets/Controls.h"

#include <QCheckBox>
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

    // Made after the page style list, which they depend on, so Tab reaches them after it.
    m_colour = MakeCheck(this, QStringLiteral("chkColourCode"), QStringLiteral("Colour the code"),
                         QStringLiteral("HTML5 pages: colour keywords, strings, comments and the like by the "
                                        "code's language."));
    m_languageLabel = MakeLabel(this, QStringLiteral("lblCodeLanguage"), QStringLiteral("Language:"));
    m_language = MakeList(this, QStringLiteral("cboCodeLanguage"), CodeLanguageEntries());
    m_language->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    LabelFor(m_languageLabel, m_language);
    SetTip(m_language, QStringLiteral("The language to colour the code as; Automatic goes by the input "
                                      "file's name."));
    m_lineNumbers = MakeCheck(this, QStringLiteral("chkLineNumbers"), QStringLiteral("Line numbers"),
                              QStringLiteral("HTML5 pages: number the lines in the margin; copying the code "
                                             "leaves the numbers out."));
    options->addWidget(m_colour, 3, 0, 1, 3);
    options->addWidget(m_languageLabel, 4, 0);
    options->addWidget(m_language, 4, 1, 1, 2, Qt::AlignLeft);
    options->addWidget(m_lineNumbers, 5, 0, 1, 3);
    options->setColumnStretch(3, 1);
    tabLayout()->addSpacing(6);
    tabLayout()->addLayout(options);
    tabLayout()->addSpacing(6);

    addFooter(QStringLiteral("Convert code file to HTML file"));

    connect(m_margin, &QComboBox::currentIndexChanged, this,
            [this, marginAfter] { spacesChosen(m_margin, marginAfter); });
    connect(m_tabWidth, &QComboBox::currentIndexChanged, this,
            [this, tabAfter] { spacesChosen(m_tabWidth, tabAfter); });
    connect(m_colour, &QCheckBox::toggled, this, &CodeTab::colouringChanged);
    connect(m_language, &QComboBox::currentIndexChanged, this, &CodeTab::colouringChanged);
    connect(m_lineNumbers, &QCheckBox::toggled, this, &CodeTab::colouringChanged);
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
    showColouring({});
}

void CodeTab::setMargin(int spaces)
{
    m_margin->setCurrentIndex(spaces);
}

CodeColouring CodeTab::colouring() const
{
    return {m_colour->isChecked(), CodeLanguageAt(m_language->currentIndex()), m_lineNumbers->isChecked()};
}

void CodeTab::showColouring(const CodeColouring& choices)
{
    {
        const QSignalBlocker quietColour(m_colour), quietLanguage(m_language), quietLines(m_lineNumbers);
        m_colour->setChecked(choices.colour);
        m_language->setCurrentIndex(CodeLanguageIndex(choices.language));
        m_lineNumbers->setChecked(choices.lineNumbers);
    }
    enableColouringControls();
}

void CodeTab::pageStyleShown()
{
    enableColouringControls();
}

void CodeTab::spacesChosen(const QComboBox* list, QLabel* after)
{
    after->setText(list->currentText() == QLatin1String("1") ? QStringLiteral("space")
                                                             : QStringLiteral("spaces"));
    clearShownResult();
}

void CodeTab::colouringChanged()
{
    enableColouringControls();
    clearShownResult();
    emit colouringChosen(colouring());
}

void CodeTab::enableColouringControls()
{
    m_colour->setEnabled(html5());
    m_languageLabel->setEnabled(html5() && m_colour->isChecked());
    m_language->setEnabled(html5() && m_colour->isChecked());
    m_lineNumbers->setEnabled(html5());
}

// A source file becomes a preformatted page with the chosen left margin and tab width; an HTML5
// page also with the colouring choices, and the result line then says what became of the colours.
void CodeTab::run()
{
    const QByteArray input = ToLibraryFileName(m_inputRow->box()->text());
    // Both lists hold nothing but numbers.
    const int32_t margin = m_margin->currentText().toInt();
    const int32_t tab = m_tabWidth->currentText().toInt();
    const int32_t flags = inputFlags() | styleFlags();
    if (!html5()) {
        if (const auto c2hEx = bindExport<vellum62_c2h_ex_fn>("c2h_ex"))
            showRunResult(
                CodeToHtmlResult(c2hEx(input.constData(), pagePath().constData(), margin, tab, flags)));
    } else if (const auto c2hColored = bindExport<vellum62_c2h_colored_fn>("c2h_colored")) {
        const CodeColouring choices = colouring();
        const QByteArray language = choices.language.toLatin1();
        int32_t coloring = VELLUM62_NOT_COLORED_NOT_ASKED;
        char used[32] = {};
        const int32_t code = withHtml5Page([&](const vellum62_html5_page* page) {
            return c2hColored(input.constData(), pagePath().constData(), margin, tab, flags, page,
                              language.isEmpty() ? nullptr : language.constData(), ColouringOptions(choices),
                              &coloring, used, int32_t(sizeof used));
        });
        showRunResult(ColouredCodeResult(code, coloring, used));
    }
    returnFocusToTabs();
}

} // namespace pagewright
