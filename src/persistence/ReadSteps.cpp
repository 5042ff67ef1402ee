#include "persistence/ReadSteps.h"

#include "model/Reporter.h"
#include "model/Translate.h"
#include "persistence/Numbers.h"

namespace fup {

void ReadSteps::failTranslated(const std::string& text, const TKiste* block)
{
    if (!ok_)
        return;
    reporter_.error(block, text, ok_);
    ok_ = false;
    reporter_.log("Lesefehler in Zeile " + std::to_string(last_.line) + ", Position " +
                  std::to_string(last_.column));
}

void ReadSteps::fail(std::string_view message, const TKiste* block)
{
    failTranslated(tx(message), block);
}

void ReadSteps::summary(std::string_view message)
{
    bool ignored = false;
    reporter_.error(nullptr, tx(message), ignored);
    ok_ = false;
}

Token ReadSteps::next()
{
    if (!ok_)
        return Token{};
    last_ = tokens_.next();
    return last_;
}

bool ReadSteps::expect(Tok code, std::string_view message)
{
    if (!ok_)
        return false;
    if (next().code == code)
        return true;
    fail(message);
    return false;
}

Tok ReadSteps::nextSection()
{
    if (!ok_)
        return Tok::End;
    for (;;) {
        const Tok code = next().code;
        if (code == Tok::End)
            return Tok::End;
        if (code == Tok::Open)
            return next().code;
    }
}

Tok ReadSteps::firstSectionAfterVersion(int& version)
{
    const Tok code = nextSection();
    if (code != Tok::VERSION)
        return code;
    const auto number = integer("Fehlerhafte SPS_Datei(no FileVersion)");
    if (!number)
        return Tok::End;
    version = *number;
    return nextSection();
}

bool ReadSteps::section(Tok code, std::string_view message)
{
    if (!ok_)
        return false;
    if (nextSection() == code)
        return true;
    fail(message);
    return false;
}

std::optional<int> ReadSteps::integer(std::string_view message, int lowest, int highest)
{
    if (!ok_)
        return std::nullopt;
    const Token t = next();
    if (t.code == Tok::Word) {
        const auto value = parseFileInteger(t.text);
        if (value && *value >= lowest && *value <= highest)
            return *value;
    }
    fail(message);
    return std::nullopt;
}

std::optional<bool> ReadSteps::flag(std::string_view message)
{
    if (!ok_)
        return std::nullopt;
    const Token t = next();
    if (t.code == Tok::Word && (t.text == "0" || t.text == "1"))
        return t.text == "1";
    fail(message);
    return std::nullopt;
}

std::optional<std::string_view> ReadSteps::text(std::string_view message, std::string_view suffix)
{
    if (!ok_)
        return std::nullopt;
    const Token t = next();
    if (t.code == Tok::Text)
        return t.text;
    failTranslated(tx(message) + std::string(suffix));
    return std::nullopt;
}

} // namespace fup
