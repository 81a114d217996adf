#include "dialogs/frmView.h"

#include "platform/Platform.h"
#include "rules/ProgramText.h"
#include "rules/ViewRules.h"
#include "rules/Windows1252.h"
#include "widgets/Controls.h"
#include "widgets/Twips.h"

#include <QClipboard>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>

namespace pagewright
{

frmView::frmView(Platform& platform, QWidget* parent) : QWidget(parent, Qt::Window), m_platform(platform)
{
    setObjectName(QStringLiteral("frmView"));
    setWindowTitle(QStringLiteral("Viewing file"));

    txbText1 = new QPlainTextEdit(this);
    txbText1->setObjectName(QStringLiteral("txbText1"));
    // Edits would never be saved, so the text is read-only; it can still be selected and copied.
    txbText1->setReadOnly(true);
    txbText1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txbText1->setLineWrapMode(QPlainTextEdit::NoWrap);
    txbText1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(9.75);
    txbText1->setFont(fixed);
    txbText1->setAccessibleName(QStringLiteral("File text"));
    txbText1->viewport()->installEventFilter(this);
    connect(txbText1, &QPlainTextEdit::selectionChanged, this, &frmView::txbText1_MouseUp);

    cmdCopyToClipboard =
        MakeButton(this, QStringLiteral("cmdCopyToClipboard"), QStringLiteral("Copy to clipboard"));
    cmdClose = MakeButton(this, QStringLiteral("cmdClose"), QStringLiteral("Close"));
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmView::cmdCopyToClipboard_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);

    SetCopyCaption(false);
    setMinimumSize(Twips(8000), Twips(2000));
    resize(Twips(10000), Twips(7000));
}

int frmView::Twips(int twips) const
{
    return TwipsToPixels(twips, logicalDpiX());
}

void frmView::ShowFile(const QString& file, const QString& caption)
{
    ViewFile = file;
    setWindowTitle(caption);
    if (!isVisible())
        show();
    raise();
    activateWindow();
    // Load now; the activation the window system sends for this show need not load again.
    m_skipNextActivation = !isActiveWindow();
    Form_Activate();
}

bool frmView::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        if (m_skipNextActivation)
            m_skipNextActivation = false;
        else if (isVisible())
            Form_Activate();
    }
    return QWidget::event(event);
}

void frmView::Form_Activate()
{
    txbText1->clear();
    SetCopyCaption(false);
    cmdCopyToClipboard->setEnabled(true);

    QFile file(ViewFile);
    if (!file.open(QIODevice::ReadOnly)) {
        m_platform.message(this, QStringLiteral("Error reading file"),
                           ReadErrorMessage(static_cast<int>(file.error()), file.errorString()),
                           MsgIcon::Exclamation);
        hide();
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_platform.message(this, QStringLiteral("Error reading file"),
                           ReadErrorMessage(static_cast<int>(file.error()), file.errorString()),
                           MsgIcon::Exclamation);
        hide();
        return;
    }
    if (bytes.isEmpty()) {
        m_platform.message(this, GetText(EmptyFileTitle), GetText(EmptyFileText), MsgIcon::Exclamation);
        hide();
        return;
    }
    txbText1->setPlainText(DecodeFileText(bytes));
    txbText1->moveCursor(QTextCursor::Start);
    txbText1->verticalScrollBar()->setValue(0);
}

void frmView::SetCopyCaption(bool selection)
{
    if (selection) {
        cmdCopyToClipboard->setText(QStringLiteral("Copy selected text to clipboard"));
        cmdCopyToClipboard->resize(Twips(kCopySelectedWidthTwips), cmdCopyToClipboard->sizeHint().height());
    } else {
        cmdCopyToClipboard->setText(QStringLiteral("Copy to clipboard"));
        cmdCopyToClipboard->resize(Twips(kCopyWidthTwips), cmdCopyToClipboard->sizeHint().height());
    }
}

void frmView::txbText1_MouseUp()
{
    if (cmdCopyToClipboard->isEnabled())
        SetCopyCaption(txbText1->textCursor().hasSelection());
}

bool frmView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txbText1->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        txbText1_MouseUp();
    return QWidget::eventFilter(watched, event);
}

void frmView::cmdCopyToClipboard_Click()
{
    if (!txbText1->document()->isEmpty()) {
        const QTextCursor cursor = txbText1->textCursor();
        QString text = cursor.hasSelection() ? cursor.selectedText() : txbText1->toPlainText();
        // A selection separates its lines with U+2029.
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(text);
        SetCopyCaption(false);
    }
    cmdClose->setFocus();
}

void frmView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isMinimized())
        return;
    const int margin = Twips(120);
    txbText1->setGeometry(margin, margin, width() - Twips(320), height() - Twips(1035));
    const int buttonTop = txbText1->geometry().bottom() + 1 + Twips(100);
    const int buttonHeight = cmdCopyToClipboard->sizeHint().height();
    cmdCopyToClipboard->setGeometry(Twips(300), buttonTop, cmdCopyToClipboard->width(), buttonHeight);
    const int closeWidth = qMax(cmdClose->sizeHint().width(), Twips(1215));
    cmdClose->setGeometry(width() - Twips(400) - closeWidth, buttonTop, closeWidth, buttonHeight);
}

} // namespace pagewright
