#include "engine/CaretSearch.h"

#include "app/App.h"
#include "engine/WindowOps.h"

namespace {

bool OwnWindow(App& app, WindowId w) {
    for (const Form* f : OwnForms(app))
        if (w != 0 && f->window == w) return true;
    return false;
}

PixelReader ReaderOf(App& app) {
    Platform& p = app.platform;
    const WindowId w = app.engine.caretSearch.scanWindow;
    return [&p, w](int x, int y) { return p.windowPixel(w, {x, y}).value_or(kNoPixel); };
}

// The window under the document area: the one 60 % down the foreground window, in its middle.
// The floating panel itself may stand there; then the foreground window is read instead.
bool StartSearch(App& app) {
    Platform& p = app.platform;
    CaretSearchState& cs = app.engine.caretSearch;
    const WindowId fg = p.foregroundWindow();
    const std::optional<PixelRect> r = p.windowRect(fg);
    if (!r) return false;
    const PixelPoint sample{(r->left + r->right) / 2,
                            r->top + static_cast<int>(0.6 * (r->bottom - r->top))};
    WindowId w = p.windowFromPoint(sample);
    if (w == 0 || OwnWindow(app, w)) w = fg;
    if (OwnWindow(app, w)) return false;
    const std::optional<PixelRect> scanRect = p.windowRect(w);
    if (!scanRect) return false;
    cs.scanWindow = w;
    cs.scanRect = *scanRect;
    StartCaretScan(cs.scan, ReaderOf(app), scanRect->right - scanRect->left,
                   scanRect->bottom - scanRect->top);
    return true;
}

// Centred on the scanned window; just above the caret's line, or two panel heights above the
// lowest text when no caret showed. With nothing seen at all the panel stays where it is.
void EndSearch(App& app, ScanStep step) {
    Platform& p = app.platform;
    CaretSearchState& cs = app.engine.caretSearch;
    cs.searchPending = false;
    app.engine.expansion.floatingPanelCycle = 3;
    if (cs.scanWindow == 0) return;
    const int tx = p.twipsPerPixelX();
    const int ty = p.twipsPerPixelY();
    const TwipRect panel = app.frmKVDisp.rect;
    const PixelRect& r = cs.scanRect;
    const CaretScan& s = cs.scan;
    const std::int32_t left = (r.left + r.right) / 2 * tx - panel.width / 2;
    if (step == ScanStep::Found)
        PlaceFloatingPanel(app, left, (r.top + s.row - 2 * s.up - s.down + 2) * ty - panel.height);
    else if (s.lowestTextRow >= 0)
        PlaceFloatingPanel(app, left, (r.top + s.lowestTextRow) * ty - 2 * panel.height);
}

} // namespace

void NoteDelimiterForCaretSearch(App& app) {
    CaretSearchState& cs = app.engine.caretSearch;
    cs.searchPending = true;
    cs.firstRow = true;
    cs.skip = true;
}

void RunCaretSearch(App& app) {
    const Options& o = app.options;
    CaretSearchState& cs = app.engine.caretSearch;
    if (!app.engine.word.currentWord.empty() || !o.usePanel || o.panelAnchored || !cs.searchPending)
        return;
    // The search starts on the second idle pass, so a quick next key does not meet it.
    if (cs.skip) {
        cs.skip = false;
        return;
    }
    if (app.engine.expansion.floatingPanelCycle != 2) return;
    if (cs.firstRow) {
        cs.firstRow = false;
        cs.scanWindow = 0;
        if (!StartSearch(app)) EndSearch(app, ScanStep::Exhausted);
        return;
    }
    const ScanStep step = ScanNextRow(cs.scan, ReaderOf(app));
    if (step != ScanStep::GoOn) EndSearch(app, step);
}
