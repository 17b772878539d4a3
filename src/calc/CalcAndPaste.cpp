#include "calc/CalcAndPaste.h"

#include "calc/Evaluate.h"
#include "calc/FormulaSamples.h"
#include "calc/Voyage.h"
#include "engine/Core.h"
#include "keyout/KeyScript.h"
#include "keyout/Primitives.h"

namespace {

void RunVoyage(Core& core, const std::string& argument) {
    TypeKeyScript(core.platform, core.out, "1G DRIVE SPACE VOYAGE: Calculating...\r");
    const std::optional<std::string> paragraph = VoyageParagraph(argument);
    if (!paragraph) return;
    RefocusTarget(core.platform, core.engine.target);
    TypeKeyScript(core.platform, core.out, "{Bf}\r\r" + *paragraph);
}

// A setting that is no count of places (a hand edit, another program) made every calculation
// type nothing, without a word: it falls back to full precision, and the user is told once.
void RepairDecimalsSetting(Core& core) {
    std::string& decimals = core.options.calcDecimals;
    if (DecimalsSettingUsable(decimals)) return;
    core.platform.messageBox("The calculator's decimal places setting \"" + decimals +
                                 "\" is not a number of places.\r\nQuibnote shows results in "
                                 "full precision until a dp formula sets the places again.",
                             "Quibnote", MsgButtons::Ok, MsgIcon::Information);
    decimals.clear();
    core.db.settingsChanged = true;
}

} // namespace

void CalcAndPaste(Core& core) {
    const std::string clip = core.platform.clipboardText().value_or("");
    RepairDecimalsSetting(core);
    bool decimalsChanged = false;
    const CalcOutcome outcome = EvaluateClipText(clip, core.options.calcDecimals, decimalsChanged);
    if (decimalsChanged) {
        core.db.settingsChanged = true;
        core.db.databaseChanged = true;
    }
    switch (outcome.kind) {
    case CalcOutcome::Kind::Result:
    case CalcOutcome::Kind::Hex:
        TypeKeyScript(core.platform, core.out, outcome.text);
        break;
    case CalcOutcome::Kind::Voyage:
        RunVoyage(core, outcome.text);
        break;
    case CalcOutcome::Kind::Failure:
        break;
    }
}

void CalcPasteCommand(Core& core) {
    RefocusTarget(core.platform, core.engine.target);
    CalcAndPaste(core);
}

void TypeFormulaSample(Core& core, const FormulaSample& sample) {
    RefocusTarget(core.platform, core.engine.target);
    TypeKeyScript(core.platform, core.out, sample.sample);
}
