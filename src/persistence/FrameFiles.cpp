#include "persistence/FrameFiles.h"

#include "model/Document.h"
#include "model/Reporter.h"
#include "model/Translate.h"
#include "persistence/FileText.h"

namespace fup {

namespace {

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// A macro's name becomes a file name in the data directory; a name that would lead out
// of it (or into another directory) is no file name.
bool usableFileName(const std::string& name)
{
    if (name == "." || name == "..")
        return false;
    for (const char c : name)
        if (c == '/' || c == '\\' || c == '\0')
            return false;
    return true;
}

bool readFrameFile(Document& doc, const std::filesystem::path& file, std::string& text)
{
    std::string bytes;
    const FileResult read = readFileBytes(file, bytes);
    if (!read.ok) {
        doc.reporter().error(nullptr, tx("OpenFrame:") + file.string());
        doc.reporter().log(read.error);
        return false;
    }
    text = decodeFileText(bytes);
    return true;
}

} // namespace

bool mayStartFrameSave(Document& doc, bool readOnly, bool frameActive)
{
    if (readOnly) {
        doc.reporter().box(tx("read only !"));
        return false;
    }
    return frameActive;
}

bool saveFrameFile(Document& doc, const FrameRect& rect, const std::filesystem::path& file)
{
    const FileResult saved = saveFileAtomic(file, encodeFileText(writeFrame(doc, rect)));
    if (!saved.ok) {
        doc.reporter().error(nullptr, saved.error);
        return false;
    }
    return true;
}

FrameReadResult loadFrameFile(Document& doc, const std::filesystem::path& file, PixelPoint mouse)
{
    std::string text;
    if (!readFrameFile(doc, file, text))
        return {};
    return insertFrame(doc, text, FramePlacement::atMouse(mouse));
}

std::filesystem::path saveMacroFile(Document& doc, TKiste& block, const std::filesystem::path& dataDirectory,
                                    const MacroSaveContext& context)
{
    Reporter& reporter = doc.reporter();
    const auto deferred = [&](const std::string& text) {
        if (context.deferredMessage)
            context.deferredMessage(text);
        else
            reporter.box(text);
    };
    if (!isMacroOrAutomat(block.type)) {
        deferred(tx("..Save nur fuer Makros/Automat"));
        return {};
    }
    const Para_descriptor* name = block.param("nam");
    if (!name) {
        reporter.error(&block, tx("MacroName nicht gefunden: ") + block.name);
        return {};
    }
    const std::string base = trimmed(name->value);
    if (base.empty()) {
        reporter.error(&block, tx("Namenloses Macro: ") + block.name);
        return {};
    }
    if (context.selectFrameActive) {
        deferred(tx("Select-Rahmen noch aktiv"));
        return {};
    }

    const std::filesystem::path file = dataDirectory / (base + (block.type == 187 ? ".KR4" : ".KR5"));
    const std::string writeFailure = tx("Datei-SchreibFehler (..ungueltiger Datei-Name?): ") + file.string();
    if (!usableFileName(base)) {
        deferred(writeFailure);
        return {};
    }
    std::error_code ec;
    if (std::filesystem::exists(file, ec) && context.askYesNo &&
        !context.askYesNo(tx("Eine Datei diesese Namens (") + file.string() +
                          tx(") existiert bereits! Ueberschreiben ?")))
        return {};

    deselectAll(doc);
    block.selected = true;
    for (TKante* p : block.pins)
        p->selected = true;
    const std::string text = writeFrameOfSheet(doc, std::nullopt, block.sheet);
    block.selected = false;
    for (TKante* p : block.pins)
        p->selected = false;

    // Written next to the old file and renamed over it: a failed write keeps the old one.
    const FileResult saved = saveFileAtomic(file, encodeFileText(text));
    if (!saved.ok) {
        reporter.log(saved.error);
        deferred(writeFailure);
        return {};
    }
    return file;
}

bool loadMacroFile(Document& doc, const std::filesystem::path& file, const MacroLoadContext& context)
{
    std::string text;
    if (!readFrameFile(doc, file, text))
        return false;
    const FrameReadResult read = insertFrame(doc, text, FramePlacement::inPlace());
    if (!read.ok)
        return false;
    const bool consistent = !context.editMode || !context.macroChecks || context.macroChecks();
    for (TKiste* b : doc.blocks())
        if (b->selected && b->sheet == doc.currentSheet())
            b->colour = consistent ? colour::Red : colour::Green;
    deselectAll(doc);
    return true;
}

} // namespace fup
