#include "ScriptedPlatform.h"

#include <QTest>

namespace pagewright
{
namespace
{

QString MessageStep(const QString& title, const QString& text, MsgIcon icon, MsgButtons buttons)
{
    static const char* const icons[] = {"no icon", "information", "exclamation", "question", "stop"};
    static const char* const sets[] = {"OK", "Yes/No", "Yes/No/Cancel"};
    return QStringLiteral("message [%1] \"%2\" (%3, %4)")
        .arg(title, text, QLatin1String(icons[int(icon)]), QLatin1String(sets[int(buttons)]));
}

QString FileStep(const FileDialogRequest& r)
{
    return QStringLiteral("%1 dialog [%2] \"%3\"%4")
        .arg(r.kind == FileDialogRequest::Open ? "open" : "save", r.title, r.filter,
             r.mustExist ? " must exist" : "");
}

QString OpenStep(const QUrl& url)
{
    return QStringLiteral("open ") + url.toString();
}

} // namespace

QString ScriptedPlatform::DialogStep(const char* className)
{
    return QStringLiteral("dialog ") + QLatin1String(className);
}

void ScriptedPlatform::push(Kind kind, const QString& expected, std::function<void(QDialog&)> act,
                            MsgAnswer answer, const QString& chosen)
{
    m_steps.push_back({kind, expected, std::move(act), answer, chosen});
}

void ScriptedPlatform::expectMessage(const QString& title, const QString& text, MsgIcon icon,
                                     MsgButtons buttons, MsgAnswer answer)
{
    push(Kind::Message, MessageStep(title, text, icon, buttons), {}, answer);
}

void ScriptedPlatform::expectFileDialog(FileDialogRequest request, const QString& chosen)
{
    push(Kind::File, FileStep(request), {}, MsgAnswer::Ok, chosen);
}

void ScriptedPlatform::expectOpen(const QUrl& url, bool opened)
{
    push(Kind::Open, OpenStep(url), {}, opened ? MsgAnswer::Yes : MsgAnswer::No);
}

void ScriptedPlatform::fail(const QString& message)
{
    QTest::qFail(qPrintable(message + QStringLiteral("\nSeam log:\n  ") + m_log.join(QStringLiteral("\n  "))),
                 __FILE__, __LINE__);
}

bool ScriptedPlatform::take(Kind kind, const QString& request, Step& step)
{
    m_log << request;
    if (m_steps.empty()) {
        fail(QStringLiteral("Unexpected ") + request);
        return false;
    }
    step = m_steps.front();
    m_steps.pop_front();
    if (step.kind != kind || step.expected != request) {
        fail(QStringLiteral("Expected %1\n  but got %2").arg(step.expected, request));
        return false;
    }
    return true;
}

bool ScriptedPlatform::verifyDone()
{
    if (m_steps.empty())
        return true;
    QStringList left;
    for (const Step& s : m_steps)
        left << s.expected;
    m_steps.clear();
    fail(QStringLiteral("Scripted steps left unused:\n  ") + left.join(QStringLiteral("\n  ")));
    return false;
}

MsgAnswer ScriptedPlatform::messageBox(QWidget*, const QString& title, const QString& text, MsgIcon icon,
                                       MsgButtons buttons)
{
    Step step;
    if (!take(Kind::Message, MessageStep(title, text, icon, buttons), step))
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    return step.answer;
}

std::optional<QString> ScriptedPlatform::chooseFile(QWidget*, const FileDialogRequest& request)
{
    Step step;
    if (!take(Kind::File, FileStep(request), step) || step.chosen.isEmpty())
        return std::nullopt;
    return step.chosen;
}

void ScriptedPlatform::runModal(QDialog& dialog)
{
    Step step;
    if (!take(Kind::Dialog, DialogStep(dialog.metaObject()->className()), step))
        return;
    dialog.show();
    step.act(dialog);
    if (dialog.isVisible()) {
        fail(QStringLiteral("The script left %1 open").arg(step.expected));
        dialog.reject();
    }
}

bool ScriptedPlatform::openExternally(const QUrl& url)
{
    Step step;
    return take(Kind::Open, OpenStep(url), step) && step.answer == MsgAnswer::Yes;
}

} // namespace pagewright
