#pragma once

#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Process.h"
#include "platform/Timers.h"

#include <QElapsedTimer>

class QWidget;

namespace fup::gui {

QString qs(const std::string& text);
std::string str(const QString& text);

class QtDialogs final : public platform::Dialogs {
public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}
    void messageBox(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    platform::Answer askYesNoCancel(const std::string& text) override;
    std::optional<std::string> inputQuery(const std::string& caption, const std::string& prompt,
                                          const std::string& initial) override;
    std::optional<std::string> passwordQuery(const std::string& caption, const std::string& prompt,
                                             const std::string& initial) override;
    std::optional<std::filesystem::path> openFileName(const std::string& caption,
                                                      const std::filesystem::path& directory,
                                                      const std::string& filter) override;
    std::optional<std::filesystem::path> saveFileName(const std::string& caption,
                                                      const std::filesystem::path& initial,
                                                      const std::string& filter) override;
    std::optional<std::filesystem::path> directory(const std::string& caption,
                                                   const std::filesystem::path& initial) override;

private:
    QWidget* parent_;
};

class QtTimerService final : public platform::TimerService {
public:
    QtTimerService() { clock_.start(); }
    std::unique_ptr<platform::Timer> createTimer() override;
    std::int64_t milliseconds() const override { return clock_.elapsed(); }

private:
    QElapsedTimer clock_;
};

class QtClipboard final : public platform::Clipboard {
public:
    std::string text() const override;
    void setText(const std::string& text) override;
};

class QtProcess final : public platform::Process {
public:
    int runHidden(const std::filesystem::path& program, const std::vector<std::string>& arguments) override;
    bool openDocument(const std::filesystem::path& document) override;
};

}  // namespace fup::gui
