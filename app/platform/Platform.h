// The program's one seam to everything modal or external: message boxes, the file dialogs,
// showing the program's own modal dialogs, and opening files or addresses with their associated
// program. The program uses QtPlatform; tests use a scripted implementation.
#ifndef PAGEWRIGHT_PLATFORM_H
#define PAGEWRIGHT_PLATFORM_H

#include <QString>
#include <QUrl>

#include <optional>

class QDialog;
class QWidget;

namespace pagewright
{

enum class MsgIcon { None, Information, Exclamation, Question, Stop };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct FileDialogRequest {
    enum Kind { Open, Save };
    Kind kind = Open;
    QString title = {};
    QString filter = {};           // "description | pattern", e.g. "All files (*.*) | *.*"
    bool mustExist = false;        // open dialogs: the chosen file and its folder must exist
    QString initialName = {};      // the file name proposed at first; empty: none
    bool confirmOverwrite = false; // save dialogs: ask before an existing file is chosen
    QString defaultSuffix = {};    // save dialogs: added to a name typed without an extension
};

class Platform
{
public:
    virtual ~Platform() = default;

    // Shows a message box and returns the button that closed it. Lines are separated by CR LF.
    virtual MsgAnswer messageBox(QWidget* parent, const QString& title, const QString& text, MsgIcon icon,
                                 MsgButtons buttons) = 0;
    // Shows a file dialog; the chosen file's full name, or nothing when cancelled.
    virtual std::optional<QString> chooseFile(QWidget* parent, const FileDialogRequest& request) = 0;
    // Shows one of the program's own dialogs modally and returns when it has been closed.
    virtual void runModal(QDialog& dialog) = 0;
    // Opens a file or an address with the program the desktop associates with it.
    virtual bool openExternally(const QUrl& url) = 0;

    // A message box with one OK button.
    void message(QWidget* parent, const QString& title, const QString& text, MsgIcon icon)
    {
        messageBox(parent, title, text, icon, MsgButtons::Ok);
    }
};

} // namespace pagewright

#endif
