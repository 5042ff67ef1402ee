#pragma once

#include <functional>
#include <string>

namespace fup {

class Reporter;
class TKiste;

struct TimeConstantResult {
    bool accepted = false;
    std::string text; // the value text to keep: the rounded time when accepted
};

// A first-order lag runs with a time of 2^n cycles. The entered time in seconds is
// rounded to the nearest such time: a time within 5 % of a power (on the log scale) is
// taken silently; otherwise `ask` gets the question with the nearest possible time and
// decides. An empty or unreadable text is reported and refused. Without a cycle time
// nothing can be rounded yet and the text is kept as entered; the compile refuses a
// cycle time of 0 on its own.
TimeConstantResult roundTimeConstant(const std::string& text, double cycleTimeSeconds, const TKiste& block,
                                     Reporter& reporter, const std::function<bool(const std::string&)>& ask);

// A number with up to 7 significant digits, "." as decimal separator.
std::string sevenDigits(double value);

} // namespace fup
