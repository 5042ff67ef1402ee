#pragma once

#include "persistence/Tokenizer.h"

#include <optional>
#include <string>
#include <string_view>

namespace fup {

class Reporter;
class TKiste;

// The reading steps of program and frame files. Each step does nothing once the read
// has failed; each failure reports its text as an error (German key, translated here)
// and marks the read failed, so only the first fault of a file is reported. The
// position of that fault goes to the diagnostic log.
class ReadSteps {
  public:
    ReadSteps(std::string_view text, Reporter& reporter) : tokens_(text), reporter_(reporter) {}

    bool ok() const { return ok_; }
    Reporter& reporter() const { return reporter_; }

    // Reports the text as an error (on the block, when given) and fails the read.
    void fail(std::string_view message, const TKiste* block = nullptr);
    // The same with a text built by the caller (already translated).
    void failTranslated(const std::string& text, const TKiste* block = nullptr);
    // A summary error after a section failed: reported even though the read has
    // failed already.
    void summary(std::string_view message);

    // The next token, whatever it is (End once the read has failed).
    Token next();
    // The next token must have the code.
    bool expect(Tok code, std::string_view message);
    // Skips tokens up to and including the next "(", then the next token must have the
    // code.
    bool section(Tok code, std::string_view message);
    // Skips tokens up to and including the next "(" and returns the code of the token
    // after it (End when there is none).
    Tok nextSection();
    // The first section after a file's head: an optional "VERSION n" section, whose
    // number goes to version, then the code of the section after it. End when the
    // version is not a number.
    Tok firstSectionAfterVersion(int& version);
    // The next token must be a word that reads as a whole number within the limits.
    std::optional<int> integer(std::string_view message, int lowest = -1'000'000, int highest = 1'000'000);
    // The next token must be the word "0" or "1".
    std::optional<bool> flag(std::string_view message);
    // The next token must be a text; the message may name something after its wording.
    std::optional<std::string_view> text(std::string_view message, std::string_view suffix = {});

  private:
    Tokenizer tokens_;
    Reporter& reporter_;
    Token last_;
    bool ok_ = true;
};

} // namespace fup
