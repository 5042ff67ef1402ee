#include "persistence/Tokenizer.h"

#include <array>
#include <utility>

namespace fup {

namespace {

constexpr std::array<std::pair<std::string_view, Tok>, 56> Keywords = {{
    {"SPSFILE", Tok::SPSFILE},
    {"SEITEN", Tok::SEITEN},
    {"SEITE", Tok::SEITE},
    {"KISTEN", Tok::KISTEN},
    {"KANTEN", Tok::KANTEN},
    {"KISTE", Tok::KISTE},
    {"KANTE", Tok::KANTE},
    {"TYP", Tok::TYP},
    {"POS", Tok::POS},
    {"PARAMETER", Tok::PARAMETER},
    {"MUTTER", Tok::MUTTER},
    {"NACHBAR", Tok::NACHBAR},
    {"PIN", Tok::PIN},
    {"FLIP", Tok::FLIP},
    {"BREITE", Tok::BREITE},
    {"HOEHE", Tok::HOEHE},
    {"PROJEKTINFO", Tok::PROJEKTINFO},
    {"PROJEKTNAME", Tok::PROJEKTNAME},
    {"BEARBEITER", Tok::BEARBEITER},
    {"PROJEKTVERSION", Tok::PROJEKTVERSION},
    {"SAVEDATUM", Tok::SAVEDATUM},
    {"COMPILEDATUM", Tok::COMPILEDATUM},
    {"KOMMENTAR", Tok::KOMMENTAR},
    {"VIEWINFO", Tok::VIEWINFO},
    {"PAGE", Tok::PAGE},
    {"ZOOM", Tok::ZOOM},
    {"SCROL", Tok::SCROL},
    {"ZYKLUSZEIT", Tok::ZYKLUSZEIT},
    {"OPTIMIERT", Tok::OPTIMIERT},
    {"DATENDIR", Tok::DATENDIR},
    {"TEXTE", Tok::TEXTE},
    {"TEXT", Tok::TEXT},
    {"KINDERSEITE", Tok::KINDERSEITE},
    {"VERBUNDEN", Tok::VERBUNDEN},
    {"INVERSE", Tok::INVERSE},
    {"TARGET", Tok::TARGET},
    {"LOCK", Tok::LOCK},
    {"VERSION", Tok::VERSION},
    {"COMPORT", Tok::COMPORT},
    {"TEMPVARINFO", Tok::TEMPVARINFO},
    {"TXF1", Tok::TXF1},
    {"TXF2", Tok::TXF2},
    {"T1B1", Tok::T1B1},
    {"T1B4", Tok::T1B4},
    {"T2B1", Tok::T2B1},
    {"T2B4", Tok::T2B4},
    {"_PARTVALUE", Tok::KindPartValue},
    {"_KP", Tok::KindKp},
    {"_VERSTAERKUNG", Tok::KindVerstaerkung},
    {"_KI", Tok::KindKi},
    {"_KD", Tok::KindKd},
    {"_VORHALT_KD", Tok::KindVorhaltKd},
    {"_ANFANGSWERT", Tok::KindAnfangswert},
    {"_WERT", Tok::KindWert},
    {"_ADRESSE", Tok::KindAdresse},
    {"_OFFSET", Tok::KindOffset},
}};

constexpr std::size_t LongestKeyword = 14; // "PROJEKTVERSION"

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool endsWord(char c)
{
    return static_cast<unsigned char>(c) < '!' || c == '"' || c == '(' || c == ')' || c == ',' || c == ';';
}

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) < '!' || c == ',' || c == ';';
}

} // namespace

Tok keywordOf(std::string_view word)
{
    if (word.size() < 3 || word.size() > LongestKeyword)
        return Tok::Word;
    char buffer[LongestKeyword];
    for (std::size_t i = 0; i < word.size(); ++i)
        buffer[i] = upper(word[i]);
    const std::string_view upperWord(buffer, word.size());
    for (const auto& [spelling, code] : Keywords)
        if (spelling == upperWord)
            return code;
    return Tok::Word;
}

std::string_view tokenName(Tok code)
{
    switch (code) {
    case Tok::End:
        return "end of input";
    case Tok::Word:
        return "word";
    case Tok::Open:
        return "(";
    case Tok::Close:
        return ")";
    case Tok::Text:
        return "text";
    default:
        break;
    }
    for (const auto& [spelling, keyword] : Keywords)
        if (keyword == code)
            return spelling;
    return "?";
}

void Tokenizer::advance()
{
    if (input_[pos_] == '\n') {
        ++line_;
        lineStart_ = pos_ + 1;
    }
    ++pos_;
}

Token Tokenizer::next()
{
    while (pos_ < input_.size() && isBlank(input_[pos_]))
        advance();

    Token token;
    token.line = line_;
    token.column = column();
    if (pos_ >= input_.size())
        return token;

    const char c = input_[pos_];
    if (c == '(' || c == ')') {
        token.code = c == '(' ? Tok::Open : Tok::Close;
        token.text = input_.substr(pos_, 1);
        depth_ += c == '(' ? 1 : -1;
        advance();
        return token;
    }
    if (c == '"') {
        advance();
        const std::size_t start = pos_;
        while (pos_ < input_.size() && input_[pos_] != '"')
            advance();
        token.code = Tok::Text;
        token.text = input_.substr(start, pos_ - start);
        if (pos_ < input_.size())
            advance(); // the closing quote
        return token;
    }
    const std::size_t start = pos_;
    while (pos_ < input_.size() && !endsWord(input_[pos_]))
        advance();
    token.text = input_.substr(start, pos_ - start);
    token.code = keywordOf(token.text);
    return token;
}

} // namespace fup
