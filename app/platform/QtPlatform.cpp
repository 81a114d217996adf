#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace pagewright
{

namespace
{

// Gives the keyboard back to the window a modal dialog was shown over. Without a window manager
// (Xvfb, a bare X server) or offscreen no window is active once the dialog has gone, so nothing
// would have the focus until the user clicked the window; with one, this asks for what it does
// anyway. The window then hands the focus to its focus widget, which the handler that showed the
// dialog sets afterwards (the header box, the tab bar). A window still blocked by another modal
// dialog is left alone.
void ReactivateWindow(const QWidget* parent)
{
    QWidget* window = parent ? parent->window() : nullptr;
    const QWidget* modal = QApplication::activeModalWidget();
    if (window && window->isVisible() && (!modal || modal == window))
        window->activateWindow();
}

} // namespace

MsgAnswer QtPlatform::messageBox(QWidget* parent, const QString& title, const QString& text, MsgIcon icon,
                                 MsgButtons buttons)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    const int answer = box.exec();
    ReactivateWindow(parent);
    switch (answer) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    default:
        return MsgAnswer::Cancel;
    }
}

QString QtPlatform::qtFilter(const QString& filter)
{
    QString description = filter.section(QLatin1Char('|'), 0, 0).trimmed();
    description.replace(QLatin1String("(*.*)"), QLatin1String("(*)"));
    return description;
}

std::optional<QString> QtPlatform::chooseFile(QWidget* parent, const FileDialogRequest& request)
{
    // The dialogs open in the current folder, which start-up sets to the home folder.
    const QString folder = QDir::currentPath();
    QString chosen;
    if (request.kind == FileDialogRequest::Save) {
        // Unless asked to, the dialog does not ask about overwriting (the perform step does).
        const QString start =
            request.initialName.isEmpty() ? folder : QDir(folder).filePath(request.initialName);
        const QFileDialog::Options options =
            request.confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
        if (request.defaultSuffix.isEmpty()) {
            chosen = QFileDialog::getSaveFileName(parent, request.title, start, qtFilter(request.filter), nullptr,
                                                  options);
        } else {
            // The dialog adds the suffix itself, so that its overwrite question names the real file.
            QFileDialog dialog(parent, request.title, start, qtFilter(request.filter));
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setOptions(options);
            dialog.setDefaultSuffix(request.defaultSuffix);
            if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
                chosen = dialog.selectedFiles().constFirst();
        }
    } else {
        QFileDialog dialog(parent, request.title, folder, qtFilter(request.filter));
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }
    ReactivateWindow(parent);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

void QtPlatform::runModal(QDialog& dialog)
{
    dialog.exec();
    ReactivateWindow(dialog.parentWidget());
}

bool QtPlatform::openExternally(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace pagewright
