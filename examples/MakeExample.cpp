// Builds the bundled example diagram with the editor's own model and writes it as a
// program file: make_example <file.KR2>. Run it again after a change of the file format
// and commit the result.

#include "model/Constants.h"
#include "model/Document.h"
#include "model/Hierarchy.h"
#include "model/Reporter.h"
#include "model/Texten.h"
#include "persistence/ProgramFile.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

using namespace fup;

// Any report means the example is no longer what it claims to be.
class StrictReporter final : public Reporter {
public:
    void error(const TKiste*, const std::string& text, bool& ok) override
    {
        ok = false;
        fail("Fehler: " + text);
    }
    void warning(const TKiste*, const std::string& text) override { fail("Warnung: " + text); }
    void errorRaw(const TKiste* block, const std::string& text, bool& ok) override { error(block, text, ok); }
    void warningRaw(const TKiste* block, const std::string& text) override { warning(block, text); }
    void log(const std::string&) override {}
    void box(const std::string& text) override { fail(text); }
    using Reporter::error;

private:
    [[noreturn]] static void fail(const std::string& text) { throw std::runtime_error(text); }
};

void require(bool ok, const char* what)
{
    if (!ok)
        throw std::runtime_error(what);
}

TKiste& block(Document& doc, int type, int sheet, int x, int y, int n = 2, int m = 1)
{
    TKiste* b = doc.createBlock(type, n, m, sheet, x, y, false);
    require(b != nullptr, "block");
    return *b;
}

void set(TKiste& b, const char* key, const char* value)
{
    Para_descriptor* p = b.param(key);
    require(p != nullptr, key);
    p->value = value;
}

void wire(Document& doc, TKante* from, TKante* to) { require(from && to && doc.connect(*from, *to), "wire"); }

void build(Document& doc, ProgramSettings& settings)
{
    settings.projectName = "Beispielanlage Pumpstation";
    settings.author = "KORM";
    settings.processVersion = "1.0";
    settings.comment = "Temperaturregelung mit Grenzwert und verzoegertem Pumpenstart";
    settings.cycleTimeMs = 10;
    settings.target = 3;
    const TimeBase time{settings.cycleTimeMs, settings.target};

    doc.renameSheet(1, "Messung und Regelung");
    require(doc.appendSheet("Pumpenlogik"), "sheet");

    // Sheet 1: measured value, filtered, limited, compared with the set point, amplified.
    TKiste& input = block(doc, 10, 1, 6, 8);
    TKiste& filter = block(doc, 51, 1, 20, 8);
    set(filter, "t", "0.5");
    TKiste& limit = block(doc, 35, 1, 34, 8);
    set(limit, "OG", "0.9");
    set(limit, "UG", "-0.9");
    TKiste& error = block(doc, 14, 1, 48, 8);
    TKiste& gain = block(doc, 18, 1, 62, 8);
    set(gain, "KP", "2.5");
    TKiste& output = block(doc, 11, 1, 76, 8);
    wire(doc, input.outputPin(1), filter.inputPin(1));
    wire(doc, filter.outputPin(1), limit.inputPin(1));
    wire(doc, limit.outputPin(1), error.inputPin(1));
    wire(doc, error.outputPin(1), gain.inputPin(1));
    wire(doc, gain.outputPin(1), output.inputPin(1));
    require(doc.setVariableName(*filter.outputPin(1), "TEMP_IST"), "variable");
    require(doc.createConstant(*error.inputPin(2), 0, "0.25", time), "constant");
    TTexte& note1 = doc.createText(6, 20, 1, false, true);
    note1.text = "Temperaturregelung: Istwert gefiltert (0.5 s), begrenzt, Sollwert 0.25";

    // Sheet 2: start after release, delayed by two seconds; a macro mirrors the limit.
    TKiste& start = block(doc, 90, 2, 6, 8);
    set(start, "RG", "1");
    set(start, "BN", "0");
    TKiste& release = block(doc, 90, 2, 6, 16);
    set(release, "RG", "1");
    set(release, "BN", "1");
    TKiste& both = block(doc, 92, 2, 20, 10);
    TKiste& delay = block(doc, 99, 2, 34, 10);
    set(delay, "t", "2.0");
    TKiste& pump = block(doc, 91, 2, 48, 10);
    set(pump, "RG", "10");
    set(pump, "BN", "0");
    wire(doc, start.outputPin(1), both.inputPin(1));
    wire(doc, release.outputPin(1), both.inputPin(2));
    wire(doc, both.outputPin(1), delay.inputPin(1));
    wire(doc, delay.outputPin(1), pump.inputPin(1));
    require(doc.setVariableName(*delay.outputPin(1), "PUMPE_EIN"), "variable");
    TTexte& note2 = doc.createText(6, 24, 2, true, false);
    note2.text = "Pumpe laeuft 2 s nach Start und Freigabe an";

    TKiste& macro = block(doc, 187, 2, 20, 32);
    set(macro, "nam", "SPIEGEL");
    macro.childPage = doc.allocateInstanceNumber();
    TKiste& portIn = block(doc, 184, macro.childPage, 6, 8);
    set(portIn, "nam", "ein");
    set(portIn, "nr", "1");
    TKiste& negate = block(doc, 17, macro.childPage, 20, 8);
    TKiste& portOut = block(doc, 185, macro.childPage, 34, 8);
    set(portOut, "nam", "aus");
    set(portOut, "nr", "1");
    wire(doc, portIn.outputPin(1), negate.inputPin(1));
    wire(doc, negate.outputPin(1), portOut.inputPin(1));
    require(connectPort(doc, portIn) && connectPort(doc, portOut), "ports");
    TKiste& bound = block(doc, 12, 2, 6, 32);
    set(bound, "K", "0.3");
    wire(doc, bound.outputPin(1), macro.inputPin(1));
    require(doc.setVariableName(*macro.outputPin(1), "UNTERGRENZE"), "variable");

    doc.restoreInsideFirstOrder();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: make_example FILE.KR2\n", stderr);
        return 2;
    }
    try {
        StrictReporter reporter;
        Document doc(&reporter);
        ProgramSettings settings;
        build(doc, settings);
        SaveOptions options;
        options.now = "10.12.2026  12:00:00";
        if (!saveProgram(doc, settings, argv[1], options))
            return 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "make_example: %s\n", failure.what());
        return 1;
    }
    return 0;
}
