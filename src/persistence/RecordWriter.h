#pragma once

// The record writers that program files and frame texts share. Internal to persistence.

#include <charconv>
#include <string>
#include <string_view>
#include <unordered_set>

namespace fup {

class TKiste;
class TKante;
class TTexte;

// Appends the pieces of one file line at a time; every line ends with "\n".
class Out {
  public:
    explicit Out(std::size_t expected) { text_.reserve(expected); }

    Out& operator<<(std::string_view s)
    {
        text_.append(s);
        return *this;
    }
    Out& operator<<(char c)
    {
        text_.push_back(c);
        return *this;
    }
    Out& operator<<(long long value)
    {
        char buffer[24];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
        text_.append(buffer, end);
        return *this;
    }
    Out& operator<<(int value) { return *this << static_cast<long long>(value); }
    Out& operator<<(const char* s) { return *this << std::string_view(s); }

    // A text value between double quotes. The file has no escape character: a double
    // quote that slipped past the editor's input cleaning would end the text early and
    // break the file, so it is written as a blank.
    Out& quoted(std::string_view s);
    // A value written as one plain word (parameter name and prompt). A word the
    // tokenizer would split, join with its neighbours or take for a keyword would shift
    // every later value of the record; such a word is written as "_".
    Out& word(std::string_view s);
    Out& flag(bool value)
    {
        text_.push_back(value ? '1' : '0');
        return *this;
    }

    std::string take() { return std::move(text_); }

  private:
    std::string text_;
};

// Where and how one record is written; the program file writes every object as it is,
// a frame text relative to its origin and with what lies outside the frame left out.
struct TextPlace {
    int x = 0;
    int y = 0;
    int sheet = 1;
};

struct BlockPlace {
    int x = 0;
    int y = 0;
    int sheet = 1;
    bool connected = false; // VERBUNDEN of automat ports
};

struct ElementPlace {
    int x = 0; // intermediate points only
    int y = 0;
    int sheet = 1;
    bool commentFlag = false;
    // Pins written without signal comment and variable (a saved macro's outside).
    bool withoutOutside = false;
    // Neighbours listed: all when none, else only those in the set; an empty list is
    // then left out.
    const std::unordered_set<const TKante*>* written = nullptr;
};

void writeTextRecord(Out& out, const TTexte& text, const TextPlace& place);
void writeBlockRecord(Out& out, const TKiste& block, const BlockPlace& place);
void writeElementRecord(Out& out, const TKante& element, bool withLayout, const ElementPlace& place);

} // namespace fup
