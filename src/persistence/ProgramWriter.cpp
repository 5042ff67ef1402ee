#include "persistence/ProgramWriter.h"

#include "model/Document.h"
#include "persistence/Numbers.h"
#include "persistence/Tokenizer.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <unordered_set>

namespace fup {

namespace {

// Appends the pieces of one file line at a time; every line ends with "\n".
class Out {
  public:
    explicit Out(std::size_t expected) { text_.reserve(expected); }

    Out& operator<<(std::string_view s)
    {
        text_.append(s);
        return *this;
    }
    Out& operator<<(char c)
    {
        text_.push_back(c);
        return *this;
    }
    Out& operator<<(long long value)
    {
        char buffer[24];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
        text_.append(buffer, end);
        return *this;
    }
    Out& operator<<(int value) { return *this << static_cast<long long>(value); }
    Out& operator<<(const char* s) { return *this << std::string_view(s); }

    // A text value between double quotes. The file has no escape character: a double
    // quote that slipped past the editor's input cleaning would end the text early and
    // break the file, so it is written as a blank.
    Out& quoted(std::string_view s)
    {
        text_.push_back('"');
        for (const char c : s)
            text_.push_back(c == '"' ? ' ' : c);
        text_.push_back('"');
        return *this;
    }
    // A value written as one plain word (parameter name and prompt). A word the
    // tokenizer would split, join with its neighbours or take for a keyword would shift
    // every later value of the record; such a word is written as "_".
    Out& word(std::string_view s)
    {
        bool plain = !s.empty() && keywordOf(s) == Tok::Word;
        for (const char c : s) {
            if (static_cast<unsigned char>(c) < '!' || c == '"' || c == '(' || c == ')' || c == ',' ||
                c == ';')
                plain = false;
        }
        text_.append(plain ? s : std::string_view("_"));
        return *this;
    }
    Out& flag(bool value)
    {
        text_.push_back(value ? '1' : '0');
        return *this;
    }

    std::string take() { return std::move(text_); }

  private:
    std::string text_;
};

void writeProject(Out& out, const ProgramSettings& s)
{
    out << "  (PROJEKTINFO\n";
    out << "    (PROJEKTNAME    ";
    out.quoted(s.projectName) << ")\n";
    out << "    (BEARBEITER     ";
    out.quoted(s.author) << ")\n";
    out << "    (PROJEKTVERSION ";
    out.quoted(s.processVersion) << ")\n";
    out << "    (SAVEDATUM      ";
    out.quoted(s.saveDate) << ")\n";
    out << "    (COMPILEDATUM   ";
    out.quoted(s.compileDate) << ")\n";
    out << "    (ZYKLUSZEIT     ";
    out.quoted(formatDecimal(s.cycleTimeMs)) << ")\n";
    out << "    (DATENDIR       ";
    out.quoted(s.dataDirectory.string()) << ")\n";
    out << "    (OPTIMIERT      ";
    out.quoted(std::to_string(s.optimisationLevel)) << ")\n";
    out << "    (TARGET         ";
    out.quoted(std::to_string(s.target)) << ")\n";
    out << "    (COMPORT        ";
    out.quoted(s.comPort) << ")\n";
    out << "    (TEMPVARINFO    ";
    out.flag(s.useTempVars) << ' ';
    out.quoted(s.digitalTempName) << ' ';
    out.quoted(s.fixedTempName) << ")\n";
    out << "    (KOMMENTAR      ";
    out.quoted(s.comment) << ")\n";
    out << "  )\n";
}

void writeView(Out& out, const Document& doc, const ProgramSettings& s)
{
    out << "  (VIEWINFO\n";
    out << "    (PAGE  " << doc.currentSheet() << " )\n";
    out << "    (ZOOM  " << doc.zoom() << " )\n";
    out << "    (SCROL " << doc.scrollX() << ' ' << doc.scrollY() << ' ' << s.scrollRangeX << ' '
        << s.scrollRangeY << " )\n";
    out << "  )\n";
}

void writeSheets(Out& out, const Document& doc)
{
    out << "  (SEITEN\n";
    for (int k = 1; k <= doc.sheetCount(); ++k) {
        out << "    (SEITE ";
        out.quoted(doc.sheet(k).name) << " )\n";
    }
    out << "  )\n";
}

void writeTexts(Out& out, std::span<const CommentTextRecord> texts)
{
    out << "  (TEXTE\n";
    for (const CommentTextRecord& t : texts) {
        out << "    (TEXT " << t.x << ' ' << t.y << ' ' << t.sheet << ' ' << t.style << ' ';
        out.quoted(t.text) << " )\n";
    }
    out << "  )\n";
}

void writeBlock(Out& out, const TKiste& b)
{
    out << "    (KISTE " << b.saveIndex << ' ';
    out.quoted(b.name) << '\n';
    out << "      (TYP " << b.type << ' ' << b.n << ' ' << b.m << ")\n";
    out << "      (FLIP " << (b.flipped ? 1 : 0) + (b.passive ? 2 : 0) << ")\n";
    if (isMacroOrAutomat(b.type)) {
        out << "      (KINDERSEITE " << b.childPage << ' ' << b.viewX << ' ' << b.viewY << ")\n";
        out << "      (LOCK  ";
        out.quoted(b.lock) << ")\n";
    }
    if (isAutomatPort(b.type)) {
        out << "      (VERBUNDEN ";
        out.flag(b.connected) << ")\n";
    }
    out << "      (POS " << b.x << ' ' << b.y << ' ' << b.sheet << ")\n";
    for (const Para_descriptor& p : b.params) {
        out << "      (PARAMETER " << p.kind << ' ';
        out.word(p.name) << ' ';
        out.word(p.prompt) << ' ';
        out.quoted(p.value) << ' ';
        out.flag(p.show) << ' ';
        out.flag(p.eeprom) << ")\n";
    }
    out << "    )\n";
}

void writeElement(Out& out, const TKante& e, bool withLayout)
{
    out << "    (KANTE " << e.saveNumber << ' ';
    out.flag(e.commentFlag) << ' ';
    out.flag(e.displayFlag) << '\n';
    if (e.isPoint() || !e.owner) {
        out << "      (POS " << e.x << ' ' << e.y << ' ' << e.sheet << ")\n";
    } else {
        out << "      (MUTTER " << e.owner->saveIndex << ")\n";
        if (e.inverse)
            out << "      (INVERSE)\n";
        if (withLayout) {
            out << "      (TYP " << static_cast<int>(e.kind) << ' ' << e.ordinal() << ' '
                << static_cast<int>(e.valueType) << ' ';
            out.flag(e.hidden) << ")\n";
        }
        out << "      (PIN ";
        out.quoted(e.name) << ' ';
        out.quoted(e.isOutput() ? std::string_view(e.signalComment) : std::string_view()) << ' ';
        out << static_cast<int>(e.varType) << ' ' << static_cast<int>(e.displayType);
        if (e.varType != var::None) {
            out << ' ';
            if (e.isInput() && e.varType == var::Own)
                out.quoted(std::to_string(e.constValue));
            else
                out.quoted(e.varText);
        }
        out << " )\n";
    }
    out << "      (NACHBAR ";
    for (const TKante* n : e.neighbours)
        if (n && n->alive())
            out << n->saveNumber << ' ';
    out << ")\n";
    out << "    )\n";
}

} // namespace

bool pinsWrittenWithLayout(int type)
{
    return type == 81 || type == 82 || isMacroOrAutomat(type);
}

WritePlan planElements(const Document& doc)
{
    WritePlan plan;
    plan.order.reserve(doc.kanten().size());
    std::unordered_set<const TKante*> byName;
    for (const TKiste* b : doc.blocks()) {
        if (b->pins.empty())
            continue;
        // Each pin of the catalogue layout is matched once, in pin order, by kind and
        // name: that is how the reader finds it again.
        std::vector<PinTemplate> templates;
        if (!pinsWrittenWithLayout(b->type))
            templates = pinLayout(b->type, b->n, b->m).pins;
        for (TKante* p : b->pins) {
            if (!p->alive())
                continue;
            const auto match = std::find_if(templates.begin(), templates.end(), [p](const PinTemplate& t) {
                return t.kind == p->kind && t.name == p->name;
            });
            if (match == templates.end()) {
                plan.withLayout.insert(p);
                continue;
            }
            templates.erase(match);
            if (byName.insert(p).second)
                plan.order.push_back(p);
        }
    }
    for (TKante* e : doc.kanten()) {
        if (e->alive() && !byName.contains(e))
            plan.order.push_back(e);
    }
    return plan;
}

std::string formatSaveDate(int year, int month, int day, int hour, int minute, int second)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d  %02d:%02d:%02d", day, month, year, hour, minute,
                  second);
    return buffer;
}

std::string writeProgram(Document& doc, const ProgramSettings& settings, const std::string& fileName,
                         std::span<const CommentTextRecord> texts)
{
    int index = 0;
    for (TKiste* b : doc.blocks())
        b->saveIndex = ++index;
    const WritePlan plan = planElements(doc);
    int number = 0;
    for (TKante* e : plan.order)
        e->saveNumber = ++number;

    // About 250 characters per block and 120 per wire element.
    Out out(2048 + doc.blocks().size() * 260 + plan.order.size() * 130);
    out << "(VERSION " << ProgramFileVersion << " )\n";
    out << "(SPSFILE ";
    out.quoted(fileName) << '\n';
    writeProject(out, settings);
    writeView(out, doc, settings);
    writeSheets(out, doc);
    writeTexts(out, texts);
    out << "  (KISTEN\n";
    for (const TKiste* b : doc.blocks())
        writeBlock(out, *b);
    out << "  )\n";
    out << "  (KANTEN\n";
    for (const TKante* e : plan.order)
        writeElement(out, *e, plan.withLayout.contains(e));
    out << "  )\n";
    out << ")\n";
    return out.take();
}

} // namespace fup
