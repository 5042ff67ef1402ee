#include "shell/cli/Fupc.h"

#include "model/Catalogue.h"
#include "shell/cli/BlocksCommand.h"
#include "shell/cli/FormatCommand.h"

#include <charconv>
#include <optional>
#include <string_view>

#ifndef FUP_VERSION
#define FUP_VERSION "0.1.0"
#endif

namespace fup::cli {
namespace {

constexpr std::string_view MainUsage = "Usage: fupc [--help] [--version] COMMAND [ARGS...]\n";

constexpr std::string_view MainHelp =
    "Display-free front end of the function-block diagram editor.\n"
    "\n"
    "Commands:\n"
    "  blocks   list the block types of the catalogue\n"
    "  format   write diagram files in the editor's canonical form\n"
    "  help     show the help of a command\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n"
    "\n"
    "Reports go to standard error, one per line, as \"FILE: Fehler: TEXT\" or\n"
    "\"FILE: Warnung: TEXT\" (with the block's name before the text when a block is\n"
    "concerned), or as JSON objects with --json.\n"
    "Exit codes: 0 success, 9 after a warning, 10 after an error (the last report\n"
    "decides), 2 when the command line is not understood.\n"
    "\n"
    "Run 'fupc help COMMAND' for the options of a command.\n";

constexpr std::string_view BlocksUsage = "Usage: fupc blocks [--json] [TYPE...]\n";

constexpr std::string_view BlocksHelp =
    "Lists block types of the catalogue, all of them when no TYPE number is given:\n"
    "menu caption(s), label, hint, width, input and output pins and parameters, for a\n"
    "block created with 2 inputs and 2 outputs where the pin count is variable.\n"
    "A number that is no known type is listed as the editor shows it (label \"none\").\n"
    "\n"
    "Options:\n"
    "  --json      one JSON object per line with the fields type, menu, label, hint,\n"
    "              width, inputs, outputs, params; pins as {name, vt, const},\n"
    "              parameters as {key, kind, default, prompt, hint, eeprom, flash,\n"
    "              shown, showPrompt}; value types by number (0 none, 1 fixed-point,\n"
    "              2 digital, 3 floating-point, 4 integer); texts untranslated\n"
    "  -h, --help  show this help and exit\n"
    "\n"
    "In the plain listing value types are letters (F fixed-point, D digital,\n"
    "G floating-point, I integer, - none), * marks an input that takes a constant, and\n"
    "parameter flags are E (EEPROM), L (flash constant) and h (not shown in the\n"
    "\"Selektierte Parameter\" display mode).\n";

constexpr std::string_view FormatUsage = "Usage: fupc format [--check] [--json] FILE...\n";

constexpr std::string_view FormatHelp =
    "Reads each program (.KR2), frame (.KR3), macro (.KR4) or automat (.KR5) file and\n"
    "writes it back exactly as the editor writes it,\n"
    "so that files edited by hand or by other tools compare cleanly. The file is\n"
    "replaced only after the new text was written completely; its save date is kept.\n"
    "A file that cannot be read is reported and left untouched.\n"
    "\n"
    "Options:\n"
    "  --check     write nothing; exit with 1 when a file is not in canonical form\n"
    "              (its name is printed on standard output)\n"
    "  --json      reports as JSON lines\n"
    "  -h, --help  show this help and exit\n";

constexpr std::string_view HelpUsage = "Usage: fupc help [COMMAND]\n";

constexpr std::string_view HelpHelp = "Shows the help of fupc, or of one of its commands.\n";

struct Command {
    std::string_view name;
    std::string_view usage;
    std::string_view help;
};

constexpr Command Commands[] = {
    {"blocks", BlocksUsage, BlocksHelp},
    {"format", FormatUsage, FormatHelp},
    {"help", HelpUsage, HelpHelp},
};

const Command* findCommand(std::string_view name)
{
    for (const auto& c : Commands) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

int usageError(std::ostream& err, std::string_view usage, const std::string& message)
{
    err << "fupc: " << message << '\n' << usage << "Try 'fupc --help'.\n";
    return ExitUsage;
}

bool isHelpOption(std::string_view arg) { return arg == "-h" || arg == "--help"; }

std::optional<int> typeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

int runBlocks(const std::vector<std::string>& args, size_t first, std::ostream& out, std::ostream& err)
{
    bool json = false;
    bool optionsEnded = false;
    std::vector<int> types;
    for (size_t i = first; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && isHelpOption(arg)) {
            out << BlocksUsage << '\n' << BlocksHelp;
            return 0;
        } else if (!optionsEnded && arg == "--json") {
            json = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return usageError(err, BlocksUsage, "unknown option '" + arg + "'");
        } else if (const auto type = typeNumber(arg)) {
            types.push_back(*type);
        } else {
            return usageError(err, BlocksUsage, "not a type number: '" + arg + "'");
        }
    }
    if (types.empty()) {
        const auto known = knownTypes();
        types.assign(known.begin(), known.end());
    }
    bool firstType = true;
    for (const int type : types) {
        if (json) {
            out << blockTypeJson(type) << '\n';
        } else {
            if (!firstType)
                out << '\n';
            writeBlockTypeText(out, type);
        }
        firstType = false;
    }
    out.flush();
    return out ? 0 : 1;
}

int runFormat(const std::vector<std::string>& args, size_t first, std::ostream& out, std::ostream& err)
{
    bool check = false;
    bool json = false;
    bool optionsEnded = false;
    std::vector<std::string> files;
    for (size_t i = first; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && isHelpOption(arg)) {
            out << FormatUsage << '\n' << FormatHelp;
            return 0;
        } else if (!optionsEnded && arg == "--check") {
            check = true;
        } else if (!optionsEnded && arg == "--json") {
            json = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return usageError(err, FormatUsage, "unknown option '" + arg + "'");
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty())
        return usageError(err, FormatUsage, "no file given");

    int reported = 0;
    bool notCanonical = false;
    for (const std::string& file : files) {
        if (formatFile(file, check, json, err, reported) == FormatOutcome::NotCanonical) {
            notCanonical = true;
            out << file << '\n';
        }
    }
    if (reported != 0)
        return reported;
    return notCanonical ? 1 : 0;
}

int runHelp(const std::vector<std::string>& args, size_t first, std::ostream& out, std::ostream& err)
{
    if (first == args.size()) {
        out << MainUsage << '\n' << MainHelp;
        return 0;
    }
    if (args.size() - first > 1)
        return usageError(err, HelpUsage, "help takes one command name");
    const auto* command = findCommand(args[first]);
    if (!command)
        return usageError(err, HelpUsage, "unknown command '" + args[first] + "'");
    out << command->usage << '\n' << command->help;
    return 0;
}

}  // namespace

std::string fupcVersion() { return FUP_VERSION; }

int runFupc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (isHelpOption(arg)) {
            out << MainUsage << '\n' << MainHelp;
            return 0;
        }
        if (arg == "-V" || arg == "--version") {
            out << "fupc " << fupcVersion() << '\n';
            return 0;
        }
        if (arg.size() > 1 && arg[0] == '-')
            return usageError(err, MainUsage, "unknown option '" + arg + "'");
        if (arg == "blocks")
            return runBlocks(args, i + 1, out, err);
        if (arg == "format")
            return runFormat(args, i + 1, out, err);
        if (arg == "help")
            return runHelp(args, i + 1, out, err);
        return usageError(err, MainUsage, "unknown command '" + arg + "'");
    }
    return usageError(err, MainUsage, "no command given");
}

}  // namespace fup::cli
