#pragma once

// Name comparisons shared by the hierarchy and structured-text operations.
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace fup::names {

inline std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

// Upper case of the ASCII letters; other bytes (UTF-8 sequences) stay as they are.
inline std::string upper(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

// Trimmed and in upper case: how port, process and macro names are compared.
inline std::string key(std::string_view text)
{
    return upper(trimmed(text));
}

} // namespace fup::names
