// Wires on the sheet: segments, intermediate points, value labels, signal comments, and what
// lies under a pixel.
#include "model/SheetGeometry.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <unordered_set>

namespace fup {

namespace {

using Mode = EditContext::Mode;

constexpr Rgb White = 0xFFFFFF;
constexpr Rgb DigitalOn = 0x00FF00;
constexpr Rgb DigitalOff = 0xFF4848;
constexpr Rgb PrintUntyped = 0xC0C0C0;

// Columns: value type 0..4.
constexpr Rgb WithSource[] = {0x000000, 0xFFFF00, 0x00FFFF, 0xFFD070, 0x800080};
constexpr Rgb WithoutSource[] = {0xFFFFFF, 0xFFFFD0, 0xE8FFFF, 0xFFE8C8, 0x808080};
constexpr Rgb LabelBackground[] = {0x808000, 0xFFFF00, 0x00FFFF, 0xFFD070, 0xFF60FF};

std::uint8_t knownType(std::uint8_t type)
{
    return type <= vt::Integer ? type : vt::None;
}

bool online(const WireView& wires)
{
    return wires.mode == Mode::Online;
}

// The value slot that holds the net's value: the source's, or the element's own while the
// net has no source.
const TKante& slotHolder(const TKante& e)
{
    const TKante* source = netSource(e);
    return source ? *source : e;
}

bool drawnOnSheet(const TKante& e, int sheet)
{
    return e.alive() && e.sheet == sheet && (e.isPoint() || pinShown(e));
}

// Text of a point whose wire goes on on another sheet: that sheet, and the block and pin
// the wire leads to there.
std::string crossSheetText(const TKante& here, const TKante& there)
{
    auto describe = [](int sheet, const TKante& pin) {
        return std::to_string(sheet) + "." + (pin.owner ? pin.owner->name : std::string()) + "." + pin.name;
    };
    const TKante* source = netSource(here);
    if (source && source->sheet == there.sheet)
        return describe(there.sheet, *source);

    const TKante* anyPin = nullptr;
    std::vector<const TKante*> stack{&there};
    std::unordered_set<const TKante*> seen{&here, &there};
    while (!stack.empty()) {
        const TKante* e = stack.back();
        stack.pop_back();
        if (e->isPin()) {
            if (e->sheet == there.sheet)
                return describe(there.sheet, *e);
            if (!anyPin)
                anyPin = e;
        }
        for (const TKante* n : e->neighbours)
            if (n && seen.insert(n).second)
                stack.push_back(n);
    }
    if (anyPin)
        return describe(anyPin->sheet, *anyPin);
    return std::to_string(there.sheet);
}

// Every link between two elements drawn on the sheet, once.
void forEachSegment(const Document& document, const std::function<void(TKante&, TKante&)>& visit)
{
    const int sheet = document.currentSheet();
    for (TKante* e : document.kanten()) {
        if (!drawnOnSheet(*e, sheet))
            continue;
        for (TKante* n : e->neighbours)
            if (n && std::less<const TKante*>{}(e, n) && drawnOnSheet(*n, sheet))
                visit(*e, *n);
    }
}

long long squaredDistanceToSegment(PixelPoint p, PixelPoint a, PixelPoint b)
{
    const long long dx = b.x - a.x;
    const long long dy = b.y - a.y;
    const long long px = p.x - a.x;
    const long long py = p.y - a.y;
    const long long length = dx * dx + dy * dy;
    if (length == 0)
        return px * px + py * py;
    // Nearest point of the segment, in the parameter t = dot / length within 0..1.
    const long long dot = std::clamp(px * dx + py * dy, 0LL, length);
    const double t = static_cast<double>(dot) / static_cast<double>(length);
    const double ex = static_cast<double>(px) - t * static_cast<double>(dx);
    const double ey = static_cast<double>(py) - t * static_cast<double>(dy);
    return static_cast<long long>(ex * ex + ey * ey + 0.5);
}

} // namespace

int wirePenWidth(int zoom)
{
    return std::max(1, (zoom - 3) / 5 + 1);
}

PixelPoint elementCentre(const TKante& element, const ViewGeometry& view)
{
    if (element.isPin())
        return pinAnchor(element, view);
    return toPixel({element.x, element.y}, view);
}

Rgb wireColour(const TKante& element, const WireView& wires, bool ownMark)
{
    const TKante* source = netSource(element);
    const std::uint8_t type = knownType(source ? source->valueType : element.valueType);
    const bool invertedInput = ownMark && element.isInput() && element.inverse && type == vt::Digital;
    if (wires.mode != Mode::Edit && source) {
        if (online(wires) && !source->valueValid)
            return White;
        if (type == vt::Digital) {
            const bool on = (source->value & 0xFF) == 1;
            return on != invertedInput ? DigitalOn : DigitalOff;
        }
    }
    if (wires.printStyle)
        return !source && type == vt::None ? PrintUntyped : colour::Black;
    if (invertedInput)
        return colour::Black;
    return source ? WithSource[type] : WithoutSource[type];
}

Rgb pinLabelBackground(const TKante& pin, const WireView& wires)
{
    const std::uint8_t type = knownType(pin.valueType);
    if (wires.mode != Mode::Edit) {
        const TKante* source = netSource(pin);
        if (online(wires) && source && !source->valueValid)
            return White;
        if (type == vt::Digital && source)
            return wireColour(pin, wires);
    }
    return LabelBackground[type];
}

std::string valueLabelText(const TKante& element, const WireView& wires)
{
    const bool constant = element.isInput() && element.varType == var::Own;
    if (constant)
        return valueText(element.displayType, element.constValue, wires.time);
    if (wires.mode == Mode::Edit || !element.displayFlag)
        return element.varType != var::None ? variableLabelText(element.varText) : std::string();

    const TKante& holder = slotHolder(element);
    if (element.displayType == dt::VarName) {
        const std::string& name = !element.varText.empty() ? element.varText : holder.varText;
        return name.empty() ? std::string("    ") : variableLabelText(name);
    }
    if (knownType(holder.valueType) == vt::None)
        return "any";
    return valueText(element.displayType, holder.value, wires.time);
}

WireLayout layoutWires(const Document& document, const TextMetrics& metrics, const WireView& wires)
{
    WireLayout layout;
    const ViewGeometry view = ViewGeometry::of(document);
    const int sheet = document.currentSheet();
    const int pen = wirePenWidth(view.zoom);
    const int half = handleHalf(view);

    forEachSegment(document, [&](TKante& a, TKante& b) {
        layout.segments.push_back(
            {&a, &b, elementCentre(a, view), elementCentre(b, view), wireColour(a, wires, false), pen});
    });

    for (const TKante* e : document.kanten()) {
        if (!drawnOnSheet(*e, sheet))
            continue;
        const PixelPoint centre = elementCentre(*e, view);

        if (e->isPoint()) {
            PointHandle handle;
            handle.point = e;
            handle.centre = centre;
            handle.handle = {centre.x - half, centre.y - half, 2 * half, 2 * half};
            handle.colour = wireColour(*e, wires);
            if (e->neighbourCount > 2) {
                // Radius pen + 2: from radius - 1 pixels up-left to radius pixels down-right.
                const int radius = pen + 2;
                handle.junction = true;
                handle.dot = {centre.x - (radius - 1), centre.y - (radius - 1), 2 * radius - 1,
                              2 * radius - 1};
            }
            if (const TKante* there = crossSheetNeighbour(*e)) {
                handle.crossSheet = true;
                handle.crossText.text = crossSheetText(*e, *there);
                handle.crossText.box = {centre.x + half + 2, centre.y + 2,
                                        metrics.widthOf(handle.crossText.text), metrics.height};
                handle.crossText.colour = colour::Red;
            }
            const TKante* source = netSource(*e);
            if (e->commentFlag && source && !source->signalComment.empty()) {
                TextItem comment;
                comment.text = source->signalComment;
                comment.box = {centre.x + half + 2, centre.y - metrics.height - 1,
                               metrics.widthOf(comment.text), metrics.height};
                layout.comments.push_back(std::move(comment));
            }
            layout.points.push_back(std::move(handle));
        }

        if (e->isInput()) {
            for (const TKante* n : e->neighbours) {
                if (n && n->sheet == sheet && drawnOnSheet(*n, sheet)) {
                    layout.arrows.push_back({e, centre, pinOnLeftEdge(*e)});
                    break;
                }
            }
        }

        std::string text = valueLabelText(*e, wires);
        if (text.empty())
            continue;
        ValueLabel label;
        label.element = e;
        const int width = metrics.widthOf(text);
        // Outside the block, above the wire: left of a pin on the left edge, else right.
        const bool leftOfIt = e->isPin() && pinOnLeftEdge(*e);
        const int left = leftOfIt ? centre.x - half - 2 - width : centre.x + half + 2;
        label.text.box = {left, centre.y - metrics.height - 1, width, metrics.height};
        label.text.text = std::move(text);
        label.background =
            e->isPin() ? pinLabelBackground(*e, wires) : LabelBackground[knownType(e->valueType)];
        if (online(wires) && netSource(*e) && !netSource(*e)->valueValid)
            label.background = White;
        layout.labels.push_back(std::move(label));
    }
    return layout;
}

GridPoint elementGrid(const TKante& element)
{
    if (element.isPin() && element.owner)
        return {element.owner->x + element.x, element.owner->y + 2 * element.ordinal()};
    return {element.x, element.y};
}

bool handleShownNear(const TKante& element, GridPoint mouse, EditContext::Mode mode)
{
    if (!element.alive())
        return false;
    if (element.isPin()) {
        if (mode != Mode::Edit || element.valueType != vt::None || !pinShown(element))
            return false;
    } else if (crossSheetNeighbour(element)) {
        return true;
    }
    if (element.selected)
        return false;
    const GridPoint at = elementGrid(element);
    return std::abs(at.x - mouse.x) <= 4 && std::abs(at.y - mouse.y) <= 4;
}

WireHit hitTestWires(const Document& document, PixelPoint pixel)
{
    const ViewGeometry view = ViewGeometry::of(document);
    const int sheet = document.currentSheet();
    const int half = handleHalf(view);
    const auto& kanten = document.kanten();
    for (auto it = kanten.rbegin(); it != kanten.rend(); ++it) {
        TKante* e = *it;
        if (!e->isPoint() || !drawnOnSheet(*e, sheet))
            continue;
        const PixelPoint c = elementCentre(*e, view);
        if (PixelRect{c.x - half, c.y - half, 2 * half, 2 * half}.contains(pixel))
            return {WireHit::Kind::Point, e, nullptr};
    }

    const int reach = std::max(2, wirePenWidth(view.zoom) / 2 + 2);
    long long best = static_cast<long long>(reach) * reach;
    WireHit hit;
    forEachSegment(document, [&](TKante& a, TKante& b) {
        const PixelPoint pa = elementCentre(a, view);
        const PixelPoint pb = elementCentre(b, view);
        const long long d = squaredDistanceToSegment(pixel, pa, pb);
        if (d > best)
            return;
        best = d;
        auto squared = [&pixel](PixelPoint p) {
            return static_cast<long long>(p.x - pixel.x) * (p.x - pixel.x) +
                   static_cast<long long>(p.y - pixel.y) * (p.y - pixel.y);
        };
        const bool nearA = squared(pa) <= squared(pb);
        hit = {WireHit::Kind::Segment, nearA ? &a : &b, nearA ? &b : &a};
    });
    return hit;
}

} // namespace fup
