#include "WorkingText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

    // A number alone, as a step names it.
    std::optional<double> number() {
        const double value = literal();
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
        return literal();
    }

    double literal() {
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

struct Step {
    std::string_view name;
    std::string_view expression; // empty, like number, where the step is no "A = b = c"
    std::string_view number;
};

// Takes the named steps off the front of the working, leaving what follows.
std::vector<Step> stepsOf(std::string_view& working) {
    std::vector<Step> steps;
    for (std::size_t end = working.find("; "); end != std::string_view::npos;
         end = working.find("; ")) {
        const std::string_view step = working.substr(0, end);
        working.remove_prefix(end + 2);
        const std::size_t nameEnd = step.find(" = ");
        const std::size_t numberAt = step.rfind(" = ");
        if (nameEnd == numberAt) // empty, but within the text, as from_chars wants it
            steps.push_back({step, step.substr(step.size()), step.substr(step.size())});
        else
            steps.push_back({step.substr(0, nameEnd),
                             step.substr(nameEnd + 3, numberAt - nameEnd - 3),
                             step.substr(numberAt + 3)});
    }
    return steps;
}

bool close(double read, double value) {
    return std::abs(read - value) <= 1e-9 * std::max(1.0, std::abs(value));
}

// A word, not a number nor anything a sum could be read into.
bool isName(std::string_view name) {
    return !name.empty() && name.find_first_of(" ()") == std::string_view::npos &&
           std::string_view("0123456789.+-").find(name.front()) == std::string_view::npos;
}

// A name stands for one number: the one its own step gives, and no other.
bool holds(const Step& step, const std::vector<Step>& steps) {
    const auto named = [&step](const Step& other) {
        return other.name == step.name;
    };
    const std::optional<double> shown = Reader(step.number).number();
    const std::optional<double> read = Reader(step.expression).whole();
    return isName(step.name) && std::ranges::count_if(steps, named) == 1 && shown && read &&
           close(*read, *shown);
}

} // namespace

bool readsAsItsValue(const Worked& worked) {
    std::string_view working = worked.text();
    const std::vector<Step> steps = stepsOf(working);
    const bool stepsHold =
        std::ranges::all_of(steps, [&](const Step& step) { return holds(step, steps); });
    const std::optional<double> read = Reader(working).whole();
    return stepsHold && read && close(*read, worked.value());
}

std::string namesOf(const Worked& worked) {
    std::string_view working = worked.text();
    std::string names;
    for (const Step& step : stepsOf(working))
        names.append(names.empty() ? "" : "; ").append(step.name).append(" = ").append(step.number);
    return names;
}

} // namespace kelvora::test
