// Macros and automats of one name must have the same content.
#include "codegen/MacroChecks.h"

#include "model/HierarchyNames.h"
#include "model/Reporter.h"
#include "model/Translate.h"

#include <unordered_set>

namespace fup {

namespace {

class Fingerprint {
  public:
    Fingerprint(const Document& doc, const CompileFields& fields) : doc_(doc), fields_(fields) {}

    std::uint32_t of(const TKiste& block)
    {
        const int page = block.childPage;
        // A damaged file may nest an inside in itself; it counts once.
        if (page < FirstInstanceNumber || !open_.insert(page).second)
            return 0;
        std::uint32_t sum = 0;
        auto add = [&sum](std::int64_t x) { sum += static_cast<std::uint32_t>(x < 0 ? -x : x); };
        auto addText = [&add](const std::string& text, std::int64_t factor) {
            for (unsigned char c : text)
                add(c * factor);
        };
        for (const TKiste* b : doc_.blocks()) {
            if (b->sheet != page)
                continue;
            const std::int64_t type = b->type;
            const BlockCompileFields& nets = fields_.of(*b);
            add(type);
            if (isMacroOrAutomat(b->type))
                add(of(*b));
            if (isMacroInPort(b->type)) {
                if (b->portConnected())
                    add(type);
            } else {
                for (const InputEntry& entry : nets.inputs) {
                    if (entry.wired() && entry.source->block->sheet == page) {
                        add(type * entry.source->block->type);
                        addText(entry.sourcePin->varText, 1);
                    }
                    addText(entry.inputPin->varText, 1);
                }
            }
            for (const OutputRecord& output : nets.outputs) {
                if (output.pin->sheet != page)
                    continue;
                if (output.pin->neighbourCount == 0)
                    add(type);
                add(type * type);
                addText(output.pin->varText, 1);
            }
            const bool portOrAutomatPart = isMacroPort(b->type) || (b->type >= 188 && b->type <= 194);
            const bool formula = b->type == 64 || b->type == 113;
            for (const Para_descriptor& p : b->params) {
                if (p.eeprom)
                    continue;
                if (portOrAutomatPart)
                    addText(p.value, type);
                if (formula) {
                    std::int64_t position = 0;
                    for (unsigned char c : p.value)
                        add(c * ++position);
                }
            }
        }
        open_.erase(page);
        return sum;
    }

  private:
    const Document& doc_;
    const CompileFields& fields_;
    std::unordered_set<int> open_;
};

} // namespace

std::uint32_t contentFingerprint(const Document& doc, const CompileFields& fields, const TKiste& block)
{
    return Fingerprint(doc, fields).of(block);
}

std::uint32_t contentFingerprint(Document& doc, const TKiste& block)
{
    CompileFields fields;
    return buildNets(doc, fields) ? contentFingerprint(doc, fields, block) : 0;
}

bool checkMacroNames(Document& doc, const CompileFields& fields)
{
    std::vector<TKiste*> blocks;
    std::vector<std::uint32_t> prints;
    for (TKiste* b : doc.blocks()) {
        if (!isMacroOrAutomat(b->type))
            continue;
        blocks.push_back(b);
        prints.push_back(contentFingerprint(doc, fields, *b));
    }
    bool ok = true;
    std::string lastReported;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        TKiste& m = *blocks[i];
        const Para_descriptor* nam = m.param("nam");
        if (!nam) {
            doc.reporter().error(&m, tx("Par:Name nicht gefunden"), ok);
            return false;
        }
        const std::string name = names::key(nam->value);
        if (name.empty()) {
            doc.reporter().error(&m, tx("Namenloser Baustein !"), ok);
            return false;
        }
        for (std::size_t j = i + 1; j < blocks.size(); ++j) {
            TKiste& n = *blocks[j];
            const Para_descriptor* otherName = n.param("nam");
            if (!otherName || names::key(otherName->value) != name || prints[j] == prints[i])
                continue;
            const std::string pair = m.name + "," + n.name + "  name=" + name;
            if (name != lastReported) {
                lastReported = name;
                if (m.type == 188)
                    doc.reporter().error(&m, tx("Ungleiche Automaten gleichen Namens: ") + pair, ok);
                else
                    doc.reporter().warningRaw(&m, tx("Ungleiche Macros gleichen Namens: ") + pair);
            }
            m.colour = colour::Red;
            n.colour = colour::Red;
            doc.reporter().log("Ungleiche Macros: " + pair);
        }
    }
    return ok;
}

bool macroConsistencyChecks(Document& doc)
{
    CompileFields fields;
    return buildNets(doc, fields) && checkMacroNames(doc, fields);
}

} // namespace fup
