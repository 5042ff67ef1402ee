// The editor's commands on comment texts.
#include "shell/Haupt.h"

#include "model/Translate.h"

#include <utility>

namespace fup {

TTexte* Haupt::KommentarTextClick()
{
    if (!editContext().editable())
        return nullptr;
    if (undoSnapshot)
        undoSnapshot();
    TTexte& text = createTextFromMenu(document_);
    view_.redisplay();
    return &text;
}

std::vector<TextMenuItem> Haupt::textMenu(const TTexte& text) const
{
    TextMenuContext context;
    context.edit = editContext();
    context.removalPending = pendingTextRemoval_.has_value() || pendingRemoval_ != nullptr;
    context.editorBusy = commentInEditor_.has_value();
    return textContextMenu(text, context);
}

void Haupt::highlightOnly(TTexte& text)
{
    resetTextColours(document_);
    document_.resetColours();
    text.background = colour::InactiveCaption;
}

void Haupt::textCommand(TTexte& text, TextCommand command)
{
    if (!textCommandAllowed(command, editContext()))
        return;
    const std::uint64_t id = text.id();
    switch (command) {
    case TextCommand::Remove:
        if (pendingTextRemoval_)
            return;
        if (undoSnapshot)
            undoSnapshot();
        pendingTextRemoval_ = id;
        textRemoveTimer_->start();
        return;
    case TextCommand::Edit: {
        highlightOnly(text);
        const std::string current = text.text;
        const std::string entered =
            dialogs_.inputQuery(tx("Kommentar"), tx("bitte neu eingeben"), current).value_or(current);
        // The dialog ran its own event loop: the text may be gone.
        TTexte* edited = document_.findText(id);
        if (!edited)
            return;
        highlightOnly(*edited);
        if (undoSnapshot)
            undoSnapshot();
        edited->text = enteredComment(entered, false);
        break;
    }
    case TextCommand::EditMultiline:
        if (commentInEditor_ || !openCommentEditor)
            return;
        commentInEditor_ = id;
        highlightOnly(text);
        openCommentEditor(text.text);
        break;
    case TextCommand::ChangeSize:
        if (undoSnapshot)
            undoSnapshot();
        text.large = !text.large;
        break;
    case TextCommand::ChangeColour:
        if (undoSnapshot)
            undoSnapshot();
        text.coloured = !text.coloured;
        break;
    }
    view_.redisplay();
}

bool Haupt::finishMultilineComment(const std::string& edited)
{
    if (!commentInEditor_)
        return true;
    if (TTexte* text = document_.findText(*commentInEditor_)) {
        const std::string result = enteredComment(edited, true);
        if (result != text->text) {
            switch (dialogs_.askYesNoCancel(tx("Möchten Sie die Änderungen an diesem Text speichern?"))) {
            case platform::Answer::Cancel:
                return false;
            case platform::Answer::Yes:
                // The question ran its own event loop: look again.
                if ((text = document_.findText(*commentInEditor_))) {
                    if (undoSnapshot)
                        undoSnapshot();
                    text->text = result;
                }
                break;
            case platform::Answer::No:
                break;
            }
        }
    }
    commentInEditor_.reset();
    view_.redisplay();
    return true;
}

void Haupt::removePendingText()
{
    const auto id = std::exchange(pendingTextRemoval_, std::nullopt);
    if (!id)
        return;
    if (commentInEditor_ == id) {
        commentInEditor_.reset();
        if (closeCommentEditor)
            closeCommentEditor();
    }
    document_.removeText(*id);
    view_.redisplay();
}

} // namespace fup
