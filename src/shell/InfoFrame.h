#pragma once

#include "codegen/Targets.h"
#include "persistence/ProgramSettings.h"
#include "shell/EditorState.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace fup {

class Reporter;
namespace platform {
class Dialogs;
}

// Steps of the series 1, 2, 5, 10, 20, 50, ...: up doubles, or multiplies by 2.5 when
// the leading digit is 2; down halves, or takes a fifth off first when the leading
// digit is 5 (50 -> 40 -> 20).
int seriesStepUp(int value);
int seriesStepDown(int value);

// The chart recorder's time base: every `samples`-th evaluation pass takes a sample and
// each sample moves the chart `pixels` pixels on. Both run along the series above with
// samples <= 1000 and pixels <= 10; one of them is always 1.
struct ChartTimeBase {
    int samples = 1;
    int pixels = 1;

    // The lower arrow: a faster chart (more pixels per sample, else fewer passes).
    void lower();
    // The upper arrow: a slower chart (more passes per sample, else fewer pixels).
    void upper();
    bool operator==(const ChartTimeBase&) const = default;
};

// Dragging a floating panel with the left button. Small moves are ignored so that a
// click does not shift the panel by a pixel or two.
struct PanelDrag {
    static constexpr int Threshold = 32;

    // Where the button went down, relative to the panel.
    void press(int x, int y);
    // The mouse at x, y relative to the panel, panel at left, top: the new top left
    // corner, or none while the move stays within the threshold or no drag is active.
    std::optional<std::array<int, 2>> move(int x, int y, int left, int top) const;
    void release() { active_ = false; }
    bool active() const { return active_; }

  private:
    bool active_ = false;
    int grabX_ = 0;
    int grabY_ = 0;
};

// The change buttons ("Aendern") of the project panel.
enum class InfoButton {
    ProjectName, // ProjektKnopf
    Version,     // VersionsKnopf
    Author,      // BearbeiterKnopf
    Target,      // BitBtn1
    CompileMode, // TargetKnopf
    VarMode,     // VarModeKnopf
    DigitalName, // BoolName
    FixedName,   // FixName
    CycleTime,   // ZyklusKnopf
    Count
};

// Everything the project panel shows, already translated.
struct InfoFrameTexts {
    std::string projectName;
    std::string version;
    std::string author;
    std::string saveDate;
    std::string compileDate;
    std::string target;
    std::string compileMode;
    std::string varMode;
    std::string digitalName;
    std::string fixedName;
    std::string cycleTime;
    std::string timeBase;
    std::string comment;
    std::array<bool, static_cast<std::size_t>(InfoButton::Count)> enabled{};

    bool isEnabled(InfoButton button) const { return enabled[static_cast<std::size_t>(button)]; }
};

// The project information panel (TProjekt_Info): the document-wide settings that are saved
// with the program. Texts live in the program settings, target, cycle time and compile
// mode in the editor state (which the save copies into the settings); the panel keeps the
// target's limits and the chart time base.
class InfoFrame {
  public:
    InfoFrame(EditorState& state, ProgramSettings& settings, platform::Dialogs& dialogs, Reporter& reporter);

    // The editor shows a sub-process file that was opened from its caller: the cycle time
    // belongs to the top-level program then.
    bool insideSubProcessFile = false;
    // Called after any shown value or button state changed.
    std::function<void()> changed;
    // Called after the chart time base changed; the recorder starts again.
    std::function<void(const ChartTimeBase&)> recorderRestart;

    // Takes the target, cycle time and project name the command line gave: every reset
    // keeps them, as every load does.
    void rememberCommandLine();
    // New document, before loading, before an undo snapshot is restored.
    void reset();
    // Target by number (file reader, command line, change button).
    void selectTarget(int code);
    const TargetSelection& target() const { return target_; }

    // A change button. Buttons that are disabled do nothing.
    void click(InfoButton button);
    // The two halves of the up/down control.
    void timeBaseLower();
    void timeBaseUpper();
    const ChartTimeBase& timeBase() const { return timeBase_; }
    // The comment is typed straight into the panel.
    void setComment(const std::string& text);

    InfoFrameTexts texts() const;
    bool enabled(InfoButton button) const;
    // Seconds per chart division of 50 pixels + " sec".
    std::string timeBaseText() const;
    // Lets the panel show what was changed behind its back (a save, a load).
    void refresh() const;

  private:
    bool refusedOutsideEditMode();
    void askText(std::string& field, const std::string& caption, const std::string& prompt);
    void changeCycleTime();
    void setTimeBase(const ChartTimeBase& base);
    void notify() const;

    EditorState& state_;
    ProgramSettings& settings_;
    platform::Dialogs& dialogs_;
    Reporter& reporter_;
    TargetSelection target_;
    ChartTimeBase timeBase_;
    int commandLineTarget_ = NoTarget;
    double commandLineCycleTimeMs_ = 0.0;
};

// Texts a reset puts into the panel (untranslated; the file keeps them as they are).
namespace info {
inline constexpr const char* NoProjectName = "ohne Projektname";
inline constexpr const char* NoVersion = "ohne Version";
inline constexpr const char* NoAuthor = "ohne Bearbeiter";
inline constexpr const char* NoSaveDate = "ohne Savedatum";
inline constexpr const char* NoCompileDate = "ohne Compiledatum";
} // namespace info

} // namespace fup
