#include "codegen/TimeConstant.h"

#include "model/Constants.h"
#include "model/Document.h"
#include "model/Kisten.h"
#include "model/Reporter.h"
#include "model/Translate.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace fup {

std::string sevenDigits(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    return std::string(buffer, result.ptr);
}

TimeConstantResult roundTimeConstant(const std::string& text, double cycleTimeSeconds, const TKiste& block,
                                     Reporter& reporter, const std::function<bool(const std::string&)>& ask)
{
    TimeConstantResult result;
    result.text = text;
    bool ok = true;
    if (cleanEnteredText(text).empty()) {
        reporter.error(&block, block.name + " " + tx("ohne PT1-Zeit"), ok);
        return result;
    }
    const std::optional<double> entered = parseRealText(text);
    if (!entered) {
        reporter.error(&block, block.name + tx(" strToFloat exception  PT1-Zeit"), ok);
        return result;
    }
    if (cycleTimeSeconds <= 0.0) {
        result.accepted = true;
        return result;
    }
    const double x = std::max(*entered, cycleTimeSeconds);
    const double a = std::log2(x / cycleTimeSeconds);
    const double n = std::nearbyint(a);
    const std::string nearest = sevenDigits(std::ldexp(cycleTimeSeconds, static_cast<int>(n)));
    if (std::abs(a - n) < 0.05 || (ask && ask(block.name + tx(": naechstmoegliche Zeitkonstante= ") +
                                              nearest + tx(" Sec!  ..uebernehmen ?")))) {
        result.accepted = true;
        result.text = nearest;
    }
    return result;
}

} // namespace fup
