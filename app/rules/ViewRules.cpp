#include "rules/ViewRules.h"

#include "rules/ProgramText.h"

namespace pagewright
{

int FitsViewLimit(qint64 length, int limitKB)
{
    return length <= static_cast<qint64>(limitKB) * 1024 ? 1 : 0;
}

QString SizeInKBText(qint64 length)
{
    return QLatin1Char(' ') + QString::number(length / 1024);
}

QString InputTooLargeMessage(const QString& name, qint64 length)
{
    return QStringLiteral("The size of ") + name + QStringLiteral(" is") + SizeInKBText(length) +
           QStringLiteral(" KB.\r\nThis file is too large to display here.\r\n") +
           QStringLiteral("Please use a program such as WordPad to view this file.");
}

QString OutputTooLargeMessage(const QString& name, qint64 length)
{
    return GetText(TooLargeIntro) + QLatin1Char(' ') + name + QStringLiteral(" is") + SizeInKBText(length) +
           QStringLiteral(" KB.\r\n") + GetText(TooLargeLine2) + QStringLiteral("\r\n") +
           GetText(TooLargeLine3a) + QLatin1Char(' ') + GetText(TooLargeLine3b);
}

QString OpenDocumentFailureMessage(const QString& path)
{
    return QStringLiteral("Error opening file ") + path +
           QStringLiteral(".\r\nPerhaps the file extension is incorrect.");
}

QString LaunchBrowserFailureMessage()
{
    return QStringLiteral("Error launching web browser. Please make sure that your web browser is correctly "
                          "installed and configured");
}

QString ReadErrorMessage(int number, const QString& description)
{
    return QStringLiteral("Error %1.  ").arg(number) + description;
}

} // namespace pagewright
