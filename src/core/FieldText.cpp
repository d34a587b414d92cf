#include "FieldText.h"

#include <algorithm>
#include <array>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace kelvora {

namespace {

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks a text as if its blanks were not there.
class BlankSkipper {
public:
    explicit BlankSkipper(std::string_view text)
        : text_(text) {
        skip();
    }

    [[nodiscard]] bool atEnd() const { return pos_ == text_.size(); }
    [[nodiscard]] char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance() {
        ++pos_;
        skip();
    }
    [[nodiscard]] std::size_t position() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }

private:
    void skip() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// The readable prefix of a text, blanks removed, in the form from_chars takes
// (no '+', since from_chars refuses it).
struct NumberPrefix {
    std::string chars;
    bool negative = false;
    // Decimal order of the first non-zero digit (0 for "1", -1 for "0.1"),
    // exponent included, saturated; only meaningful when the value is not 0.
    long long magnitude = 0;
};

constexpr long long exponentLimit = 1'000'000'000;

// The largest 15-digit text that still reads as a double. The doubles above it
// round to 1.79769313486232E+308, which lies beyond the range and would read
// back as an overflow, so they are written as this one instead.
constexpr double largestWritable = 1.79769313486231e308;

// Returns false when the text has no digits where a number must start.
bool readPrefix(std::string_view text, NumberPrefix& out) {
    BlankSkipper in(text);
    if (in.peek() == '+' || in.peek() == '-') {
        out.negative = in.peek() == '-';
        if (out.negative)
            out.chars.push_back('-');
        in.advance();
    }

    long long firstNonZero = 0;
    bool seenNonZero = false;
    long long intDigits = 0;
    for (; isDigit(in.peek()); in.advance()) {
        if (!seenNonZero && in.peek() != '0') {
            seenNonZero = true;
            firstNonZero = intDigits;
        }
        out.chars.push_back(in.peek());
        ++intDigits;
    }
    long long fracDigits = 0;
    if (in.peek() == '.') {
        const std::size_t pointAt = in.position();
        in.advance();
        if (isDigit(in.peek()) || intDigits > 0) {
            out.chars.push_back('.');
            for (; isDigit(in.peek()); in.advance()) {
                if (!seenNonZero && in.peek() != '0') {
                    seenNonZero = true;
                    firstNonZero = intDigits + fracDigits;
                }
                out.chars.push_back(in.peek());
                ++fracDigits;
            }
        } else {
            in.rewind(pointAt);
        }
    }
    if (intDigits == 0 && fracDigits == 0)
        return false;

    long long exponent = 0;
    if (in.peek() == 'e' || in.peek() == 'E') {
        const std::size_t letterAt = in.position();
        std::string exponentChars = "e";
        in.advance();
        bool exponentNegative = false;
        if (in.peek() == '+' || in.peek() == '-') {
            exponentNegative = in.peek() == '-';
            if (exponentNegative)
                exponentChars.push_back('-');
            in.advance();
        }
        if (isDigit(in.peek())) {
            for (; isDigit(in.peek()); in.advance()) {
                exponentChars.push_back(in.peek());
                exponent = std::min(exponent * 10 + (in.peek() - '0'), exponentLimit);
            }
            if (exponentNegative)
                exponent = -exponent;
            out.chars += exponentChars;
        } else {
            in.rewind(letterAt); // "1e" and "1e+" read as 1
        }
    }
    out.magnitude = intDigits - firstNonZero - 1 + exponent;
    return true;
}

} // namespace

double fieldValue(std::string_view text) {
    NumberPrefix prefix;
    if (!readPrefix(text, prefix))
        return 0.0;

    double value = 0.0;
    const char* first = prefix.chars.data();
    const char* last = first + prefix.chars.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    static_cast<void>(end);
    if (ec == std::errc::result_out_of_range) {
        if (prefix.magnitude > 0) {
            std::feraiseexcept(FE_OVERFLOW | FE_INEXACT);
            return prefix.negative ? -std::numeric_limits<double>::infinity()
                                   : std::numeric_limits<double>::infinity();
        }
        return 0.0; // too small for a double: as good as nothing
    }
    if (ec != std::errc())
        return 0.0; // cannot happen for a prefix of this form
    return value;
}

double roundHalfEven(double value, int decimals) {
    if (!std::isfinite(value))
        return value;
    decimals = std::clamp(decimals, 0, 20);
    // The fixed notation of to_chars rounds the exact binary value, with exact
    // halves to even, which is the rule; scaling by a power of ten would not be.
    std::array<char, 400> buffer{}; // 309 integer digits, a sign, a point, 20 decimals
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, decimals);
    double rounded = value;
    std::from_chars(buffer.data(), written.ptr, rounded);
    return rounded;
}

std::string numberText(double value) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    if (value == 0.0)
        return "0"; // negative zero too
    if (std::abs(value) > largestWritable)
        value = std::copysign(largestWritable, value);

    // "-d.dddddddddddddde+XXX": to_chars rounds to the 15 significant digits.
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, 14);
    const std::string_view sci(buffer.data(),
                               static_cast<std::size_t>(written.ptr - buffer.data()));
    const bool negative = sci.front() == '-';
    const std::size_t e = sci.find('e');
    std::string digits;
    for (const char c : sci.substr(0, e))
        if (isDigit(c))
            digits.push_back(c);
    int exponent = 0;
    const std::string_view exponentText = sci.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = negative ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        text += digits.front();
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, integerDigits);
            text += '.';
            text.append(digits, integerDigits);
        }
    }
    return text;
}

} // namespace kelvora
