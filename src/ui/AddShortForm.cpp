#include "ui/AddShortForm.h"

#include "keyout/KeyFlush.h"
#include "store/ShortFormEditing.h"
#include "ui/App.h"
#include "ui/Display.h"

AddResult AddShortForm(App& app, std::string_view shortForm, std::string_view expansion,
                       char state) {
    const AddResult r = AddRecordInteractively(app.platform, app.db, app.editor.messagesEnabled,
                                               shortForm, expansion, state);
    if (r.outcome == AddOutcome::Stored || r.outcome == AddOutcome::Deleted)
        SetDisplayText(app,
                       RecordsForDisplay(app.db, r.group, r.recordStart, app.platform.localTime()));
    FlushLetterKeys(app.platform);
    FlushTypingKeys(app.platform);
    return r;
}
