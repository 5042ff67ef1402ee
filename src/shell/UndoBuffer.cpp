#include "shell/UndoBuffer.h"

namespace fup {

bool TUndoBuffer::PutProject(const std::string& text)
{
    // A snapshot of an unchanged document ("S" twice) adds nothing. An empty ring has no
    // latest snapshot to compare with.
    if (cur_ != oldest_ && slots_[previous(cur_)] == text)
        return false;
    currentSaved_ = false;
    slots_[cur_] = text;
    cur_ = next(cur_);
    if (cur_ == oldest_)
        oldest_ = next(oldest_);
    newest_ = cur_;
    return true;
}

std::optional<std::string> TUndoBuffer::UndoProject(const std::function<std::string()>& present)
{
    if (cur_ == oldest_)
        return std::nullopt;
    if (cur_ == newest_) {
        if (currentSaved_) {
            cur_ = previous(cur_);
            slots_[cur_] = present();
        } else {
            currentSaved_ = true;
            slots_[cur_] = present();
            newest_ = next(cur_);
            if (newest_ == oldest_)
                oldest_ = next(oldest_);
        }
    }
    cur_ = previous(cur_);
    return slots_[cur_];
}

std::optional<std::string> TUndoBuffer::RedoProject()
{
    if (cur_ == newest_)
        return std::nullopt;
    cur_ = next(cur_);
    if (cur_ == newest_)
        return std::nullopt;
    return slots_[cur_];
}

std::optional<std::string> TUndoBuffer::GetProject()
{
    if (cur_ == oldest_)
        return std::nullopt;
    cur_ = previous(cur_);
    return slots_[cur_];
}

int TUndoBuffer::undoDepth() const
{
    return (cur_ - oldest_ + Slots) % Slots;
}

} // namespace fup
