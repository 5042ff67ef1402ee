#pragma once

#include <string>

namespace fup {

// The version written into every program and frame file.
constexpr int ProgramFileVersion = 21;
// From this version on, an input pin's constant is stored as its 32-bit value.
constexpr int ConstantValueVersion = 21;
// The process name a failed load leaves behind.
inline constexpr const char* FailedLoadProcessName = "leer_dummy";

// One record of the comment-text section. The document has no comment texts yet; the
// reader hands these out and the writer takes them, so that the shell can keep them.
struct CommentTextRecord {
    int x = 0;
    int y = 0;
    int sheet = 1;
    int style = 0; // 1 large font + 2 coloured
    std::string text;

    bool large() const { return (style & 1) != 0; }
    bool coloured() const { return style > 1; }
    bool operator==(const CommentTextRecord&) const = default;
};

} // namespace fup
