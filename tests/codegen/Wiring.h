#pragma once

#include "model/Document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace fup::test {

// Wires one output to many inputs: an output pin and a point take at most four
// neighbours, so the net runs down a chain of points with two inputs on each.
inline void fanOut(Document& doc, TKante& output, const std::vector<TKante*>& inputs)
{
    TKante* previous = &output;
    for (std::size_t i = 0; i < inputs.size(); i += 2) {
        TKante* point = doc.createPoint(50 + static_cast<int>(i), 50, output.sheet, vt::None);
        ASSERT_TRUE(doc.connect(*previous, *point));
        for (std::size_t j = i; j < std::min(i + 2, inputs.size()); ++j)
            ASSERT_TRUE(doc.connect(*point, *inputs[j]));
        previous = point;
    }
}

// The block's input pins in creation order.
inline std::vector<TKante*> inputsOf(const TKiste& block)
{
    std::vector<TKante*> result;
    for (TKante* p : block.pins)
        if (p->isInput())
            result.push_back(p);
    return result;
}

} // namespace fup::test
