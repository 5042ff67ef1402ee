#pragma once

#include <string>

namespace fup {

class TKiste;

// The one channel through which every check reports. The editor's implementation
// shows boxes, colours blocks and keeps the exit code; the command-line compiler
// prints lines; tests record. Texts arrive translated and without prefix.
class Reporter {
public:
    virtual ~Reporter() = default;
    // Clears ok, sets exit code 10; shown as "Fehler: " + text.
    virtual void error(const TKiste* block, const std::string& text, bool& ok) = 0;
    // Sets exit code 9 and the warning flag; shown as "Warnung: " + text.
    virtual void warning(const TKiste* block, const std::string& text) = 0;
    // Texts that carry their own wording (file reader, code generator).
    virtual void errorRaw(const TKiste* block, const std::string& text, bool& ok) = 0;
    virtual void warningRaw(const TKiste* block, const std::string& text) = 0;
    // One line in the message window, never a box.
    virtual void log(const std::string& text) = 0;
    // A plain message box, no exit code.
    virtual void box(const std::string& text) = 0;

    void error(const TKiste* block, const std::string& text)
    {
        bool ignored = true;
        error(block, text, ignored);
    }
};

}  // namespace fup
