#include "ScriptedPlatform.h"

#include <QTest>

namespace pagewright
{

QString ScriptedPlatform::Message(const QString& title, const QString& text, MsgIcon icon, MsgButtons buttons)
{
    static const char* const icons[] = {"no icon", "information", "exclamation", "question", "stop"};
    static const char* const sets[] = {"OK", "Yes/No", "Yes/No/Cancel"};
    return QStringLiteral("message [%1] \"%2\" (%3, %4)")
        .arg(title, text, QLatin1String(icons[int(icon)]), QLatin1String(sets[int(buttons)]));
}

QString ScriptedPlatform::File(const FileDialogRequest& r)
{
    return QStringLiteral("%1 dialog [%2] \"%3\"%4%5%6%7")
        .arg(r.kind == FileDialogRequest::Open ? "open" : "save", r.title, r.filter,
             r.mustExist ? " must exist" : "",
             r.initialName.isEmpty() ? QString() : QStringLiteral(" proposing \"%1\"").arg(r.initialName),
             r.confirmOverwrite ? " asking before overwriting" : "",
             r.defaultSuffix.isEmpty() ? QString() : QStringLiteral(" adding \".%1\"").arg(r.defaultSuffix));
}

QString ScriptedPlatform::Dialog(const QMetaObject& dialogClass)
{
    return QStringLiteral("dialog ") + QLatin1String(dialogClass.className());
}

void ScriptedPlatform::fail(const QString& message)
{
    QTest::qFail(qPrintable(message + QStringLiteral("\nSeam log:\n  ") + m_log.join(QStringLiteral("\n  "))),
                 __FILE__, __LINE__);
}

bool ScriptedPlatform::take(const QString& request, Step& step)
{
    m_log << request;
    if (m_steps.empty()) {
        fail(QStringLiteral("Unexpected ") + request);
        return false;
    }
    step = m_steps.front();
    m_steps.pop_front();
    if (step.request != request)
        fail(QStringLiteral("Expected %1\n  but got %2").arg(step.request, request));
    return step.request == request;
}

bool ScriptedPlatform::verifyDone()
{
    QStringList left;
    for (const Step& s : m_steps)
        left << s.request;
    m_steps.clear();
    if (!left.isEmpty())
        fail(QStringLiteral("Scripted steps left unused:\n  ") + left.join(QStringLiteral("\n  ")));
    return left.isEmpty();
}

MsgAnswer ScriptedPlatform::messageBox(QWidget*, const QString& title, const QString& text, MsgIcon icon,
                                       MsgButtons buttons)
{
    Step step;
    if (!take(Message(title, text, icon, buttons), step))
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    return step.answer;
}

std::optional<QString> ScriptedPlatform::chooseFile(QWidget*, const FileDialogRequest& request)
{
    Step step;
    if (!take(File(request), step) || step.chosen.isEmpty())
        return std::nullopt;
    return step.chosen;
}

void ScriptedPlatform::runModal(QDialog& dialog)
{
    Step step;
    if (!take(Dialog(*dialog.metaObject()), step))
        return;
    dialog.show();
    step.act(dialog);
    if (dialog.isVisible()) {
        fail(QStringLiteral("The script left %1 open").arg(step.request));
        dialog.reject();
    }
}

bool ScriptedPlatform::openExternally(const QUrl& url)
{
    Step step;
    return take(QStringLiteral("open ") + url.toString(), step) && step.answer == MsgAnswer::Yes;
}

} // namespace pagewright
