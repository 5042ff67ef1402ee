#include "persistence/Tokenizer.h"
#include "persistence/Numbers.h"

#include "model/Catalogue.h"

#include <gtest/gtest.h>

#include <clocale>
#include <random>
#include <string>
#include <vector>

namespace fup {
namespace {

// "code:text" for every token up to and including the end.
std::vector<std::string> tokens(std::string_view input)
{
    Tokenizer t(input);
    std::vector<std::string> out;
    for (;;) {
        const Token tok = t.next();
        out.push_back(std::string(tokenName(tok.code)) + ":" + std::string(tok.text));
        if (tok.code == Tok::End)
            return out;
    }
}

using Lines = std::vector<std::string>;

TEST(Tokenizer, TokensOfSmallInputs)
{
    struct Case {
        const char* input;
        Lines expected;
    };
    const Case cases[] = {
        {"", {"end of input:"}},
        {" \t\r\n\x01\x1f ", {"end of input:"}},
        {"(KISTE 12 \"ADD 1\")", {"(:(", "KISTE:KISTE", "word:12", "text:ADD 1", "):)", "end of input:"}},
        // Keywords in any letter case keep the spelling of the file.
        {"kiste Kante pOs", {"KISTE:kiste", "KANTE:Kante", "POS:pOs", "end of input:"}},
        // Words end at blanks, control characters, quotes and parentheses; "," and ";"
        // end a word and are skipped like blanks.
        {"a,b;;c\"t\"d(e)f",
         {"word:a", "word:b", "word:c", "text:t", "word:d", "(:(", "word:e", "):)", "word:f",
          "end of input:"}},
        {",;, ;", {"end of input:"}},
        // A text keeps blanks, commas, parentheses and line breaks.
        {"\"x, (y);\nz\"", {"text:x, (y);\nz", "end of input:"}},
        {"\"\"", {"text:", "end of input:"}},
        // An unterminated text ends with the input.
        {"(PIN \"abc", {"(:(", "PIN:PIN", "text:abc", "end of input:"}},
        {"\"", {"text:", "end of input:"}},
        // Bytes above 127 (UTF-8) belong to words.
        {"\xC3\x9C"
         "ber TXF1 t2b4 _wert",
         {"word:\xC3\x9C"
          "ber",
          "TXF1:TXF1", "T2B4:t2b4", "_WERT:_wert", "end of input:"}},
        // A keyword is the whole word only.
        {"KISTEN KISTE2 XKISTE", {"KISTEN:KISTEN", "word:KISTE2", "word:XKISTE", "end of input:"}},
        {"-12 $FF 1.5", {"word:-12", "word:$FF", "word:1.5", "end of input:"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tokens(c.input), c.expected) << c.input;
}

TEST(Tokenizer, EndRepeatsAndDepthCounts)
{
    Tokenizer t("((a)");
    EXPECT_EQ(t.next().code, Tok::Open);
    EXPECT_EQ(t.depth(), 1);
    EXPECT_EQ(t.next().code, Tok::Open);
    EXPECT_EQ(t.next().code, Tok::Word);
    EXPECT_EQ(t.depth(), 2);
    EXPECT_EQ(t.next().code, Tok::Close);
    EXPECT_EQ(t.depth(), 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(t.next().code, Tok::End);
}

TEST(Tokenizer, LineAndPositionOfEachToken)
{
    Tokenizer t("(VERSION 21 )\r\n  (SPSFILE \"a\nb\" x");
    struct Where {
        Tok code;
        int line;
        int column;
    };
    const Where expected[] = {{Tok::Open, 1, 1},   {Tok::VERSION, 1, 2}, {Tok::Word, 1, 10},
                              {Tok::Close, 1, 13}, {Tok::Open, 2, 3},    {Tok::SPSFILE, 2, 4},
                              {Tok::Text, 2, 12},  {Tok::Word, 3, 4},    {Tok::End, 3, 5}};
    for (const Where& w : expected) {
        const Token tok = t.next();
        EXPECT_EQ(tok.code, w.code);
        EXPECT_EQ(tok.line, w.line) << tokenName(w.code);
        EXPECT_EQ(tok.column, w.column) << tokenName(w.code);
    }
}

TEST(Tokenizer, AnyBytesEndCleanly)
{
    std::mt19937 random(1234);
    const std::string alphabet = "()\",; \n\r\tKISTE0123$-\x00\x80\xff";
    for (int round = 0; round < 2000; ++round) {
        std::string input;
        const int length = static_cast<int>(random() % 64);
        for (int i = 0; i < length; ++i)
            input.push_back(alphabet[random() % alphabet.size()]);
        Tokenizer t(input);
        int count = 0;
        while (t.next().code != Tok::End) {
            ASSERT_LE(++count, length) << "more tokens than bytes";
        }
    }
}

TEST(Tokenizer, CatalogueParameterNamesArePlainWords)
{
    // The reader insists on a plain word for a parameter's name; a catalogue name that
    // the tokenizer took for a keyword or split in two would make every file with that
    // block unreadable.
    for (const int type : knownTypes()) {
        for (const Para_descriptor& p : typeParameters(type, 2, 1)) {
            Tokenizer t(p.name);
            const Token tok = t.next();
            EXPECT_EQ(tok.code, Tok::Word) << type << " " << p.name;
            EXPECT_EQ(tok.text, p.name) << type;
            EXPECT_EQ(t.next().code, Tok::End) << type << " " << p.name;
        }
    }
}

TEST(Numbers, Integers)
{
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"21", 21},
        {"+7", 7},
        {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"$FF", 255},
        {"$ffffffff", -1},
        {"-$10", -16},
        {"0x7fffffff", INT32_MAX},
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"--1", std::nullopt},
        {"+-1", std::nullopt},
        {"1.5", std::nullopt},
        {"12a", std::nullopt},
        {"99999999999999999999999", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseFileInteger(c.text), c.value) << c.text;
}

TEST(Numbers, DecimalsIgnoreTheLocale)
{
    // A German locale (if installed) would make printf and strtod use ",".
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");

    EXPECT_EQ(parseDecimal("12.5"), 12.5);
    EXPECT_EQ(parseDecimal("+100"), 100.0);
    EXPECT_EQ(parseDecimal("-0.25"), -0.25);
    EXPECT_EQ(parseDecimal("12,5"), std::nullopt);
    EXPECT_EQ(parseDecimal(""), std::nullopt);
    EXPECT_EQ(parseDecimal("abc"), std::nullopt);
    EXPECT_EQ(parseDecimal("1e999"), std::nullopt);
    EXPECT_EQ(parseDecimal("nan"), std::nullopt);
    EXPECT_EQ(formatDecimal(100.0), "100");
    EXPECT_EQ(formatDecimal(12.5), "12.5");
    EXPECT_EQ(formatDecimal(0.1), "0.1");

    std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace
} // namespace fup
