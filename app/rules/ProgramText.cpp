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
    case 0:
        return QStringLiteral("No program text was read.");
    case -1:
        return QStringLiteral("Cannot open file containing program text.\r\n") + path;
    case -2:
        return QStringLiteral("Particular memory allocation error.");
    case -3:
        return QStringLiteral("Too much program text.");
    case -4:
        return QStringLiteral("Text not recovered.");
    case -6:
        return QStringLiteral("File is empty.");
    case -7:
        return QStringLiteral("Error reading file.");
    case -8:
        return QStringLiteral("General memory allocation error.");
    default:
        break;
    }
    if (n < -1500)
        return QStringLiteral("Duplicate in program text at line %1.").arg(-(n + 1500));
    if (n <= -1001)
        return QStringLiteral("String too long at line %1.").arg(-(n + 1000));
    if (n <= -501)
        return QStringLiteral("Missing string at line %1.").arg(-(n + 500));
    return QStringLiteral("Error %1").arg(n);
}

QString GetText(int item, bool mainWindowLoaded)
{
    char buffer[corbel6::kMaxItemBytes];
    const int32_t n = corbel6::GetTextItem(item, 0, buffer, corbel6::kMaxItemBytes, mainWindowLoaded ? 1 : 0);
    return n >= 1 ? QString::fromUtf8(buffer, n) : QString();
}

} // namespace pagewright
