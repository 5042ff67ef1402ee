#include "persistence/RecordWriter.h"

#include "model/Kanten.h"
#include "model/Kisten.h"
#include "model/Texten.h"
#include "persistence/Tokenizer.h"

namespace fup {

Out& Out::quoted(std::string_view s)
{
    text_.push_back('"');
    for (const char c : s)
        text_.push_back(c == '"' ? ' ' : c);
    text_.push_back('"');
    return *this;
}

Out& Out::word(std::string_view s)
{
    bool plain = !s.empty() && keywordOf(s) == Tok::Word;
    for (const char c : s) {
        if (static_cast<unsigned char>(c) < '!' || c == '"' || c == '(' || c == ')' || c == ',' || c == ';')
            plain = false;
    }
    text_.append(plain ? s : std::string_view("_"));
    return *this;
}

void writeTextRecord(Out& out, const TTexte& text, const TextPlace& place)
{
    out << "    (TEXT " << place.x << ' ' << place.y << ' ' << place.sheet << ' ' << text.style() << ' ';
    out.quoted(text.text) << " )\n";
}

void writeBlockRecord(Out& out, const TKiste& b, const BlockPlace& place)
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
        out.flag(place.connected) << ")\n";
    }
    out << "      (POS " << place.x << ' ' << place.y << ' ' << place.sheet << ")\n";
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

void writeElementRecord(Out& out, const TKante& e, bool withLayout, const ElementPlace& place)
{
    out << "    (KANTE " << e.saveNumber << ' ';
    out.flag(place.commentFlag) << ' ';
    out.flag(e.displayFlag) << '\n';
    if (e.isPoint() || !e.owner) {
        out << "      (POS " << place.x << ' ' << place.y << ' ' << place.sheet << ")\n";
    } else {
        out << "      (MUTTER " << e.owner->saveIndex << ")\n";
        if (e.inverse)
            out << "      (INVERSE)\n";
        if (withLayout) {
            out << "      (TYP " << static_cast<int>(e.kind) << ' ' << e.ordinal() << ' '
                << static_cast<int>(e.valueType) << ' ';
            out.flag(e.hidden) << ")\n";
        }
        const bool outside = !place.withoutOutside;
        out << "      (PIN ";
        out.quoted(e.name) << ' ';
        out.quoted(e.isOutput() && outside ? std::string_view(e.signalComment) : std::string_view()) << ' ';
        const std::uint8_t varType = outside ? e.varType : var::None;
        out << static_cast<int>(varType) << ' ' << static_cast<int>(e.displayType);
        if (varType != var::None) {
            out << ' ';
            if (e.isInput() && varType == var::Own)
                out.quoted(std::to_string(e.constValue));
            else
                out.quoted(e.varText);
        }
        out << " )\n";
    }
    bool any = false;
    for (const TKante* n : e.neighbours)
        if (n && n->alive() && (!place.written || place.written->contains(n)))
            any = true;
    if (any || !place.written) {
        out << "      (NACHBAR ";
        for (const TKante* n : e.neighbours)
            if (n && n->alive() && (!place.written || place.written->contains(n)))
                out << n->saveNumber << ' ';
        out << ")\n";
    }
    out << "    )\n";
}

} // namespace fup
