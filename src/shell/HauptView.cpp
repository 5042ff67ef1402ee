// The view flags of the main window, the key help and what every repaint completes.
#include "shell/Haupt.h"
#include "shell/KeyHelp.h"

namespace fup {

void Haupt::TastenBelegungClick()
{
    view_.clearMessages();
    view_.raiseMessageWindow();
    for (const std::string& line : keyHelpLines())
        view_.appendMessage(line);
}

void Haupt::Hinweiseeinaus1Click()
{
    // One flag for every block, those created later included.
    context_.blockHints = !context_.blockHints;
    refreshMenus();
}

void Haupt::PageNumbers1Click()
{
    context_.sheetLabels = !context_.sheetLabels;
    refreshMenus();
    view_.redisplay();
}

void Haupt::VordergrundClick()
{
    context_.alwaysInFront = !context_.alwaysInFront;
    refreshMenus();
    view_.redisplay();
}

void Haupt::toggleVisualisationMenu()
{
    context_.visualisationMenuShown = !context_.visualisationMenuShown;
    refreshMenus();
}

void Haupt::sheetPainting()
{
    // Going to a block (a search, a message about it, the error list) may change the page
    // without a command around it; the first repaint of the new page completes the change.
    if (document_.currentSheet() != paintedSheet_) {
        paintedSheet_ = document_.currentSheet();
        edit_->updateCaption();
    }
    if (context_.alwaysInFront)
        view_.bringToFront();
}

void Haupt::showApplicationTitle()
{
    view_.setApplicationTitle("KORM: " + state_.processName);
}

} // namespace fup
