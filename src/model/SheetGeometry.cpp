#include "model/SheetGeometry.h"

#include <algorithm>

namespace fup {

namespace {

int markHalf(const ViewGeometry& view)
{
    return handleHalf(view);
}

// Gap between the block edge and a pin name, so that the name clears the pin's handle.
int labelInset(const ViewGeometry& view)
{
    return markHalf(view) + 1;
}

TextItem pinLabel(const TKante& pin, const PixelRect& body, PixelPoint anchor, const ViewGeometry& view,
                  const TextMetrics& metrics)
{
    TextItem item;
    item.text = pinLabelText(pin);
    const int width = metrics.widthOf(item.text);
    const int inset = labelInset(view);
    const int left = pinOnLeftEdge(pin) ? body.left + inset : body.right() - inset - width;
    item.box = {left, anchor.y - metrics.height / 2, width, metrics.height};
    return item;
}

} // namespace

int handleHalf(const ViewGeometry& view)
{
    return std::max(2, view.zoom / 2);
}

ViewGeometry ViewGeometry::of(const Document& document)
{
    return {document.zoom(), document.scrollX(), document.scrollY()};
}

int pixelToGrid(int pixel, int scroll, int zoom)
{
    if (zoom <= 0)
        return 0;
    return std::max(0, (pixel + scroll + zoom / 2) / zoom);
}

int gridToPixel(int grid, int scroll, int zoom)
{
    return grid * zoom - scroll;
}

GridPoint toGrid(PixelPoint pixel, const ViewGeometry& view)
{
    return {pixelToGrid(pixel.x, view.scrollX, view.zoom), pixelToGrid(pixel.y, view.scrollY, view.zoom)};
}

PixelPoint toPixel(GridPoint grid, const ViewGeometry& view)
{
    return {gridToPixel(grid.x, view.scrollX, view.zoom), gridToPixel(grid.y, view.scrollY, view.zoom)};
}

int TextMetrics::widthOf(std::string_view text) const
{
    return width ? width(text) : static_cast<int>(text.size()) * averageCharWidth;
}

int parameterLinePitch(int fontHeight)
{
    return fontHeight * 7 / 6 - 1;
}

PixelRect blockRect(const TKiste& block, const ViewGeometry& view)
{
    const PixelPoint topLeft = toPixel({block.x, block.y}, view);
    return {topLeft.x, topLeft.y, block.width * view.rowPitch(), block.heightRows * view.rowPitch()};
}

bool pinOnLeftEdge(const TKante& pin)
{
    return pin.x == 0;
}

bool pinShown(const TKante& pin)
{
    return pin.isPin() && !pin.hidden && pin.ordinal() >= 1;
}

PixelPoint pinAnchor(const TKante& pin, const ViewGeometry& view)
{
    const TKiste* block = pin.owner;
    const int bx = block ? block->x : 0;
    const int by = block ? block->y : 0;
    return toPixel({bx + pin.x, by + 2 * pin.ordinal()}, view);
}

PixelRect pinMarkRect(const TKante& pin, const ViewGeometry& view)
{
    const PixelPoint a = pinAnchor(pin, view);
    const int half = markHalf(view);
    return {a.x - half, a.y - half, 2 * half, 2 * half};
}

std::string pinLabelText(const TKante& pin)
{
    if (pin.inverse && pin.isInput())
        return "/" + pin.name;
    if (pin.name == "i" || pin.name == "t")
        return " " + pin.name + " ";
    if (pin.name.size() == 1)
        return pin.name + " ";
    return pin.name;
}

std::vector<std::string> parameterLines(const TKiste& block, ParamDisplay mode)
{
    std::vector<std::string> lines;
    if (mode == ParamDisplay::None)
        return lines;
    std::size_t count = block.params.size();
    // The program text of a structured-text block is never written on the sheet.
    if ((block.type == 81 || block.type == 82) && count > 0)
        --count;
    for (std::size_t i = 0; i < count; ++i) {
        const Para_descriptor& p = block.params[i];
        if (mode == ParamDisplay::Selected && !p.show)
            continue;
        lines.push_back(p.showPrompt ? p.prompt + "=" + p.value : p.value);
    }
    return lines;
}

Rgb blockFill(const TKiste& block)
{
    return block.colour;
}

Rgb elementColour(const TKante& element)
{
    return wireColour(element, WireView{});
}

BlockPaint layoutBlock(const TKiste& block, const ViewGeometry& view, const TextMetrics& metrics,
                       ParamDisplay mode)
{
    BlockPaint paint;
    paint.block = &block;
    paint.body = blockRect(block, view);
    paint.fill = blockFill(block);
    const PixelRect& body = paint.body;

    paint.label.text = block.label;
    paint.label.box = {body.left + 2, body.top + 1, metrics.widthOf(block.label), metrics.height};
    paint.label.colour = block.labelColour;

    paint.number.text = std::to_string(block.number);
    paint.number.box = {body.left + 2, body.bottom() - metrics.height - 1, metrics.widthOf(paint.number.text),
                        metrics.height};

    for (const TKante* pin : block.pins) {
        if (!pinShown(*pin))
            continue;
        PinPaint p;
        p.pin = pin;
        p.anchor = pinAnchor(*pin, view);
        p.mark = pinMarkRect(*pin, view);
        p.leftEdge = pinOnLeftEdge(*pin);
        p.inverted = pin->isInput() && pin->inverse;
        p.colour = elementColour(*pin);
        p.label = pinLabel(*pin, body, p.anchor, view, metrics);
        p.labelFilled = pin->varType != var::None || pin->displayFlag;
        if (p.labelFilled)
            p.labelBackground = pinLabelBackground(*pin, WireView{});
        paint.pins.push_back(std::move(p));
    }

    const int pitch = parameterLinePitch(metrics.height);
    int top = body.bottom();
    for (std::string& line : parameterLines(block, mode)) {
        TextItem item;
        item.box = {body.left, top, metrics.widthOf(line), metrics.height};
        item.text = std::move(line);
        paint.parameters.push_back(std::move(item));
        top += pitch;
    }
    return paint;
}

std::vector<BlockPaint> layoutSheet(const Document& document, const TextMetrics& metrics)
{
    const ViewGeometry view = ViewGeometry::of(document);
    std::vector<BlockPaint> paints;
    for (const TKiste* block : document.blocks())
        if (block->sheet == document.currentSheet())
            paints.push_back(layoutBlock(*block, view, metrics, document.paramDisplay()));
    return paints;
}

SheetHit hitTest(const Document& document, PixelPoint pixel, const TextMetrics& metrics)
{
    const ViewGeometry view = ViewGeometry::of(document);
    const int half = markHalf(view);
    const auto& blocks = document.blocks();
    // Later blocks lie on top, so the search runs backwards.
    for (auto it = blocks.rbegin(); it != blocks.rend(); ++it) {
        TKiste* block = *it;
        if (block->sheet != document.currentSheet())
            continue;
        const PixelRect body = blockRect(*block, view);
        // Pin handles reach half their size beyond the block's edges.
        const PixelRect reach{body.left - half, body.top - half, body.width + 2 * half,
                              body.height + 2 * half};
        if (!reach.contains(pixel))
            continue;
        for (TKante* pin : block->pins)
            if (pinShown(*pin) && pinMarkRect(*pin, view).contains(pixel))
                return {SheetHit::Kind::Pin, block, pin};
        if (!body.contains(pixel))
            continue;
        for (TKante* pin : block->pins) {
            if (!pinShown(*pin))
                continue;
            if (pinLabel(*pin, body, pinAnchor(*pin, view), view, metrics).box.contains(pixel))
                return {SheetHit::Kind::PinLabel, block, pin};
        }
        return {SheetHit::Kind::Block, block, nullptr};
    }
    return {};
}

} // namespace fup
