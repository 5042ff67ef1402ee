#pragma once

#include "model/SheetGeometry.h"

#include <functional>

namespace fup {

class Document;
class TKiste;

// Moving one block with the left button held. The block follows the mouse in whole grid
// steps, stays within the window, and the view scrolls by one pitch when it reaches the
// window's edge.
class BlockDrag {
  public:
    // beforeChange runs once per drag, before the block first moves (the undo snapshot).
    BlockDrag(Document& document, const std::function<void()>& beforeChange);

    // Left button down on the block: the selection colour, and the press position inside
    // the block is kept.
    void press(TKiste& block, PixelPoint pos);
    // True when the block moved or the view scrolled.
    bool move(PixelPoint pos);
    // The block returns to its resting colour unless something coloured it red meanwhile.
    void release();

    bool active() const { return block_ != nullptr; }
    TKiste* block() const { return block_; }

  private:
    Document& document_;
    const std::function<void()>& beforeChange_;
    TKiste* block_ = nullptr;
    PixelPoint offset_; // press position inside the block
    bool moved_ = false;
};

} // namespace fup
