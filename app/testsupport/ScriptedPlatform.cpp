#include "ScriptedPlatform.h"

#include <QTest>

namespace pagewright
{
namespace
{

const char* KindName(int kind)
{
    static const char* names[] = {"message box", "file dialog", "dialog", "open request"};
    return names[kind];
}

QString IconName(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::None:
        return QStringLiteral("no icon");
    case MsgIcon::Information:
        return QStringLiteral("information");
    case MsgIcon::Exclamation:
        return QStringLiteral("exclamation");
    case MsgIcon::Question:
        return QStringLiteral("question");
    case MsgIcon::Stop:
        return QStringLiteral("stop");
    }
    return {};
}

} // namespace

void ScriptedPlatform::expectMessage(const QString& title, const QString& text, MsgIcon icon,
                                     MsgButtons buttons, MsgAnswer answer)
{
    Step step;
    step.kind = Kind::Message;
    step.title = title;
    step.text = text;
    step.icon = icon;
    step.buttons = buttons;
    step.answer = answer;
    m_steps.push_back(step);
}

void ScriptedPlatform::expectFileDialog(FileDialogRequest request, const QString& chosen)
{
    Step step;
    step.kind = Kind::File;
    step.request = std::move(request);
    step.chosen = chosen;
    m_steps.push_back(step);
}

void ScriptedPlatform::expectDialog(const QString& objectName, std::function<void(QDialog&)> act)
{
    Step step;
    step.kind = Kind::Dialog;
    step.title = objectName;
    step.act = std::move(act);
    m_steps.push_back(step);
}

void ScriptedPlatform::expectOpen(const QUrl& url, bool opened)
{
    Step step;
    step.kind = Kind::Open;
    step.url = url;
    step.opened = opened;
    m_steps.push_back(step);
}

void ScriptedPlatform::fail(const QString& message)
{
    QTest::qFail(qPrintable(message + QStringLiteral("\nSeam log:\n  ") + m_log.join(QStringLiteral("\n  "))),
                 __FILE__, __LINE__);
}

bool ScriptedPlatform::take(Kind kind, const QString& what, Step& step)
{
    m_log << what;
    if (m_steps.empty()) {
        fail(QStringLiteral("Unexpected %1: %2")
                 .arg(QString::fromLatin1(KindName(static_cast<int>(kind))), what));
        return false;
    }
    step = m_steps.front();
    m_steps.pop_front();
    if (step.kind != kind) {
        fail(QStringLiteral("Expected a %1 but got a %2: %3")
                 .arg(QString::fromLatin1(KindName(static_cast<int>(step.kind))),
                      QString::fromLatin1(KindName(static_cast<int>(kind))), what));
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
        left << QString::fromLatin1(KindName(static_cast<int>(s.kind))) + QStringLiteral(": ") + s.title +
                    s.text + s.request.title + s.url.toString();
    m_steps.clear();
    fail(QStringLiteral("Scripted steps left unused:\n  ") + left.join(QStringLiteral("\n  ")));
    return false;
}

MsgAnswer ScriptedPlatform::messageBox(QWidget*, const QString& title, const QString& text, MsgIcon icon,
                                       MsgButtons buttons)
{
    Step step;
    const QString what = QStringLiteral("message [%1] \"%2\" (%3)").arg(title, text, IconName(icon));
    if (!take(Kind::Message, what, step))
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    if (step.title != title || step.text != text || step.icon != icon || step.buttons != buttons) {
        fail(
            QStringLiteral(
                "Message box differs.\n  expected: [%1] \"%2\" (%3, buttons %4)\n  actual:   %5 (buttons %6)")
                .arg(step.title, step.text, IconName(step.icon))
                .arg(static_cast<int>(step.buttons))
                .arg(what)
                .arg(static_cast<int>(buttons)));
    }
    return step.answer;
}

std::optional<QString> ScriptedPlatform::chooseFile(QWidget*, const FileDialogRequest& request)
{
    Step step;
    const QString what =
        QStringLiteral("file dialog [%1] filter \"%2\" kind %3 mustExist %4 initial \"%5\" confirm %6")
            .arg(request.title, request.filter)
            .arg(static_cast<int>(request.kind))
            .arg(request.mustExist)
            .arg(request.initialName)
            .arg(request.confirmOverwrite);
    if (!take(Kind::File, what, step))
        return std::nullopt;
    if (step.request.title != request.title || step.request.filter != request.filter ||
        step.request.kind != request.kind || step.request.mustExist != request.mustExist ||
        step.request.initialName != request.initialName ||
        step.request.confirmOverwrite != request.confirmOverwrite)
        fail(QStringLiteral("File dialog differs from the script [%1] \"%2\": %3")
                 .arg(step.request.title, step.request.filter, what));
    if (step.chosen.isEmpty())
        return std::nullopt;
    return step.chosen;
}

void ScriptedPlatform::runModal(QDialog& dialog)
{
    Step step;
    if (!take(Kind::Dialog, QStringLiteral("dialog %1").arg(dialog.objectName()), step))
        return;
    if (step.title != dialog.objectName()) {
        fail(QStringLiteral("Expected dialog %1, got %2").arg(step.title, dialog.objectName()));
        return;
    }
    dialog.show();
    step.act(dialog);
    if (dialog.isVisible()) {
        fail(QStringLiteral("The script left dialog %1 open").arg(dialog.objectName()));
        dialog.reject();
    }
}

bool ScriptedPlatform::openExternally(const QUrl& url)
{
    Step step;
    if (!take(Kind::Open, QStringLiteral("open %1").arg(url.toString()), step))
        return false;
    if (step.url != url)
        fail(QStringLiteral("Expected to open %1, got %2").arg(step.url.toString(), url.toString()));
    return step.opened;
}

} // namespace pagewright
