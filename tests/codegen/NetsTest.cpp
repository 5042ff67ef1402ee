#include "codegen/Nets.h"
#include "model/Document.h"
#include "model/Hierarchy.h"
#include "persistence/ProgramWriter.h"

#include "codegen/Wiring.h"
#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

#include <functional>

namespace fup {
namespace {

using test::fanOut;
using test::inputsOf;
using test::RecordingReporter;

TKiste* macroWithPorts(Document& doc, const std::vector<int>& portTypes)
{
    TKiste* macro = doc.createBlock(187, 0, 0, 1, 40, 10, false);
    macro->childPage = doc.allocateInstanceNumber();
    macro->param("nam")->value = "Regler";
    int inputs = 0;
    int outputs = 0;
    for (int type : portTypes) {
        TKiste* port = doc.createBlock(type, 0, 0, macro->childPage, 2, 2, false);
        const bool in = isMacroInPort(type);
        const int number = in ? ++inputs : ++outputs;
        port->param("nam")->value = (in ? "i" : "o") + std::to_string(number);
        port->param("nr")->value = std::to_string(number);
        EXPECT_TRUE(connectPort(doc, *port));
    }
    return macro;
}

TKiste* portOf(const Document& doc, const TKiste& macro)
{
    for (TKiste* b : doc.blocks())
        if (b->sheet == macro.childPage && isMacroPort(b->type))
            return b;
    return nullptr;
}

struct Nets : ::testing::Test {
    RecordingReporter reporter;
    Document doc{&reporter};
    CompileFields fields;
};

TEST_F(Nets, OutputsListTheirTargetsAndInputsTheirSources)
{
    TKiste* cons = doc.createBlock(12, 0, 0, 1, 2, 2, false);
    TKiste* add = doc.createBlock(13, 3, 1, 1, 10, 2, false);
    TKiste* sub = doc.createBlock(14, 0, 0, 1, 10, 10, false);
    TKante* out = cons->outputPin(1);
    fanOut(doc, *out, {add->inputPin(1), add->inputPin(2), sub->inputPin(2)});
    ASSERT_TRUE(doc.setVariableName(*sub->inputPin(1), "SOLL"));
    doc.renumber();

    ASSERT_TRUE(buildNets(doc, fields));
    EXPECT_TRUE(reporter.lines.empty());

    const BlockCompileFields& source = fields.of(*cons);
    ASSERT_EQ(source.outputs.size(), 1u);
    const OutputRecord& record = source.outputs[0];
    EXPECT_EQ(record.pin, out);
    EXPECT_EQ(record.block, cons);
    // The adder takes the signal twice and is listed twice.
    EXPECT_EQ(record.targets, (std::vector<TKiste*>{add, add, sub}));
    EXPECT_TRUE(source.inputs.empty()); // its unnamed input carries nothing

    // The adder's third input is neither wired nor named: no entry.
    const std::vector<InputEntry>& adderInputs = fields.of(*add).inputs;
    ASSERT_EQ(adderInputs.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const InputEntry& entry = adderInputs[i];
        EXPECT_EQ(entry.source, &record);
        EXPECT_EQ(entry.sourcePin, out);
        EXPECT_EQ(entry.inputPin, add->inputPin(i + 1));
        EXPECT_EQ(entry.pinText, "+" + std::to_string(i + 1));
        EXPECT_TRUE(entry.variable.empty());
        EXPECT_FALSE(entry.inverted);
        EXPECT_FALSE(entry.feedback);
    }
    ASSERT_EQ(fields.of(*add).outputs.size(), 1u);
    EXPECT_TRUE(fields.of(*add).outputs[0].targets.empty());

    const std::vector<InputEntry>& subInputs = fields.of(*sub).inputs;
    ASSERT_EQ(subInputs.size(), 2u);
    EXPECT_FALSE(subInputs[0].wired());
    EXPECT_EQ(subInputs[0].variable, "SOLL");
    EXPECT_EQ(subInputs[0].pinText, "+");
    EXPECT_FALSE(subInputs[0].inverted);
    EXPECT_TRUE(subInputs[1].wired());
    EXPECT_TRUE(subInputs[1].inverted);

    // A second build starts from nothing.
    ASSERT_TRUE(buildNets(doc, fields));
    EXPECT_EQ(fields.of(*cons).outputs[0].targets.size(), 3u);
}

TEST_F(Nets, TheSubtractedInputOfEverySubtracterIsInverted)
{
    for (int type : {14, 56, 137, 13}) {
        TKiste* block = doc.createBlock(type, 2, 1, 1, 10, 10, false);
        ASSERT_TRUE(doc.setVariableName(*block->inputPin(1), "A"));
        ASSERT_TRUE(doc.setVariableName(*block->inputPin(2), "B"));
        ASSERT_TRUE(buildNets(doc, fields));
        const std::vector<InputEntry>& inputs = fields.of(*block).inputs;
        ASSERT_EQ(inputs.size(), 2u) << type;
        EXPECT_FALSE(inputs[0].inverted) << type;
        EXPECT_EQ(inputs[1].inverted, type != 13) << type;
    }
}

TEST_F(Nets, AnInPortTakesTheNameOnItsMotherPin)
{
    TKiste* macro = macroWithPorts(doc, {184});
    TKiste* port = portOf(doc, *macro);
    ASSERT_NE(port, nullptr);
    TKiste* inside = doc.createBlock(17, 0, 0, macro->childPage, 10, 2, false);
    ASSERT_TRUE(doc.connect(*port->outputPin(1), *inside->inputPin(1)));
    TKante* motherPin = macro->inputPin(1);
    TKante* portPin = port->portFacingPin();
    ASSERT_TRUE(doc.setVariableName(*motherPin, "SOLL"));

    ASSERT_TRUE(buildNets(doc, fields));
    ASSERT_EQ(fields.of(*port).inputs.size(), 1u);
    const InputEntry& entry = fields.of(*port).inputs[0];
    EXPECT_FALSE(entry.wired());
    EXPECT_EQ(entry.variable, "SOLL");
    EXPECT_EQ(entry.inputPin, portPin);
    EXPECT_EQ(portPin->varType, var::Reference);
    EXPECT_EQ(portPin->varText, "SOLL");
    // The mother block has its own entry for the pin, the block inside reads the port.
    ASSERT_EQ(fields.of(*macro).inputs.size(), 1u);
    EXPECT_EQ(fields.of(*macro).inputs[0].variable, "SOLL");
    ASSERT_EQ(fields.of(*inside).inputs.size(), 1u);
    EXPECT_EQ(fields.of(*inside).inputs[0].source, &fields.of(*port).outputs[0]);

    // A constant as a program file may carry it: kind, value and its encoding.
    motherPin->varType = var::Own;
    motherPin->varText.clear();
    motherPin->displayType = dt::Decimal;
    motherPin->constValue = 42;
    ASSERT_TRUE(buildNets(doc, fields));
    EXPECT_EQ(portPin->varType, var::Own);
    EXPECT_EQ(portPin->constValue, 42);
    EXPECT_EQ(portPin->displayType, dt::Decimal);

    // Wired from outside, the port reads that output and keeps no stale constant.
    doc.clearVariable(*motherPin);
    TKiste* cons = doc.createBlock(12, 0, 0, 1, 2, 2, false);
    ASSERT_TRUE(doc.connect(*cons->outputPin(1), *motherPin));
    ASSERT_TRUE(buildNets(doc, fields));
    ASSERT_EQ(fields.of(*port).inputs.size(), 1u);
    EXPECT_EQ(fields.of(*port).inputs[0].source, &fields.of(*cons).outputs[0]);
    EXPECT_EQ(portPin->varType, var::None);
    EXPECT_EQ(portPin->constValue, 0);
    EXPECT_EQ(fields.of(*cons).outputs[0].targets, (std::vector<TKiste*>{port, macro}));

    // A disconnected port reads nothing from outside.
    ASSERT_TRUE(disconnectPort(doc, *port));
    ASSERT_TRUE(buildNets(doc, fields));
    EXPECT_TRUE(fields.of(*port).inputs.empty());
}

// Each case builds a document one step beyond a limit; the step before still builds.
struct LimitCase {
    const char* what;
    std::function<void(Document&, bool beyond)> build;
    std::function<std::string(const Document&)> message;
};

TEST(NetLimits, ExceededLimitsFailAndLeaveTheDocumentAsItWas)
{
    auto firstOfType = [](const Document& doc, int type) {
        for (TKiste* b : doc.blocks())
            if (b->type == type)
                return b;
        return static_cast<TKiste*>(nullptr);
    };
    const LimitCase cases[] = {
        {"25th output",
         [](Document& doc, bool beyond) {
             TKiste* block = doc.createBlock(17, 0, 0, 1, 2, 2, false);
             for (int k = 2; k <= MaxOutputs + (beyond ? 1 : 0); ++k)
                 doc.addPin(*block, ek::OutputPin, "o" + std::to_string(k), vt::Fixed, k, false, false);
         },
         [&](const Document& doc) { return "Zu viele Ausgaenge: " + firstOfType(doc, 17)->name; }},
        {"25th target",
         [](Document& doc, bool beyond) {
             TKiste* cons = doc.createBlock(12, 0, 0, 1, 2, 2, false);
             TKiste* add = doc.createBlock(13, 20, 1, 1, 10, 2, false);
             TKiste* mul = doc.createBlock(15, 5, 1, 1, 10, 30, false);
             std::vector<TKante*> inputs = inputsOf(*add);
             for (TKante* p : inputsOf(*mul))
                 inputs.push_back(p);
             inputs.resize(MaxNetTargets + (beyond ? 1 : 0));
             fanOut(doc, *cons->outputPin(1), inputs);
         },
         [&](const Document& doc) { return "Zu viele Netz-Ziele: " + firstOfType(doc, 12)->name; }},
        // A macro with 17 inputs and 16 outputs has 33 input pins: the hidden ones of the
        // out-ports are wired from inside, the visible ones here carry names.
        {"33rd entry, wired",
         [](Document& doc, bool beyond) {
             std::vector<int> ports(17, 184);
             ports.insert(ports.end(), beyond ? 16 : 15, 185);
             TKiste* macro = macroWithPorts(doc, ports);
             for (int k = 1; k <= 17; ++k)
                 ASSERT_TRUE(doc.setVariableName(*macro->inputPin(k), "V" + std::to_string(k)));
         },
         [&](const Document& doc) { return "Zu viele Eingaenge: " + firstOfType(doc, 187)->name; }},
        {"33rd entry, named",
         [](Document& doc, bool beyond) {
             std::vector<int> ports(16, 185);
             ports.insert(ports.end(), beyond ? 17 : 16, 184);
             TKiste* macro = macroWithPorts(doc, ports);
             for (int k = 1; k <= (beyond ? 17 : 16); ++k)
                 ASSERT_TRUE(doc.setVariableName(*macro->inputPin(k), "V" + std::to_string(k)));
         },
         [&](const Document& doc) { return "Zu viele Eingaenge: " + firstOfType(doc, 187)->name; }},
        // A source that is gone, as a damaged document may hold it.
        {"lost source",
         [](Document& doc, bool beyond) {
             TKiste* gone = doc.createBlock(12, 0, 0, 1, 2, 2, false);
             TKiste* neg = doc.createBlock(17, 0, 0, 1, 10, 2, false);
             ASSERT_TRUE(doc.connect(*gone->outputPin(1), *neg->inputPin(1)));
             if (beyond) {
                 TKante* stale = gone->outputPin(1);
                 doc.removeBlock(*gone);
                 neg->inputPin(1)->source = stale;
             }
         },
         [](const Document&) { return std::string("InputNetz nicht gefunden"); }},
    };
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(c.what);
        for (bool beyond : {false, true}) {
            RecordingReporter reporter;
            Document doc{&reporter};
            c.build(doc, beyond);
            doc.renumber();
            reporter.lines.clear();
            const std::string before = writeProgram(doc, {}, "limits");
            CompileFields fields;
            EXPECT_EQ(buildNets(doc, fields), !beyond);
            if (beyond) {
                EXPECT_EQ(reporter.lines, std::vector<std::string>{"E:" + c.message(doc)});
                EXPECT_TRUE(writeProgram(doc, {}, "limits") == before) << "the document changed";
            } else {
                EXPECT_TRUE(reporter.lines.empty()) << ::testing::PrintToString(reporter.lines);
            }
        }
    }
}

} // namespace
} // namespace fup
