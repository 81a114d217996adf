// The conversion library libvellum62.so, loaded by file name from the program's folder. Each
// export is bound by its plain name on its first call; a missing library or export becomes a
// message for the tab's result line instead of a crash.
#ifndef PAGEWRIGHT_CONVERSIONLIBRARY_H
#define PAGEWRIGHT_CONVERSIONLIBRARY_H

#include <QByteArray>
#include <QHash>
#include <QLibrary>
#include <QString>

namespace pagewright
{

class ConversionLibrary
{
public:
    // folder: where libvellum62.so lies (the program's own folder).
    explicit ConversionLibrary(QString folder);

    static constexpr const char* kFileName = "libvellum62.so";

    // The export as a function of type Fn, or nullptr with the reason in *error.
    template <typename Fn> Fn bind(const char* name, QString* error)
    {
        return reinterpret_cast<Fn>(resolve(name, error));
    }

private:
    QFunctionPointer resolve(const char* name, QString* error);

    QLibrary m_library;
    QHash<QByteArray, QFunctionPointer> m_bound;
};

} // namespace pagewright

#endif
