#include "library/ConversionLibrary.h"

#include <QDir>

namespace pagewright
{

ConversionLibrary::ConversionLibrary(QString folder)
    : m_library(QDir(folder).filePath(QString::fromLatin1(kFileName)))
{
}

QFunctionPointer ConversionLibrary::resolve(const char* name, QString* error)
{
    const QByteArray key(name);
    if (const auto it = m_bound.constFind(key); it != m_bound.constEnd())
        return it.value();
    if (!m_library.isLoaded() && !m_library.load()) {
        if (error) {
            *error = QStringLiteral("Conversion library %1 could not be loaded: %2")
                         .arg(QString::fromLatin1(kFileName), m_library.errorString());
        }
        return nullptr;
    }
    const QFunctionPointer fn = m_library.resolve(name);
    if (fn == nullptr) {
        if (error) {
            *error =
                QStringLiteral("Conversion library %1 has no function %2: %3")
                    .arg(QString::fromLatin1(kFileName), QString::fromLatin1(name), m_library.errorString());
        }
        return nullptr;
    }
    m_bound.insert(key, fn);
    return fn;
}

} // namespace pagewright
