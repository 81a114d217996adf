#include "rules/CodeColouring.h"

#include "messages.h"
#include "vellum62.h"

#include <QSettings>

namespace pagewright
{
namespace
{

constexpr char kColourKey[] = "codeColour";
constexpr char kLanguageKey[] = "codeLanguage";
constexpr char kLineNumbersKey[] = "codeLineNumbers";
constexpr char kAutomatic[] = "automatic";

// "true" or "false" as QSettings writes them; anything else is the default.
bool ReadSwitch(const QSettings& file, const char* key, bool fallback)
{
    const QString value = file.value(key).toString();
    if (value == QLatin1String("true"))
        return true;
    if (value == QLatin1String("false"))
        return false;
    return fallback;
}

} // namespace

QStringList CodeLanguageEntries()
{
    QStringList entries{QStringLiteral("Automatic")};
    for (const CodeLanguage& language : codeLanguages())
        entries << QString::fromUtf8(language.label.data(), qsizetype(language.label.size()));
    return entries;
}

QString CodeLanguageAt(int index)
{
    const auto languages = codeLanguages();
    if (index < 1 || size_t(index) > languages.size())
        return {};
    const std::string_view name = languages[size_t(index) - 1].name;
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

int CodeLanguageIndex(const QString& name)
{
    const auto languages = codeLanguages();
    for (size_t i = 0; i < languages.size(); ++i)
        if (name == QLatin1String(languages[i].name.data(), qsizetype(languages[i].name.size())))
            return int(i) + 1;
    return 0;
}

int32_t ColouringOptions(const CodeColouring& choices)
{
    return (choices.colour ? VELLUM62_COLOR_CODE : 0) | (choices.lineNumbers ? VELLUM62_LINE_NUMBERS : 0);
}

CodeColouring ReadCodeColouring(const QString& path)
{
    const QSettings file(path, QSettings::IniFormat);
    CodeColouring choices;
    choices.colour = ReadSwitch(file, kColourKey, choices.colour);
    choices.language = CodeLanguageAt(CodeLanguageIndex(file.value(kLanguageKey).toString()));
    choices.lineNumbers = ReadSwitch(file, kLineNumbersKey, choices.lineNumbers);
    return choices;
}

bool WriteCodeColouring(const QString& path, const CodeColouring& choices)
{
    // One sync writes the three keys together, through QSaveFile: a failed write leaves the old file.
    QSettings file(path, QSettings::IniFormat);
    const auto text = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
    file.setValue(kColourKey, text(choices.colour));
    file.setValue(kLanguageKey,
                  choices.language.isEmpty() ? QString::fromLatin1(kAutomatic) : choices.language);
    file.setValue(kLineNumbersKey, text(choices.lineNumbers));
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace pagewright
