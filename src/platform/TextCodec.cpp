#include "platform/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace cp932 {

QByteArray encode(const QString& text)
{
    QStringEncoder encoder("CP932");
    return encoder.encode(text);
}

QString decode(const QByteArray& bytes)
{
    QStringDecoder decoder("CP932");
    return decoder.decode(bytes);
}

int byteCount(const QString& text)
{
    return static_cast<int>(encode(text).size());
}

bool canEncode(const QString& text)
{
    QStringEncoder encoder("CP932");
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}

} // namespace cp932
