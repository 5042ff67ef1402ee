#include "model/Document.h"
#include "model/StructuredTextPins.h"

#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace fup {
namespace {

using test::RecordingReporter;

struct StPins : ::testing::Test {
    RecordingReporter reporter;
    Document doc{&reporter};
    TKiste* st = doc.createBlock(81, 0, 0, 1, 20, 10, false);

    void lists(const std::string& de, const std::string& ae = "", const std::string& ie = "",
               const std::string& da = "", const std::string& aa = "", const std::string& ia = "")
    {
        st->param("de")->value = de;
        st->param("ae")->value = ae;
        st->param("ie")->value = ie;
        st->param("da")->value = da;
        st->param("aa")->value = aa;
        st->param("ia")->value = ia;
    }

    // "in a 1 D*": side, name, row, value type, constant-capable.
    std::vector<std::string> pins() const
    {
        std::vector<std::string> result;
        for (const TKante* p : st->pins) {
            static constexpr char Types[] = "-FDGI";
            std::string line = (p->isInput() ? "in " : "out ") + p->name + " " + std::to_string(p->ordinal()) +
                               " " + Types[p->valueType];
            if (p->constCapable)
                line += "*";
            result.push_back(line);
        }
        std::sort(result.begin(), result.end());
        return result;
    }
};

TEST_F(StPins, PinsFollowTheSixLists)
{
    lists("a b", "x", "", "q");
    EXPECT_TRUE(rebuildStPins(doc, *st));
    EXPECT_EQ(pins(), (std::vector<std::string>{"in a 1 D", "in b 2 D", "in x 3 F*", "out q 1 D"}));
    EXPECT_EQ(st->n, 3);
    EXPECT_EQ(st->m, 1);
    EXPECT_EQ(st->heightRows, 4);
    EXPECT_TRUE(reporter.lines.empty());

    lists("", "", "i1", "", "y", "n1 n2");
    EXPECT_TRUE(rebuildStPins(doc, *st));
    EXPECT_EQ(pins(), (std::vector<std::string>{"in i1 1 I*", "out n1 2 I", "out n2 3 I", "out y 1 F"}));
    EXPECT_EQ(st->heightRows, 4);

    lists("");
    EXPECT_TRUE(rebuildStPins(doc, *st));
    EXPECT_TRUE(st->pins.empty());
    EXPECT_EQ(st->heightRows, 2);
}

TEST_F(StPins, FaultyNamesAreReportedAndCorrected)
{
    struct Case {
        const char* de;
        const char* da;
        std::vector<std::string> pins;
        std::string error;
    };
    const Case cases[] = {
        {"a a", "", {"in _01 2 D", "in a 1 D"}, "gleiche PinNamen: a"},
        {"A", "a", {"in A 1 D", "out _01 1 D"}, "gleiche PinNamen: a"}, // case does not count
        {"_01 a a", "", {"in _01 1 D", "in _02 3 D", "in a 2 D"}, "gleiche PinNamen: a"},
        {"abcd", "", {"in abc 1 D"}, "PinName zu lang: abcd"},
        {"abcd abc", "", {"in _01 2 D", "in abc 1 D"}, "gleiche PinNamen: abc"}, // cut first
        {"1x", "", {"in 1x 1 D"}, "PinName muss mit Buchstabe anfangen: 1x"},
        {"\xC3\xA4" "bcd", "", {"in \xC3\xA4" "bc 1 D"}, "PinName zu lang: \xC3\xA4" "bcd"},
    };
    for (const Case& c : cases) {
        reporter.lines.clear();
        lists(c.de, "", "", c.da);
        EXPECT_FALSE(rebuildStPins(doc, *st)) << c.de;
        EXPECT_EQ(pins(), c.pins) << c.de;
        EXPECT_EQ(reporter.lines, std::vector<std::string>{"E:" + c.error}) << c.de;
        EXPECT_EQ(st->param("de")->value, c.de); // what the user wrote stays
    }
}

TEST_F(StPins, SeparatorsAndIgnoredCharacters)
{
    lists("a;b,\tc\"d  ,;", "\x01x\x7f");
    EXPECT_TRUE(rebuildStPins(doc, *st));
    EXPECT_EQ(pins(), (std::vector<std::string>{"in a 1 D", "in b 2 D", "in cd 3 D", "in x 4 F*"}));

    std::string many;
    for (int i = 0; i < 150; ++i)
        many += "p" + std::to_string(i) + " ";
    lists(many);
    EXPECT_TRUE(rebuildStPins(doc, *st)); // names beyond 100 are dropped
    EXPECT_EQ(st->n, MaxStPinNamesPerList);
}

TEST_F(StPins, WiresStayWhilePinsKeepTheirListAndName)
{
    lists("a b");
    rebuildStPins(doc, *st);
    TKiste* left = doc.createBlock(90, 0, 0, 1, 2, 10, false); // digital input block
    TKante* out = left->outputPin(1);
    ASSERT_NE(out, nullptr);
    ASSERT_TRUE(doc.connect(*out, *st->pinNamed("b")));

    lists("c b"); // b moves nowhere; a goes, c comes
    rebuildStPins(doc, *st);
    ASSERT_NE(st->pinNamed("b"), nullptr);
    EXPECT_EQ(netSource(*st->pinNamed("b")), out);
    EXPECT_EQ(st->pinNamed("b")->ordinal(), 2);
    EXPECT_EQ(st->pinNamed("a"), nullptr);

    lists("c", "b"); // b becomes a fixed-point input: a new pin without the wire
    rebuildStPins(doc, *st);
    ASSERT_NE(st->pinNamed("b"), nullptr);
    EXPECT_EQ(st->pinNamed("b")->valueType, vt::Fixed);
    EXPECT_EQ(st->pinNamed("b")->neighbourCount, 0);
    EXPECT_EQ(out->neighbourCount, 0);
}

TEST_F(StPins, AnyDeclarationTextGivesAConsistentPinSet)
{
    // Random lists of letters, digits, separators, control bytes, quotes and UTF-8 bytes.
    std::mt19937 random(4711);
    const std::string alphabet = "aAbBxX_1;, \t\"\x01\xC3\xA4zZqQ";
    TKiste* source = doc.createBlock(90, 0, 0, 1, 2, 10, false);
    for (int round = 0; round < 300; ++round) {
        std::array<std::string, 6> texts;
        for (std::string& text : texts) {
            const int length = static_cast<int>(random() % 40);
            for (int i = 0; i < length; ++i)
                text += alphabet[random() % alphabet.size()];
        }
        lists(texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]);
        if (TKante* a = st->pinNamed("a"); a && a->isInput() && a->valueType == vt::Digital && !a->neighbourCount)
            doc.connect(*source->outputPin(1), *a);
        const bool clean = rebuildStPins(doc, *st);
        EXPECT_EQ(clean, reporter.lines.empty());
        reporter.lines.clear();

        std::set<std::string> seen;
        std::set<int> inputRows;
        std::set<int> outputRows;
        for (const TKante* p : st->pins) {
            std::string key = p->name;
            for (char& c : key)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            EXPECT_TRUE(seen.insert(key).second) << p->name;
            EXPECT_FALSE(p->name.empty());
            (p->isInput() ? inputRows : outputRows).insert(p->ordinal());
            EXPECT_EQ(p->sheet, st->sheet);
        }
        EXPECT_EQ(static_cast<int>(inputRows.size()), st->n);
        EXPECT_EQ(static_cast<int>(outputRows.size()), st->m);
        EXPECT_TRUE(inputRows.empty() || (*inputRows.begin() == 1 && *inputRows.rbegin() == st->n));
        EXPECT_TRUE(outputRows.empty() || (*outputRows.begin() == 1 && *outputRows.rbegin() == st->m));
        EXPECT_EQ(st->heightRows, std::max({st->n, st->m, 1}) + 1);
        for (std::size_t i = 0; i < texts.size(); ++i)
            EXPECT_EQ(st->param(StPinListKeys[i])->value, texts[i]);
        // A second rebuild from the same lists changes nothing and keeps every wire.
        std::vector<TKante*> before = st->pins;
        const int wired = source->outputPin(1)->neighbourCount;
        rebuildStPins(doc, *st);
        reporter.lines.clear();
        EXPECT_EQ(st->pins, before);
        EXPECT_EQ(source->outputPin(1)->neighbourCount, wired);
    }
}

TEST_F(StPins, AFlippedBlockGetsItsPinsOnTheOtherEdges)
{
    st->flipped = true;
    lists("a", "", "", "q");
    rebuildStPins(doc, *st);
    EXPECT_EQ(st->pinNamed("a")->x, st->widthGrid());
    EXPECT_EQ(st->pinNamed("q")->x, 0);
}

} // namespace
} // namespace fup
