#include "WorkingText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace kelvora::test {

namespace {

class Reader {
public:
    explicit Reader(std::string_view text)
        : text_(text) {}

    std::optional<double> whole() {
        const std::optional<double> value = sum();
        return position_ == text_.size() ? value : std::nullopt;
    }

private:
    bool take(std::string_view token) {
        if (!text_.substr(position_).starts_with(token))
            return false;
        position_ += token.size();
        return true;
    }

    std::optional<double> sum() {
        std::optional<double> value = product();
        while (value) {
            if (take(" + "))
                value = combine(value, product(), [](double a, double b) { return a + b; });
            else if (take(" − "))
                value = combine(value, product(), [](double a, double b) { return a - b; });
            else
                break;
        }
        return value;
    }

    std::optional<double> product() {
        std::optional<double> value = factor();
        while (value) {
            if (take(" × "))
                value = combine(value, factor(), [](double a, double b) { return a * b; });
            else if (take(" / "))
                value = combine(value, factor(), [](double a, double b) { return a / b; });
            else
                break;
        }
        return value;
    }

    std::optional<double> factor() {
        if (take("max(")) {
            const std::optional<double> a = sum();
            const std::optional<double> b = take(", ") ? sum() : std::nullopt;
            if (!take(")"))
                return std::nullopt;
            return combine(a, b, [](double x, double y) { return x < y ? y : x; });
        }
        if (take("(")) {
            const std::optional<double> value = sum();
            return take(")") ? value : std::nullopt;
        }
        // As written, whatever the locale: '.' and an exponent "E+15".
        const std::string_view rest = text_.substr(position_);
        double value = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
        if (error != std::errc())
            return std::nullopt;
        position_ += static_cast<std::size_t>(end - rest.data());
        return value;
    }

    template <class Operation>
    static std::optional<double> combine(std::optional<double> a, std::optional<double> b,
                                         Operation operation) {
        if (!a || !b)
            return std::nullopt;
        return operation(*a, *b);
    }

    std::string_view text_;
    std::size_t position_ = 0;
};

} // namespace

std::optional<double> evaluateWorking(const std::string& working) {
    const std::size_t steps = working.rfind("; ");
    return Reader(steps == std::string::npos ? working : working.substr(steps + 2)).whole();
}

bool readsAsItsValue(const Worked& worked) {
    const std::optional<double> read = evaluateWorking(worked.text());
    const double value = worked.value();
    return read && std::abs(*read - value) <= 1e-9 * std::max(1.0, std::abs(value));
}

} // namespace kelvora::test
