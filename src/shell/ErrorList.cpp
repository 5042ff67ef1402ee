#include "shell/ErrorList.h"

namespace fup {

void TErrListBox::add(const std::string& text, int blockNumber)
{
    entries_.push_back({text, blockNumber});
    visible_ = true;
}

void TErrListBox::clear() { entries_.clear(); }

void TErrListBox::hideAndClear()
{
    entries_.clear();
    visible_ = false;
}

int TErrListBox::blockAt(std::size_t index) const
{
    return index < entries_.size() ? entries_[index].blockNumber : -1;
}

}  // namespace fup
