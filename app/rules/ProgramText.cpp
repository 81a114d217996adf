#include "rules/ProgramText.h"

#include "rules/Encoding.h"

#include "corbel6.h"

#include <QFile>

namespace pagewright
{

QString ProgramTextPath(const QString& folder, const QString& fileName)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + fileName : folder + QLatin1Char('/') + fileName;
}

int LoadProgramTextTable(const QString& path)
{
    // The table keeps texts as bytes; a file that is not UTF-8 would show as garbled texts.
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && !IsValidUtf8(file.readAll()))
        return corbel6::kTextNotRecovered;
    return corbel6::LoadTextTable(QFile::encodeName(path).constData(), 0);
}

QString ProgramTextFailureMessage(int n, const QString& path)
{
    switch (n) {
    case corbel6::kNoText:
        return QStringLiteral("No program text was read.");
    case corbel6::kCannotOpen:
        return QStringLiteral("Cannot open file containing program text.\r\n") + path;
    case corbel6::kItemAllocation:
        return QStringLiteral("Particular memory allocation error.");
    case corbel6::kTooMuchText:
        return QStringLiteral("Too much program text.");
    case corbel6::kTextNotRecovered:
        return QStringLiteral("Text not recovered.");
    case corbel6::kFileEmpty:
        return QStringLiteral("File is empty.");
    case corbel6::kReadError:
        return QStringLiteral("Error reading file.");
    case corbel6::kGeneralAllocation:
        return QStringLiteral("General memory allocation error.");
    default:
        break;
    }
    if (n < corbel6::kDuplicateBase)
        return QStringLiteral("Duplicate in program text at line %1.").arg(corbel6::kDuplicateBase - n);
    if (n < corbel6::kStringTooLongBase)
        return QStringLiteral("String too long at line %1.").arg(corbel6::kStringTooLongBase - n);
    if (n < corbel6::kMissingStringBase)
        return QStringLiteral("Missing string at line %1.").arg(corbel6::kMissingStringBase - n);
    return QStringLiteral("Error %1").arg(n);
}

QString GetText(int item, bool mainWindowLoaded)
{
    char buffer[corbel6::kMaxItemBytes];
    const int32_t n = corbel6::GetTextItem(item, 0, buffer, corbel6::kMaxItemBytes, mainWindowLoaded ? 1 : 0);
    return n >= 1 ? QString::fromUtf8(buffer, n) : QString();
}

} // namespace pagewright
