#include "shell/EditCommands.h"

#include "model/Hierarchy.h"
#include "model/Texten.h"
#include "model/Translate.h"
#include "persistence/ProgramReader.h"
#include "persistence/ProgramWriter.h"
#include "shell/Haupt.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>
#include <utility>

namespace fup {

namespace {

constexpr int WheelStep = 40;
constexpr int MinPitch = 2;
constexpr int MaxPitch = 28;
// Ordinary pages are numbered below this; insides of macros and automats from 200 up.
constexpr int OrdinaryPageLimit = 100;

bool ordinaryPage(int sheet)
{
    return sheet >= 1 && sheet < OrdinaryPageLimit;
}

std::optional<int> wholeNumber(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    int value = 0;
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace

EditCommands::EditCommands(Haupt& haupt) : haupt_(haupt), undo_(std::make_unique<TUndoBuffer>()) {}

int EditCommands::currentPage() const
{
    return haupt_.document_.currentSheet();
}

bool EditCommands::editable() const
{
    return haupt_.editContext().editable();
}

void EditCommands::repaint()
{
    haupt_.view_.redisplay();
}

void EditCommands::setSelectState(SelectState state)
{
    state_ = state;
    haupt_.context_.frameSelected = state_ == SelectState::Selected || state_ == SelectState::Moving;
    haupt_.refreshMenus();
}

// --- undo ------------------------------------------------------------------------------------

std::string EditCommands::snapshotText()
{
    ProgramSettings& settings = haupt_.settings_;
    const EditorState& state = haupt_.state_;
    settings.target = state.target;
    settings.cycleTimeMs = state.cycleTimeMs;
    settings.dataDirectory = state.dataDirectory;
    settings.optimisationLevel = state.optimisationLevel;
    settings.comPort = state.comPort;
    return writeProgram(haupt_.document_, settings, haupt_.programFile().string());
}

void EditCommands::storeUndo()
{
    undo_->PutProject(snapshotText());
}

bool EditCommands::undo()
{
    const auto text = undo_->UndoProject([this] { return snapshotText(); });
    if (!text) {
        haupt_.reporter_.box(tx("Undo nicht moeglich"));
        return false;
    }
    return restore(*text);
}

bool EditCommands::redo()
{
    const auto text = undo_->RedoProject();
    if (!text) {
        haupt_.reporter_.box(tx("Redo nicht moeglich"));
        return false;
    }
    return restore(*text);
}

bool EditCommands::restore(const std::string& text)
{
    return restoreSnapshot(text, false);
}

bool EditCommands::restoreSnapshot(const std::string& text, bool asLoaded)
{
    Document& doc = haupt_.document_;
    EditorState& state = haupt_.state_;
    ProgramSettings& settings = haupt_.settings_;
    haupt_.gestures().reset();
    doc.clear();
    if (projectInfoReset)
        projectInfoReset();
    settings.programDirectory = state.programDirectory;
    settings.dataDirectory = state.dataDirectory;
    // Undo keeps the data directory in use; only returning to a caller file takes the
    // rules of loading it.
    settings.ideDriven = asLoaded ? state.ideDriven : true;
    settings.target = state.target;
    settings.cycleTimeMs = state.cycleTimeMs;
    settings.comPort = state.comPort;
    const ReadResult read = readProgram(doc, settings, text);
    bool ok = true;
    if (!read.ok) {
        haupt_.reporter_.errorRaw(nullptr, tx("ParseUndo-String"), ok);
        doc.clear();
        ok = false;
    } else {
        state.target = settings.target;
        state.setCycleTime(settings.cycleTimeMs);
        state.dataDirectory = settings.dataDirectory;
        state.optimisationLevel = static_cast<unsigned char>(settings.optimisationLevel);
        state.comPort = settings.comPort;
        // The snapshot carries the file it belongs to (a sub-process file's, say).
        std::string name = read.fileName;
        std::replace(name.begin(), name.end(), '\\', '/');
        const std::filesystem::path file(name);
        if (file.stem().empty()) {
            haupt_.reporter_.box(tx("ungueltige Ziel-Datei"));
        } else {
            state.processName = file.stem().string();
            if (file.has_parent_path())
                state.programDirectory = file.parent_path() / "";
            else
                state.programDirectory.clear();
        }
        if (projectInfoRefresh)
            projectInfoRefresh();
    }
    setSelectState(SelectState::None);
    updateCaption();
    repaint();
    return ok;
}

std::unique_ptr<TUndoBuffer> EditCommands::replaceUndoBuffer(std::unique_ptr<TUndoBuffer> fresh)
{
    if (!fresh)
        fresh = std::make_unique<TUndoBuffer>();
    return std::exchange(undo_, std::move(fresh));
}

// --- select frame --------------------------------------------------------------------------

void EditCommands::clearSelectFrame()
{
    if (state_ == SelectState::None && !haupt_.context_.frameSelected)
        return;
    haupt_.document_.clearSelection();
    clearTextSelection(haupt_.document_);
    setSelectState(SelectState::None);
    repaint();
}

void EditCommands::scrollLimits(int& maxX, int& maxY) const
{
    const Document& doc = haupt_.document_;
    maxX = std::max(0, doc.zoom() * SheetWidth + 60 - doc.clientWidth());
    maxY = std::max(0, doc.zoom() * SheetHeight + 60 - doc.clientHeight());
}

void EditCommands::press(const MouseEvent& event)
{
    Document& doc = haupt_.document_;
    // Another command may have cleared the selection behind the frame's back.
    if ((state_ == SelectState::Selected || state_ == SelectState::Moving) && !haupt_.context_.frameSelected)
        state_ = SelectState::None;
    if (event.button == MouseButton::Middle) {
        panning_ = true;
        panFrom_ = event.pos;
        return;
    }
    if (event.button != MouseButton::Left)
        return;
    const GridPoint cell = toGrid(event.pos, ViewGeometry::of(doc));
    if (state_ == SelectState::Selected) {
        if (rect_.left <= cell.x && cell.x < rect_.right && rect_.top <= cell.y && cell.y < rect_.bottom) {
            state_ = SelectState::Moving;
            lastCell_ = cell;
            moved_ = false;
            return;
        }
        doc.clearSelection();
        clearTextSelection(doc);
        setSelectState(SelectState::None);
    }
    if (state_ != SelectState::None)
        return;
    state_ = SelectState::Drawing;
    startCell_ = lastCell_ = cell;
    rect_ = {cell.x, cell.y, cell.x + 1, cell.y + 1};
    repaint();
}

void EditCommands::autoScroll(PixelPoint mouse, bool drawing)
{
    Document& doc = haupt_.document_;
    const int pitch = doc.zoom();
    const int width = doc.clientWidth();
    const int height = doc.clientHeight();
    const int left = rect_.left * pitch - doc.scrollX();
    const int right = rect_.right * pitch - doc.scrollX();
    const int top = rect_.top * pitch - doc.scrollY();
    const int bottom = rect_.bottom * pitch - doc.scrollY();
    int sx = 0;
    int sy = 0;
    if (rect_.width() > (width - 80) / pitch) {
        if (mouse.x < 50)
            sx = -1;
        else if (mouse.x > width - 40)
            sx = 1;
    } else if (left < 30) {
        sx = -1;
    } else if (right > width - 40) {
        sx = 1;
    }
    if (rect_.height() > (height - 120) / pitch) {
        if (mouse.y < 80)
            sy = -1;
        else if (mouse.y > height - 60)
            sy = 1;
    } else if (top < 30) {
        sy = -1;
    } else if (bottom > height - 80) {
        sy = 1;
    }
    int maxX = 0;
    int maxY = 0;
    scrollLimits(maxX, maxY);
    const int x = std::clamp(doc.scrollX() + sx * pitch, 0, maxX);
    const int y = std::clamp(doc.scrollY() + sy * pitch, 0, maxY);
    if (drawing) {
        // Scrolling back while drawing widens the frame towards the scroll.
        if (x < doc.scrollX())
            rect_.right += 1;
        if (y < doc.scrollY())
            rect_.bottom += 1;
    }
    doc.setScroll(x, y);
}

void EditCommands::moveSelected(int dx, int dy, int dsheet)
{
    Document& doc = haupt_.document_;
    for (TKiste* b : doc.blocks()) {
        if (!b->selected || b->sheet != currentPage())
            continue;
        b->x += dx;
        b->y += dy;
    }
    // Pins follow their blocks; the sheet change of blocks is done by the caller.
    doc.moveSelectedElements(dx, dy, dsheet);
    moveSelectedTexts(doc, dx, dy, dsheet);
}

void EditCommands::move(const MouseEvent& event)
{
    Document& doc = haupt_.document_;
    if (panning_) {
        int maxX = 0;
        int maxY = 0;
        scrollLimits(maxX, maxY);
        doc.setScroll(std::clamp(doc.scrollX() - (event.pos.x - panFrom_.x), 0, maxX),
                      std::clamp(doc.scrollY() - (event.pos.y - panFrom_.y), 0, maxY));
        panFrom_ = event.pos;
        repaint();
        return;
    }
    if (state_ != SelectState::Drawing && state_ != SelectState::Moving)
        return;
    const GridPoint cell = toGrid(event.pos, ViewGeometry::of(doc));
    if (cell.x == lastCell_.x && cell.y == lastCell_.y)
        return;
    int dx = cell.x - lastCell_.x;
    int dy = cell.y - lastCell_.y;
    // The frame stays inside the scroll range.
    const int rangeX = (doc.zoom() * SheetWidth + 60) / doc.zoom();
    const int rangeY = (doc.zoom() * SheetHeight + 60) / doc.zoom();
    dx = std::clamp(dx, -rect_.left, std::max(0, rangeX - rect_.right));
    dy = std::clamp(dy, -rect_.top, std::max(0, rangeY - rect_.bottom));
    lastCell_ = cell;
    if (state_ == SelectState::Drawing) {
        if (event.modifiers.ctrl) {
            rect_ = {rect_.left + dx, rect_.top + dy, rect_.right + dx, rect_.bottom + dy};
            startCell_ = {startCell_.x + dx, startCell_.y + dy};
        } else {
            autoScroll(event.pos, true);
            rect_ = {std::min(startCell_.x, cell.x), std::min(startCell_.y, cell.y),
                     std::max(startCell_.x, cell.x) + 1, std::max(startCell_.y, cell.y) + 1};
        }
    } else if (!haupt_.state_.readOnly && (dx != 0 || dy != 0)) {
        if (!moved_)
            storeUndo();
        moved_ = true;
        autoScroll(event.pos, false);
        rect_ = {rect_.left + dx, rect_.top + dy, rect_.right + dx, rect_.bottom + dy};
        moveSelected(dx, dy, 0);
    }
    repaint();
}

void EditCommands::release(const MouseEvent& event)
{
    if (event.button == MouseButton::Middle) {
        panning_ = false;
        return;
    }
    if (event.button != MouseButton::Left)
        return;
    Document& doc = haupt_.document_;
    if (state_ == SelectState::Drawing) {
        if (rect_.width() <= 1 && rect_.height() <= 1) {
            setSelectState(SelectState::None);
        } else {
            doc.selectInRect(rect_.left, rect_.top, rect_.right, rect_.bottom);
            selectTextsInRect(doc, rect_.left, rect_.top, rect_.right, rect_.bottom);
            setSelectState(SelectState::Selected);
        }
        repaint();
    } else if (state_ == SelectState::Moving) {
        state_ = SelectState::Selected;
        repaint();
    }
}

// --- clipboard and delete ----------------------------------------------------------------------

void EditCommands::copy()
{
    if (state_ == SelectState::None)
        return;
    const std::string text = clipboardText(haupt_.document_, rect_);
    haupt_.view_.clearMessages();
    clipboard_->setText(text);
    clearSelectFrame();
}

void EditCommands::deleteSelected()
{
    Document& doc = haupt_.document_;
    const int page = currentPage();
    std::vector<TKiste*> doomed;
    std::vector<int> insides;
    for (TKiste* b : doc.blocks()) {
        if (!b->selected || b->sheet != page)
            continue;
        doomed.push_back(b);
        // A macro or automat takes its inside with it.
        if (isMacroOrAutomat(b->type)) {
            const std::vector<int> more = doc.selectInside(b->childPage);
            insides.insert(insides.end(), more.begin(), more.end());
        }
    }
    const std::unordered_set<int> insideSet(insides.begin(), insides.end());
    for (TKiste* b : doc.blocks())
        if (insideSet.count(b->sheet))
            doomed.push_back(b);
    for (TKiste* b : doomed)
        if (b->alive())
            doc.removeBlock(*b);
    std::vector<TKante*> points;
    for (TKante* e : doc.kanten())
        if (e->isPoint() && e->selected && (e->sheet == page || insideSet.count(e->sheet)))
            points.push_back(e);
    for (TKante* e : points)
        if (e->alive())
            doc.removeElement(*e, true);
    std::vector<std::uint64_t> texts;
    for (const auto& t : doc.texts())
        if ((t->selected && t->sheet == page) || insideSet.count(t->sheet))
            texts.push_back(t->id());
    for (std::uint64_t id : texts)
        doc.removeText(id);
    doc.renumber();
    doc.clearSelection();
    clearTextSelection(doc);
}

void EditCommands::cut()
{
    if (state_ == SelectState::None || !editable())
        return;
    const std::string text = clipboardText(haupt_.document_, rect_);
    haupt_.view_.clearMessages();
    clipboard_->setText(text);
    // clipboardText leaves the selection of the shown sheet as it was.
    storeUndo();
    deleteSelected();
    setSelectState(SelectState::None);
    repaint();
}

void EditCommands::deleteSelection()
{
    if (!editable() || state_ != SelectState::Selected)
        return;
    if (!haupt_.dialogs_.askYesNo(tx("LOESCHEN ?")))
        return;
    setSelectState(SelectState::None);
    storeUndo();
    deleteSelected();
    repaint();
}

void EditCommands::paste(PixelPoint mouse)
{
    if (!editable() || state_ != SelectState::None)
        return;
    const std::string text = clipboard_->text();
    if (text.empty() || text.front() != '(')
        return;
    // A text that cannot be read is taken back completely; a snapshot of the unchanged
    // document would only give undo a step that does nothing.
    const std::string before = snapshotText();
    const PasteResult result = pasteClipboardText(haupt_.document_, text, mouse);
    if (result.outcome != PasteOutcome::Pasted || !result.rect) {
        repaint();
        return;
    }
    undo_->PutProject(before);
    rect_ = *result.rect;
    haupt_.document_.renumber();
    setSelectState(SelectState::Selected);
    repaint();
}

void EditCommands::passivateSelection()
{
    if (state_ != SelectState::Selected)
        return;
    storeUndo();
    haupt_.document_.passivateSelection();
    clearSelectFrame();
    repaint();
}

void EditCommands::activateSelection()
{
    if (state_ != SelectState::Selected)
        return;
    storeUndo();
    haupt_.document_.activateSelection();
    clearSelectFrame();
    repaint();
}

// --- pages ---------------------------------------------------------------------------------------

// Of the page commands only deleting a page is an editing command; naming, adding and
// reordering pages stay open in every mode and while read-only, like the menu "Seiten".
bool EditCommands::newPage()
{
    Document& doc = haupt_.document_;
    if (doc.mother())
        return false;
    const auto name = haupt_.dialogs_.inputQuery(tx("neue Seite erzeugen"), tx("Seitenbezeichnung ?"), "");
    if (!name)
        return false;
    // Like renaming and reordering, a new page is one step of undo of its own.
    const std::string before = snapshotText();
    if (!doc.appendSheet(*name)) {
        haupt_.reporter_.box(tx("Max. Seitenanzahl erreicht"));
        return false;
    }
    undo_->PutProject(before);
    clearSelectFrame();
    doc.setCurrentSheet(doc.sheetCount());
    doc.setScroll(0, 0);
    updateCaption();
    repaint();
    return true;
}

void EditCommands::renamePage()
{
    Document& doc = haupt_.document_;
    if (doc.mother() || !ordinaryPage(currentPage()))
        return;
    const auto name = haupt_.dialogs_.inputQuery(tx("aktuelle Seitenbezeichnung aendern"),
                                                 tx("neue Bezeichnung ?"), doc.sheet(currentPage()).name);
    if (!name)
        return;
    storeUndo();
    doc.renameSheet(currentPage(), *name);
    updateCaption();
    repaint();
}

void EditCommands::deletePage()
{
    Document& doc = haupt_.document_;
    if (!editable() || doc.mother() || !ordinaryPage(currentPage()))
        return;
    if (!haupt_.dialogs_.askYesNo(tx("SEITE LOESCHEN ?")))
        return;
    clearSelectFrame();
    storeUndo();
    const int page = currentPage();
    // Everything on the page goes, as if it had been framed and deleted.
    for (TKiste* b : doc.blocks())
        if (b->sheet == page) {
            b->selected = true;
            for (TKante* p : b->pins)
                p->selected = true;
        }
    for (TKante* e : doc.kanten())
        if (e->sheet == page)
            e->selected = true;
    for (const auto& t : doc.texts())
        if (t->sheet == page)
            t->selected = true;
    deleteSelected();
    for (TKiste* b : doc.blocks())
        if (b->sheet > page && b->sheet < OrdinaryPageLimit)
            --b->sheet;
    for (TKante* e : doc.kanten())
        if (e->sheet > page && e->sheet < OrdinaryPageLimit)
            --e->sheet;
    textsAfterSheetDeleted(doc, page);
    doc.removeSheet(page);
    const Sheet& shown = doc.sheet(doc.currentSheet());
    doc.setScroll(shown.viewX * doc.zoom(), shown.viewY * doc.zoom());
    setSelectState(SelectState::None);
    updateCaption();
    repaint();
}

namespace {

void swapPages(Document& doc, int a, int b)
{
    auto swapped = [a, b](int sheet) { return sheet == a ? b : sheet == b ? a : sheet; };
    for (TKiste* k : doc.blocks())
        k->sheet = swapped(k->sheet);
    for (TKante* e : doc.kanten())
        e->sheet = swapped(e->sheet);
    textsAfterSheetsSwapped(doc, a, b);
    std::swap(doc.sheet(a), doc.sheet(b));
}

} // namespace

void EditCommands::raisePage()
{
    Document& doc = haupt_.document_;
    const int page = currentPage();
    if (doc.mother() || !ordinaryPage(page) || page >= doc.sheetCount())
        return;
    clearSelectFrame();
    storeUndo();
    swapPages(doc, page, page + 1);
    doc.setCurrentSheet(page + 1);
    updateCaption();
    repaint();
}

void EditCommands::lowerPage()
{
    Document& doc = haupt_.document_;
    const int page = currentPage();
    if (doc.mother() || !ordinaryPage(page) || page <= 1)
        return;
    clearSelectFrame();
    storeUndo();
    swapPages(doc, page, page - 1);
    doc.setCurrentSheet(page - 1);
    updateCaption();
    repaint();
}

bool EditCommands::goToPage(int number)
{
    Document& doc = haupt_.document_;
    const int page = currentPage();
    if (doc.mother() || !ordinaryPage(page) || number < 1 || number > doc.sheetCount() || number == page)
        return false;
    const bool carry = state_ == SelectState::Selected;
    const int dsheet = number - page;
    if (carry) {
        const std::string check = doc.moveCheck(dsheet);
        if (check != "ok") {
            haupt_.reporter_.box(check + "\n" +
                                 tx("ggf. ueber einen ZwischenPunkt in die andere Seite gehen."));
            clearSelectFrame();
            return false;
        }
    }
    if (carry)
        storeUndo();
    const int zoom = doc.zoom();
    const int oldX = doc.scrollX();
    const int oldY = doc.scrollY();
    doc.sheet(page).viewX = oldX / zoom;
    doc.sheet(page).viewY = oldY / zoom;
    doc.setCurrentSheet(number);
    doc.setScroll(doc.sheet(number).viewX * zoom, doc.sheet(number).viewY * zoom);
    if (carry) {
        // The selection keeps its place on the screen.
        const int dx = (doc.scrollX() - oldX) / zoom;
        const int dy = (doc.scrollY() - oldY) / zoom;
        for (TKiste* b : doc.blocks())
            if (b->selected && b->sheet == page) {
                b->sheet = number;
                b->x += dx;
                b->y += dy;
            }
        doc.moveSelectedElements(dx, dy, dsheet);
        moveSelectedTexts(doc, dx, dy, dsheet);
        rect_ = {rect_.left + dx, rect_.top + dy, rect_.right + dx, rect_.bottom + dy};
    }
    updateCaption();
    repaint();
    return true;
}

// --- scrolling and zoom -----------------------------------------------------------------------

void EditCommands::pointAt(GridPoint point)
{
    WireLayer& gestures = haupt_.gestures();
    if (gestures.movePointer)
        gestures.movePointer(toPixel(point, ViewGeometry::of(haupt_.document_)));
}

void EditCommands::scrollTo(int x, int y)
{
    int maxX = 0;
    int maxY = 0;
    scrollLimits(maxX, maxY);
    haupt_.document_.setScroll(std::clamp(x, 0, maxX), std::clamp(y, 0, maxY));
    repaint();
}

void EditCommands::scrollBy(int dx, int dy)
{
    const Document& doc = haupt_.document_;
    scrollTo(doc.scrollX() + dx, doc.scrollY() + dy);
}

int EditCommands::arrowStep() const
{
    const int pitch = haupt_.document_.zoom();
    return std::max(1, 64 / pitch) * pitch;
}

void EditCommands::zoomAt(int pitch, GridPoint centre)
{
    Document& doc = haupt_.document_;
    doc.setZoom(pitch);
    haupt_.settings_.scrollRangeX = doc.zoom() * SheetWidth + 60;
    haupt_.settings_.scrollRangeY = doc.zoom() * SheetHeight + 60;
    scrollTo(doc.zoom() * centre.x - doc.clientWidth() / 2, doc.zoom() * centre.y - doc.clientHeight() / 2);
}

void EditCommands::stepZoom(int delta, PixelPoint mouse)
{
    Document& doc = haupt_.document_;
    const int pitch = doc.zoom() + delta;
    if (pitch < MinPitch || pitch > MaxPitch)
        return;
    const GridPoint under = toGrid(mouse, ViewGeometry::of(doc));
    doc.setZoom(pitch);
    haupt_.settings_.scrollRangeX = pitch * SheetWidth + 60;
    haupt_.settings_.scrollRangeY = pitch * SheetHeight + 60;
    scrollTo(under.x * pitch - mouse.x, under.y * pitch - mouse.y);
}

void EditCommands::fitRect(int left, int top, int right, int bottom, int maxPitch)
{
    if (right < left || bottom < top)
        return;
    const Document& doc = haupt_.document_;
    maxPitch = std::min(maxPitch, MaxPitch);
    int px = right - left > 9 ? (doc.clientWidth() + 5) / (right - left) : maxPitch;
    int py = bottom - top > 9 ? (doc.clientHeight() + 10) / (bottom - top) : maxPitch;
    px = std::max(MinPitch, std::min(px, maxPitch));
    py = std::max(MinPitch, std::min(py, maxPitch));
    const GridPoint centre{(left + right) / 2, (top + bottom + 5) / 2};
    zoomAt(std::min(px, py), centre);
    pointAt(centre);
}

void EditCommands::zoomCentre()
{
    const Document& doc = haupt_.document_;
    const int page = currentPage();
    int left = 1000;
    int top = 1000;
    int right = -1000;
    int bottom = -1000;
    auto take = [&](int x, int y, int r, int b) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, r);
        bottom = std::max(bottom, b);
    };
    for (const TKiste* b : doc.blocks())
        if (b->sheet == page)
            take(b->x, b->y, b->x + b->widthGrid(), b->y + b->heightGrid());
    for (const TKante* e : doc.kanten())
        if (e->isPoint() && e->sheet == page)
            take(e->x, e->y, e->x, e->y);
    for (const auto& t : doc.texts())
        if (t->sheet == page)
            take(t->x, t->y, t->x, t->y);
    fitRect(left, top, right, bottom, MaxPitch);
}

void EditCommands::zoomSelection()
{
    if (state_ == SelectState::None)
        return;
    fitRect(rect_.left, rect_.top, rect_.right, rect_.bottom, MaxPitch);
}

void EditCommands::zoomWorkSheet(std::optional<PixelPoint> at)
{
    const Document& doc = haupt_.document_;
    const PixelPoint point = at.value_or(PixelPoint{doc.clientWidth() / 2, doc.clientHeight() / 2});
    const GridPoint grid = toGrid(point, ViewGeometry::of(doc));
    const int column = std::max(0, grid.x) / WorkSheetWidth * WorkSheetWidth;
    const int row = std::max(0, grid.y) / WorkSheetHeight * WorkSheetHeight;
    fitRect(column + 3, row + 3, column + WorkSheetWidth, row + WorkSheetHeight, MaxPitch);
}

void EditCommands::zoomOverview()
{
    Document& doc = haupt_.document_;
    const int pitch = std::max(MinPitch, doc.clientWidth() / SheetWidth);
    doc.setZoom(pitch);
    haupt_.settings_.scrollRangeX = doc.zoom() * SheetWidth + 60;
    haupt_.settings_.scrollRangeY = doc.zoom() * SheetHeight + 60;
    scrollTo(0, 0);
}

void EditCommands::wheel(int notches, const KeyModifiers& modifiers, PixelPoint mouse)
{
    if (notches == 0)
        return;
    if (modifiers.alt) {
        // Down (negative notches) zooms in.
        stepZoom(notches < 0 ? 1 : -1, mouse);
        return;
    }
    const int step = -notches * WheelStep;
    if (modifiers.ctrl)
        scrollBy(step, 0);
    else
        scrollBy(0, step);
}

// --- finding ----------------------------------------------------------------------------------

bool EditCommands::goToBlock(int number)
{
    Document& doc = haupt_.document_;
    TKiste* block = doc.findBlock(number);
    if (!block)
        return false;
    clearSelectFrame();
    if (!doc.showBlock(*block))
        return false;
    doc.resetColours();
    block->colour = colour::Red;
    if (block->sheet >= FirstInstanceNumber) {
        // "<-- Zurueck" leads back to the macro block the search went into.
        haupt_.enteredBySearch_ = true;
        markConnectedPorts(doc, block->sheet);
    }
    foundLast_ = number;
    haupt_.refreshMenus();
    updateCaption();
    repaint();
    return true;
}

bool EditCommands::shiftSelectedBlocks(int step)
{
    if (!editable())
        return false;
    Document& doc = haupt_.document_;
    const std::vector<TKiste*>& list = doc.blocks();
    const int count = static_cast<int>(list.size());
    // Decided on the list as it is: a block whose neighbour in that direction is selected
    // too stays, so the swaps below never share a place.
    std::vector<int> moving;
    for (int place = 0; place < count; ++place) {
        const int target = place + step;
        if (list[place]->selected && target >= 0 && target < count && !list[target]->selected)
            moving.push_back(place);
    }
    if (moving.empty())
        return false;
    storeUndo();
    for (int place : moving)
        doc.swapBlockPlaces(place + 1, place + 1 + step);
    doc.restoreInsideFirstOrder();
    repaint();
    return true;
}

void EditCommands::findBlock()
{
    const auto answer = haupt_.dialogs_.inputQuery(tx("Baustein suchen"), tx("Baustein-Nr ?"), "1");
    if (!answer)
        return;
    const auto number = wholeNumber(*answer);
    if (!number) {
        haupt_.reporter_.box(tx("Nur ganze Zahlen eingeben!"));
        return;
    }
    if (goToBlock(*number))
        pointAtFound();
}

void EditCommands::findNext(int step)
{
    const int number = std::max(1, foundLast_ + step);
    if (goToBlock(number))
        pointAtFound();
    else
        foundLast_ = 0;
}

void EditCommands::pointAtFound()
{
    if (const TKiste* block = haupt_.document_.findBlock(foundLast_))
        pointAt({block->x, block->y});
}

// --- context menu, keys, caption ----------------------------------------------------------------

SheetMenu EditCommands::sheetMenu() const
{
    SheetMenu menu;
    menu.zoomSelection = state_ == SelectState::Selected;
    menu.zoomOverview = haupt_.document_.zoom() > MinPitch;
    menu.back = haupt_.document_.mother() != nullptr;
    menu.passivate = editable() && state_ == SelectState::Selected;
    return menu;
}

bool EditCommands::takesKey(EditKey key) const
{
    if ((projectInfoShown && projectInfoShown()) || haupt_.parameterFrame_->isOpen() ||
        haupt_.textEditor_->attached())
        return false;
    switch (key) {
    case EditKey::Left:
    case EditKey::Right:
    case EditKey::Up:
    case EditKey::Down:
    case EditKey::PageUp:
    case EditKey::PageDown:
        return !variableList_.visible() && !haupt_.errorList_.visible();
    default:
        return true;
    }
}

bool EditCommands::keyPress(EditKey key, const KeyModifiers& modifiers, PixelPoint mouse)
{
    if (!takesKey(key))
        return false;
    const int pitch = haupt_.document_.zoom();
    const int stepX = modifiers.ctrl ? WorkSheetWidth * pitch : arrowStep();
    const int stepY = modifiers.ctrl ? WorkSheetHeight * pitch : arrowStep();
    switch (key) {
    case EditKey::Left:
        scrollBy(-stepX, 0);
        return true;
    case EditKey::Right:
        scrollBy(stepX, 0);
        return true;
    case EditKey::Up:
        scrollBy(0, -stepY);
        return true;
    case EditKey::Down:
        scrollBy(0, stepY);
        return true;
    case EditKey::PageUp:
        nextPage();
        return true;
    case EditKey::PageDown:
        previousPage();
        return true;
    case EditKey::Plus:
        stepZoom(1, mouse);
        return true;
    case EditKey::Minus:
        stepZoom(-1, mouse);
        return true;
    case EditKey::N:
        findNext(1);
        return true;
    case EditKey::B:
        findNext(-1);
        return true;
    case EditKey::Home:
        shiftSelectedBlocks(1);
        return true;
    case EditKey::End:
        shiftSelectedBlocks(-1);
        return true;
    default:
        return false;
    }
}

bool EditCommands::keyRelease(EditKey key, const KeyModifiers&, PixelPoint mouse)
{
    if (!takesKey(key))
        return false;
    const bool edit = haupt_.state_.mode == EditorMode::Edit;
    switch (key) {
    case EditKey::Escape:
        clearSelectFrame();
        variableList_.hide();
        haupt_.view_.hideMessageWindow();
        panning_ = false;
        haupt_.gestures().reset();
        repaint();
        return true;
    case EditKey::F:
        findBlock();
        return true;
    case EditKey::Delete:
        deleteSelection();
        return true;
    case EditKey::C:
        if (edit)
            copy();
        return true;
    case EditKey::X:
        cut();
        return true;
    case EditKey::V:
        paste(mouse);
        return true;
    case EditKey::Z:
        if (editable())
            undo();
        return true;
    case EditKey::Y:
        if (editable())
            redo();
        return true;
    case EditKey::S:
        if (editable())
            storeUndo();
        return true;
    default:
        return false;
    }
}

std::string EditCommands::caption() const
{
    const Document& doc = haupt_.document_;
    const EditorState& state = haupt_.state_;
    std::string text;
    switch (state.mode) {
    case EditorMode::Edit:
        text = tx("EDIT:  ");
        break;
    case EditorMode::Online:
        text = tx("ONLINE:  ");
        break;
    case EditorMode::Simulation:
        text = tx("SIMULATION:  ");
        break;
    }
    const std::string directory = state.programDirectory.string();
    if (!directory.empty())
        text += state.processName + "    ";
    text += directory + state.processName;
    text += "  ";
    if (const TKiste* open = doc.mother()) {
        const Para_descriptor* name = open->param("nam");
        text += open->type == 188 ? "     Automat(" : "     Makro(";
        text += std::to_string(doc.nestingDepth()) + "):  " + (name ? name->value : std::string());
    } else {
        const int page = doc.currentSheet();
        const std::string name = ordinaryPage(page) && page <= doc.sheetCount() ? doc.sheet(page).name : "";
        text += "     " + tx("Seite") + " " + std::to_string(page) + " (" + tx("von") + " " +
                std::to_string(doc.sheetCount()) + ") : " + name;
    }
    text += "    " + tx("Datei") + ": " + haupt_.settings_.saveDate + "    " + tx("Compiled") + ": " +
            haupt_.settings_.compileDate;
    return text;
}

void EditCommands::updateCaption()
{
    haupt_.view_.setCaption(caption());
}

} // namespace fup
