// Prints every German text of the block catalogue that the editor passes to tx() when it
// shows it (block menus and their groups, block hints, parameter prompts and hints,
// creation prompts), one tx("...") call a line, for xgettext to read alongside the
// sources. Used by scripts/update-translations.sh; the catalogue's tables stay as they are.
#include "model/Catalogue.h"

#include <cstdio>
#include <iostream>
#include <set>
#include <string>

namespace {

std::string cLiteral(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                char octal[8];
                std::snprintf(octal, sizeof octal, "\\%03o", byte);
                out += octal;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

}  // namespace

int main()
{
    using namespace fup;
    std::set<std::string> texts;
    auto add = [&texts](const std::string& text) {
        if (!text.empty())
            texts.insert(text);
    };

    for (const BlockMenuGroup& group : blockMenus()) {
        add(group.caption);
        for (const BlockMenuEntry& entry : group.entries)
            add(entry.caption);
    }
    for (const int type : knownTypes()) {
        for (const std::string& caption : menuCaptions(type))
            add(caption);
        add(typeHint(type));
        for (const Para_descriptor& parameter : typeParameters(type, 2, 2)) {
            add(parameter.prompt);
            add(parameter.hint);
        }
    }
    // The hint that stands for a type the catalogue does not know.
    add(typeHint(0));
    add(InputCountPrompt);
    add(OutputCountPrompt);

    for (const std::string& text : texts)
        std::cout << "tx(" << cLiteral(text) << ");\n";
    return std::cout.flush() ? 0 : 1;
}
