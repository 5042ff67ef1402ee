#include "shell/InfoFrame.h"

#include "codegen/TimeConstant.h"
#include "model/Constants.h"
#include "model/Document.h"
#include "model/Reporter.h"
#include "model/Translate.h"
#include "persistence/Numbers.h"
#include "platform/Dialogs.h"

#include <cstdlib>

namespace fup {

namespace {

constexpr int MaxSamples = 1000;
constexpr int MaxPixels = 10;
constexpr const char* DigitalTempName = "DxT";
constexpr const char* FixedTempName = "AxT";

int leadingDigit(int value)
{
    while (value >= 10)
        value /= 10;
    return value;
}

// A text the panel put there itself is shown in the user's language; anything the user
// or the file wrote is shown as it is.
std::string shown(const std::string& value, const char* placeholder)
{
    return value == placeholder ? tx(placeholder) : value;
}

std::string compileModeText(int level)
{
    switch (level) {
    case 1:
        return tx("nicht optimieren");
    case 2:
        return tx("optimieren_2");
    default:
        return tx("optimieren");
    }
}

} // namespace

int seriesStepUp(int value)
{
    return leadingDigit(value) == 2 ? value * 5 / 2 : value * 2;
}

int seriesStepDown(int value)
{
    if (leadingDigit(value) == 5)
        value -= value / 5;
    return std::max(1, value / 2);
}

void ChartTimeBase::lower()
{
    if (samples == 1) {
        if (pixels < MaxPixels)
            pixels = seriesStepUp(pixels);
    } else {
        samples = seriesStepDown(samples);
    }
}

void ChartTimeBase::upper()
{
    if (pixels == 1) {
        if (samples < MaxSamples)
            samples = seriesStepUp(samples);
    } else {
        pixels = seriesStepDown(pixels);
    }
}

void PanelDrag::press(int x, int y)
{
    active_ = true;
    grabX_ = x;
    grabY_ = y;
}

std::optional<std::array<int, 2>> PanelDrag::move(int x, int y, int left, int top) const
{
    if (!active_)
        return std::nullopt;
    const int dx = x - grabX_;
    const int dy = y - grabY_;
    if (std::abs(dx) <= Threshold && std::abs(dy) <= Threshold)
        return std::nullopt;
    return std::array<int, 2>{left + dx, top + dy};
}

InfoFrame::InfoFrame(EditorState& state, ProgramSettings& settings, platform::Dialogs& dialogs,
                     Reporter& reporter)
    : state_(state), settings_(settings), dialogs_(dialogs), reporter_(reporter)
{
}

void InfoFrame::notify() const
{
    if (changed)
        changed();
}

void InfoFrame::refresh() const
{
    notify();
}

void InfoFrame::rememberCommandLine()
{
    commandLineTarget_ = targetCode(state_.target);
    commandLineCycleTimeMs_ = state_.cycleTimeMs;
    settings_.projectNameFixed = !state_.projectName.empty();
    if (settings_.projectNameFixed)
        settings_.projectName = state_.projectName;
}

void InfoFrame::reset()
{
    settings_.projectNameFixed = !state_.projectName.empty();
    settings_.projectName = settings_.projectNameFixed ? state_.projectName : info::NoProjectName;
    settings_.processVersion = info::NoVersion;
    settings_.author = info::NoAuthor;
    settings_.saveDate = info::NoSaveDate;
    settings_.compileDate = info::NoCompileDate;
    settings_.comment.clear();
    settings_.useTempVars = false;
    settings_.digitalTempName = DigitalTempName;
    settings_.fixedTempName = FixedTempName;
    state_.optimisationLevel = 0;
    settings_.optimisationLevel = 0;
    // The command line's cycle time and target stand for every program of this run; the
    // file's values come in only where the command line left them open.
    state_.setCycleTime(commandLineCycleTimeMs_);
    settings_.cycleTimeMs = commandLineCycleTimeMs_;
    timeBase_ = ChartTimeBase{};
    selectTarget(commandLineTarget_);
}

void InfoFrame::selectTarget(int code)
{
    target_.select(code);
    state_.target = target_.code;
    settings_.target = target_.code;
    notify();
}

bool InfoFrame::enabled(InfoButton button) const
{
    if (state_.readOnly)
        return false;
    switch (button) {
    case InfoButton::ProjectName:
        return !settings_.projectNameFixed;
    case InfoButton::DigitalName:
    case InfoButton::FixedName:
        return settings_.useTempVars;
    default:
        return true;
    }
}

bool InfoFrame::refusedOutsideEditMode()
{
    if (state_.mode == EditorMode::Edit)
        return false;
    reporter_.box(tx("nur in \"EDIT-Mode\" aenderbar"));
    return true;
}

void InfoFrame::askText(std::string& field, const std::string& caption, const std::string& prompt)
{
    const std::optional<std::string> answer = dialogs_.inputQuery(tx(caption), tx(prompt), field);
    if (!answer)
        return;
    const std::string cleaned = cleanEnteredText(*answer);
    if (cleaned.empty())
        return;
    field = cleaned;
}

void InfoFrame::click(InfoButton button)
{
    if (!enabled(button))
        return;
    switch (button) {
    case InfoButton::ProjectName:
        askText(settings_.projectName, "Projekt-Info", "Projekt Name ?");
        break;
    case InfoButton::Version:
        askText(settings_.processVersion, "Projekt-Info", "Version ?");
        break;
    case InfoButton::Author:
        askText(settings_.author, "Projekt-Info", "Bearbeiter ?");
        break;
    case InfoButton::DigitalName:
        askText(settings_.digitalTempName, "Temporaere digitale Variable", "Variablen Name ?");
        break;
    case InfoButton::FixedName:
        askText(settings_.fixedTempName, "Temporaere analoge Variable", "Variablen Name ?");
        break;
    case InfoButton::Target:
        if (refusedOutsideEditMode())
            return;
        selectTarget(nextTarget(state_.target));
        return;
    case InfoButton::CompileMode:
        if (refusedOutsideEditMode())
            return;
        state_.optimisationLevel = state_.optimisationLevel == 1 ? 0 : 1;
        settings_.optimisationLevel = state_.optimisationLevel;
        break;
    case InfoButton::VarMode:
        settings_.useTempVars = !settings_.useTempVars;
        break;
    case InfoButton::CycleTime:
        changeCycleTime();
        break;
    case InfoButton::Count:
        return;
    }
    notify();
}

void InfoFrame::changeCycleTime()
{
    if (refusedOutsideEditMode())
        return;
    if (insideSubProcessFile) {
        reporter_.box(tx("nur auf oberster SPS-Ebene aenderbar"));
        return;
    }
    const std::string current = formatDecimal(state_.cycleTimeMs);
    const std::optional<std::string> answer =
        dialogs_.inputQuery(tx("Projekt-Info"), tx("Zykluszeit in mSec ?"), current);
    if (!answer)
        return;
    const std::optional<double> entered = parseRealText(cleanEnteredText(*answer));
    // A negative cycle time would turn every time constant negative.
    if (!entered || *entered < 0.0) {
        reporter_.box(tx("ungueltige Zykluszeit"));
        return;
    }
    if (*entered == state_.cycleTimeMs)
        return;
    state_.setCycleTime(*entered);
    settings_.cycleTimeMs = *entered;
    setTimeBase(ChartTimeBase{});
}

void InfoFrame::setTimeBase(const ChartTimeBase& base)
{
    timeBase_ = base;
    if (recorderRestart)
        recorderRestart(timeBase_);
}

void InfoFrame::timeBaseLower()
{
    ChartTimeBase next = timeBase_;
    next.lower();
    if (next == timeBase_)
        return;
    setTimeBase(next);
    notify();
}

void InfoFrame::timeBaseUpper()
{
    ChartTimeBase next = timeBase_;
    next.upper();
    if (next == timeBase_)
        return;
    setTimeBase(next);
    notify();
}

void InfoFrame::setComment(const std::string& text)
{
    // Kept as typed; the file writer blanks the quotes it cannot hold.
    settings_.comment = text;
}

std::string InfoFrame::timeBaseText() const
{
    const double ratio = static_cast<double>(timeBase_.samples) / timeBase_.pixels;
    const TargetInfo* target = findTarget(state_.target);
    // Online, the chart takes one sample per poll of the controller: 50 samples per
    // division at the client's poll period.
    const double seconds = state_.mode == EditorMode::Online && target
                               ? target->displayFactor * ratio
                               : state_.cycleTimeSeconds * 50.0 * ratio;
    return sevenDigits(seconds) + " sec";
}

InfoFrameTexts InfoFrame::texts() const
{
    InfoFrameTexts t;
    t.projectName = shown(settings_.projectName, info::NoProjectName);
    t.version = shown(settings_.processVersion, info::NoVersion);
    t.author = shown(settings_.author, info::NoAuthor);
    t.saveDate = shown(settings_.saveDate, info::NoSaveDate);
    t.compileDate = shown(settings_.compileDate, info::NoCompileDate);
    t.target = targetName(state_.target);
    t.compileMode = compileModeText(state_.optimisationLevel);
    t.varMode =
        settings_.useTempVars ? tx("temp. Var automatisch erzeugen") : tx("temp. Var nicht autom. erzeugen");
    t.digitalName = settings_.digitalTempName;
    t.fixedName = settings_.fixedTempName;
    t.cycleTime = formatDecimal(state_.cycleTimeMs);
    t.timeBase = timeBaseText();
    t.comment = settings_.comment;
    for (std::size_t i = 0; i < t.enabled.size(); ++i)
        t.enabled[i] = enabled(static_cast<InfoButton>(i));
    return t;
}

} // namespace fup
