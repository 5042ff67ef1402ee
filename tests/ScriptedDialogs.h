#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace fup::test {

// Dialogs for tests: they answer from scripts and keep every question as one line:
// "password:caption|prompt|initial", "input:caption|prompt|initial", "yesno:text",
// "ync:text", "open:caption", "save:caption", "dir:caption". Message boxes are kept in
// `boxes`. An empty script answers like a cancelled dialog (or No); `file`, when set,
// answers every open and save question whose script is empty.
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
    std::vector<std::string> asked;
    std::vector<std::string> boxes;

    void messageBox(const std::string& text) override { boxes.push_back(text); }
    bool askYesNo(const std::string& text) override
    {
        asked.push_back("yesno:" + text);
        return take(yesNo, false);
    }
    platform::Answer askYesNoCancel(const std::string& text) override
    {
        asked.push_back("ync:" + text);
        return take(yesNoCancel, platform::Answer::Cancel);
    }
    std::optional<std::string> inputQuery(const std::string& caption, const std::string& prompt,
                                          const std::string& initial) override
    {
        asked.push_back("input:" + caption + "|" + prompt + "|" + initial);
        return take(inputs, std::optional<std::string>());
    }
    std::optional<std::string> passwordQuery(const std::string& caption, const std::string& prompt,
                                             const std::string& initial) override
    {
        asked.push_back("password:" + caption + "|" + prompt + "|" + initial);
        return take(passwords, std::optional<std::string>());
    }
    std::optional<std::filesystem::path> openFileName(const std::string& caption, const std::filesystem::path&,
                                                      const std::string&) override
    {
        asked.push_back("open:" + caption);
        return take(openFiles, file);
    }
    std::optional<std::filesystem::path> saveFileName(const std::string& caption, const std::filesystem::path&,
                                                      const std::string&) override
    {
        asked.push_back("save:" + caption);
        return take(saveFiles, file);
    }
    std::optional<std::filesystem::path> directory(const std::string& caption, const std::filesystem::path&) override
    {
        asked.push_back("dir:" + caption);
        return take(directories, std::optional<std::filesystem::path>());
    }

  private:
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
