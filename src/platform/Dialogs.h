#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace fup::platform {

enum class Answer { Yes, No, Cancel };

// Modal dialogs the core asks for. Texts arrive already translated.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void messageBox(const std::string& text) = 0;
    virtual bool askYesNo(const std::string& text) = 0;
    virtual Answer askYesNoCancel(const std::string& text) = 0;
    // A one-line text query; nullopt when cancelled.
    virtual std::optional<std::string> inputQuery(const std::string& caption, const std::string& prompt,
                                                  const std::string& initial) = 0;
    // A password query shows the typed characters masked; the field starts with initial.
    virtual std::optional<std::string> passwordQuery(const std::string& caption, const std::string& prompt,
                                                     const std::string& initial) = 0;
    // filter: "Programm (*.KR2)" style, several separated by ";;".
    virtual std::optional<std::filesystem::path> openFileName(const std::string& caption,
                                                              const std::filesystem::path& directory,
                                                              const std::string& filter) = 0;
    virtual std::optional<std::filesystem::path> saveFileName(const std::string& caption,
                                                              const std::filesystem::path& initial,
                                                              const std::string& filter) = 0;
    virtual std::optional<std::filesystem::path> directory(const std::string& caption,
                                                           const std::filesystem::path& initial) = 0;
};

}  // namespace fup::platform
