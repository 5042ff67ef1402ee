#include "persistence/CurveFile.h"

#include "model/Kisten.h"
#include "model/Reporter.h"
#include "model/Translate.h"
#include "persistence/FileText.h"
#include "persistence/Numbers.h"
#include "persistence/Tokenizer.h"

#include <algorithm>
#include <string>

namespace fup {

namespace {

std::string upper(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return std::string(s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1));
}

// Every line loses everything from its first "*" or ";" on; what is left of the lines
// is joined without a separator (so the last word of a line runs into the first word of
// the next unless a blank, a parenthesis or a quote stands between them).
std::string withoutComments(std::string_view text)
{
    std::string joined;
    joined.reserve(text.size());
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        joined.append(line.substr(0, line.find_first_of("*;")));
        start = end + 1;
    }
    return joined;
}

// The file in the directory, or one whose name differs only in letter case (files made
// on systems that do not tell the two apart).
std::filesystem::path findFile(const std::filesystem::path& directory, std::string_view name)
{
    std::filesystem::path exact = directory / std::string(name);
    std::error_code ec;
    if (std::filesystem::exists(exact, ec))
        return exact;
    const std::string wanted = upper(name);
    for (std::filesystem::directory_iterator it(directory.empty() ? "." : directory, ec), end;
         !ec && it != end; it.increment(ec)) {
        if (upper(it->path().filename().string()) == wanted)
            return it->path();
    }
    return exact;
}

class CurveParser {
  public:
    CurveParser(const TKiste& block, std::string_view text, Reporter& reporter, bool& ok)
        : block_(block), tokens_(text), reporter_(reporter), ok_(ok)
    {
    }

    // The table, or empty after a fault (reported, except too few values).

    std::vector<std::int32_t> read(const std::string& name, int points)
    {
        const Tok header = points == 33 ? Tok::TXF1 : Tok::TXF2;
        const std::string wanted = upper(name);
        for (;;) {
            Token t = tokens_.next();
            while (t.code != header && t.code != Tok::End)
                t = tokens_.next();
            if (t.code == Tok::End) {
                error(tx("TXF..fuer ") + name + tx(" nicht gefunden"));
                return {};
            }
            const Token curveName = tokens_.next();
            // A name spelled like a keyword is still a name.
            if (curveName.code == Tok::End || curveName.code == Tok::Open || curveName.code == Tok::Close ||
                curveName.code == Tok::Text) {
                error(tx("nach TKF.. kein Name"));
                return {};
            }
            if (upper(curveName.text) == wanted)
                break;
        }

        std::vector<std::int32_t> table(static_cast<std::size_t>(points) + 1, 0);
        int count = 0;
        while (count < points) {
            const Token t = tokens_.next();
            if (t.code == Tok::End)
                break;
            // The next curve begins: this one ends here (its values are too few).
            if (t.code == Tok::TXF1 || t.code == Tok::TXF2)
                break;
            int group = 0;
            if (t.code == Tok::T1B4 || t.code == Tok::T2B4)
                group = 4;
            else if (t.code == Tok::T1B1 || t.code == Tok::T2B1)
                group = 1;
            for (int i = 0; i < group && count < points; ++i) {
                const Token v = tokens_.next();
                const auto value = v.code == Tok::Word ? parseFileInteger(v.text) : std::nullopt;
                if (!value) {
                    error(tx("KennlinienWert erwartet"));
                    return {};
                }
                table[static_cast<std::size_t>(++count)] = *value;
            }
        }
        // Too few values: the caller's summary says so.
        if (count < points)
            return {};
        return table;
    }

    void error(const std::string& text) { reporter_.error(&block_, text, ok_); }

  private:
    const TKiste& block_;
    Tokenizer tokens_;
    Reporter& reporter_;
    bool& ok_;
};

const std::string* curveNameOf(const TKiste& block)
{
    const Para_descriptor* kn = block.param("KN");
    return kn ? &kn->value : nullptr;
}

std::vector<std::int32_t> failed(const TKiste& block, Reporter& reporter, bool& ok)
{
    reporter.error(&block, tx("kenlinienwerte nicht erfolgreich gelesen"), ok);
    return {};
}

} // namespace

int curvePoints(int type)
{
    if (type == 46)
        return 33;
    if (type == 47 || type == 48)
        return 65;
    return 0;
}

std::string_view curveFileName(int type)
{
    const int points = curvePoints(type);
    return points == 33 ? "TK33.A" : points == 65 ? "TK65.A" : "";
}

std::vector<std::int32_t> readCurveTable(const TKiste& block, std::string_view text, Reporter& reporter,
                                         bool& ok)
{
    const std::string* name = curveNameOf(block);
    const int points = curvePoints(block.type);
    if (!name || points == 0) {
        reporter.error(&block, tx("Par:Name nicht gefunden"), ok);
        return failed(block, reporter, ok);
    }
    const std::string cleaned = withoutComments(text);
    CurveParser parser(block, cleaned, reporter, ok);
    std::vector<std::int32_t> table = parser.read(trimmed(*name), points);
    if (table.empty())
        return failed(block, reporter, ok);
    return table;
}

std::vector<std::int32_t> loadCurveTable(const TKiste& block, const std::filesystem::path& dataDirectory,
                                         Reporter& reporter, bool& ok)
{
    if (!curveNameOf(block) || curvePoints(block.type) == 0) {
        reporter.error(&block, tx("Par:Name nicht gefunden"), ok);
        return failed(block, reporter, ok);
    }
    const std::filesystem::path file = findFile(dataDirectory, curveFileName(block.type));
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        reporter.error(&block, tx("Datei ") + file.string() + tx(" nicht gefunden."), ok);
        return failed(block, reporter, ok);
    }
    std::string bytes;
    if (!readFileBytes(file, bytes).ok) {
        reporter.error(&block, tx("Reset ") + file.string(), ok);
        return failed(block, reporter, ok);
    }
    return readCurveTable(block, decodeFileText(bytes), reporter, ok);
}

} // namespace fup
