#pragma once

// Every quantity in Kelvora lives as the text of a field. A handler reads the
// texts it needs with fieldValue, computes in doubles, rounds the result with
// roundHalfEven and writes it back with numberText. Nothing keeps a number
// between two events, so these three functions are the only way a value moves
// from one window to another.
//
// Texts are UTF-8. Bad text is never an error: it reads as the number its
// leading part spells, or 0. The one exception is a number beyond the double
// range, which reads as an infinity and raises the floating-point overflow
// flag, so that the fault check after the handler's formula reports it.

#include <string>
#include <string_view>

namespace kelvora {

// The numeric value of a field's text. Blanks (space, tab, line feed) are
// dropped wherever they stand; then the longest prefix of the form
// [+-] digits [. digits] [(E|e) [+-] digits] is read, with digits needed before
// or after the point. "12,5" reads 12, ".5" reads 0.5, "inf", "nan", "0x10"
// and "-" read 0 (or the 0 before the x). A value beyond the double range
// gives ±infinity and raises FE_OVERFLOW; one too small to represent gives 0.
[[nodiscard]] double fieldValue(std::string_view text);

// Whether a user who typed this text probably meant a number other than the
// one fieldValue reads: a text that is not blank with no number at its start
// ("mười", "-", "."), or a number directly followed by a comma, a second
// point or a sign and then a digit ("48,5", "1.2.3", "12-5"). So is a number
// the eye sees go on past a character the reading stops at: a space other than
// a blank, as in "12 345" with a no-break space, or a full-width digit. An
// empty text, and a number followed by a unit ("60 m2", "12.5 m2", with any
// space), are read as meant. Blanks count as fieldValue counts them: not at all.
[[nodiscard]] bool isLikelyMisread(std::string_view text);

// Why a text is likely misread, for a window to tell the user what to type.
enum class Misreading {
    None,
    NoNumber,       // nothing at the start reads as a number: the text reads 0
    DecimalComma,   // a comma ends the number
    SecondPoint,    // a point the number cannot take ends it
    Sign,           // a sign after the number ends it
    Space,          // a space that is no blank ends a number the eye sees go on
    FullWidthDigit, // a full-width digit, which the reading takes for none, ends it
};

struct MisreadingReason {
    Misreading kind = Misreading::None;
    char stop = 0; // the character where the reading stops, or its first byte
    // For a decimal comma: the number with that comma made a point, as the
    // text spells it in plain digits ("48.5" for "48,5 m2"), or empty where
    // the point would not make the number longer ("12.5,3").
    std::string meant;
    // For a space or a full-width digit, which take several bytes: the code
    // point of the one at stop, which tells the user it is no ordinary one.
    char32_t stopCode = 0;
};

[[nodiscard]] MisreadingReason likelyMisreading(std::string_view text);

// The multiple of 10^-decimals nearest to value; exact halves go to the even
// neighbour (2.5 -> 2, -2.5 -> -2), judged on the double's exact binary value.
// decimals is clamped to [0, 20]; infinities and NaN come back unchanged.
[[nodiscard]] double roundHalfEven(double value, int decimals);

// The text written into a field: at most 15 significant digits, '.' as the
// decimal point, no trailing zeros, no "-0". Magnitudes from 1E+15 up and
// below 1E-04 use the exponent form ("1.5E+15", "1E-05"). Every text of a
// finite value reads back as a finite value: the few doubles next to the
// largest one are written 1.79769313486231E+308, since their nearest 15-digit
// text lies beyond the double range. Non-finite values never reach a field
// (the fault check stops the handler first); they are written "inf", "-inf"
// and "nan", which read back as 0.
[[nodiscard]] std::string numberText(double value);

// The shortest text, with '.' as the decimal point, that reads back as exactly
// this double ("12.873", "1e+308"): what another program is handed, so that
// it holds the same number whatever its locale. NaN and infinities are
// written "nan", "inf" and "-inf", which no such program takes for a number.
[[nodiscard]] std::string exactText(double value);

} // namespace kelvora
