#include "rules/FileRules.h"

#include "text_encoding.h"

namespace pagewright
{

int SlotOfTab(int tabPosition)
{
    return tabPosition >= 1 ? tabPosition - 1 : TemplateSlot;
}

int TabOfSlot(int slot)
{
    return slot == TemplateSlot ? 0 : slot + 1;
}

int HeaderFooterIndexOfTab(int tabPosition)
{
    return tabPosition == 0 ? 1 : 0;
}

bool IsFullPath(const QString& text)
{
    return text.size() >= 2 && text.startsWith(QLatin1Char('/'));
}

bool HasHtmlExtension(const QString& output)
{
    if (output.size() < 4)
        return false;
    return output.right(3).toLower() == QLatin1String("htm") ||
           output.right(4).toLower() == QLatin1String("html");
}

bool ExtensionMatches(const QString& name, const QString& ext1, const QString& ext2)
{
    const QString text = name.trimmed();
    const qsizetype length = text.size();
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.')) + 1; // 1-based, 0 when none
    const auto matches = [&](const QString& ext) {
        return dot == length - ext.size() && text.mid(dot).toLower() == ext.toLower();
    };
    return matches(ext1) || (!ext2.isEmpty() && matches(ext2));
}

QString ExtensionMessage(const QString& kind, const QString& ext1, const QString& ext2)
{
    QString message = kind + QStringLiteral(" file must have file extension \"") + ext1 + QLatin1Char('"');
    if (!ext2.isEmpty())
        message += QStringLiteral(" or \"") + ext2 + QLatin1Char('"');
    return message + QLatin1Char('.');
}

QString ProposedOutputName(const QString& input, int slot)
{
    const bool data = slot == DataTableSlot &&
                      (input.endsWith(QLatin1String("csv")) || input.endsWith(QLatin1String("tsv")));
    if (input.size() >= 3 && (input.endsWith(QLatin1String("txt")) || data))
        return input.left(input.size() - 3) + QStringLiteral("htm");
    if (HasNoExtension(input))
        return input.trimmed() + QStringLiteral(".htm");
    return {};
}

bool HasNoExtension(const QString& name)
{
    const QString text = name.trimmed();
    const QStringView last = QStringView(text).mid(text.lastIndexOf(QLatin1Char('/')) + 1);
    return !last.isEmpty() && last.lastIndexOf(QLatin1Char('.')) <= 0;
}

bool InputExtensionOK(int slot, const QString& name)
{
    return ExtensionMatches(name, QStringLiteral("txt"), {}) || HasNoExtension(name) ||
           (slot == DataTableSlot && ExtensionMatches(name, QStringLiteral("csv"), QStringLiteral("tsv")));
}

DataFileTicks TicksForDataFile(const QString& name)
{
    const QByteArray bytes = name.trimmed().toUtf8();
    const bool data =
        isDataFileName(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return {data, data};
}

QString FolderOfPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

bool ReadsTextInput(int slot, ListSource listSource)
{
    return slot == TextSlot || slot == DataTableSlot ||
           (slot == ListSlot && listSource == ListSource::ReadFile);
}

bool ReadsInputFile(int slot, ListSource listSource)
{
    return ReadsTextInput(slot, listSource) || slot == CodeSlot;
}

ButtonStates ComputeButtonStates(const ButtonInputs& in)
{
    ButtonStates st;
    const bool html = HasHtmlExtension(in.output);
    const bool fullIn = IsFullPath(in.input);
    const bool fullOut = IsFullPath(in.output);
    switch (in.slot) {
    case TextSlot:
    case CodeSlot:
    case DataTableSlot:
        st.perform = fullIn && fullOut && html;
        st.viewInput = fullIn;
        break;
    case TableCreatorSlot:
    case TemplateSlot:
        st.perform = fullOut && html;
        break;
    case ListSlot:
        switch (in.listSource) {
        case ListSource::BlankList:
            st.perform = html;
            break;
        case ListSource::BlankListWithItemNumbers:
            st.perform = html && LeadingNumber(in.numberOfItems) > 0;
            break;
        case ListSource::ReadFile:
            st.perform = html && fullIn;
            break;
        }
        st.viewInput = in.specifyInput2Enabled && fullIn;
        break;
    default:
        break;
    }
    st.viewOutput = fullOut && in.outputReady && html;
    if (in.slot == TextSlot || in.slot == TemplateSlot) {
        st.viewHeader = IsFullPath(in.header);
        st.viewFooter = IsFullPath(in.footer);
    }
    st.title = in.templateHeader.isEmpty();
    return st;
}

} // namespace pagewright
