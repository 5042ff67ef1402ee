#include "shell/cli/Json.h"

namespace fup::cli {
namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 0 when it is not valid
// (stray continuation byte, truncated or overlong sequence, surrogate, beyond U+10FFFF).
size_t utf8Length(std::string_view text, size_t i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t length = 0;
    unsigned int code = 0;
    unsigned int minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1Fu, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0Fu, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07u, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0u) != 0x80u)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text)
{
    static const char hex[] = "0123456789abcdef";
    out += '"';
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            if (const size_t length = utf8Length(text, i)) {
                out.append(text.substr(i, length));
                i += length;
            } else {
                out += "\\ufffd";
                ++i;
            }
            continue;
        }
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 0xF];
            } else {
                out += static_cast<char>(c);
            }
        }
        ++i;
    }
    out += '"';
}

std::string jsonString(std::string_view text)
{
    std::string out;
    appendJsonString(out, text);
    return out;
}

void JsonObject::key(std::string_view k)
{
    if (text_.size() > 1)
        text_ += ',';
    appendJsonString(text_, k);
    text_ += ':';
}

JsonObject& JsonObject::field(std::string_view k, std::string_view value)
{
    key(k);
    appendJsonString(text_, value);
    return *this;
}

JsonObject& JsonObject::field(std::string_view k, int value)
{
    key(k);
    text_ += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::field(std::string_view k, bool value)
{
    key(k);
    text_ += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::null(std::string_view k)
{
    key(k);
    text_ += "null";
    return *this;
}

JsonObject& JsonObject::raw(std::string_view k, std::string_view json)
{
    key(k);
    text_ += json;
    return *this;
}

}  // namespace fup::cli
