// fupc: the display-free command line. All logic lives in shell/cli; this only binds the
// translation catalogues and the standard streams.
#include "model/Translate.h"
#include "shell/cli/Fupc.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

namespace {

std::filesystem::path programDirectory(const char* argv0)
{
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        self = std::filesystem::absolute(argv0, ec);
    return self.parent_path();
}

}  // namespace

int main(int argc, char** argv)
{
    // Catalogues live below the program, as in an installation; the language follows
    // the process locale.
    fup::setTranslationDirectory(programDirectory(argc > 0 ? argv[0] : "fupc") / "locale");
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return fup::cli::runFupc(args, std::cout, std::cerr);
}
