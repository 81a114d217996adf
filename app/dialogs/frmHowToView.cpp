#include "dialogs/frmHowToView.h"

#include "rules/ProgramText.h"
#include "widgets/Controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pagewright
{

frmHowToView::frmHowToView(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHowToView"));
    setWindowTitle(QStringLiteral("How to view output file?"));
    setModal(true);

    lblHowToView = new QLabel(QStringLiteral("How do you wish to view the output file?"), this);
    lblHowToView->setObjectName(QStringLiteral("lblHowToView"));
    lblHowToView->setTextFormat(Qt::PlainText);
    QFont bold = lblHowToView->font();
    bold.setBold(true);
    lblHowToView->setFont(bold);

    lblViewOptions = new QLabel(this);
    lblViewOptions->setObjectName(QStringLiteral("lblViewOptions"));
    lblViewOptions->setTextFormat(Qt::PlainText);
    lblViewOptions->setWordWrap(true);
    lblViewOptions->setMinimumWidth(420);

    cmdInBrowser = MakeButton(this, QStringLiteral("cmdInBrowser"), QStringLiteral("In web browser"));
    cmdAsHTMLCode = MakeButton(this, QStringLiteral("cmdAsHTMLCode"), QStringLiteral("As HTML code"));
    cmdNotNow = MakeButton(this, QStringLiteral("cmdNotNow"), QStringLiteral("Don't view now"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdInBrowser);
    buttons->addWidget(cmdAsHTMLCode);
    buttons->addWidget(cmdNotNow);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHowToView);
    layout->addWidget(lblViewOptions);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdInBrowser, &QPushButton::clicked, this, [this] {
        ViewNow = true;
        InBrowser = true;
        accept();
    });
    connect(cmdAsHTMLCode, &QPushButton::clicked, this, [this] {
        ViewNow = true;
        InBrowser = false;
        accept();
    });
    // Closing the dialog by its frame counts as "Don't view now".
    connect(cmdNotNow, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { ViewNow = false; });
}

void frmHowToView::Form_Activate()
{
    ViewNow = false;
    cmdInBrowser->setEnabled(true);
    lblViewOptions->setText(GetText(HowToViewExplanation));
    cmdAsHTMLCode->setFocus();
}

void frmHowToView::showEvent(QShowEvent* event)
{
    Form_Activate();
    QDialog::showEvent(event);
}

} // namespace pagewright
