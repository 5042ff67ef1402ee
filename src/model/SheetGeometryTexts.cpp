// Comment texts on the sheet: where their labels go and which one lies under a pixel.
#include "model/SheetGeometry.h"

#include <algorithm>

namespace fup {

namespace {

std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (;;) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            return lines;
        text.remove_prefix(end + 1);
    }
}

} // namespace

int fontPixelSize(int points)
{
    return (points * 96 + 36) / 72;
}

CommentPaint layoutComment(const TTexte& text, const ViewGeometry& view, const CommentMetrics& metrics)
{
    CommentPaint paint;
    paint.text = &text;
    paint.font = commentFont(view.zoom, text.large);
    paint.colour = text.fontColour();
    paint.background = text.background;
    const TextMetrics measure = metrics ? metrics(paint.font) : TextMetrics{};

    const PixelPoint topLeft = toPixel({text.x, text.y}, view);
    int width = 0;
    int top = topLeft.y;
    for (const std::string_view line : linesOf(text.text)) {
        TextItem item;
        item.text = std::string(line);
        item.colour = paint.colour;
        item.box = {topLeft.x, top, measure.widthOf(line), measure.height};
        width = std::max(width, item.box.width);
        top += measure.height;
        paint.lines.push_back(std::move(item));
    }
    // A label sizes itself to its text; an empty one keeps a grip of one grid unit.
    paint.box = {topLeft.x, topLeft.y, std::max(width, view.zoom), top - topLeft.y};
    return paint;
}

std::vector<CommentPaint> layoutComments(const Document& document, const CommentMetrics& metrics)
{
    const ViewGeometry view = ViewGeometry::of(document);
    std::vector<CommentPaint> paints;
    for (const auto& text : document.texts())
        if (text->sheet == document.currentSheet())
            paints.push_back(layoutComment(*text, view, metrics));
    return paints;
}

TTexte* hitTestComments(const Document& document, PixelPoint pixel, const CommentMetrics& metrics)
{
    const ViewGeometry view = ViewGeometry::of(document);
    const auto& texts = document.texts();
    for (auto it = texts.rbegin(); it != texts.rend(); ++it) {
        TTexte& text = **it;
        if (text.sheet == document.currentSheet() && layoutComment(text, view, metrics).box.contains(pixel))
            return &text;
    }
    return nullptr;
}

} // namespace fup
