#include "model/Catalogue.h"
#include "shell/cli/BlocksCommand.h"
#include "shell/cli/CliReporter.h"
#include "shell/cli/Fupc.h"
#include "shell/cli/Json.h"

#include "model/Kisten.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace fup;
using namespace fup::cli;

namespace {

struct Run {
    int code;
    std::string out;
    std::string err;
};

Run run(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int code = runFupc(args, out, err);
    return {code, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

// A strict JSON checker: whole text one value, nothing after it. Returns the keys of the
// top-level object in order (empty when the text is not valid JSON or not an object).
class JsonCheck {
public:
    explicit JsonCheck(std::string_view text) : s_(text) {}

    bool valid(std::vector<std::string>* topKeys = nullptr)
    {
        keys_ = topKeys;
        return value(0) && (ws(), pos_ == s_.size());
    }

private:
    void ws()
    {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\n' || s_[pos_] == '\t' || s_[pos_] == '\r'))
            ++pos_;
    }
    bool literal(std::string_view word)
    {
        if (s_.substr(pos_, word.size()) != word)
            return false;
        pos_ += word.size();
        return true;
    }
    bool string(std::string* into)
    {
        if (pos_ >= s_.size() || s_[pos_] != '"')
            return false;
        for (++pos_; pos_ < s_.size(); ++pos_) {
            const auto c = static_cast<unsigned char>(s_[pos_]);
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c < 0x20)
                return false;
            if (c == '\\') {
                if (++pos_ >= s_.size())
                    return false;
                const char e = s_[pos_];
                if (e == 'u') {
                    for (int k = 0; k < 4; ++k) {
                        if (++pos_ >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[pos_])))
                            return false;
                    }
                } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                    return false;
                }
                continue;
            }
            if (into)
                *into += static_cast<char>(c);
        }
        return false;
    }
    bool number()
    {
        const size_t start = pos_;
        if (pos_ < s_.size() && s_[pos_] == '-')
            ++pos_;
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_])))
            ++pos_;
        return pos_ > start;
    }
    bool value(int depth)
    {
        ws();
        if (pos_ >= s_.size())
            return false;
        const char c = s_[pos_];
        if (c == '{' || c == '[') {
            const char close = c == '{' ? '}' : ']';
            ++pos_;
            ws();
            if (pos_ < s_.size() && s_[pos_] == close)
                return ++pos_, true;
            for (;;) {
                if (c == '{') {
                    ws();
                    std::string key;
                    if (!string(&key))
                        return false;
                    if (depth == 0 && keys_)
                        keys_->push_back(key);
                    ws();
                    if (pos_ >= s_.size() || s_[pos_++] != ':')
                        return false;
                }
                if (!value(depth + 1))
                    return false;
                ws();
                if (pos_ >= s_.size())
                    return false;
                if (s_[pos_] == close)
                    return ++pos_, true;
                if (s_[pos_++] != ',')
                    return false;
            }
        }
        if (c == '"')
            return string(nullptr);
        return literal("true") || literal("false") || literal("null") || number();
    }

    std::string_view s_;
    size_t pos_ = 0;
    std::vector<std::string>* keys_ = nullptr;
};

}  // namespace

TEST(Fupc, CommandLineAndExitCodes)
{
    struct Case {
        std::vector<std::string> args;
        int code;
        const char* outHas;  // "" = out must be empty
        const char* errHas;  // "" = err must be empty
    };
    const Case cases[] = {
        {{}, 2, "", "no command given"},
        {{"--help"}, 0, "Usage: fupc", ""},
        {{"-h"}, 0, "Commands:", ""},
        {{"--version"}, 0, "fupc 0.", ""},
        {{"-V"}, 0, "fupc ", ""},
        {{"--frobnicate"}, 2, "", "unknown option '--frobnicate'"},
        {{"compile"}, 2, "", "unknown command 'compile'"},
        {{"compile"}, 2, "", "unknown command 'compile'"},
        {{"help"}, 0, "Commands:", ""},
        {{"help", "blocks"}, 0, "Usage: fupc blocks", ""},
        {{"help", "help"}, 0, "Usage: fupc help", ""},
        {{"help", "nothing"}, 2, "", "unknown command 'nothing'"},
        {{"help", "blocks", "extra"}, 2, "", "one command name"},
        {{"blocks", "--help"}, 0, "--json", ""},
        {{"blocks", "--xml"}, 2, "", "unknown option '--xml'"},
        {{"blocks", "abc"}, 2, "", "not a type number: 'abc'"},
        {{"blocks", "13x"}, 2, "", "not a type number"},
        {{"blocks", "-5"}, 2, "", "unknown option '-5'"},
        {{"blocks", "13"}, 0, "\"ADGR\"", ""},
        {{"blocks", "--", "13"}, 0, "\"ADGR\"", ""},
        {{"blocks", "22"}, 0, "\"none\"", ""},
    };
    for (const auto& c : cases) {
        std::string joined;
        for (const auto& a : c.args)
            joined += a + " ";
        SCOPED_TRACE(joined);
        const auto r = run(c.args);
        EXPECT_EQ(r.code, c.code);
        if (*c.outHas) {
            EXPECT_NE(r.out.find(c.outHas), std::string::npos) << r.out;
        } else {
            EXPECT_EQ(r.out, "");
        }
        if (*c.errHas) {
            EXPECT_NE(r.err.find(c.errHas), std::string::npos) << r.err;
        } else {
            EXPECT_EQ(r.err, "");
        }
        // A usage error always shows how to call.
        if (c.code == ExitUsage) {
            EXPECT_NE(r.err.find("Usage: fupc"), std::string::npos);
        }
    }
}

TEST(Fupc, JsonStringEscaping)
{
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"", "\"\""},
        {"plain", "\"plain\""},
        {"..include \"Sub-Prozess\" Datei", "\"..include \\\"Sub-Prozess\\\" Datei\""},
        {"C:\\daten\\", "\"C:\\\\daten\\\\\""},
        {"a\nb\r\tc", "\"a\\nb\\r\\tc\""},
        {std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\""},
        {std::string("nul\0x", 5), "\"nul\\u0000x\""},
        {"\xc3\xbc" "berschrieben \xe2\x82\xac \xf0\x9f\x98\x80", "\"\xc3\xbc" "berschrieben \xe2\x82\xac \xf0\x9f\x98\x80\""},
        {"caf\xe9", "\"caf\\ufffd\""},              // Windows-1252 byte that slipped through
        {"\xc0\xaf", "\"\\ufffd\\ufffd\""},         // overlong "/"
        {"\xed\xa0\x80", "\"\\ufffd\\ufffd\\ufffd\""},  // surrogate
        {"\xe2\x82", "\"\\ufffd\\ufffd\""},         // cut short
        {"\xf4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\""},  // beyond U+10FFFF
        {"\x80x", "\"\\ufffdx\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jsonString(c.in), c.out) << c.in;
        EXPECT_TRUE(JsonCheck(jsonString(c.in)).valid()) << c.in;
    }
}

TEST(Fupc, BlocksJsonIsOneValidObjectPerType)
{
    const auto r = run({"blocks", "--json"});
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    const auto all = lines(r.out);
    const auto known = knownTypes();
    ASSERT_EQ(all.size(), known.size());
    const std::vector<std::string> fields = {"type",  "menu",    "label",  "hint",
                                             "width", "inputs", "outputs", "params"};
    for (size_t i = 0; i < all.size(); ++i) {
        SCOPED_TRACE(all[i]);
        std::vector<std::string> keys;
        EXPECT_TRUE(JsonCheck(all[i]).valid(&keys));
        EXPECT_EQ(keys, fields);
        EXPECT_EQ(all[i].rfind("{\"type\":" + std::to_string(known[i]) + ",", 0), 0u);
    }
}

TEST(Fupc, BlocksJsonContent)
{
    // Two menu items, a leading blank in the label, value type by number, flags.
    EXPECT_EQ(blockTypeJson(199),
              "{\"type\":199,\"menu\":[\"Display (Analog)\",\"Num-Display (Analog)\"],\"label\":\" AnaDisp\","
              "\"hint\":\"Numerisches Analog-Display\",\"width\":12,"
              "\"inputs\":[{\"name\":\"\",\"vt\":1,\"const\":false}],\"outputs\":[],\"params\":["
              "{\"key\":\"nam\",\"kind\":58,\"default\":\"...\",\"prompt\":\"Name\",\"hint\":\"\","
              "\"eeprom\":false,\"flash\":false,\"shown\":false,\"showPrompt\":true},"
              "{\"key\":\"dim\",\"kind\":58,\"default\":\"xxx\",\"prompt\":\"DimText\",\"hint\":\"\","
              "\"eeprom\":false,\"flash\":false,\"shown\":false,\"showPrompt\":true},"
              "{\"key\":\"skf\",\"kind\":61,\"default\":\"10.0\",\"prompt\":\"SkalFaktor\",\"hint\":\"\","
              "\"eeprom\":false,\"flash\":false,\"shown\":false,\"showPrompt\":true},"
              "{\"key\":\"nko\",\"kind\":56,\"default\":\"2\",\"prompt\":\"NachKomma\",\"hint\":\"\","
              "\"eeprom\":false,\"flash\":false,\"shown\":false,\"showPrompt\":true}]}");
    // Variable counts are listed for N = 2, M = 2; the output precedes nothing in JSON.
    const auto adder = blockTypeJson(13);
    EXPECT_NE(adder.find("\"inputs\":[{\"name\":\"+1\",\"vt\":1,\"const\":true},{\"name\":\"+2\""),
              std::string::npos);
    EXPECT_NE(blockTypeJson(189).find("\"default\":\"2\""), std::string::npos);
    EXPECT_NE(blockTypeJson(21).find("\"menu\":[]"), std::string::npos);
    EXPECT_NE(blockTypeJson(19).find("\"eeprom\":true"), std::string::npos);
    EXPECT_NE(blockTypeJson(12).find("\"flash\":true"), std::string::npos);
}

TEST(Fupc, BlocksTextListsTypesInOrderGiven)
{
    const auto r = run({"blocks", "98", "54", "21"});
    ASSERT_EQ(r.code, 0);
    const auto out = lines(r.out);
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out.front(), "98  \"BITW\"");
    const auto second = std::find(out.begin(), out.end(), "54  \" T\"");
    EXPECT_NE(second, out.end());
    EXPECT_NE(r.out.find("    inputs   b0 D, b1 D,"), std::string::npos);
    EXPECT_NE(r.out.find("    params   RG  56  =\"\"  -  \"Reg\"  \"Ziel-Reg. Nr.\""), std::string::npos);
    EXPECT_NE(r.out.find("    outputs  (unnamed) -\n"), std::string::npos);
    EXPECT_NE(r.out.find("21  \"DIF\"\n    menu     -\n"), std::string::npos);
    EXPECT_NE(r.out.find("    inputs   -\n    outputs  -\n"), std::string::npos);
}

TEST(Fupc, ReporterLinesAndExitCode)
{
    TKiste adder;
    adder.number = 12;
    adder.label = "ADGR";
    adder.name = "ADGR 12";
    const TKiste* block = &adder;

    std::ostringstream err;
    CliReporter plain("anlage.KR2", err, false);
    EXPECT_EQ(plain.exitCode(), 0);
    bool ok = true;
    plain.warning(nullptr, "Datei ohne Ziel-System");
    EXPECT_EQ(plain.exitCode(), 9);
    plain.error(block, "Parameter fehlt", ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(plain.exitCode(), 10);
    plain.warning(block, "Name zu lang: abc");
    EXPECT_EQ(plain.exitCode(), 9);  // the last report decides
    plain.errorRaw(nullptr, "Ungleiche Macros gleichen Namens: X", ok);
    EXPECT_EQ(plain.exitCode(), 10);
    plain.box("Kommentar erwartet");
    plain.log("File-Version= 21");  // not shown unless asked for
    EXPECT_EQ(plain.exitCode(), 10);
    EXPECT_EQ(err.str(), "anlage.KR2: Warnung: Datei ohne Ziel-System\n"
                         "anlage.KR2: Fehler: ADGR 12: Parameter fehlt\n"
                         "anlage.KR2: Warnung: ADGR 12: Name zu lang: abc\n"
                         "anlage.KR2: Ungleiche Macros gleichen Namens: X\n"
                         "anlage.KR2: Kommentar erwartet\n");

    std::ostringstream jsonErr;
    CliReporter json("a \"b\".KR2", jsonErr, true);
    json.setShowLog(true);
    json.error(block, "Fehlerhafte SPS_Datei(kisten)");
    json.warning(nullptr, "Tab\there");
    json.log("File-Version= 21");
    const auto out = lines(jsonErr.str());
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0], "{\"file\":\"a \\\"b\\\".KR2\",\"severity\":\"error\",\"block\":12,\"label\":\"ADGR\","
                      "\"text\":\"Fehlerhafte SPS_Datei(kisten)\"}");
    EXPECT_EQ(out[1], "{\"file\":\"a \\\"b\\\".KR2\",\"severity\":\"warning\",\"block\":null,\"label\":null,"
                      "\"text\":\"Tab\\there\"}");
    EXPECT_EQ(out[2], "{\"file\":\"a \\\"b\\\".KR2\",\"severity\":\"log\",\"block\":null,\"label\":null,"
                      "\"text\":\"File-Version= 21\"}");
    EXPECT_EQ(json.exitCode(), 9);
}
