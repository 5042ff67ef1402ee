#pragma once

#include "ScriptedDialogs.h"

#include "platform/ManualTimers.h"
#include "shell/Haupt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fup::test {

// The main window as the editor sees it, keeping what it was shown: message boxes, lines
// of the message window, the caption and the application titles, the last menu state,
// repaints, raises and the close.
class RecordingView final : public MainView {
  public:
    void showMainWindow() override {}
    void raiseMessageWindow() override { ++messageWindowRaises; }
    void appendMessage(const std::string& line) override { messages.push_back(line); }
    void clearMessages() override { messages.clear(); }
    void hideMessageWindow() override { ++messageWindowHides; }
    void messageBox(const std::string& text) override { boxes.push_back(text); }
    void showErrorList() override {}
    void applyMenuState(const MenuState& menu) override { lastMenu = menu; }
    void setCaption(const std::string& text) override { caption = text; }
    void setApplicationTitle(const std::string& text) override { titles.push_back(text); }
    void showWindow(WindowShow) override {}
    void closeWindow() override { closed = true; }
    void redisplay() override { ++redisplays; }
    void bringToFront() override { ++broughtToFront; }

    std::vector<std::string> boxes;
    std::vector<std::string> messages;
    std::string caption;
    std::vector<std::string> titles;
    MenuState lastMenu;
    int redisplays = 0;
    int messageWindowRaises = 0;
    int messageWindowHides = 0;
    int broughtToFront = 0;
    bool closed = false;
};

// One run of the editor without a window: started with the given command line, its
// dialogs scripted and its timers advanced by hand.
struct HauptRun {
    explicit HauptRun(const std::vector<std::string>& arguments = {},
                      const std::filesystem::path& directory = std::filesystem::temp_directory_path())
    {
        haupt.startUp(arguments, directory, true);
    }

    RecordingView view;
    ScriptedDialogs dialogs;
    platform::ManualTimerService timers;
    Haupt haupt{view, dialogs, timers};
};

// An editable editor on an empty program.
struct HauptFixture : ::testing::Test, HauptRun {
    HauptFixture() { haupt.NURLESEN1Click(); }
};

} // namespace fup::test
