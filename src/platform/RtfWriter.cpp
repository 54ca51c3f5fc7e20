#include "platform/RtfWriter.h"

#include "platform/TextCodec.h"

#include <QHash>
#include <cmath>

namespace rtf {
namespace {

void appendHex(QByteArray& out, const QByteArray& bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    for (char b : bytes) {
        const auto v = static_cast<unsigned char>(b);
        out += "\\'";
        out += kDigits[v >> 4];
        out += kDigits[v & 15];
    }
}

// A character outside ASCII: \uN takes a signed 16-bit number, so a character outside the basic
// plane is written as its two UTF-16 halves; \ucN tells readers how many fallback bytes (its
// Shift-JIS form, else "?") follow. A converter costs far more to open than to use and a view
// repeats few characters, so each thread keeps the escapes it has made.
QByteArray unicodeEscape(QChar ch)
{
    thread_local QHash<char16_t, QByteArray> known;
    const auto found = known.constFind(ch.unicode());
    if (found != known.cend())
        return *found;
    const QString text(ch);
    const QByteArray fallback = !ch.isSurrogate() && cp932::canEncode(text) ? cp932::encode(text) : QByteArray();
    QByteArray out = "\\uc" + QByteArray::number(fallback.isEmpty() ? 1 : fallback.size()) + "\\u"
        + QByteArray::number(static_cast<int>(static_cast<int16_t>(ch.unicode())));
    if (fallback.isEmpty())
        out += '?';
    else
        appendHex(out, fallback);
    known.insert(ch.unicode(), out);
    return out;
}

QByteArray colour(const Rgb& c)
{
    return "\\red" + QByteArray::number(c[0]) + "\\green" + QByteArray::number(c[1]) + "\\blue"
        + QByteArray::number(c[2]) + ';';
}

} // namespace

QByteArray escape(const QString& text)
{
    QByteArray out;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        const char16_t u = ch.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u == u' ' && i > 0 && text.at(i - 1) == u' ') {
            // A run of blanks keeps its width: LibreOffice widens blanks that follow each
            // other within one piece of text, so each further blank stands in its own group.
            out += "{ }";
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u >= 0x20 && u < 0x7f) {
            out += static_cast<char>(u);
        } else if (u < 0x20) {
            continue; // other control characters have no place in a line
        } else {
            out += unicodeEscape(ch);
        }
    }
    return out;
}

QByteArray document(const QStringList& lines, const Style& style)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg932\\deff0\r\n";
    QByteArray fontName;
    appendHex(fontName, cp932::encode(style.fontFamily));
    out += "{\\fonttbl{\\f0\\fnil\\fcharset128 " + fontName + ";}}\r\n";
    out += "{\\colortbl ;" + colour(style.text);
    if (style.background)
        out += colour(*style.background);
    out += "}\r\n";

    QByteArray paragraph = "\\pard\\plain";
    paragraph += style.centered ? "\\qc" : "\\ql";
    if (style.background)
        paragraph += "\\cbpat2";
    paragraph += "\\f0\\fs" + QByteArray::number(std::lround(style.pointSize * 2)) + "\\cf1";
    if (style.bold)
        paragraph += "\\b";
    if (style.italic)
        paragraph += "\\i";
    if (style.underline)
        paragraph += "\\ul";
    paragraph += ' ';

    for (const QString& line : lines)
        out += paragraph + escape(line) + "\\par\r\n";
    out += "}\r\n";
    return out;
}

} // namespace rtf
