#include "platform/QtPlatform.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace pagewright
{

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
    switch (box.exec()) {
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
        chosen = QFileDialog::getSaveFileName(parent, request.title, start, qtFilter(request.filter), nullptr,
                                              request.confirmOverwrite ? QFileDialog::Options()
                                                                       : QFileDialog::DontConfirmOverwrite);
    } else {
        QFileDialog dialog(parent, request.title, folder, qtFilter(request.filter));
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

void QtPlatform::runModal(QDialog& dialog)
{
    dialog.exec();
}

bool QtPlatform::openExternally(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace pagewright
