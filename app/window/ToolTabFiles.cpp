// Choosing and editing the tab's file names, their extension checks, and how they go to the
// library.
#include "window/ToolTab.h"

#include "library/TextArguments.h"
#include "platform/Platform.h"
#include "rules/Encoding.h"
#include "rules/Opening.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>

#include <vellum62.h>

namespace pagewright
{

void ToolTab::chooseInputFile()
{
    if (const auto chosen = askForFile({.kind = FileDialogRequest::Open,
                                        .title = QStringLiteral("Specify input file"),
                                        .filter = QStringLiteral("All files (*.*) | *.*"),
                                        .mustExist = true}))
        openFile(*chosen);
    updateShownButtons();
    returnFocusToTabs();
}

void ToolTab::openFile(const QString& name)
{
    if (m_inputRow == nullptr)
        return;
    m_inputRow->box()->setText(name);
    clearResult();
    const QString proposed = ProposedOutputName(name, m_slot);
    if (!proposed.isEmpty())
        m_outputRow->box()->setText(proposed);
    inputFileChosen(name);
    updateButtons();
}

bool ToolTab::takesDroppedFiles() const
{
    return m_inputRow != nullptr && m_inputRow->box()->isEnabled();
}

void ToolTab::acceptFileDrops()
{
    setAcceptDrops(true);
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

bool ToolTab::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return fileDrag(static_cast<QDropEvent*>(event));
    default:
        return QWidget::eventFilter(watched, event);
    }
}

bool ToolTab::fileDrag(QDropEvent* event)
{
    const QString file = takesDroppedFiles() ? DroppedFile(event->mimeData()->urls()) : QString();
    if (file.isEmpty()) {
        event->ignore();
        return false;
    }
    event->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        openFile(file);
        returnFocusToTabs();
    }
    return true;
}

void ToolTab::chooseOutputFile()
{
    if (const auto chosen = askForFile({.kind = FileDialogRequest::Save,
                                        .title = QStringLiteral("Specify output file"),
                                        .filter = QStringLiteral(".htm files (*.htm) | *.htm")})) {
        m_outputRow->box()->setText(*chosen);
        clearResult();
    }
    updateShownButtons();
    returnFocusToTabs();
}

void ToolTab::fileNameEdited()
{
    if (!started())
        return;
    clearResult();
    updateShownButtons();
}

bool ToolTab::checkInputExtension()
{
    if (InputExtensionOK(m_slot, m_inputRow->box()->text()))
        return true;
    if (ExtensionMatches(m_inputRow->box()->text(), QStringLiteral("txt"), QString()))
        return true;
    platform().message(mainWindow(), QStringLiteral("Invalid file extension"),
                       ExtensionMessage(QStringLiteral("Input"), QStringLiteral("txt"), QString()),
                       MsgIcon::Exclamation);
    return false;
}

bool ToolTab::checkOutputExtension()
{
    const QString htm = QStringLiteral("htm"), html = QStringLiteral("html");
    if (ExtensionMatches(m_outputRow->box()->text(), htm, html))
        return true;
    platform().message(mainWindow(), QStringLiteral("Invalid file extension"),
                       ExtensionMessage(QStringLiteral("Output"), htm, html), MsgIcon::Exclamation);
    return false;
}

QString ToolTab::inputName() const
{
    return m_inputRow->box()->text().trimmed();
}

QString ToolTab::outputName() const
{
    return m_outputRow->box()->text().trimmed();
}

int32_t ToolTab::inputFlags() const
{
    const bool utf8 = ReadsAsUtf8(inputName());
    return VELLUM62_DECLARE_CHARSET | (utf8 ? VELLUM62_UTF8 : 0);
}

std::pair<QByteArray, QByteArray> ToolTab::colorArguments() const
{
    if (!m_colorRow->useColorsCheck()->isChecked())
        return {};
    return {ToLibraryText(m_colorRow->textHex()->text()), ToLibraryText(m_colorRow->backgroundHex()->text())};
}

} // namespace pagewright
