#include "platform/Numbers.h"

#include <limits>

namespace numbers {

std::optional<int> parseInt(const QString& text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

ConversionError::ConversionError(const QString& text)
    : std::runtime_error("not an integer")
    , message_(QStringLiteral("'%1' は有効な整数値ではありません．").arg(text))
{
}

int toInt(const QString& text)
{
    if (auto value = parseInt(text))
        return *value;
    throw ConversionError(text);
}

int leadingInt(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > std::numeric_limits<int>::max()) {
            value = std::numeric_limits<int>::max();
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

QString asciiDigits(QString text)
{
    for (QChar& c : text)
        if (c.unicode() >= u'０' && c.unicode() <= u'９')
            c = QChar(u'0' + (c.unicode() - u'０'));
    return text;
}

} // namespace numbers
