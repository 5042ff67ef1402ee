#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fup {

// The client that reaches a controller of the target in Online mode.
enum class OnlineFamily { None, Tcp, Serial, Udp };

constexpr int NoTarget = -1;
constexpr int FirstTarget = 0;
constexpr int LastTarget = 10;

// One controller model a program can be compiled for.
struct TargetInfo {
    int code = NoTarget;   // stored in the program file, given on the command line
    std::string_view name; // shown in the project panel
    OnlineFamily online = OnlineFamily::None;
    int registerMin = 0; // RAM registers min..max; 0..min-1 are the EEPROM registers
    int registerMax = 0;
    std::int64_t timeLimit = 0; // largest cycle count a time parameter may reach
    double displayFactor = 0.0; // seconds per division of the online trend display at 1/1
};

// The row of a defined target (0..10); none for -1 and for any other code.
const TargetInfo* findTarget(int code);
// Codes outside 0..10 count as -1.
int targetCode(int code);
// "TQ810", ... for 0..10, "???" for anything else.
std::string targetName(int code);
// The change button steps 0, 1, ..., 10, 0, ...; from an undefined target it starts at 0.
int nextTarget(int code);

// Registers min..max as numbers and as the texts the messages show.
struct RegisterRange {
    int min = 0;
    int max = 0;
    std::string minText;
    std::string maxText;
    std::string text; // "min..max"

    static RegisterRange of(int min, int max);
    bool operator==(const RegisterRange&) const = default;
};

// The project's target and the limits that follow from it. Selecting -1 (or an unknown
// code) leaves the limits and the offered block menus as they were: a program without a
// target keeps working with the last known controller until one is chosen.
struct TargetSelection {
    int code = NoTarget;
    // Before any program is loaded the limits are those of the LVB300.
    RegisterRange registers = RegisterRange::of(200, 2009);
    std::int64_t timeLimit = 65534;
    // The target whose block menus are shown; -1 until a defined target was selected,
    // and then every entry stays as the menus were built.
    int menuTarget = NoTarget;

    void select(int code);
};

// Block menu entries that only some targets offer. An entry without a row here is offered
// on every target. A row without captions stands for its whole group, the group's own
// caption included.
struct MenuOffer {
    std::string_view group; // group caption; empty: the caption alone identifies the entry
    std::vector<std::string_view> captions;
    std::vector<int> targets;
};
const std::vector<MenuOffer>& menuOffers();

// Whether the menus of that target show the entry (group caption, entry caption) and the
// group itself. Undefined targets offer everything.
bool menuEntryOffered(int target, std::string_view group, std::string_view caption);
bool menuGroupOffered(int target, std::string_view group);

} // namespace fup
