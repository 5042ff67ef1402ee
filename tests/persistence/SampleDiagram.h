#pragma once

#include "model/Document.h"
#include "persistence/ProgramSettings.h"

namespace fup::test {

// A diagram with something of everything a program file holds: three sheets (one
// named with an umlaut), blocks of many families with variable pin counts, flipped and
// passive blocks, parameters with blanks and commas, a macro with ports and its inside,
// an automat with a connected port, a structured-text block and two clones, wires with
// points (one across sheets), variables, references, constants, signal comments,
// display settings and an inverted input. Block names are the renumbered ones.
inline void buildSampleDiagram(Document& doc)
{
    doc.renameSheet(1, "Haupt");
    doc.appendSheet("\u00DCbersicht");
    doc.appendSheet("");
    doc.setZoom(12);
    doc.setScroll(24, 36);

    // Sheet 1: constant -> adder (4 inputs) -> limit -> analog output; digital logic.
    TKiste* cons = doc.createBlock(12, 0, 1, 1, 2, 4, false);
    cons->params[0].value = "0.25";
    TKiste* adder = doc.createBlock(13, 4, 1, 1, 10, 4, false);
    adder->params[0].value = "4";
    TKiste* limit = doc.createBlock(42, 2, 1, 1, 20, 4, false);
    limit->flipped = true;
    doc.placePins(*limit);
    TKiste* aout = doc.createBlock(11, 1, 0, 1, 30, 4, false);
    aout->passive = true;
    aout->colour = colour::Teal;
    TKiste* andGate = doc.createBlock(92, 3, 1, 1, 10, 20, false);
    andGate->params[0].value = "3";
    TKiste* curve = doc.createBlock(46, 1, 1, 1, 30, 20, false);
    curve->params[0].value = "Kurve 1, \u00C4nderung; neu";
    curve->params[0].show = false;

    // Wire: constant output -> point -> adder +1; adder output -> point -> point -> limit i.
    TKante* c = cons->outputPin(1);
    TKante* p1 = doc.createPoint(7, 5, 1, vt::Fixed);
    linkNeighbours(*c, *p1);
    linkNeighbours(*p1, *adder->inputPin(1));
    c->varType = var::Own;
    c->varText = "Sollwert";
    c->signalComment = "Soll, (neu)";
    c->displayFlag = true;
    p1->commentFlag = true;
    TKante* a = adder->outputPin(1);
    TKante* p2 = doc.createPoint(15, 5, 1, vt::Fixed);
    TKante* p3 = doc.createPoint(17, 9, 1, vt::Fixed);
    linkNeighbours(*a, *p2);
    linkNeighbours(*p2, *p3);
    linkNeighbours(*p3, *limit->inputPin(1));
    linkNeighbours(*p2, *aout->inputPin(1)); // a branch
    // Constants and references on unwired inputs.
    TKante* in2 = adder->inputPin(2);
    in2->varType = var::Own;
    in2->constValue = 1073741824;
    in2->displayType = dt::Fixed;
    TKante* in3 = adder->inputPin(3);
    in3->varType = var::Own;
    in3->constValue = -2147483647 - 1;
    in3->displayType = dt::Hex;
    TKante* in4 = adder->inputPin(4);
    in4->varType = var::Reference;
    in4->varText = "Fremd_1";
    TKante* sym = limit->pinNamed("sym");
    sym->varType = var::Reference;
    sym->varText = "Grenze";
    TKante* gate1 = andGate->inputPin(1);
    gate1->inverse = true;
    TKante* gateOut = andGate->outputPin(1);
    gateOut->varType = var::Reference;
    gateOut->varText = "Ausgang";
    gateOut->displayType = dt::Value;

    // Across sheets: the gate output runs to sheet 2 through two points.
    TKante* q1 = doc.createPoint(40, 21, 1, vt::Digital);
    TKante* q2 = doc.createPoint(3, 3, 2, vt::Digital);
    linkNeighbours(*gateOut, *q1);
    linkNeighbours(*q1, *q2);

    // Sheet 2: a macro whose inside (200) holds an analog in-port and out-port.
    TKiste* macro = doc.createBlock(187, 0, 0, 2, 10, 10, false);
    macro->childPage = doc.allocateInstanceNumber();
    macro->params[0].value = "REGLER";
    macro->viewX = 3;
    macro->viewY = 4;
    macro->lock = "0123456789abcdef0123456789abcdef";
    TKiste* inPort = doc.createBlock(184, 1, 1, macro->childPage, 2, 2, false);
    inPort->params[0].value = "e";
    inPort->params[1].value = "1";
    TKiste* outPort = doc.createBlock(185, 1, 1, macro->childPage, 20, 2, false);
    outPort->params[0].value = "a";
    outPort->params[1].value = "1";
    TKante* mIn = doc.addPin(*macro, ek::InputPin, "e", vt::Fixed, 1, false, false);
    TKante* mHidden = doc.addPin(*macro, ek::InputPin, "a", vt::Fixed, -1, false, true);
    TKante* mOut = doc.addPin(*macro, ek::OutputPin, "a", vt::Fixed, 1, false, false);
    macro->recomputeHeight();
    linkNeighbours(*mIn, *inPort->portFacingPin());
    linkNeighbours(*mHidden, *outPort->portFacingPin());
    TKante* r1 = doc.createPoint(10, 3, macro->childPage, vt::Fixed);
    linkNeighbours(*inPort->outputPin(1), *r1);
    linkNeighbours(*r1, *outPort->inputPin(1));
    mOut->varType = var::Own;
    mOut->varText = "Stell";
    mOut->displayType = dt::Angle;

    // Sheet 2: an automat (201) with a connected in-port, and structured text.
    TKiste* automat = doc.createBlock(188, 0, 0, 2, 30, 10, false);
    automat->childPage = doc.allocateInstanceNumber();
    automat->params[0].value = "Ablauf";
    TKiste* aPort = doc.createBlock(191, 0, 1, automat->childPage, 4, 4, false);
    aPort->params[0].value = "go";
    aPort->params[1].value = "1";
    aPort->connected = true;
    doc.addPin(*automat, ek::InputPin, "go", vt::Digital, 1, false, false);
    automat->recomputeHeight();

    TKiste* st = doc.createBlock(81, 0, 0, 2, 10, 30, false);
    st->params[0].value = "Rechner";
    st->params[1].value = "a";
    st->params[2].value = "x";
    st->params[4].value = "q";
    st->params[7].value = "IF a THEN\n  q := TRUE;\nEND_IF;";
    doc.addPin(*st, ek::InputPin, "a", vt::Digital, 1, false, false);
    TKante* stX = doc.addPin(*st, ek::InputPin, "x", vt::Fixed, 2, true, false);
    doc.addPin(*st, ek::OutputPin, "q", vt::Digital, 1, false, false);
    st->recomputeHeight();
    stX->varType = var::Own;
    stX->constValue = 42;
    stX->displayType = dt::Decimal;
    for (int k = 0; k < 2; ++k) {
        TKiste* clone = doc.createBlock(82, 0, 0, 3, 5 + 20 * k, 5, false);
        clone->params[0].value = "Teiler";
        clone->params[3].value = "n";
        clone->params[6].value = "r";
        clone->params[7].value = "r := n / 2;";
        doc.addPin(*clone, ek::InputPin, "n", vt::Integer, 1, true, false);
        doc.addPin(*clone, ek::OutputPin, "r", vt::Integer, 1, false, false);
        clone->recomputeHeight();
    }
    doc.setCurrentSheet(2);
    doc.renumber();
}

// Comment texts: a large coloured one with a comma and two lines on sheet 1, a normal
// one with an umlaut on sheet 2, and a coloured one inside the macro.
inline void addSampleTexts(Document& doc)
{
    TTexte& first = doc.createText(4, 5, 1, true, true);
    first.text = "Hinweis, zwei\nZeilen";
    TTexte& second = doc.createText(40, 30, 2, false, false);
    second.text = "gro\u00DF";
    TTexte& inside = doc.createText(7, 8, 200, true, false);
    inside.text = "(innen)";
}

inline ProgramSettings sampleSettings()
{
    ProgramSettings s;
    s.projectName = "Kl\u00E4ranlage";
    s.author = "J. M\u00FCller";
    s.processVersion = "2.1";
    s.saveDate = "01.02.2024  03:04:05";
    s.compileDate = "01.02.2024  03:05:00";
    s.cycleTimeMs = 20;
    s.optimisationLevel = 1;
    s.target = 3;
    s.comPort = "COM2";
    s.useTempVars = true;
    s.digitalTempName = "DT";
    s.fixedTempName = "AT";
    s.comment = "Erste Zeile\nzweite Zeile, mit Komma";
    s.scrollRangeX = 6780;
    s.scrollRangeY = 4560;
    return s;
}

} // namespace fup::test
