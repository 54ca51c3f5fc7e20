#include "platform/PdfText.h"

#include "platform/TextCodec.h"

#include <QFile>
#include <QFont>
#include <QHash>
#include <QMap>
#include <QRawFont>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QtEndian>
#include <optional>
#include <vector>

namespace pdftext {

namespace {

using Corrections = QHash<char16_t, char16_t>; // character written by Qt → character drawn

// The PostScript name of a font (name table, name 6), which Qt writes as the PDF's BaseFont.
QByteArray postScriptName(const QRawFont& font)
{
    const QByteArray table = font.fontTable("name");
    const auto u16 = [&table](qsizetype at) { return qFromBigEndian<quint16>(table.constData() + at); };
    if (table.size() < 6)
        return {};
    const qsizetype count = u16(2);
    const qsizetype strings = u16(4);
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype record = 6 + 12 * i;
        if (record + 12 > table.size())
            break;
        const quint16 platform = u16(record);
        const qsizetype length = u16(record + 8);
        const qsizetype offset = strings + u16(record + 10);
        if (u16(record + 6) != 6 || offset + length > table.size())
            continue;
        const QByteArray raw = table.mid(offset, length);
        if (platform == 1)
            return raw;
        if (platform == 3 || platform == 0) {
            QByteArray name;
            for (qsizetype c = 1; c < raw.size(); c += 2)
                name += raw[c]; // PostScript names are ASCII
            return name;
        }
    }
    return {};
}

// A font's character map: the glyph of every character of the basic plane, and for each
// glyph the lowest character drawn with it, which is what Qt writes for that glyph.
struct CharMap {
    QHash<char16_t, quint32> glyphOf;
    QHash<quint32, char16_t> lowest;
};

// Reading a whole character map takes milliseconds, so each font's map is read once per run.
const CharMap& charMapOf(const QRawFont& font, const QString& name)
{
    static QHash<QString, CharMap> maps;
    const auto known = maps.constFind(name);
    if (known != maps.cend())
        return *known;
    QString all;
    std::vector<char16_t> codes;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        all.append(QChar(c));
        codes.push_back(static_cast<char16_t>(c));
    }
    const QList<quint32> glyphs = font.glyphIndexesForString(all);
    CharMap map;
    if (glyphs.size() == static_cast<qsizetype>(codes.size())) {
        for (std::size_t i = 0; i < codes.size(); ++i) {
            if (glyphs[i] == 0)
                continue;
            map.glyphOf.insert(codes[i], glyphs[i]);
            if (!map.lowest.contains(glyphs[i]))
                map.lowest.insert(glyphs[i], codes[i]);
        }
    }
    return *maps.insert(name, std::move(map));
}

bool inShiftJis(char16_t c)
{
    return cp932::canEncode(QString(QChar(c)));
}

// For each drawn character whose glyph the font also uses for a lower character: that lower
// character, which is what Qt writes, and the drawn one. When both were drawn the glyph can
// carry only one text; the program's own texts are those Shift-JIS holds, so such a character
// wins over a look-alike that Shift-JIS lacks (山 over the radical ⼭), else Qt's choice stays.
Corrections correctionsFor(const CharMap& map, const QSet<char16_t>& drawn)
{
    Corrections out;
    for (char16_t c : drawn) {
        const auto glyph = map.glyphOf.constFind(c);
        if (glyph == map.glyphOf.cend())
            continue;
        const char16_t written = map.lowest.value(*glyph);
        if (written != c && (!drawn.contains(written) || (inShiftJis(c) && !inShiftJis(written))))
            out.insert(written, c);
    }
    return out;
}

QString hex(char16_t unit)
{
    return QStringLiteral("%1").arg(unit, 4, 16, QLatin1Char('0')).toUpper();
}

QString unitsOf(const QString& hexText)
{
    QString text;
    for (qsizetype i = 0; i + 4 <= hexText.size(); i += 4)
        text.append(QChar(static_cast<char16_t>(hexText.mid(i, 4).toUShort(nullptr, 16))));
    return text;
}

// The glyph-to-text entries of a ToUnicode map, by character code.
QMap<uint, QString> parseCMap(const QString& cmap)
{
    static const QRegularExpression section(
        QStringLiteral("begin(bfrange|bfchar)(.*?)end\\1"), QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression range(
        QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*(?:<([0-9A-Fa-f]+)>|\\[([^\\]]*)\\])"));
    static const QRegularExpression single(QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>"));
    static const QRegularExpression element(QStringLiteral("<([0-9A-Fa-f]+)>"));
    QMap<uint, QString> map;
    for (auto s = section.globalMatch(cmap); s.hasNext();) {
        const QRegularExpressionMatch block = s.next();
        if (block.captured(1) == QLatin1String("bfchar")) {
            for (auto m = single.globalMatch(block.captured(2)); m.hasNext();) {
                const QRegularExpressionMatch e = m.next();
                map.insert(e.captured(1).toUInt(nullptr, 16), unitsOf(e.captured(2)));
            }
            continue;
        }
        for (auto m = range.globalMatch(block.captured(2)); m.hasNext();) {
            const QRegularExpressionMatch e = m.next();
            const uint first = e.captured(1).toUInt(nullptr, 16);
            const uint last = e.captured(2).toUInt(nullptr, 16);
            if (last < first || last - first > 0xFFFF)
                continue;
            if (e.hasCaptured(4)) {
                uint code = first;
                for (auto v = element.globalMatch(e.captured(4)); v.hasNext() && code <= last; ++code)
                    map.insert(code, unitsOf(v.next().captured(1)));
                continue;
            }
            // A linear range: the last unit of the text counts up with the code.
            QString text = unitsOf(e.captured(3));
            for (uint code = first; code <= last && !text.isEmpty(); ++code) {
                map.insert(code, text);
                text.back() = QChar(static_cast<char16_t>(text.back().unicode() + 1));
            }
        }
    }
    return map;
}

QByteArray writeCMap(const QMap<uint, QString>& map)
{
    QString body;
    const QList<uint> codes = map.keys();
    for (qsizetype start = 0; start < codes.size(); start += 100) {
        const qsizetype n = std::min<qsizetype>(100, codes.size() - start);
        body += QStringLiteral("%1 beginbfchar\n").arg(n);
        for (qsizetype i = start; i < start + n; ++i) {
            QString units;
            for (QChar c : map.value(codes[i]))
                units += hex(c.unicode());
            body += QStringLiteral("<%1> <%2>\n").arg(hex(static_cast<char16_t>(codes[i])), units);
        }
        body += QStringLiteral("endbfchar\n");
    }
    return QStringLiteral("/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                          "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                          "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                          "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n%1"
                          "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n")
        .arg(body)
        .toLatin1();
}

// The content of an uncompressed stream object, or nothing.
std::optional<QString> streamOf(const QString& pdf, int object)
{
    const qsizetype start = pdf.indexOf(QStringLiteral("\n%1 0 obj").arg(object));
    if (start < 0)
        return std::nullopt;
    const qsizetype open = pdf.indexOf(QLatin1String("stream\n"), start);
    const qsizetype close = pdf.indexOf(QLatin1String("endstream"), open);
    const qsizetype end = pdf.indexOf(QLatin1String("endobj"), start);
    if (open < 0 || close < 0 || close > end || pdf.mid(start, open - start).contains(QLatin1String("/Filter")))
        return std::nullopt;
    return pdf.mid(open + 7, close - open - 7);
}

} // namespace

bool repairToUnicode(const QString& path, const QList<QFont>& fonts, const QString& drawnText)
{
    QSet<char16_t> drawn;
    for (QChar c : drawnText)
        drawn.insert(c.unicode());
    QHash<QString, Corrections> byFont;
    for (const QFont& font : fonts) {
        const QRawFont raw = QRawFont::fromFont(font);
        const QString name = QString::fromLatin1(postScriptName(raw)).replace(QLatin1Char(' '), QLatin1Char('_'));
        if (!name.isEmpty() && !byFont.contains(name))
            byFont.insert(name, correctionsFor(charMapOf(raw, name), drawn));
    }

    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    in.close();
    const QString pdf = QString::fromLatin1(bytes); // one character per byte: offsets stay

    static const QRegularExpression type0(
        QStringLiteral("/Subtype\\s*/Type0\\s*/BaseFont\\s*/([^\\s/<>\\[\\]()]+)[^>]*?/ToUnicode\\s+(\\d+)\\s+0\\s+R"));
    QMap<int, QByteArray> replaced; // object number → new character map
    for (auto m = type0.globalMatch(pdf); m.hasNext();) {
        const QRegularExpressionMatch font = m.next();
        const Corrections corrections = byFont.value(font.captured(1));
        const int object = font.captured(2).toInt();
        const std::optional<QString> stream = streamOf(pdf, object);
        if (corrections.isEmpty() || !stream)
            continue;
        QMap<uint, QString> map = parseCMap(*stream);
        bool changed = false;
        for (QString& text : map) {
            if (text.size() == 1 && corrections.contains(text[0].unicode())) {
                text = QChar(corrections.value(text[0].unicode()));
                changed = true;
            }
        }
        if (changed)
            replaced.insert(object, writeCMap(map));
    }
    if (replaced.isEmpty())
        return true;

    // An incremental update: the new objects, their cross-reference section and a trailer
    // that points back to the previous one.
    static const QRegularExpression tail(QStringLiteral("trailer\\s*<<(.*)>>\\s*startxref\\s+(\\d+)\\s+%%EOF\\s*$"),
        QRegularExpression::DotMatchesEverythingOption);
    const qsizetype trailerAt = pdf.lastIndexOf(QLatin1String("trailer"));
    const QRegularExpressionMatch end = tail.match(pdf, std::max<qsizetype>(trailerAt, 0));
    if (trailerAt < 0 || !end.hasMatch())
        return false;
    static const QRegularExpression prev(QStringLiteral("/Prev\\s+\\d+"));
    const QString trailer = QString(end.captured(1)).remove(prev);

    QByteArray update = bytes.endsWith('\n') ? QByteArray() : QByteArray("\n");
    QByteArray xref = "xref\n";
    for (auto it = replaced.cbegin(); it != replaced.cend(); ++it) {
        const qsizetype offset = bytes.size() + update.size();
        update += QByteArray::number(it.key()) + " 0 obj\n<< /Length " + QByteArray::number(it.value().size())
            + " >>\nstream\n" + it.value() + "endstream\nendobj\n";
        xref += QByteArray::number(it.key()) + " 1\n" + QByteArray::number(offset).rightJustified(10, '0')
            + " 00000 n \n";
    }
    const qsizetype xrefOffset = bytes.size() + update.size();
    update += xref + "trailer\n<<" + trailer.toLatin1() + " /Prev " + end.captured(2).toLatin1() + " >>\nstartxref\n"
        + QByteArray::number(xrefOffset) + "\n%%EOF\n";

    QSaveFile out(path);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || out.write(update) != update.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace pdftext
