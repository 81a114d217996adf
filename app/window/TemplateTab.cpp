#include "window/TemplateTab.h"

#include "rules/ResultCaptions.h"
#include "text_encoding.h"
#include "widgets/Controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <vellum62.h>

namespace pagewright
{

TemplateTab::TemplateTab(TabServices& services)
    : PageTab(services, TemplateSlot, QStringLiteral("TabTemplate"), 1, 1)
{
    m_titleLabel = MakeLabel(this, QStringLiteral("lblTitle"), QStringLiteral("Title:"));
    m_title = MakeBox(this, QStringLiteral("txbTitle"));
    LabelFor(m_titleLabel, m_title);
    QGridLayout* const grid = addFileGrid();
    grid->addWidget(m_titleLabel, 0, 0, Qt::AlignRight);
    grid->addWidget(m_title, 0, 1, 1, 2);
    addOutputRow(grid, 1, QStringLiteral("Specify the file in which to save the HTML template."));
    addHeaderFooterRows(grid, 2);
    addPageStyleRow(grid, 4, Qt::AlignRight);
    addPageColors("HTML template: page colors");
    addPageFooter(QStringLiteral("Create HTML template"));

    connect(m_title, &QLineEdit::textChanged, this, [this] { clearShownResult(); });
    connect(m_title, &QLineEdit::returnPressed, this, &TemplateTab::titleEntered);
}

void TemplateTab::setTitle(const QString& title)
{
    m_title->setText(title);
}

void TemplateTab::titleEntered()
{
    if (m_performRow->performButton()->isEnabled())
        m_performRow->performButton()->setFocus();
    else
        m_outputRow->chooseButton()->setFocus();
}

void TemplateTab::clear()
{
    m_title->setText(QString());
    PageTab::clear();
}

void TemplateTab::applyButtonStates(const ButtonStates& states)
{
    PageTab::applyButtonStates(states);
    // A header file brings its own title.
    m_titleLabel->setEnabled(states.title);
    m_title->setEnabled(states.title);
}

// txt2h without an input file writes an empty page.
void TemplateTab::run()
{
    // The title goes on even while a header file disables its box; the library then ignores it.
    // The page is written in UTF-8, so a typed title keeps every character; it shows as typed, so
    // markup in it stays text.
    const QByteArray title =
        QByteArray::fromStdString(escapeHtmlText(m_title->text().trimmed().toStdString()));
    if (const auto code = callTxt2h(title, QByteArray(), VELLUM62_UTF8 | VELLUM62_DECLARE_CHARSET))
        showRunResult(TemplateResult(*code));
}

} // namespace pagewright
