// The seam for widget tests: every message box, file dialog, modal dialog and request to open
// a file must have been scripted, in order, with its answer. Anything unscripted, or different
// from the script, fails the running test; so does a scripted step left unused (verifyDone).
#ifndef PAGEWRIGHT_SCRIPTEDPLATFORM_H
#define PAGEWRIGHT_SCRIPTEDPLATFORM_H

#include "platform/Platform.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>

namespace pagewright
{

class ScriptedPlatform final : public Platform
{
public:
    // A message box with exactly this title, text, icon and buttons, answered with answer.
    void expectMessage(const QString& title, const QString& text, MsgIcon icon,
                       MsgButtons buttons = MsgButtons::Ok, MsgAnswer answer = MsgAnswer::Ok);
    // A file dialog with this title, filter and kind; chosen is the answer (empty: cancelled).
    void expectFileDialog(FileDialogRequest request, const QString& chosen);
    // The program's dialog with this object name; act runs on it while it is shown and must
    // close it (click one of its buttons).
    void expectDialog(const QString& objectName, std::function<void(QDialog&)> act);
    // A request to open this address with its associated program, answered with opened.
    void expectOpen(const QUrl& url, bool opened);

    // Fails the test when scripted steps are left.
    bool verifyDone();
    // Everything asked of the seam so far, one line each (for failure messages).
    const QStringList& log() const { return m_log; }

    MsgAnswer messageBox(QWidget* parent, const QString& title, const QString& text, MsgIcon icon,
                         MsgButtons buttons) override;
    std::optional<QString> chooseFile(QWidget* parent, const FileDialogRequest& request) override;
    void runModal(QDialog& dialog) override;
    bool openExternally(const QUrl& url) override;

private:
    enum class Kind { Message, File, Dialog, Open };
    struct Step {
        Kind kind = Kind::Message;
        QString title;
        QString text;
        MsgIcon icon = MsgIcon::None;
        MsgButtons buttons = MsgButtons::Ok;
        MsgAnswer answer = MsgAnswer::Ok;
        FileDialogRequest request;
        QString chosen;
        std::function<void(QDialog&)> act;
        QUrl url;
        bool opened = false;
    };
    // The next step if it is of this kind; fails the test otherwise.
    bool take(Kind kind, const QString& what, Step& step);
    void fail(const QString& message);

    std::deque<Step> m_steps;
    QStringList m_log;
};

} // namespace pagewright

#endif
