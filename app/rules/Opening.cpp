#include "rules/Opening.h"

#include <QFileInfo>

namespace pagewright
{

const QStringList& CodeExtensions()
{
    // The extensions the library's colouring recognises a language by.
    static const QStringList extensions{
        QStringLiteral("c"),    QStringLiteral("h"),   QStringLiteral("cc"),   QStringLiteral("cpp"),
        QStringLiteral("hpp"),  QStringLiteral("py"),  QStringLiteral("js"),   QStringLiteral("mjs"),
        QStringLiteral("sh"),   QStringLiteral("bash"), QStringLiteral("java"), QStringLiteral("go"),
        QStringLiteral("rs"),   QStringLiteral("json"), QStringLiteral("css"),  QStringLiteral("html")};
    return extensions;
}

Slot SlotForFile(const QString& name)
{
    const QStringView last = QStringView(name).mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = last.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return TextSlot;
    const QString extension = last.mid(dot + 1).toString().toLower();
    if (extension == QLatin1String("tbl"))
        return TableCreatorSlot;
    if (extension == QLatin1String("csv") || extension == QLatin1String("tsv"))
        return DataTableSlot;
    return CodeExtensions().contains(extension) ? CodeSlot : TextSlot;
}

QString DroppedFile(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && !QFileInfo(path).isDir())
            return path;
    }
    return {};
}

} // namespace pagewright
