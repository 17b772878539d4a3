#include "ui/CustomListCommand.h"

#include "keyout/Primitives.h"
#include "ui/App.h"
#include "ui/Display.h"
#include "ui/FileDialogs.h"

#include <string>

namespace {

// Long enough for the display box to be painted before the work goes on.
constexpr float kPaintPause = 0.01f;

} // namespace

void CustomList(App& app, ListAction action) {
    Platform& p = app.platform;
    const bool adding = action == ListAction::Adding;
    const std::optional<std::string> path =
        p.openFileDialog(adding ? "Choose a Custom List to Add" : "Choose a Custom List to Remove",
                         kCustomListFilter);
    if (!path) return;
    const std::string status =
        adding ? "Adding short forms from list..." : "Removing short forms in list...";
    SetDisplayText(app, status);
    Pause(p, kPaintPause);
    const std::optional<std::string> text = p.readFile(ChosenFile(p, *path));
    if (!text) {
        SetDisplayText(app, "List not found");
        p.messageBox("Custom List not found.", "Quibnote", MsgButtons::Ok, MsgIcon::None);
        return;
    }
    const ListHooks hooks{
        [&](const ListCounts& c) {
            SetDisplayText(app, status + " " + std::to_string(c.processed));
            Pause(p, kPaintPause);
        },
        [&] {
            const std::string_view message = AddOutcomeMessage(AddOutcome::LastRecord);
            if (app.editor.messagesEnabled)
                p.messageBox(message, "Quibnote", MsgButtons::Ok, MsgIcon::Information);
            else
                p.beep();
        },
    };
    const std::optional<ListCounts> counts = RunCustomList(app.db, action, *text, hooks);
    // A file without a line break (empty, or a header alone) is no list: nothing changes, and the
    // report says so rather than leaving the status line up as if the work went on.
    SetDisplayText(app, ListReport(counts.value_or(ListCounts{}), action));
}
