#include "WorkingText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace kelvora::test {

namespace {

// A reader that stops trusting the text at the first thing it cannot read.
class Reader {
public:
    explicit Reader(std::string_view text)
        : text_(text) {}

    std::optional<double> whole() {
        const double value = sum();
        return ok_ && at_ == text_.size() ? std::optional(value) : std::nullopt;
    }

private:
    bool take(std::string_view token) {
        const bool there = text_.substr(at_).starts_with(token);
        at_ += there ? token.size() : 0;
        return there;
    }
    void expect(std::string_view token) { ok_ = take(token) && ok_; }

    double sum() {
        double value = product();
        while (ok_)
            if (take(" + "))
                value = value + product();
            else if (take(" − "))
                value = value - product();
            else
                break;
        return value;
    }

    double product() {
        double value = factor();
        while (ok_)
            if (take(" × "))
                value = value * factor();
            else if (take(" / "))
                value = value / factor();
            else
                break;
        return value;
    }

    double factor() {
        if (take("max(")) {
            const double a = sum();
            expect(", ");
            const double b = sum();
            expect(")");
            return a < b ? b : a;
        }
        if (take("(")) {
            const double value = sum();
            expect(")");
            return value;
        }
        // As written, whatever the locale: '.' and an exponent "E+15".
        double value = 0;
        const auto [end, error] =
            std::from_chars(text_.data() + at_, text_.data() + text_.size(), value);
        ok_ = ok_ && error == std::errc();
        at_ = static_cast<std::size_t>(end - text_.data());
        return value;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

} // namespace

bool readsAsItsValue(const Worked& worked) {
    const std::string& working = worked.text();
    const std::size_t steps = working.rfind("; ");
    const std::optional<double> read =
        Reader(steps == std::string::npos ? working : working.substr(steps + 2)).whole();
    const double value = worked.value();
    return read && std::abs(*read - value) <= 1e-9 * std::max(1.0, std::abs(value));
}

} // namespace kelvora::test
