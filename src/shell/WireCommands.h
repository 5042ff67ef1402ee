#pragma once

#include "model/Constants.h"
#include "model/KantenMenu.h"
#include "model/Kisten.h"
#include "platform/Dialogs.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fup {

class Document;
class TKante;
class WireLayer;

// Where the wire popup menu was asked for.
enum class WireMenuPlace {
    Element,  // a wire element: an intermediate point, a pin's handle, a segment's end
    PinLabel, // the name of a pin inside its block
};

// A one-line text the user is asked for before a command runs. Title and prompt are the
// German keys; the initial text is shown as it is.
struct TextQuery {
    std::string title;
    std::string prompt;
    std::string initial;
};

// The commands of the wire popup menu: which entries an element offers now, which text
// each one asks for, and carrying it out on the model.
class WireCommands {
  public:
    WireCommands(WireLayer& layer, Document& document, platform::Dialogs& dialogs,
                 std::function<EditContext()> context, std::function<TimeBase()> timeBase);

    // Empty: no menu.
    std::vector<WireMenuItem> menu(const TKante& element, WireMenuPlace place) const;
    // The text the entry asks for; none for entries that need no text.
    std::optional<TextQuery> query(const TKante& element, const WireMenuItem& item) const;
    // Carries the entry out with the text the user entered (ignored by entries without a
    // query). Refused entries leave the model unchanged and report the model's message.
    // True when something was done.
    bool run(TKante& element, const WireMenuItem& item, const std::string& entered = {});
    // Asks for the entry's text through the dialogs (translated), then runs it; a
    // cancelled question does nothing.
    bool carryOut(TKante& element, const WireMenuItem& item);

  private:
    bool allowed(const WireMenuItem& item) const;

    WireLayer& layer_;
    Document& document_;
    platform::Dialogs& dialogs_;
    std::function<EditContext()> context_;
    std::function<TimeBase()> timeBase_;
};

// The menu item a Ctrl-click on an element stands for.
WireMenuItem editCommentItem();

} // namespace fup
