#pragma once

#include <QList>
#include <QString>

class QFont;

// Exact text in the PDF files that Qt writes.
//
// A PDF tells a reader which character each glyph stands for through a character map per
// font (ToUnicode). Qt's PDF writer builds that map backwards from the font: for each glyph
// it takes the lowest character that the font draws with that glyph. The CJK fonts draw
// several characters with one glyph (the Kangxi radical ⼭ U+2F2D and the ideograph 山
// U+5C71, the wave dash 〜 and the fullwidth tilde ～, the em space and the ideographic
// space "　"), so a copied or searched 山田 comes back as ⼭⽥. This module rewrites those
// entries to the characters that were actually drawn.
namespace pdftext {

// Rewrites the character maps of the fonts in the PDF file at path so that every glyph
// shared by a drawn character and a lower one stands for the drawn character. Appends the
// new maps as an incremental update and leaves the rest of the file as written. Returns
// false when the file cannot be read, understood or written (it is then left unchanged).
bool repairToUnicode(const QString& path, const QList<QFont>& fonts, const QString& drawnText);

} // namespace pdftext
