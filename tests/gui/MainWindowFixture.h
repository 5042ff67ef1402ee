#pragma once

#include "ScriptedDialogs.h"

#include "gui/MainWindow.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fup::test {

// The real main window, started with the given command line and its dialogs scripted. It
// stays hidden until a test shows it.
struct EditorWindow {
    explicit EditorWindow(const std::vector<std::string>& arguments = {},
                          const std::filesystem::path& directory = std::filesystem::temp_directory_path())
    {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        window = std::make_unique<gui::MainWindow>(std::move(scripted));
        window->haupt().startUp(arguments, directory, true);
    }
    Haupt& haupt() { return window->haupt(); }

    ScriptedDialogs* dialogs; // owned by the window
    std::unique_ptr<gui::MainWindow> window;
};

} // namespace fup::test
