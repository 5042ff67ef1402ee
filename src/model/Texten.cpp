#include "model/Texten.h"

#include "model/Document.h"
#include "model/Reporter.h"
#include "model/SheetGeometry.h"
#include "model/Translate.h"

#include <algorithm>

namespace fup {

// --- TTexte -------------------------------------------------------------------------------

void TTexte::setStyle(int style)
{
    large = (style & 1) != 0;
    coloured = style > 1;
}

Rgb TTexte::fontColour() const
{
    if (selected)
        return colour::InactiveCaption;
    return coloured ? colour::CommentRed : colour::Black;
}

CommentFont commentFont(int zoom, bool large)
{
    struct Row {
        int upTo; // zoom
        int normal;
        int large;
    };
    // Up to zoom 10 the sizes follow the zoom; above it the table keeps to sizes the
    // screen fonts have.
    static constexpr Row Rows[] = {{11, 9, 18},  {12, 11, 22}, {14, 12, 24}, {16, 14, 28}, {18, 16, 28},
                                   {20, 18, 36}, {22, 20, 36}, {24, 22, 48}, {26, 24, 48}, {28, 26, 48}};
    int size = large ? 72 : 28;
    if (zoom >= 1 && zoom <= 10) {
        size = large ? 2 * zoom - 2 : zoom - 1;
    } else {
        for (const Row& row : Rows) {
            if (zoom > 10 && zoom <= row.upTo) {
                size = large ? row.large : row.normal;
                break;
            }
        }
    }
    return {size, size < 8 ? "SmalFont" : " "};
}

std::string enteredComment(const std::string& entered, bool multiline)
{
    std::string text = cleanEnteredText(entered);
    if (text.empty())
        text = multiline ? tx("leer-Kommentar") : tx("leerer Kommentar");
    return text;
}

// --- the list ---------------------------------------------------------------------------------

TTexte& Document::createText(int x, int y, int sheetNumber, bool coloured, bool large)
{
    if (x < 0 || y < 0) {
        x = visibleLeft() + 4;
        y = visibleTop() + 4;
    }
    auto text = std::make_unique<TTexte>();
    text->id_ = nextTextId_++;
    text->x = x;
    text->y = y;
    text->sheet = sheetNumber;
    text->coloured = coloured;
    text->large = large;
    text->text = tx("Kommentar");
    texts_.push_back(std::move(text));
    return *texts_.back();
}

TTexte* Document::findText(std::uint64_t id) const
{
    for (const auto& t : texts_)
        if (t->id() == id)
            return t.get();
    return nullptr;
}

bool Document::removeText(std::uint64_t id)
{
    const auto it = std::find_if(texts_.begin(), texts_.end(), [id](const auto& t) { return t->id() == id; });
    if (it == texts_.end()) {
        reporter().log("Ausketten Misserfolg");
        return false;
    }
    texts_.erase(it);
    return true;
}

int Document::removeSelectedTexts()
{
    const auto before = texts_.size();
    std::erase_if(texts_, [](const auto& t) { return t->selected; });
    return static_cast<int>(before - texts_.size());
}

TTexte& createTextFromMenu(Document& doc)
{
    TTexte& text = doc.createText(-1, -1, doc.currentSheet(), false, false);
    text.background = colour::Red;
    return text;
}

void selectTextsInRect(Document& doc, int left, int top, int right, int bottom)
{
    for (const auto& t : doc.texts())
        if (t->sheet == doc.currentSheet() && left <= t->x && t->x < right && top <= t->y && t->y < bottom)
            t->selected = true;
}

void selectTextsOnSheets(Document& doc, const std::vector<int>& sheets)
{
    for (const auto& t : doc.texts())
        if (std::find(sheets.begin(), sheets.end(), t->sheet) != sheets.end())
            t->selected = true;
}

void clearTextSelection(Document& doc)
{
    for (const auto& t : doc.texts())
        t->selected = false;
}

void moveSelectedTexts(Document& doc, int dx, int dy, int dsheet)
{
    for (const auto& t : doc.texts()) {
        if (!t->selected)
            continue;
        t->x += dx;
        t->y += dy;
        t->sheet += dsheet;
    }
}

void textsAfterSheetDeleted(Document& doc, int k)
{
    for (const auto& t : doc.texts())
        if (t->sheet > k && t->sheet < FirstInstanceNumber)
            --t->sheet;
}

void textsAfterSheetsSwapped(Document& doc, int a, int b)
{
    for (const auto& t : doc.texts()) {
        if (t->sheet == a)
            t->sheet = b;
        else if (t->sheet == b)
            t->sheet = a;
    }
}

void setTextPrintPreview(Document& doc, bool on)
{
    for (const auto& t : doc.texts()) {
        t->normalBackground = on ? colour::CommentPrint : colour::CommentBackground;
        t->background = t->normalBackground;
    }
}

void resetTextColours(Document& doc, std::optional<int> sheet)
{
    for (const auto& t : doc.texts())
        if (!sheet || t->sheet == *sheet)
            t->background = t->normalBackground;
}

// --- mouse ----------------------------------------------------------------------------------

void textMouseDown(Document& doc, TTexte& text, int offsetX, int offsetY)
{
    resetTextColours(doc);
    text.background = colour::InactiveCaption;
    text.dragOffsetX = offsetX;
    text.dragOffsetY = offsetY;
    text.dragging = true;
}

bool textMouseMove(const Document& doc, TTexte& text, int mouseX, int mouseY, bool readOnly)
{
    if (!text.dragging || readOnly)
        return false;
    const ViewGeometry view = ViewGeometry::of(doc);
    const GridPoint to = toGrid({mouseX - text.dragOffsetX, mouseY - text.dragOffsetY}, view);
    if (to.x == text.x && to.y == text.y)
        return false;
    text.x = to.x;
    text.y = to.y;
    return true;
}

void textMouseUp(TTexte& text)
{
    text.background = text.normalBackground;
    text.dragging = false;
}

// --- context menu -------------------------------------------------------------------------------

bool textCommandAllowed(TextCommand command, const EditContext& edit)
{
    if (edit.readOnly || edit.mode == EditorMode::Online)
        return false;
    if (command == TextCommand::ChangeSize || command == TextCommand::ChangeColour)
        return edit.mode == EditorMode::Edit || edit.mode == EditorMode::Simulation;
    return edit.mode == EditorMode::Edit;
}

std::vector<TextMenuItem> textContextMenu(const TTexte& text, const TextMenuContext& context)
{
    std::vector<TextMenuItem> items;
    if (text.selected || context.removalPending)
        return items;
    struct Entry {
        TextCommand command;
        const char* caption;
        bool editorLocks; // disabled while the multi-line editor holds a text
    };
    static constexpr Entry Entries[] = {
        {TextCommand::Remove, txKey("Loeschen"), true},
        {TextCommand::Edit, txKey("Bearbeiten"), true},
        {TextCommand::EditMultiline, txKey("Bearbeiten mehrzeilig"), true},
        {TextCommand::ChangeSize, txKey("Gross/Klein"), false},
        {TextCommand::ChangeColour, txKey("Schwarz/Rot"), false},
    };
    for (const Entry& e : Entries)
        if (textCommandAllowed(e.command, context.edit))
            items.push_back({e.command, e.caption, !(e.editorLocks && context.editorBusy)});
    return items;
}

} // namespace fup
