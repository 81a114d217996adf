#include "rules/Opening.h"

#include "messages.h"

#include <QFileInfo>

namespace pagewright
{

const QStringList& CodeExtensions()
{
    // The extensions the converter's colouring recognises a language by.
    static const QStringList extensions = [] {
        QStringList list;
        for (const pagewright::CodeExtension& e : pagewright::codeExtensions())
            list << QString::fromLatin1(e.extension.data(), static_cast<qsizetype>(e.extension.size()));
        return list;
    }();
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
