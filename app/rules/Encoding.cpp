#include "rules/Encoding.h"

#include "text_encoding.h"

#include <QFile>

namespace pagewright
{

bool IsValidUtf8(const QByteArray& bytes)
{
    return isValidUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool ReadsAsUtf8(const QString& path)
{
    return fileReadsAsUtf8(QFile::encodeName(path).toStdString());
}

} // namespace pagewright
