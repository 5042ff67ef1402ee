// Macros and automats of one name must have the same content.
#include "model/Hierarchy.h"
#include "model/HierarchyNames.h"
#include "model/Reporter.h"
#include "model/Translate.h"

#include <cstdlib>
#include <unordered_set>

namespace fup {

namespace {

class Fingerprint {
  public:
    explicit Fingerprint(const Document& doc) : doc_(doc) {}

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
            add(type);
            if (isMacroOrAutomat(b->type))
                add(of(*b));
            if (b->type == 178 || b->type == 182 || b->type == 184) {
                if (b->portConnected())
                    add(type);
            } else {
                // The input entries: wired inputs and inputs with a variable or constant.
                for (const TKante* pin : b->pins) {
                    if (!pin->isInput())
                        continue;
                    const TKante* source = netSource(*pin);
                    if (!source && pin->varType == var::None)
                        continue;
                    if (source && source->owner && source->owner->sheet == page) {
                        add(type * source->owner->type);
                        addText(source->varText, 1);
                    }
                    addText(pin->varText, 1);
                }
            }
            for (const TKante* pin : b->pins) {
                if (!pin->isOutput() || pin->sheet != page)
                    continue;
                if (pin->neighbourCount == 0)
                    add(type);
                add(type * type);
                addText(pin->varText, 1);
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
    std::unordered_set<int> open_;
};

const Para_descriptor* nameParameter(const TKiste& block)
{
    return block.param("nam");
}

} // namespace

std::uint32_t contentFingerprint(const Document& doc, const TKiste& block)
{
    return Fingerprint(doc).of(block);
}

bool checkMacroNames(Document& doc)
{
    std::vector<TKiste*> blocks;
    std::vector<std::uint32_t> prints;
    for (TKiste* b : doc.blocks()) {
        if (!isMacroOrAutomat(b->type))
            continue;
        blocks.push_back(b);
        prints.push_back(contentFingerprint(doc, *b));
    }
    bool ok = true;
    std::string lastReported;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        TKiste& m = *blocks[i];
        const Para_descriptor* nam = nameParameter(m);
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
            const Para_descriptor* otherName = nameParameter(n);
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

} // namespace fup
