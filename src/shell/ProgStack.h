#pragma once

#include "shell/UndoBuffer.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fup {

// The program files the user descended through into sub-process and function-block
// files: for each caller its file, the kind of level it was (0 top, 180 sub-process,
// 186 function block) and its undo ring, whose newest snapshot brings it back.
class TProgStack {
  public:
    static constexpr int MaxDepth = 5;

    struct Entry {
        std::filesystem::path program; // directory + name + ".KR2"
        int levelKind = 0;
        std::unique_ptr<TUndoBuffer> undo;
    };

    // False when 5 entries exist already; the ring stays with the caller then.
    bool PutProg(Entry entry);
    std::optional<Entry> GetProg();
    // Whether the file name part of any entry's path equals name, both trimmed and
    // compared without regard to case.
    bool FindEntry(const std::string& name) const;
    int depth() const { return static_cast<int>(entries_.size()); }

  private:
    std::vector<Entry> entries_;
};

// Trimmed and compared without regard to case, as program names are.
bool sameProgramName(const std::string& a, const std::string& b);

} // namespace fup
