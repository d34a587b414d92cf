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

// A character of two or three UTF-8 bytes, the only lengths the characters
// looked for below take; code is 0 for any other bytes.
struct Wide {
    char32_t code = 0;
    std::size_t length = 0;
};

Wide wideCharacter(std::string_view text) {
    const auto byte = [text](std::size_t pos) {
        return static_cast<unsigned char>(text[pos]);
    };
    const auto continues = [&](std::size_t pos) {
        return pos < text.size() && (byte(pos) & 0xC0) == 0x80;
    };
    if (text.empty())
        return {};
    if ((byte(0) & 0xE0) == 0xC0 && continues(1))
        return {static_cast<char32_t>((byte(0) & 0x1F) << 6 | (byte(1) & 0x3F)), 2};
    if ((byte(0) & 0xF0) == 0xE0 && continues(1) && continues(2)) {
        const auto code = static_cast<char32_t>((byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 |
                                                (byte(2) & 0x3F));
        if (code >= 0x800) // a longer spelling of a shorter character is none
            return {code, 3};
    }
    return {};
}

// The spaces of Unicode other than the blanks, and the invisible ones a paste
// brings along: the eye takes them for a gap, the reading for an end.
constexpr bool isOtherSpace(char32_t c) {
    return c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200B) || c == 0x202F || c == 0x205F ||
           c == 0x2060 || c == 0x3000 || c == 0xFEFF;
}
constexpr bool isFullWidthDigit(char32_t c) {
    return c >= 0xFF10 && c <= 0xFF19;
}

// The text as the user sees it: other spaces gone as blanks are, full-width
// digits plain ones. Only the misreading judgement looks at it.
std::string asSeen(std::string_view text) {
    std::string seen;
    seen.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const Wide wide = wideCharacter(text.substr(pos));
        if (isFullWidthDigit(wide.code))
            seen.push_back(static_cast<char>('0' + (wide.code - 0xFF10)));
        else if (!isOtherSpace(wide.code))
            seen.append(text.substr(pos, std::max<std::size_t>(wide.length, 1)));
        pos += std::max<std::size_t>(wide.length, 1);
    }
    return seen;
}

constexpr long long exponentLimit = 1'000'000'000;

// The largest 15-digit text that still reads as a double. The doubles above it
// round to 1.79769313486232E+308, which lies beyond the range and would read
// back as an overflow, so they are written as this one instead.
constexpr double largestWritable = 1.79769313486231e308;

// from_chars reads the field's own form, [-] digits [. digits] [(E|e) [+-]
// digits] with "1e" read as 1, and more: "inf" and "nan", which a field reads
// as letters. It takes no '+', which a field does.
struct Reading {
    double value = 0.0;  // an infinity for a number beyond the range
    std::size_t end = 0; // where the number ended, 0 when there was none
};

// Looking for the number, the reading looks at most three characters past its
// end ("1e+x", or "-.x" with no number). Without a blank among them, removing
// the text's blanks would leave the number as it is.
bool blanksMayMatter(std::string_view text, std::size_t numberEnd) {
    const std::size_t lookedAtEnd = std::min(text.size(), numberEnd + 3);
    for (std::size_t pos = numberEnd; pos < lookedAtEnd; ++pos)
        if (isBlank(text[pos]))
            return true;
    return false;
}

// The decimal order of a prefix's first non-zero digit (0 for "1", -1 for
// "0.1"), exponent included, saturated; only meaningful when it is not 0.
long long decimalOrder(std::string_view prefix) {
    long long digits = 0;
    long long firstNonZero = -1;
    long long intDigits = -1;
    std::size_t pos = prefix.front() == '+' || prefix.front() == '-' ? 1 : 0;
    for (; pos < prefix.size() && (isDigit(prefix[pos]) || prefix[pos] == '.'); ++pos) {
        if (prefix[pos] == '.') {
            intDigits = digits;
            continue;
        }
        if (firstNonZero < 0 && prefix[pos] != '0')
            firstNonZero = digits;
        ++digits;
    }
    if (intDigits < 0)
        intDigits = digits;
    long long exponent = 0;
    if (pos < prefix.size()) { // at the exponent letter
        ++pos;
        const bool negative = prefix[pos] == '-';
        if (prefix[pos] == '+' || prefix[pos] == '-')
            ++pos;
        for (; pos < prefix.size(); ++pos)
            exponent = std::min(exponent * 10 + (prefix[pos] - '0'), exponentLimit);
        if (negative)
            exponent = -exponent;
    }
    return intDigits - std::max(firstNonZero, 0LL) - 1 + exponent;
}

// Inlined into fieldValue, whose common case is a text read in place: the
// calls would cost it a good part of what from_chars itself takes.
[[gnu::always_inline]] inline Reading readNumber(std::string_view text) {
    const char* const begin = text.data();
    const char* const stop = begin + text.size();
    const char* first = begin;
    if (first != stop && *first == '+') {
        ++first;
        if (first != stop && *first == '-')
            return {}; // "+-7" has no number
    }
    const char* const mantissa = first != stop && *first == '-' ? first + 1 : first;
    if (mantissa == stop || !(isDigit(*mantissa) || *mantissa == '.'))
        return {}; // nor letters, "inf" and "nan" among them

    Reading reading;
    const auto [end, ec] = std::from_chars(first, stop, reading.value, std::chars_format::general);
    if (ec == std::errc::invalid_argument)
        return {}; // a lone point
    reading.end = static_cast<std::size_t>(end - begin);
    if (ec == std::errc::result_out_of_range) {
        const double infinity = std::numeric_limits<double>::infinity();
        // Too small for a double is as good as nothing.
        reading.value = decimalOrder(text.substr(0, reading.end)) <= 0 ? 0.0
                        : *first == '-'                                ? -infinity
                                                                       : infinity;
    }
    return reading;
}

[[gnu::noinline]] Reading readWithoutBlanks(std::string_view text) {
    std::string withoutBlanks;
    withoutBlanks.reserve(text.size());
    for (const char c : text)
        if (!isBlank(c))
            withoutBlanks.push_back(c);
    return readNumber(withoutBlanks);
}

} // namespace

double fieldValue(std::string_view text) {
    // Most texts have no blank near the end of their number, and are read in
    // place; the others are read again once their blanks are gone.
    Reading reading = readNumber(text);
    if (blanksMayMatter(text, reading.end)) [[unlikely]]
        reading = readWithoutBlanks(text);
    if (std::isinf(reading.value))
        std::feraiseexcept(FE_OVERFLOW | FE_INEXACT);
    return reading.value;
}

bool isLikelyMisread(std::string_view text) {
    return likelyMisreading(text).kind != Misreading::None;
}

MisreadingReason likelyMisreading(std::string_view text) {
    std::string withoutBlanks;
    for (const char c : text)
        if (!isBlank(c))
            withoutBlanks.push_back(c);
    if (withoutBlanks.empty())
        return {};
    const std::size_t end = readNumber(withoutBlanks).end;
    if (end == 0)
        return {Misreading::NoNumber, withoutBlanks.front(), {}};
    // Where the text as seen reads further, the reading stopped at the first
    // other space or full-width digit from its end, perhaps within it ("1e 2").
    const std::string seen = asSeen(withoutBlanks);
    if (readNumber(seen).end > end) {
        for (std::size_t pos = end; pos < withoutBlanks.size(); ++pos) {
            const char32_t code = wideCharacter(std::string_view(withoutBlanks).substr(pos)).code;
            if (isOtherSpace(code))
                return {Misreading::Space, withoutBlanks[pos], {}, code};
            if (isFullWidthDigit(code))
                return {Misreading::FullWidthDigit, withoutBlanks[pos], {}, code};
        }
    }
    // What follows the number would have continued it in another notation:
    // a decimal comma, a version-like second point, a range or a sum.
    const std::string_view rest = std::string_view(seen).substr(end);
    if (rest.size() < 2 || !isDigit(rest[1]))
        return {};
    switch (rest[0]) {
    case ',': {
        std::string withPoint = seen;
        withPoint[end] = '.';
        const std::size_t longer = readNumber(withPoint).end;
        withPoint.resize(longer > end + 1 ? longer : 0);
        return {Misreading::DecimalComma, ',', withPoint};
    }
    case '.':
        return {Misreading::SecondPoint, '.', {}};
    case '+':
    case '-':
        return {Misreading::Sign, rest[0], {}};
    default:
        return {};
    }
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

std::string exactText(double value) {
    if (!std::isfinite(value))
        return numberText(value);
    if (value == 0.0)
        return "0";                // negative zero too, as a field writes it
    std::array<char, 32> buffer{}; // "-d.dddddddddddddddde-308" at the longest
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), written.ptr};
}

} // namespace kelvora
