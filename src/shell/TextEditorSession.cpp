#include "shell/TextEditorSession.h"

#include "model/StructuredTextPins.h"
#include "model/Translate.h"

#include <algorithm>
#include <utility>

namespace fup {

namespace {

constexpr std::size_t ShortestProgram = 6; // characters; anything shorter gets the template
constexpr EditorSize CommentMinimum{300, 80};
constexpr int CommentTallest = 300;
constexpr int CommentHeight = 155;
constexpr const char* PrintIndent = "    ";
constexpr const char* PrintHeaderIndent = "     ";

bool isStructuredText(const TKiste& block)
{
    return block.alive() && (block.type == 81 || block.type == 82);
}

std::string programName(const TKiste& block)
{
    const Para_descriptor* name = block.param("nam");
    return name ? name->value : std::string();
}

std::string storedProgram(const TKiste& block)
{
    const Para_descriptor* text = block.param("txt");
    return text ? text->value : std::string();
}

// The document keeps "\n" line ends; files add the CR.
std::string withoutCarriageReturns(std::string text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out.push_back(text[i]);
    return out;
}

// What every stored text of the window goes through: no double quotes, "\n" line ends.
std::string cleanProgram(const std::string& edited)
{
    std::string text = withoutCarriageReturns(edited);
    std::replace(text.begin(), text.end(), '"', ' ');
    return text;
}

std::size_t characterCount(const std::string& utf8)
{
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

std::string structuredTextTemplate(const std::string& blockName)
{
    const std::string name = blockName.empty() ? "name" : blockName;
    std::string text = "PROGRAM " + name + ";\r\n";
    for (const char* line : {"CONST", "VAR_TEMP", "VAR_LOCAL", "BEGIN_PROGRAM", "END_PROGRAM"})
        text += std::string("\r\n") + line + "\r\n";
    return text;
}

std::optional<std::size_t> findForward(std::string_view text, std::size_t from, std::string_view needle)
{
    if (needle.empty() || from > text.size())
        return std::nullopt;
    const std::size_t hit = text.find(needle, from);
    if (hit == std::string_view::npos)
        return std::nullopt;
    return hit;
}

std::vector<PrintPage> layoutPrintPages(const std::string& header, const std::string& text, int headerHeight,
                                        int lineHeight, int pageHeight)
{
    std::vector<PrintLine> lines{{0, header, true}, {0, std::string(), false}};
    const std::string body = withoutCarriageReturns(text);
    std::size_t start = 0;
    while (start < body.size()) {
        std::size_t end = body.find('\n', start);
        if (end == std::string::npos)
            end = body.size();
        lines.push_back({0, PrintIndent + body.substr(start, end - start), false});
        start = end + 1;
    }

    std::vector<PrintPage> pages;
    PrintPage page;
    int top = 0;
    for (PrintLine& line : lines) {
        const int height = line.header ? headerHeight : lineHeight;
        if (!page.empty() && top + height > pageHeight) {
            pages.push_back(std::move(page));
            page.clear();
            top = 0;
        }
        line.top = top;
        top += height;
        page.push_back(std::move(line));
    }
    pages.push_back(std::move(page));
    return pages;
}

TextEditorSession::TextEditorSession(Document& document, platform::Dialogs& dialogs, Host host)
    : document_(document), dialogs_(dialogs), host_(std::move(host))
{
}

bool TextEditorSession::attachComment(TTexte& text)
{
    if (attached())
        return false;
    commentId_ = text.id();
    caption_ = tx("Kommentar-Text");
    text_ = text.text;
    readOnly_ = !host_.editContext().editable();
    if (show)
        show(text_);
    return true;
}

bool TextEditorSession::attachBlock(TKiste& block)
{
    if (attached() || !isStructuredText(block))
        return false;
    block_ = &block;
    blockName_ = programName(block);
    caption_ = blockName_;
    const std::string stored = storedProgram(block);
    text_ = withoutCarriageReturns(
        characterCount(stored) < ShortestProgram ? structuredTextTemplate(blockName_) : stored);
    readOnly_ = !host_.editContext().editable();
    block.colour = colour::Green;
    if (show)
        show(text_);
    host_.redisplay();
    return true;
}

TTexte* TextEditorSession::comment() const
{
    return commentId_ ? document_.findText(*commentId_) : nullptr;
}

TKiste* TextEditorSession::block()
{
    if (!block_)
        return nullptr;
    if (isStructuredText(*block_) && programName(*block_) == blockName_)
        return block_;
    for (TKiste* b : document_.blocks())
        if (isStructuredText(*b) && programName(*b) == blockName_)
            return block_ = b;
    return nullptr;
}

std::vector<TextEditorMenuItem> TextEditorSession::menu() const
{
    std::vector<TextEditorMenuItem> items{{TextEditorCommand::Exit, txKey("EXIT")}};
    if (block_ && !readOnly_)
        items.push_back({TextEditorCommand::Save, txKey("SAVE")});
    items.push_back({TextEditorCommand::Print, txKey("PRINT")});
    items.push_back({TextEditorCommand::Find, txKey("FIND")});
    if (block_ && checkProgram)
        items.push_back({TextEditorCommand::CheckProgram, txKey("CHECK PROGRAM")});
    return items;
}

EditorSize TextEditorSession::sizeOnAttach(EditorSize current) const
{
    if (block_) {
        if (current.height < CommentTallest)
            current.height = TextEditorInitialSize.height;
        return current;
    }
    current.width = std::max(current.width, CommentMinimum.width);
    current.height = std::max(current.height, CommentMinimum.height);
    if (current.height > CommentTallest)
        current.height = CommentHeight;
    return current;
}

EditorSize TextEditorSession::minimumSize() const
{
    return commentId_ ? CommentMinimum : EditorSize{};
}

void TextEditorSession::storeProgram(TKiste& block, const std::string& program)
{
    // Clones of one name share one program text; an unchanged text takes no snapshot.
    const bool changed = std::any_of(document_.blocks().begin(), document_.blocks().end(), [&](const TKiste* b) {
        const bool sameProgram =
            b == &block || (block.type == 82 && b->alive() && b->type == 82 && programName(*b) == blockName_);
        return sameProgram && storedProgram(*b) != program;
    });
    if (!changed)
        return;
    host_.undoSnapshot();
    storeStText(document_, block, program);
}

std::optional<std::string> TextEditorSession::save(const std::string& edited)
{
    if (readOnly_)
        return std::nullopt;
    TKiste* target = block();
    if (!target)
        return std::nullopt;
    const std::string program = cleanProgram(edited);
    storeProgram(*target, program);
    return program;
}

bool TextEditorSession::leave(const std::string& edited)
{
    if (!attached())
        return true;
    if (!(block_ ? leaveBlock(edited) : leaveComment(edited)))
        return false;
    detach();
    host_.redisplay();
    return true;
}

bool TextEditorSession::leaveBlock(const std::string& edited)
{
    const std::string program = cleanProgram(edited);
    TKiste* target = block();
    if (target && !readOnly_ && program != withoutCarriageReturns(storedProgram(*target))) {
        switch (dialogs_.askYesNoCancel(tx("Möchten Sie die Änderungen an diesem Text speichern?"))) {
        case platform::Answer::Cancel:
            return false;
        case platform::Answer::Yes:
            // The question ran its own event loop: look again.
            if ((target = block()))
                storeProgram(*target, program);
            break;
        case platform::Answer::No:
            break;
        }
    }
    if ((target = block()))
        target->colour = colour::Green;
    return true;
}

bool TextEditorSession::leaveComment(const std::string& edited)
{
    TTexte* text = comment();
    if (!text || readOnly_)
        return true;
    const std::string result = enteredComment(edited, true);
    if (result == text->text)
        return true;
    switch (dialogs_.askYesNoCancel(tx("Möchten Sie die Änderungen an diesem Text speichern?"))) {
    case platform::Answer::Cancel:
        return false;
    case platform::Answer::Yes:
        // The question ran its own event loop: look again.
        if ((text = comment())) {
            host_.undoSnapshot();
            text->text = result;
        }
        break;
    case platform::Answer::No:
        break;
    }
    return true;
}

std::optional<std::pair<std::size_t, std::size_t>> TextEditorSession::find(const std::string& text,
                                                                           std::size_t from)
{
    const std::optional<std::string> needle =
        dialogs_.inputQuery(tx("Suchen"), tx("bitte Suchstring eingeben "), lastSearch_);
    if (!needle || needle->empty())
        return std::nullopt;
    lastSearch_ = *needle;
    const std::optional<std::size_t> hit = findForward(text, from, *needle);
    if (!hit)
        return std::nullopt;
    return std::make_pair(*hit, *hit + needle->size());
}

std::string TextEditorSession::check(const std::string& edited)
{
    const std::string program = cleanProgram(edited);
    TKiste* target = block();
    if (target && checkProgram && checkProgram(*target, program))
        dialogs_.messageBox(tx("No errors found"));
    if ((target = block()))
        target->colour = colour::Green;
    host_.redisplay();
    return program;
}

std::string TextEditorSession::printHeader(const std::string& processName) const
{
    return PrintHeaderIndent + processName + ": " + (block_ ? blockName_ : caption_);
}

void TextEditorSession::detach()
{
    commentId_.reset();
    block_ = nullptr;
    blockName_.clear();
    text_.clear();
    caption_.clear();
    readOnly_ = false;
}

void TextEditorSession::forgetComment(std::uint64_t id)
{
    if (commentId_ != id)
        return;
    detach();
    if (hide)
        hide();
}

bool TextEditorSession::verify()
{
    if (!attached())
        return false;
    if (commentId_ && comment())
        return true;
    if (block_) {
        if (TKiste* target = block()) {
            // Rebuilt blocks (undo, loading) come back in their resting colour.
            if (target->colour == target->restingColour())
                target->colour = colour::Green;
            return true;
        }
    }
    const bool wasBlock = block_ != nullptr;
    detach();
    if (hide)
        hide();
    host_.log(wasBlock ? tx("Text-Editor geschlossen: Baustein nicht mehr vorhanden")
                       : tx("Text-Editor geschlossen: Kommentar nicht mehr vorhanden"));
    return false;
}

void TextEditorSession::followRename(const TKiste& block, const std::string& oldName)
{
    if (!block_ || blockName_ != oldName)
        return;
    const std::string name = programName(block);
    // Either the block held here was renamed, or it was carried along as a clone.
    if (&block == block_ || (isStructuredText(*block_) && programName(*block_) == name))
        blockName_ = name;
}

} // namespace fup
