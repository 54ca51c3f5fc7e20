#pragma once

#include <QByteArray>
#include <QString>

// Shift-JIS (code page 932) at the program's two borders: the data files and the
// byte-length rules. Everywhere else text is QString.
namespace cp932 {

QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

// Bytes the text takes in code page 932 (a full-width character counts 2).
int byteCount(const QString& text);

// False when some character of the text has no code page 932 form.
bool canEncode(const QString& text);

} // namespace cp932
