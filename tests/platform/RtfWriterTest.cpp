#include "platform/RtfWriter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

struct EscapeCase {
    const char* what;
    QString text;
    QByteArray rtf;
};

TEST(RtfWriter, EscapesEveryTextAViewCanHold)
{
    const EscapeCase cases[] = {
        { "plain ASCII stays", QStringLiteral("page 12 - ok"), "page 12 - ok" },
        { "backslash and braces", QStringLiteral("a\\b{c}"), "a\\\\b\\{c\\}" },
        { "tab", QStringLiteral("a\tb"), "a\\tab b" },
        { "a run of blanks keeps its width", QStringLiteral(" 7  8   9"), " 7 { }8 { }{ }9" },
        { "kanji with Shift-JIS fallback", QStringLiteral("山"), "\\uc2\\u23665\\'8e\\'52" },
        { "above 0x7fff as a signed number", QStringLiteral("〇"), "\\uc2\\u12295\\'81\\'5a" },
        { "full-width form", QStringLiteral("．"), "\\uc2\\u-242\\'81\\'44" },
        { "half-width katakana takes one byte", QStringLiteral("ｸ"), "\\uc1\\u-136\\'b8" },
        { "no Shift-JIS form", QStringLiteral("€"), "\\uc1\\u8364?" },
        { "DEL is a character, never a raw byte", QStringLiteral("a\x7f"), "a\\uc1\\u127\\'1c" },
        { "yen sign", QStringLiteral("¥900"), "\\uc1\\u165?900" },
        { "digits after a character stay text", QStringLiteral("田1"),
            "\\uc2\\u30000\\'93\\'63"
            "1" },
    };
    for (const EscapeCase& c : cases)
        EXPECT_EQ(rtf::escape(c.text), c.rtf) << c.what;
}

TEST(RtfWriter, WritesOneParagraphPerLineInTheViewsFontAndColours)
{
    rtf::Style style;
    style.fontFamily = QStringLiteral("Noto Sans CJK JP");
    style.pointSize = 10.5;
    style.bold = true;
    style.text = { 255, 255, 0 };
    style.background = rtf::Rgb { 0, 0, 128 };
    const QByteArray doc = rtf::document({ QStringLiteral("first"), QString(), QString(500, u'x') }, style);
    EXPECT_TRUE(doc.startsWith("{\\rtf1\\ansi\\ansicpg932\\deff0"));
    EXPECT_TRUE(doc.contains("{\\fonttbl{\\f0\\fnil\\fcharset128 \\'4e\\'6f\\'74\\'6f"));
    EXPECT_TRUE(doc.contains("{\\colortbl ;\\red255\\green255\\blue0;\\red0\\green0\\blue128;}"));
    EXPECT_EQ(doc.count("\\par\r\n"), 3);
    EXPECT_TRUE(doc.contains("\\pard\\plain\\ql\\cbpat2\\f0\\fs21\\cf1\\b first\\par"));
    EXPECT_TRUE(doc.contains(QByteArray(500, 'x') + "\\par"));
    EXPECT_TRUE(doc.endsWith("}\r\n"));
    int depth = 0;
    for (int i = 0; i < doc.size(); ++i) {
        if (doc[i] == '\\')
            ++i; // an escaped brace does not count
        else
            depth += doc[i] == '{' ? 1 : doc[i] == '}' ? -1 : 0;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}
