#include "shell/ProgStack.h"

#include <algorithm>
#include <cctype>

namespace fup {

namespace {

std::string trimmedLower(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    std::string out = text.substr(first, last - first + 1);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

} // namespace

bool sameProgramName(const std::string& a, const std::string& b)
{
    return trimmedLower(a) == trimmedLower(b);
}

bool TProgStack::PutProg(Entry entry)
{
    if (depth() >= MaxDepth)
        return false;
    entries_.push_back(std::move(entry));
    return true;
}

std::optional<TProgStack::Entry> TProgStack::GetProg()
{
    if (entries_.empty())
        return std::nullopt;
    Entry entry = std::move(entries_.back());
    entries_.pop_back();
    return entry;
}

bool TProgStack::FindEntry(const std::string& name) const
{
    return std::any_of(entries_.begin(), entries_.end(), [&name](const Entry& entry) {
        return sameProgramName(entry.program.stem().string(), name);
    });
}

} // namespace fup
