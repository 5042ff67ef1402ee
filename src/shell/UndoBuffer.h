#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace fup {

// The undo ring: up to 16 whole-document snapshots in program-file text. One slot always
// stays free for the present state, which the first undo after a change stores, so at
// most 15 older states can be returned to.
class TUndoBuffer {
  public:
    static constexpr int Slots = 16;

    // Stores a snapshot; false (nothing stored) when it equals the latest one.
    bool PutProject(const std::string& text);
    // The snapshot to restore, or none ("Undo nicht moeglich"). present writes the document
    // as it is now; the first undo after a change keeps it for a redo.
    std::optional<std::string> UndoProject(const std::function<std::string()>& present);
    // The snapshot to restore, or none ("Redo nicht moeglich").
    std::optional<std::string> RedoProject();
    // The latest snapshot without keeping the present state (the return from a sub-process
    // file), or none.
    std::optional<std::string> GetProject();

    bool canUndo() const { return cur_ != oldest_; }
    // Snapshots that undo can still go back to.
    int undoDepth() const;

  private:
    static int next(int slot) { return slot == Slots - 1 ? 0 : slot + 1; }
    static int previous(int slot) { return slot == 0 ? Slots - 1 : slot - 1; }

    std::array<std::string, Slots> slots_;
    int cur_ = 0;               // slot the next snapshot goes to
    int newest_ = 0;            // one past the newest snapshot
    int oldest_ = 0;            // oldest slot that may still be restored
    bool currentSaved_ = false; // the present state was stored by an undo
};

} // namespace fup
