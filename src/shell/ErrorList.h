#pragma once

#include <string>
#include <vector>

namespace fup {

// The error list (TErrListBox): reports collected while a compile or a simulation runs,
// each tagged with the block it concerns (-1 without block).
class TErrListBox {
public:
    struct Entry {
        std::string text;
        int blockNumber = -1;
    };

    void add(const std::string& text, int blockNumber);
    void clear();
    // Right click: the list disappears and forgets its entries.
    void hideAndClear();
    // Double click on an entry: the block number to show, or -1.
    int blockAt(std::size_t index) const;

    const std::vector<Entry>& entries() const { return entries_; }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }

private:
    std::vector<Entry> entries_;
    bool visible_ = false;
};

}  // namespace fup
