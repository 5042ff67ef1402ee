#pragma once

// The program the benchmarks of files and undo work on.
#include "model/Document.h"
#include "model/Kanten.h"

#include <string>

namespace fup::bench {

// The program's limit.
constexpr int BlockLimit = 1500;

// Analog chains (adder, limit) and digital chains (AND), each block wired from the
// previous block of its family through an intermediate point; every tenth output
// carries a variable, every seventh free input a constant. Spread over four sheets.
inline void fillBenchProgram(Document& doc)
{
    for (int k = 2; k <= 4; ++k)
        doc.appendSheet("Blatt " + std::to_string(k));
    TKante* lastAnalog = nullptr;
    TKante* lastDigital = nullptr;
    for (int i = 0; i < BlockLimit; ++i) {
        const int sheet = 1 + i * 4 / BlockLimit;
        const int x = (i * 7) % 540;
        const int y = (i * 11) % 360;
        const bool digital = i % 4 == 3;
        const int type = digital ? 92 : (i % 2 == 0 ? 13 : 35);
        TKiste* b = doc.createBlock(type, 2 + i % 3, 1, sheet, x, y, false);
        if (!b->params.empty())
            b->params[0].value = type == 35 ? "0.75" : std::to_string(b->n);
        TKante* in = b->inputPin(1);
        TKante* out = b->outputPin(1);
        TKante*& last = digital ? lastDigital : lastAnalog;
        if (last && last->sheet == sheet && in) {
            TKante* point = doc.createPoint(x - 2, y + 1, sheet, digital ? vt::Digital : vt::Fixed);
            linkNeighbours(*last, *point);
            linkNeighbours(*point, *in);
        }
        if (TKante* free = b->inputPin(2); free && i % 7 == 0) {
            free->varType = var::Own;
            free->constValue = 1073741824;
        }
        if (out && i % 10 == 0) {
            out->varType = var::Own;
            out->varText = "V" + std::to_string(i);
        }
        last = out;
    }
    doc.renumber();
}

} // namespace fup::bench
