#include "model/Constants.h"

#include "model/Kanten.h"
#include "model/Translate.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace fup {

namespace {

constexpr double TwoPow31 = 2147483648.0;
constexpr double FixedOne = 2147483647.0; // what a label divides by
constexpr const char* DegreeSign = "\xC2\xB0";

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string fixedNotation(double v, int decimals)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
    return {buffer, result.ptr};
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

ConstantEntry accepted(std::int32_t value)
{
    return {true, value, {}};
}

ConstantEntry refused(std::string message)
{
    return {false, 0, std::move(message)};
}

ConstantEntry invalidValue(std::string_view text)
{
    return refused(tx("ungueltiger Wert :") + std::string(text));
}

ConstantEntry parseAngle(std::string_view text)
{
    // Only what can belong to a number survives: the degree sign the label shows (and
    // anything else above "9") is dropped, so a shown text can be entered again.
    std::string kept;
    for (char c : text)
        if (static_cast<unsigned char>(c) <= static_cast<unsigned char>('9'))
            kept += c;
    const auto degrees = parseRealText(kept);
    if (!degrees)
        return invalidValue(text);
    if (*degrees < -1000.0 || *degrees > 1000.0)
        return refused(tx("Bitte Winkel<1000 Grad eingeben"));
    double normal = std::fmod(*degrees + 180.0, 360.0);
    if (normal < 0)
        normal += 360.0;
    normal -= 180.0;
    return accepted(fixedFromReal(normal / 180.0));
}

ConstantEntry parseTime(std::string_view text, const TimeBase& base)
{
    const auto seconds = parseRealText(text);
    if (!seconds)
        return invalidValue(text);
    if (!(base.cycleTimeMs > 0.0))
        return refused(tx("Zykluszeit fehlt: Zeit-Konstante nicht moeglich"));
    const double cycles = std::round(*seconds / (base.cycleTimeMs / 1000.0));
    const double limited = std::clamp(cycles, 0.0, 2147483647.0);
    auto count = static_cast<std::int64_t>(limited);
    if (timeCountInUpperHalf(base.target)) {
        // The count has 16 bits there; a larger one would turn into a different time.
        if (count > 0xFFFF)
            return refused(std::string(text) + tx(" :  Zeit zu gross (max. 65535 Zyklen)"));
        return accepted(static_cast<std::int32_t>(static_cast<std::uint32_t>(count) << 16));
    }
    return accepted(static_cast<std::int32_t>(count));
}

} // namespace

bool timeCountInUpperHalf(int target)
{
    return target >= 1 && target <= 8;
}

std::int64_t timeCountOf(std::int32_t word, int target)
{
    const auto bits = static_cast<std::uint32_t>(word);
    if (timeCountInUpperHalf(target))
        return bits >> 16;
    if (target == 0)
        return bits & 0xFFFF;
    return word;
}

std::optional<double> parseRealText(std::string_view text)
{
    std::string_view t = trimmed(text);
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    if (t.empty())
        return std::nullopt;
    // from_chars also reads "nan" and "inf", which are no numbers anyone enters.
    const char first = t.front() == '-' && t.size() > 1 ? t[1] : t.front();
    if (!(first >= '0' && first <= '9') && first != '.')
        return std::nullopt;
    double v = 0;
    const auto result = std::from_chars(t.data(), t.data() + t.size(), v);
    if (result.ec != std::errc{} || result.ptr != t.data() + t.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<std::int32_t> parseIntegerText(std::string_view text)
{
    std::string_view t = trimmed(text);
    if (!t.empty() && t.front() == '$') {
        t.remove_prefix(1);
        if (t.empty() || t.size() > 8)
            return std::nullopt;
        std::uint32_t bits = 0;
        const auto result = std::from_chars(t.data(), t.data() + t.size(), bits, 16);
        if (result.ec != std::errc{} || result.ptr != t.data() + t.size())
            return std::nullopt;
        return static_cast<std::int32_t>(bits);
    }
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    std::int32_t v = 0;
    const auto result = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || result.ec != std::errc{} || result.ptr != t.data() + t.size())
        return std::nullopt;
    return v;
}

std::int32_t fixedFromReal(double v)
{
    const double scaled = std::round(v * TwoPow31);
    if (!(scaled > -TwoPow31)) // also catches NaN
        return std::numeric_limits<std::int32_t>::min();
    if (scaled >= TwoPow31)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(scaled);
}

ConstantEntry parseConstant(std::uint8_t displayType, std::string_view text, const TimeBase& base)
{
    switch (displayType) {
    case dt::Fixed: {
        const auto v = parseRealText(text);
        return v ? accepted(fixedFromReal(*v)) : invalidValue(text);
    }
    case dt::Angle:
        return parseAngle(text);
    case dt::Decimal:
    case dt::Hex: {
        const auto v = parseIntegerText(text);
        return v ? accepted(*v) : invalidValue(text);
    }
    case dt::Time:
        return parseTime(text, base);
    case dt::Float: {
        const auto v = parseRealText(text);
        if (!v || std::abs(*v) > static_cast<double>(std::numeric_limits<float>::max()))
            return refused(std::string(text) + tx(" :  ungültige Gleitpunktzahl"));
        return accepted(std::bit_cast<std::int32_t>(static_cast<float>(*v)));
    }
    case dt::Value: {
        const std::string_view t = trimmed(text);
        if (equalsIgnoringCase(t, "TRUE") || t == "1")
            return accepted(1);
        if (equalsIgnoringCase(t, "FALSE") || t == "0")
            return accepted(0);
        return invalidValue(text);
    }
    default:
        return invalidValue(text);
    }
}

std::string fixedPointText(std::int32_t value)
{
    return fixedNotation(value / FixedOne, 8);
}

std::string angleText(std::int32_t value)
{
    return fixedNotation(value * 180.0 / FixedOne, 4) + " " + DegreeSign;
}

std::string floatText(std::int32_t bits)
{
    const double v = std::bit_cast<float>(bits);
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v > 0 ? "INF" : "-INF";
    if (v == 0.0)
        return "0";
    // Rounding to 7 significant digits first decides the exponent (9999999.5 is 1E007).
    char buffer[64];
    const auto sci = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, 6);
    const std::string_view s(buffer, static_cast<std::size_t>(sci.ptr - buffer));
    const auto e = s.find('e');
    const int exponent = std::atoi(std::string(s.substr(e + 1)).c_str());
    auto dropZeros = [](std::string digits) {
        if (digits.find('.') == std::string::npos)
            return digits;
        while (digits.back() == '0')
            digits.pop_back();
        if (digits.back() == '.')
            digits.pop_back();
        return digits;
    };
    if (exponent < -4 || exponent >= 7) {
        std::string text = dropZeros(std::string(s.substr(0, e))) + "E";
        if (exponent < 0)
            text += '-';
        const std::string digits = std::to_string(std::abs(exponent));
        return text + std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
    }
    return dropZeros(fixedNotation(v, 6 - exponent));
}

std::string valueText(std::uint8_t displayType, std::int32_t value, const TimeBase& base)
{
    switch (displayType) {
    case dt::Fixed:
        return fixedPointText(value);
    case dt::Hex: {
        static constexpr char Digits[] = "0123456789ABCDEF";
        std::string text = "$";
        const auto bits = static_cast<std::uint32_t>(value);
        for (int shift = 28; shift >= 0; shift -= 4)
            text += Digits[(bits >> shift) & 0xF];
        return text;
    }
    case dt::Time:
        return fixedNotation(static_cast<double>(timeCountOf(value, base.target)) * base.cycleTimeMs / 1000.0,
                             2) +
               " sec";
    case dt::Value:
        return (value & 0xFF) == 1 ? " true" : " false";
    case dt::Decimal:
        return " " + std::to_string(value);
    case dt::VarName:
        return "    ";
    case dt::Angle:
        return angleText(value);
    case dt::Float:
        return floatText(value);
    default:
        return "?-Format-?";
    }
}

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

std::optional<std::string> variableNameRefusal(const std::string& name)
{
    if (name.find_first_of(" \t") != std::string::npos)
        return tx("Name enthaelt Blank: ") + name;
    if (characterCount(name) > static_cast<std::size_t>(MaxVariableNameLength))
        return tx("Name zu lang: ") + name;
    return std::nullopt;
}

std::string variableLabelText(const std::string& name)
{
    return characterCount(name) < 3 ? " " + name + " " : name;
}

bool isTemporaryName(std::string_view name)
{
    return !name.empty() && name.front() == '_';
}

bool mayBeDefinedTwice(std::string_view name)
{
    return name.size() >= 4 && equalsIgnoringCase(name.substr(0, 4), "NIL_");
}

} // namespace fup
