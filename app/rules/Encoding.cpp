#include "rules/Encoding.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace pagewright
{

namespace
{

// Checks bytes that arrive in blocks; a character cut at the end of one block is completed by
// the next.
class Utf8Scan
{
public:
    void add(QByteArrayView bytes)
    {
        m_beyondAscii = m_beyondAscii || std::any_of(bytes.begin(), bytes.end(), [](char c) {
                            return static_cast<unsigned char>(c) >= 0x80;
                        });
        const QString decoded = m_decoder.decode(bytes); // decoding happens on conversion
    }
    // Valid when no block held an error and no character is left unfinished: an ASCII byte
    // after an unfinished character is an error too.
    bool finishValid()
    {
        const QString last = m_decoder.decode(QByteArrayView("\n"));
        return !m_decoder.hasError();
    }
    bool beyondAscii() const { return m_beyondAscii; }
    bool failed() const { return m_decoder.hasError(); }

private:
    QStringDecoder m_decoder{QStringDecoder::Utf8};
    bool m_beyondAscii = false;
};

} // namespace

bool IsValidUtf8(const QByteArray& bytes)
{
    Utf8Scan scan;
    scan.add(bytes);
    return scan.finishValid();
}

bool ReadsAsUtf8(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Blocks, so that a large file never sits in memory whole.
    Utf8Scan scan;
    QByteArray block;
    while (!scan.failed() && !(block = file.read(1 << 16)).isEmpty())
        scan.add(block);
    return file.error() == QFileDevice::NoError && scan.finishValid() && scan.beyondAscii();
}

} // namespace pagewright
