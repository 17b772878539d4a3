#include "calc/CalcAndPaste.h"

#include "app/App.h"
#include "calc/Evaluate.h"
#include "calc/FormulaSamples.h"
#include "calc/Voyage.h"
#include "keyout/KeyScript.h"
#include "keyout/Primitives.h"

namespace {

void RunVoyage(App& app, const std::string& argument) {
    TypeKeyScript(app.platform, app.out, "1G DRIVE SPACE VOYAGE: Calculating...\r");
    const std::optional<std::string> paragraph = VoyageParagraph(argument);
    if (!paragraph) return;
    RefocusTarget(app.platform, app.engine.target);
    TypeKeyScript(app.platform, app.out, "{Bf}\r\r" + *paragraph);
}

} // namespace

void CalcAndPaste(App& app) {
    const std::string clip = app.platform.clipboardText().value_or("");
    bool decimalsChanged = false;
    const CalcOutcome outcome = EvaluateClipText(clip, app.options.calcDecimals, decimalsChanged);
    if (decimalsChanged) {
        app.db.settingsChanged = true;
        app.db.databaseChanged = true;
    }
    switch (outcome.kind) {
    case CalcOutcome::Kind::Result:
    case CalcOutcome::Kind::Hex:
        TypeKeyScript(app.platform, app.out, outcome.text);
        break;
    case CalcOutcome::Kind::Voyage:
        RunVoyage(app, outcome.text);
        break;
    case CalcOutcome::Kind::Failure:
        break;
    }
}

void CalcPasteCommand(App& app) {
    RefocusTarget(app.platform, app.engine.target);
    CalcAndPaste(app);
}

void TypeFormulaSample(App& app, const FormulaSample& sample) {
    RefocusTarget(app.platform, app.engine.target);
    TypeKeyScript(app.platform, app.out, sample.sample);
}
