// Feeds any bytes to the field conversions and checks what must hold for every
// input: the bytes are read as a field's text by fieldValue and compared with
// a reading of the same prefix done here independently; their first eight
// bytes, and the value read, are then taken as doubles and sent through
// roundHalfEven and numberText and back. A property that fails prints the
// input and aborts, which libFuzzer keeps as a crash.

#include "core/FieldText.h"

#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

using kelvora::fieldValue;
using kelvora::numberText;
using kelvora::roundHalfEven;

namespace {

constexpr int faultFlags = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;

[[noreturn]] void fail(const char* property, std::string_view input, double expected,
                       double actual) {
    std::fprintf(stderr, "\nPROPERTY FAILED: %s\n  input (%zu bytes): \"", property, input.size());
    for (const char c : input) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && byte != '"' && byte != '\\')
            std::fputc(byte, stderr);
        else
            std::fprintf(stderr, "\\x%02x", byte);
    }
    std::fprintf(stderr, "\"\n  expected %.17g (%a)\n  actual   %.17g (%a)\n", expected, expected,
                 actual, actual);
    std::abort();
}

void expect(bool holds, const char* property, std::string_view input, double expected,
            double actual) {
    if (!holds)
        fail(property, input, expected, actual);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The readable prefix, found the plain way: drop the blanks, then match sign,
// digits, point and digits (some digits needed), exponent, one after another.
std::string referencePrefix(std::string_view text) {
    std::string s;
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s.push_back(c);
    const auto digitsEnd = [&s](std::size_t from) {
        while (from < s.size() && isDigit(s[from]))
            ++from;
        return from;
    };
    std::size_t end = 0;
    if (end < s.size() && (s[end] == '+' || s[end] == '-'))
        ++end;
    const std::size_t intEnd = digitsEnd(end);
    bool digits = intEnd > end;
    end = intEnd;
    if (end < s.size() && s[end] == '.') {
        const std::size_t fracEnd = digitsEnd(end + 1);
        if (digits || fracEnd > end + 1) {
            digits = true;
            end = fracEnd;
        }
    }
    if (!digits)
        return {};
    if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < s.size() && (s[exponent] == '+' || s[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = digitsEnd(exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    return s.substr(0, end);
}

void checkReading(std::string_view input) {
    const std::string prefix = referencePrefix(input);
    double expected = 0.0;
    if (!prefix.empty()) {
        char* end = nullptr;
        errno = 0;
        expected = std::strtod(prefix.c_str(), &end);
        expect(end == prefix.c_str() + prefix.size(), "strtod reads the whole prefix", input, 0.0,
               expected);
    }
    std::feclearexcept(FE_ALL_EXCEPT);
    const double actual = fieldValue(input);
    const int raised = std::fetestexcept(faultFlags);
    if (std::isinf(expected)) {
        expect(actual == expected, "a number beyond range reads as its infinity", input, expected,
               actual);
        expect(raised == FE_OVERFLOW, "a number beyond range raises overflow alone", input,
               expected, actual);
    } else {
        expect(actual == expected, "fieldValue agrees with strtod on the prefix", input, expected,
               actual);
        expect(raised == 0, "a number in range raises no fault", input, expected, actual);
    }
}

// At most 15 significant digits, no trailing zero after the point, no "-0".
void checkTextShape(const std::string& text, std::string_view input, double value) {
    const std::string mantissa = text.substr(0, text.find('E'));
    int significant = 0;
    bool leading = true;
    for (const char c : mantissa) {
        if (!isDigit(c))
            continue;
        leading = leading && c == '0';
        if (!leading)
            ++significant;
    }
    expect(significant <= 15, "numberText writes at most 15 significant digits", input, value,
           significant);
    expect(mantissa.find('.') == std::string::npos || mantissa.back() != '0',
           "numberText writes no trailing zero", input, value, 0.0);
    expect(text != "-0" && text.front() != '+' && text.front() != ' ',
           "numberText writes no sign for positives or zero", input, value, 0.0);
}

void checkNumber(double x, int decimals, std::string_view input) {
    if (!std::isfinite(x))
        return;
    // nearbyint rounds halves to even in the default rounding mode.
    const double whole = roundHalfEven(x, 0);
    expect(whole == std::nearbyint(x), "roundHalfEven(x, 0) is the nearest integer, ties even",
           input, std::nearbyint(x), whole);

    const std::string wholeText = numberText(whole);
    checkTextShape(wholeText, input, whole);
    // Integers below 1E+15 have at most 15 digits, so their text is exact;
    // larger ones are held to the 15 digits below.
    if (std::abs(whole) < 1e15)
        expect(fieldValue(wholeText) == whole, "a rounded result reads back exactly", input, whole,
               fieldValue(wholeText));

    const std::string text = numberText(x);
    checkTextShape(text, input, x);
    std::feclearexcept(FE_ALL_EXCEPT);
    const double back = fieldValue(text);
    expect(std::fetestexcept(faultFlags) == 0, "numberText's text reads back without a fault",
           input, x, back);
    // Rounding to 15 significant digits moves a value by at most 5E-15 of
    // itself; reading it back adds half a unit of the last place, which for
    // a subnormal is all it has.
    const double tolerance = std::abs(x) * (5e-15 + std::numeric_limits<double>::epsilon()) +
                             std::numeric_limits<double>::denorm_min();
    expect(std::abs(back - x) <= tolerance, "numberText reads back within 15 digits", input, x,
           back);

    const double rounded = roundHalfEven(x, decimals);
    const double allowed = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) +
                           std::abs(x) * std::numeric_limits<double>::epsilon() +
                           std::numeric_limits<double>::denorm_min();
    expect(std::abs(rounded - x) <= allowed, "roundHalfEven moves by at most half a unit", input, x,
           rounded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkReading(input);

    const int decimals = size > 8 ? data[8] % 21 : 0;
    if (size >= sizeof(double)) {
        double raw = 0.0;
        std::memcpy(&raw, data, sizeof raw);
        checkNumber(raw, decimals, input);
    }
    checkNumber(fieldValue(input), decimals, input);
    return 0;
}
