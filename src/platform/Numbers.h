#pragma once

#include <QString>
#include <optional>
#include <stdexcept>

// Text-to-number conversions of the program.
namespace numbers {

// Strict conversion: an optional sign and decimal digits, nothing else; fails on
// anything else and on values outside int.
std::optional<int> parseInt(const QString& text);

// Raised by toInt() on text that is not a number; the handler guard shows it to the user.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& text);
    const QString& message() const { return message_; }

private:
    QString message_;
};

// parseInt() that raises ConversionError instead of failing quietly.
int toInt(const QString& text);

// The text with full-width digits (as a Japanese input method types them) as ASCII digits.
QString asciiDigits(QString text);

// The leading integer of a text: optional blanks and sign, then the digits up to the
// first other character; 0 when there are none. Saturates instead of overflowing.
int leadingInt(const QString& text);

} // namespace numbers
