#include "shell/BlockDrag.h"

#include "model/Document.h"

#include <algorithm>

namespace fup {

namespace {

int limited(int value, int low, int high)
{
    // A window smaller than the margins leaves no room: the lower limit wins.
    return std::max(low, std::min(value, high));
}

} // namespace

BlockDrag::BlockDrag(Document& document, const std::function<void()>& beforeChange)
    : document_(document), beforeChange_(beforeChange)
{
}

void BlockDrag::press(TKiste& block, PixelPoint pos)
{
    const PixelRect body = blockRect(block, ViewGeometry::of(document_));
    block_ = &block;
    offset_ = {pos.x - body.left, pos.y - body.top};
    moved_ = false;
    block.colour = colour::InactiveCaption;
}

bool BlockDrag::move(PixelPoint pos)
{
    if (!block_)
        return false;
    if (!block_->alive()) {
        block_ = nullptr;
        return false;
    }
    const ViewGeometry view = ViewGeometry::of(document_);
    const int pitch = view.zoom;
    const int width = document_.clientWidth();
    const int height = document_.clientHeight();
    const int left = limited(pos.x - offset_.x, -(pitch + 4), width - pitch - 20);
    const int top = limited(pos.y - offset_.y, -(pitch + 8), height - 2 * pitch - 20);
    const GridPoint grid = toGrid({left, top}, view);

    bool changed = false;
    if (grid.x != block_->x || grid.y != block_->y) {
        if (!moved_ && beforeChange_)
            beforeChange_();
        moved_ = true;
        block_->x = grid.x;
        block_->y = grid.y;
        changed = true;
    }

    // Near the window's edge the view follows the block.
    int dx = 0;
    int dy = 0;
    if (left < 0)
        dx = -pitch;
    else if (left > width - pitch - 30)
        dx = pitch;
    if (top < 0)
        dy = -pitch;
    else if (top > height - 2 * pitch - 30)
        dy = pitch;
    if (dx != 0 || dy != 0) {
        const int maxX = std::max(0, pitch * SheetWidth + 60 - width);
        const int maxY = std::max(0, pitch * SheetHeight + 60 - height);
        const int x = std::clamp(view.scrollX + dx, 0, maxX);
        const int y = std::clamp(view.scrollY + dy, 0, maxY);
        if (x != view.scrollX || y != view.scrollY) {
            document_.setScroll(x, y);
            changed = true;
        }
    }
    return changed;
}

void BlockDrag::release()
{
    if (block_ && block_->alive() && block_->colour != colour::Red)
        block_->colour = block_->restingColour();
    block_ = nullptr;
    moved_ = false;
}

} // namespace fup
