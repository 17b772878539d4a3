#include "ui/QuibListWindow.h"

#include "clip/QuibEntries.h"
#include "clip/QuibPlacement.h"
#include "keyout/KeyScript.h"
#include "keyout/Primitives.h"
#include "platform/text.h"
#include "store/Markers.h"
#include "store/Save.h"
#include "store/ShortFormEditing.h"
#include "ui/AddShortForm.h"
#include "ui/App.h"
#include "ui/ControlNames.h"
#include "ui/Editor.h"
#include "ui/Geometry.h"
#include "ui/MainWindow.h"
#include "ui/QuibListForm.h"

#include <cmath>
#include <string>

namespace {

constexpr int kWindowBeyondRows = 920;
constexpr int kColumnBeyondRows = 520;
// The main window while minimized lends itself as a strip for the list to stand beside.
constexpr int kStripHeight = 10;
constexpr int kStripWidth = 2500;
constexpr int kStripShift = 2000;

constexpr std::string_view kNoFreeShortForm =
    "There is no short form left for a new Quib List block: zzaa to zzzz are all taken.\r\n"
    "Delete a block you no longer want, then paste again.";

// Form_Load: the window (made at its first load, above all others) in the Quib List's colour
// and the display's font size, with its entries.
void LoadQuibList(App& app) {
    Form& f = app.frmPick;
    if (f.name.empty()) f = MakeQuibListForm();
    f.open = true;
    app.clip.quib.shown = true;
    for (Control& c : f.controls) {
        if (c.kind != ControlKind::TextBox) continue;
        c.color = app.options.pickColor;
        c.fontPoints = app.options.fontSize;
    }
    BuildQuibList(app);
}

void HideQuibList(App& app) {
    QuibListState& q = app.clip.quib;
    if (app.frmPick.visible) app.platform.hideForm(app.frmPick);
    q.shown = false;
    q.chosenText.clear();
}

void PlaceQuibList(App& app) {
    QuibListState& q = app.clip.quib;
    Form& f = app.frmPick;
    Form& main = app.frmKeyvane;
    const ScreenTwips screen = ScreenSize(app);
    const QuibPlacement beside =
        PlaceBesideMainWindow(main.rect, f.rect, screen.width, screen.height);
    q.besideLeft = beside.left;
    q.besideTop = beside.top;
    if (q.movedAway) {
        f.rect.left = q.movedLeft;
        f.rect.top = KeepAboveScreenBottom(q.movedTop, f.rect.height, screen.height);
        return;
    }
    f.rect.left = beside.left;
    f.rect.top = beside.top;
    const TwipRect& m = beside.main;
    if (m.left != main.rect.left || m.width != main.rect.width) {
        main.rect = m;
        LayoutMainWindow(app);
    }
}

void ShowQuibList(App& app) {
    Form& f = app.frmPick;
    // A list hidden meanwhile may have missed changes of the blocks: it is built afresh.
    if (!f.open)
        LoadQuibList(app);
    else
        BuildQuibList(app);
    if (f.visible) app.platform.hideForm(f);
    PlaceQuibList(app);
    app.platform.showForm(f, false);
    app.clip.quib.shown = true;
}

void PasteChosenText(App& app) {
    Platform& p = app.platform;
    std::string& chosen = app.clip.quib.chosenText;
    RefocusTarget(p, app.engine.target);
    // Empty, or only the note that there is nothing to list.
    if (chosen < "!") return;
    if (app.out.capsLock) chosen = CapitalsOutsideKeyTokens(chosen);
    chosen = ReplaceWithMarkers(chosen, "///", "\t", MarkerMode::Typing, p.localTime());
    // A click while it is typed may choose another block: what is typed stays this one.
    const std::string text = chosen;
    TypeKeyScript(p, app.out, text);
    app.stats.charsTyped += 2;
    app.stats.keystrokesSaved += static_cast<std::int32_t>(text.size()) - 2;
}

void RefuseNoFreeShortForm(App& app) {
    if (app.editor.messagesEnabled)
        app.platform.messageBox(kNoFreeShortForm, "Quibnote", MsgButtons::Ok, MsgIcon::Information);
    else
        app.platform.beep();
}

} // namespace

void BuildQuibList(App& app) {
    Form& f = app.frmPick;
    QuibEntries list = CollectQuibEntries(app.db, app.platform.localTime());
    const int rows = RowHeight(app.options.fontSize) * list.rows;
    f.rect.height = rows + kWindowBeyondRows;
    LayoutQuibList(f);
    if (Control* shortForms = FindControl(f, kTxtShFm)) {
        shortForms->text = std::move(list.shortFormColumn);
        shortForms->rect.height = rows + kColumnBeyondRows;
    }
    if (Control* texts = FindControl(f, kTxtExp)) {
        texts->text = std::move(list.textColumn);
        texts->rect.height = rows + kColumnBeyondRows;
    }
    app.clip.quib.pasteTexts = std::move(list.pasteTexts);
    app.clip.quib.shortForms = std::move(list.shortForms);
    if (list.tooMany)
        app.platform.messageBox(kTooManyQuibEntries, "Quibnote Information", MsgButtons::Ok,
                                MsgIcon::Information);
}

void PasteFromQuibList(App& app, bool show) {
    if (show)
        ShowQuibList(app);
    else
        PasteChosenText(app);
}

void ToggleQuibList(App& app) {
    QuibListState& q = app.clip.quib;
    if (q.shown) {
        HideQuibList(app);
        return;
    }
    Form& main = app.frmKeyvane;
    const TwipRect before = main.rect;
    q.shrunk = false;
    if (main.state == WindowState::Minimized) {
        main.state = WindowState::Normal;
        main.rect.height = kStripHeight;
        main.rect.width = kStripWidth;
        main.rect.left -= kStripShift;
        q.shrunk = true;
    }
    app.platform.showForm(main, false);
    PasteFromQuibList(app, true);
    if (q.shrunk) {
        // Given back exactly as it was, small size or not, laid out again before it goes down.
        main.rect = before;
        LayoutMainWindow(app);
        main.state = WindowState::Minimized;
    }
    RefocusTarget(app.platform, app.engine.target);
}

void mnuPick(App& app) {
    if (app.clip.quib.shown) {
        HideQuibList(app);
        return;
    }
    PasteFromQuibList(app, true);
    PasteFromQuibList(app, false);
}

void mnuPasteToPick(App& app) {
    Platform& p = app.platform;
    const std::string clip = p.clipboardText().value_or("");
    if (clip.empty()) return;
    const std::optional<std::string> shortForm = NextQuibShortForm(app.db);
    if (!shortForm) return RefuseNoFreeShortForm(app);
    const AddResult added = AddShortForm(app, *shortForm, PastedExpansion(clip), mark::Added);
    if (added.outcome != AddOutcome::Stored) return;
    if (app.clip.quib.shown) BuildQuibList(app);
    // Protected mode tries changes out without ever writing them.
    if (app.options.protectedMode) return;
    const FileStatus saved = SaveDatabase(p, app.db, app.options, true);
    if (!saved.ok)
        p.messageBox("Quibnote could not save the new Quib List block.\r\n" + saved.error +
                         "\r\n\r\nNothing was lost: the block stays in Quibnote until the next "
                         "save.",
                     "Quibnote", MsgButtons::Ok, MsgIcon::Exclamation);
}

void txtExp_MouseDown(App& app, int x, int y) {
    QuibListState& q = app.clip.quib;
    const int row = RowAt(y, RowHeight(app.options.fontSize));
    if (row >= 1 && row <= static_cast<int>(q.pasteTexts.size()) && !q.pasteTexts[row - 1].empty())
        q.chosenText = q.pasteTexts[row - 1];
    PasteFromQuibList(app, false);
    if (x > kPasteAndExitX) CloseQuibList(app);
}

void txtShFm_MouseDown(App& app, int y) {
    const QuibListState& q = app.clip.quib;
    const int row = RowAt(y, RowHeight(app.options.fontSize));
    if (row < 1 || row > static_cast<int>(q.shortForms.size())) return;
    const std::string shortForm = q.shortForms[row - 1];
    OpenEditor(app);
    Form& editor = app.frmEdit;
    const ScreenTwips screen = ScreenSize(app);
    editor.rect.left = static_cast<int>(std::lround((screen.width - editor.rect.width) / 3.4));
    editor.rect.top = screen.height - 3735 - 400 - editor.rect.height;
    // The editor finds the record as if the short form had been typed into its box.
    if (Control* box = FindControl(editor, kTxtShFm)) {
        box->text = shortForm;
        txtShFm_Change(app);
    }
}

void CloseQuibList(App& app) {
    QuibListState& q = app.clip.quib;
    Form& f = app.frmPick;
    if (!f.open) return;
    q.chosenText.clear();
    q.shown = false;
    // Left where it was put, it goes beside the main window again next time; moved, it goes back
    // where the user put it.
    q.movedAway = f.rect.left != q.besideLeft || f.rect.top != q.besideTop;
    q.movedLeft = f.rect.left;
    q.movedTop = f.rect.top;
    if (f.visible) app.platform.hideForm(f);
    f.open = false;
    RefocusTarget(app.platform, app.engine.target);
}
