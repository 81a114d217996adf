#include "frontends/ResultCaptions.h"

namespace pagewright {
namespace {

QString HtmlRefusal(const char* tag)
{
    return QStringLiteral("Input file contains \"") + QLatin1String(tag) +
           QStringLiteral("\" so appears to be HTML not text.") + QStringLiteral(" No output file created.");
}

// The captions both txt2h tabs share; empty for a code they do not name.
QString HeaderFooterCaption(int code)
{
    switch (code) {
    case -5:
        return QStringLiteral("Could not open header file or footer file (standard header and footer used).");
    case -4:
        return QStringLiteral("Could not open footer file (standard footer used).");
    case -3:
        return QStringLiteral("Could not open header file (standard header used).");
    case -2:
        return QStringLiteral("Could not open output file.");
    default:
        return {};
    }
}

} // namespace

RunResult TextToHtmlResult(int code)
{
    if (code == -7)
        return {HtmlRefusal("<X-HTML>"), false};
    if (code == -6)
        return {HtmlRefusal("<HTML>"), false};
    if (code == -1)
        return {QStringLiteral("Could not open input file."), false};
    const QString failure = HeaderFooterCaption(code);
    if (!failure.isEmpty())
        return {failure, false};
    return {QStringLiteral("Conversion successful."), true};
}

RunResult TemplateResult(int code)
{
    const QString failure = HeaderFooterCaption(code);
    if (!failure.isEmpty())
        return {failure, false};
    return {QStringLiteral("HTML template file successfully created."), true};
}

QString ToolNotAvailableCaption()
{
    return QStringLiteral("This tool is not available yet.");
}

bool CaptionRefusesHtmlInput(const QString& caption)
{
    return caption.startsWith(QLatin1String("Input file contains"), Qt::CaseInsensitive);
}

} // namespace pagewright
