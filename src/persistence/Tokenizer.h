#pragma once

#include <string_view>

namespace fup {

// What the tokenizer returns. Keywords are words whose upper-case form is one of the
// file keywords; they are recognised wherever they stand, so no plain word of a file
// (number, parameter name, curve name) may be spelled like one.
enum class Tok : unsigned char {
    End,   // the input was used up by the previous token
    Word,  // a run of characters up to a blank or control character, '"', '(' or ')'
    Open,  // "("
    Close, // ")"
    Text,  // the characters between double quotes; may span lines

    // Program, frame, macro and automat files.
    SPSFILE,
    SEITEN,
    SEITE,
    KISTEN,
    KANTEN,
    KISTE,
    KANTE,
    TYP,
    POS,
    PARAMETER,
    MUTTER,
    NACHBAR,
    PIN,
    FLIP,
    BREITE,
    HOEHE,
    PROJEKTINFO,
    PROJEKTNAME,
    BEARBEITER,
    PROJEKTVERSION,
    SAVEDATUM,
    COMPILEDATUM,
    KOMMENTAR,
    VIEWINFO,
    PAGE,
    ZOOM,
    SCROL,
    ZYKLUSZEIT,
    OPTIMIERT,
    DATENDIR,
    TEXTE,
    TEXT,
    KINDERSEITE,
    VERBUNDEN,
    INVERSE,
    TARGET,
    LOCK,
    VERSION,
    COMPORT,
    TEMPVARINFO,
    // Characteristic-curve files.
    TXF1,
    TXF2,
    T1B1,
    T1B4,
    T2B1,
    T2B4,
    // The parameter-kind words "_PARTVALUE", "_KP", "_VERSTAERKUNG", "_KI", "_KD",
    // "_VORHALT_KD", "_ANFANGSWERT", "_WERT", "_ADRESSE", "_OFFSET"; no file uses them,
    // but they are reserved all the same.
    KindPartValue,
    KindKp,
    KindVerstaerkung,
    KindKi,
    KindKd,
    KindVorhaltKd,
    KindAnfangswert,
    KindWert,
    KindAdresse,
    KindOffset,
};

struct Token {
    Tok code = Tok::End;
    // The word as found in the file (letter case kept), or the contents of a text
    // without its quotes. Points into the tokenizer's input.
    std::string_view text;
    int line = 1;   // where the token starts, 1-based
    int column = 1; // byte position in that line, 1-based
};

// The keyword spelled by the word, compared in upper case, or Tok::Word.
Tok keywordOf(std::string_view word);
// The upper-case spelling of a keyword; the name of the token kind for the others.
std::string_view tokenName(Tok code);

// Splits program and curve texts into tokens. Blanks and control characters (every code
// below "!") between tokens are skipped; "," and ";" end a word and count as blanks.
// A text without its closing quote ends at the end of the input. Any input is accepted.
class Tokenizer {
  public:
    explicit Tokenizer(std::string_view input) : input_(input) {}

    Token next();
    // +1 for every "(" and -1 for every ")" returned so far.
    int depth() const { return depth_; }
    int line() const { return line_; }
    int column() const { return static_cast<int>(pos_ - lineStart_) + 1; }

  private:
    void advance();

    std::string_view input_;
    std::size_t pos_ = 0;
    std::size_t lineStart_ = 0;
    int line_ = 1;
    int depth_ = 0;
};

} // namespace fup
