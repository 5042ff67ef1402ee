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
    context.editorBusy = textEditor_->commentId().has_value();
    std::vector<TextMenuItem> items = textContextMenu(text, context);
    // A program in the editor leaves removing and single-line editing alone, but the
    // editor takes one thing at a time.
    if (textEditor_->holdsBlock())
        for (TextMenuItem& item : items)
            if (item.command == TextCommand::EditMultiline)
                item.enabled = false;
    return items;
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
        if (!openCommentEditor || !textEditor_->attachComment(text))
            return;
        highlightOnly(text);
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
    if (!textEditor_->commentId())
        return true;
    return textEditor_->leave(edited);
}

void Haupt::removePendingText()
{
    const auto id = std::exchange(pendingTextRemoval_, std::nullopt);
    if (!id)
        return;
    textEditor_->forgetComment(*id);
    document_.removeText(*id);
    view_.redisplay();
}

} // namespace fup
