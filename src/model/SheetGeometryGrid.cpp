// The lines between the work sheets of a page and the work sheets' names.
#include "model/SheetGeometry.h"
#include "model/Texten.h"

#include <algorithm>

namespace fup {

namespace {

constexpr Rgb LineStep = 0x303030;
constexpr Rgb LabelStep = 0x202020;
constexpr int LabelFontFactor = 14;

} // namespace

Rgb darkerBy(Rgb colour, Rgb step)
{
    Rgb result = 0;
    for (int shift : {16, 8, 0}) {
        const int channel =
            static_cast<int>((colour >> shift) & 0xFF) - static_cast<int>((step >> shift) & 0xFF);
        result |= static_cast<Rgb>(std::max(0, channel)) << shift;
    }
    return result;
}

SheetGrid layoutSheetGrid(const ViewGeometry& view, Rgb windowColour, bool labels,
                          const std::function<TextMetrics(const CommentFont& font)>& metrics)
{
    SheetGrid grid;
    // Only the colour counts; a system-colour marker above it is dropped.
    const Rgb window = windowColour & 0xFFFFFF;
    grid.lineColour = darkerBy(window, LineStep);
    for (int k = 1; k <= WorkSheetsAcross; ++k)
        grid.lines.push_back(
            {toPixel({k * WorkSheetWidth, 0}, view), toPixel({k * WorkSheetWidth, SheetHeight}, view)});
    for (int k = 1; k <= WorkSheetsDown; ++k)
        grid.lines.push_back(
            {toPixel({0, k * WorkSheetHeight}, view), toPixel({SheetWidth, k * WorkSheetHeight}, view)});
    if (!labels)
        return grid;

    CommentFont font = commentFont(view.zoom, false);
    font.size *= LabelFontFactor;
    const int textHeight = metrics ? metrics(font).height : TextMetrics{}.height;
    for (int row = 0; row < WorkSheetsDown; ++row) {
        for (int column = 0; column < WorkSheetsAcross; ++column) {
            const PixelPoint corner =
                toPixel({(column + 1) * WorkSheetWidth, (row + 1) * WorkSheetHeight}, view);
            WorkSheetLabel label;
            label.name = {static_cast<char>('A' + row), static_cast<char>('1' + column)};
            label.topLeft = {corner.x - 2 * font.size + 2, corner.y - textHeight - 2};
            label.font = font;
            label.colour = darkerBy(window, LabelStep);
            grid.labels.push_back(std::move(label));
        }
    }
    return grid;
}

} // namespace fup
