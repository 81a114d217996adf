// The seam for widget tests: every message box, file dialog, modal dialog and request to open
// a file must have been scripted, in order, with its answer. Anything unscripted, or different
// from the script, fails the running test; so does a scripted step left unused (verifyDone).
#ifndef PAGEWRIGHT_SCRIPTEDPLATFORM_H
#define PAGEWRIGHT_SCRIPTEDPLATFORM_H

#include "dialogs/frmHowToView.h"
#include "platform/Platform.h"

#include <QDialog>
#include <QPushButton>
#include <QStringList>

#include <deque>
#include <functional>

namespace pagewright
{

class ScriptedPlatform final : public Platform
{
public:
    // A message box with exactly this title, text, icon and buttons, answered with answer.
    void expectMessage(const QString& title, const QString& text, MsgIcon icon,
                       MsgButtons buttons = MsgButtons::Ok, MsgAnswer answer = MsgAnswer::Ok)
    {
        m_steps.push_back({Message(title, text, icon, buttons), answer});
    }
    // A file dialog with this title, filter and kind; chosen is the answer (empty: cancelled).
    void expectFileDialog(const FileDialogRequest& request, const QString& chosen)
    {
        m_steps.push_back({File(request), MsgAnswer::Ok, chosen});
    }
    // The program's dialog of class D; act runs on it while it is shown and must close it.
    template <typename D> void expectDialog(std::function<void(D&)> act)
    {
        m_steps.push_back({Dialog(D::staticMetaObject), MsgAnswer::Ok, {}, [act](QDialog& d) {
                               act(static_cast<D&>(d)); // of class D: its class name was compared
                           }});
    }
    // "How to view output file?" answered with one of its buttons.
    void expectHowToView(QPushButton* frmHowToView::*button)
    {
        expectDialog<frmHowToView>([button](frmHowToView& d) { (d.*button)->click(); });
    }
    // A request to open this address with its associated program, answered with opened.
    void expectOpen(const QUrl& url, bool opened)
    {
        m_steps.push_back(
            {QStringLiteral("open ") + url.toString(), opened ? MsgAnswer::Yes : MsgAnswer::No});
    }
    // Fails the test when scripted steps are left.
    bool verifyDone();

    MsgAnswer messageBox(QWidget* parent, const QString& title, const QString& text, MsgIcon icon,
                         MsgButtons buttons) override;
    std::optional<QString> chooseFile(QWidget* parent, const FileDialogRequest& request) override;
    void runModal(QDialog& dialog) override;
    bool openExternally(const QUrl& url) override;

private:
    struct Step {
        QString request;                  // as the log describes it
        MsgAnswer answer = MsgAnswer::Ok; // Yes: the address was opened
        QString chosen = {};
        std::function<void(QDialog&)> act = {};
    };
    static QString Message(const QString& title, const QString& text, MsgIcon icon, MsgButtons buttons);
    static QString File(const FileDialogRequest& request);
    static QString Dialog(const QMetaObject& dialogClass);
    // The next step, which must be this request; fails the test otherwise.
    bool take(const QString& request, Step& step);
    void fail(const QString& message);

    std::deque<Step> m_steps;
    QStringList m_log;
};

} // namespace pagewright

#endif
