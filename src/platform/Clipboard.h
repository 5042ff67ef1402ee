#pragma once

#include <string>

namespace fup::platform {

// The system clipboard, plain text only (UTF-8).
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

}  // namespace fup::platform
