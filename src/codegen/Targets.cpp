#include "codegen/Targets.h"

#include <algorithm>
#include <array>

namespace fup {

namespace {

using enum OnlineFamily;

// Time limits: $FFFE cycles where a time count has 16 bits, $3FFFFFFF on the PC-based
// controllers.
constexpr std::int64_t Limit16 = 65534;
constexpr std::int64_t Limit30 = 1073741823;

// clang-format off
constexpr std::array<TargetInfo, 11> Targets{{
//   code  name           online  registers       time limit  display factor
    {0,  "TQ810",       Tcp,    2048, 29999,    Limit16,    10.0},
    {1,  "LVB300",      Serial,  200,  2009,    Limit16,    12.5},
    {2,  "PDN-01",      Serial,  200,  2009,    Limit16,    12.5},
    {3,  "PDN-02",      Serial,  512,  4011,    Limit16,    12.5},
    {4,  "X-LVB300",    Serial,  512,  4011,    Limit16,    12.5},
    {5,  "LVB312",      Serial,  512,  4011,    Limit16,    12.5},
    {6,  "HMR70x",      Serial,  512,  4011,    Limit16,    12.5},
    {7,  "HMR-Gateway", Serial,  512,  4011,    Limit16,    12.5},
    {8,  "FELNA",       Serial,  512,  4011,    Limit16,    12.5},
    {9,  "WINDOWS",     Udp,    2048, 29999,    Limit30,     9.0},
    {10, "BACHMANN",    Udp,    2048, 29999,    Limit30,     9.0},
}};
// clang-format on

constexpr const char* FloatGroup = "--- Gleitpunkt ----";

} // namespace

const TargetInfo* findTarget(int code)
{
    if (code < FirstTarget || code > LastTarget)
        return nullptr;
    return &Targets[static_cast<std::size_t>(code)];
}

int targetCode(int code)
{
    return findTarget(code) ? code : NoTarget;
}

std::string targetName(int code)
{
    const TargetInfo* target = findTarget(code);
    return target ? std::string(target->name) : std::string("???");
}

int nextTarget(int code)
{
    const int current = targetCode(code);
    return current == NoTarget || current == LastTarget ? FirstTarget : current + 1;
}

RegisterRange RegisterRange::of(int min, int max)
{
    RegisterRange range;
    range.min = min;
    range.max = max;
    range.minText = std::to_string(min);
    range.maxText = std::to_string(max);
    range.text = range.minText + ".." + range.maxText;
    return range;
}

void TargetSelection::select(int wanted)
{
    code = targetCode(wanted);
    const TargetInfo* target = findTarget(code);
    if (!target)
        return;
    registers = RegisterRange::of(target->registerMin, target->registerMax);
    timeLimit = target->timeLimit;
    menuTarget = code;
}

const std::vector<MenuOffer>& menuOffers()
{
    // clang-format off
    static const std::vector<MenuOffer> offers{
        {"", {"LA  Sende", "LA  Empfange"},                                     {1}},
        {"", {"SST Control"},                                                   {0}},
        // Visible everywhere; they compile only on the TQ810.
        {"", {"UDP MODBUS Slave", "UDP MOD-F3  (read Reg)", "UDP MOD-F16 (write Reg)",
              "UDP MOD-F6  (write 1 Reg)"},                                     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"", {"Dividierer (32-Bit)", "Multiplizierer (32-Bit)", "Uhrzeit"},     {1, 2, 3, 4, 5, 6, 7, 8}},
        {"", {"Average"},                                                       {0, 9, 10}},
        {"", {"MES - Slave", "MES  Empfange", "MES  Sende"},                    {2, 3, 7}},
        {"", {"LCD Text-Ausgabe", "LCD Wert-Ausgabe", "LCD Blink-Ausgabe"},     {2, 3, 6}},
        {FloatGroup, {},                                                        {9, 10}},
    };
    // clang-format on
    return offers;
}

namespace {

bool offeredBy(const MenuOffer& offer, int target)
{
    return std::find(offer.targets.begin(), offer.targets.end(), target) != offer.targets.end();
}

} // namespace

bool menuGroupOffered(int target, std::string_view group)
{
    if (!findTarget(target))
        return true;
    for (const MenuOffer& offer : menuOffers())
        if (offer.captions.empty() && offer.group == group)
            return offeredBy(offer, target);
    return true;
}

bool menuEntryOffered(int target, std::string_view group, std::string_view caption)
{
    if (!findTarget(target))
        return true;
    if (!menuGroupOffered(target, group))
        return false;
    for (const MenuOffer& offer : menuOffers()) {
        if (!offer.group.empty() && offer.group != group)
            continue;
        if (std::find(offer.captions.begin(), offer.captions.end(), caption) != offer.captions.end())
            return offeredBy(offer, target);
    }
    return true;
}

} // namespace fup
