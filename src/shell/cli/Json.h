#pragma once

#include <string>
#include <string_view>

namespace fup::cli {

// Appends text as a JSON string literal, quotes included. The text is taken as UTF-8:
// quotes, backslashes and control characters are escaped, valid multi-byte sequences are
// copied as they are, and bytes that do not form valid UTF-8 become U+FFFD, so the
// output is always valid UTF-8 JSON.
void appendJsonString(std::string& out, std::string_view text);
std::string jsonString(std::string_view text);

// Builds one JSON object field by field, in the order given.
class JsonObject {
public:
    JsonObject& field(std::string_view key, std::string_view value);
    JsonObject& field(std::string_view key, const char* value) { return field(key, std::string_view(value)); }
    JsonObject& field(std::string_view key, int value);
    JsonObject& field(std::string_view key, bool value);
    JsonObject& null(std::string_view key);
    // A value that is already JSON (an array or object).
    JsonObject& raw(std::string_view key, std::string_view json);
    std::string str() const { return text_ + "}"; }

private:
    void key(std::string_view k);
    std::string text_ = "{";
};

}  // namespace fup::cli
