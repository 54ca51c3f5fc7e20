#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// Rich Text Format of a list of plain lines in one font and colour, as a word processor
// opens it. Text outside ASCII is written as Unicode (\uN) with its Shift-JIS bytes as the
// fallback for readers that do not know Unicode, or "?" when it has no Shift-JIS form.
namespace rtf {

using Rgb = std::array<int, 3>;

struct Style {
    QString fontFamily;
    double pointSize = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool centered = false;
    Rgb text { 0, 0, 0 };
    // Paragraph shading behind the text, so that a light text colour stays readable.
    std::optional<Rgb> background;
};

// Text escaped for an RTF body: backslash, braces, tabs and non-ASCII characters.
QByteArray escape(const QString& text);

// A complete document: one paragraph per line.
QByteArray document(const QStringList& lines, const Style& style);

} // namespace rtf
