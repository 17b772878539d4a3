#include "engine/CaretSearch.h"

#include "engine/Core.h"

namespace {

PixelReader ReaderOf(Core& core) {
    Platform& p = core.platform;
    const WindowId w = core.engine.caretSearch.scanWindow;
    return [&p, w](int x, int y) { return p.windowPixel(w, {x, y}).value_or(kNoPixel); };
}

// The window under the document area: the one 60 % down the foreground window, in its middle.
// The floating panel itself may stand there; then the foreground window is read instead.
bool StartSearch(Core& core) {
    Platform& p = core.platform;
    CaretSearchState& cs = core.engine.caretSearch;
    const WindowId fg = p.foregroundWindow();
    const std::optional<PixelRect> r = p.windowRect(fg);
    if (!r) return false;
    const PixelPoint sample{(r->left + r->right) / 2,
                            r->top + static_cast<int>(0.6 * (r->bottom - r->top))};
    WindowId w = p.windowFromPoint(sample);
    if (w == 0 || core.windows.isOwnWindow(w)) w = fg;
    if (core.windows.isOwnWindow(w)) return false;
    const std::optional<PixelRect> scanRect = p.windowRect(w);
    if (!scanRect) return false;
    cs.scanWindow = w;
    cs.scanRect = *scanRect;
    StartCaretScan(cs.scan, ReaderOf(core), scanRect->right - scanRect->left,
                   scanRect->bottom - scanRect->top);
    return true;
}

// Centred on the scanned window; just above the caret's line, or two panel heights above the
// lowest text when no caret showed. With nothing seen at all the panel stays where it is.
void EndSearch(Core& core, ScanStep step) {
    Platform& p = core.platform;
    CaretSearchState& cs = core.engine.caretSearch;
    cs.searchPending = false;
    core.engine.expansion.floatingPanelCycle = 3;
    if (cs.scanWindow == 0) return;
    const int tx = p.twipsPerPixelX();
    const int ty = p.twipsPerPixelY();
    const TwipRect panel = core.windows.panelRect();
    const PixelRect& r = cs.scanRect;
    const CaretScan& s = cs.scan;
    const std::int32_t left = (r.left + r.right) / 2 * tx - panel.width / 2;
    if (step == ScanStep::Found)
        core.windows.placeFloatingPanel(left, (r.top + s.row - 2 * s.up - s.down + 2) * ty -
                                                  panel.height);
    else if (s.lowestTextRow >= 0)
        core.windows.placeFloatingPanel(left, (r.top + s.lowestTextRow) * ty - 2 * panel.height);
}

} // namespace

void NoteDelimiterForCaretSearch(Core& core) {
    CaretSearchState& cs = core.engine.caretSearch;
    cs.searchPending = true;
    cs.firstRow = true;
    cs.skip = true;
}

void RunCaretSearch(Core& core) {
    const Options& o = core.options;
    CaretSearchState& cs = core.engine.caretSearch;
    if (!core.engine.word.currentWord.empty() || !o.usePanel || o.panelAnchored ||
        !cs.searchPending)
        return;
    // The search starts on the second idle pass, so a quick next key does not meet it.
    if (cs.skip) {
        cs.skip = false;
        return;
    }
    if (core.engine.expansion.floatingPanelCycle != 2) return;
    if (cs.firstRow) {
        cs.firstRow = false;
        cs.scanWindow = 0;
        if (!StartSearch(core)) EndSearch(core, ScanStep::Exhausted);
        return;
    }
    const ScanStep step = ScanNextRow(cs.scan, ReaderOf(core));
    if (step != ScanStep::GoOn) EndSearch(core, step);
}
