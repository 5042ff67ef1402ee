#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fup::test {

// Dialogs for tests: they answer from scripts and keep every question as one line:
// "password:caption|prompt|initial", "input:caption|prompt|initial", "yesno:text",
// "ync:text", "open:caption", "save:caption", "dir:caption". Message boxes are kept in
// `boxes`. An empty script answers like a cancelled dialog (or No); `file`, when set,
// answers every open and save question whose script is empty, and `acceptInitial` answers
// every text query whose script is empty with its initial text, as OK without typing does.
// `whileOpen` runs inside every dialog, where a real one would run the event loop (timers
// firing while the user types, say).
class ScriptedDialogs final : public platform::Dialogs {
  public:
    std::deque<std::optional<std::string>> passwords;
    std::deque<std::optional<std::string>> inputs;
    std::deque<bool> yesNo;
    std::deque<platform::Answer> yesNoCancel;
    std::deque<std::optional<std::filesystem::path>> openFiles;
    std::deque<std::optional<std::filesystem::path>> saveFiles;
    std::deque<std::optional<std::filesystem::path>> directories;
    std::optional<std::filesystem::path> file;
    bool acceptInitial = false;
    std::function<void()> whileOpen;
    std::vector<std::string> asked;
    std::vector<std::string> boxes;

    void messageBox(const std::string& text) override
    {
        boxes.push_back(text);
        open();
    }
    bool askYesNo(const std::string& text) override
    {
        ask("yesno:" + text);
        return take(yesNo, false);
    }
    platform::Answer askYesNoCancel(const std::string& text) override
    {
        ask("ync:" + text);
        return take(yesNoCancel, platform::Answer::Cancel);
    }
    std::optional<std::string> inputQuery(const std::string& caption, const std::string& prompt,
                                          const std::string& initial) override
    {
        ask("input:" + caption + "|" + prompt + "|" + initial);
        return take(inputs, acceptInitial ? std::optional<std::string>(initial) : std::nullopt);
    }
    std::optional<std::string> passwordQuery(const std::string& caption, const std::string& prompt,
                                             const std::string& initial) override
    {
        ask("password:" + caption + "|" + prompt + "|" + initial);
        return take(passwords, std::optional<std::string>());
    }
    std::optional<std::filesystem::path> openFileName(const std::string& caption, const std::filesystem::path&,
                                                      const std::string&) override
    {
        ask("open:" + caption);
        return take(openFiles, file);
    }
    std::optional<std::filesystem::path> saveFileName(const std::string& caption, const std::filesystem::path&,
                                                      const std::string&) override
    {
        ask("save:" + caption);
        return take(saveFiles, file);
    }
    std::optional<std::filesystem::path> directory(const std::string& caption, const std::filesystem::path&) override
    {
        ask("dir:" + caption);
        return take(directories, std::optional<std::filesystem::path>());
    }

  private:
    void ask(std::string question)
    {
        asked.push_back(std::move(question));
        open();
    }
    void open()
    {
        if (whileOpen)
            whileOpen();
    }
    template <typename T> static T take(std::deque<T>& script, T fallback)
    {
        if (script.empty())
            return fallback;
        T answer = script.front();
        script.pop_front();
        return answer;
    }
};

} // namespace fup::test
