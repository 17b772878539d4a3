#include "calc/CalcAndPaste.h"
#include "calc/FormulaSamples.h"
#include "ui/App.h"
#include "ui/ControlNames.h"
#include "ui/Editor.h"
#include "ui/Handlers.h"

void AddEditMenuHandlers(Handlers& h) {
    h.menus.emplace(kMnuAddSF, OpenEditor);
    h.menus.emplace(kMnuCalcPaste, CalcPasteCommand);
    h.events.emplace(EventKey(kFrmKeyvane, kCmdCPaste, UserAction::Kind::Click),
                     [](App& app, const UserAction&) { CalcPasteCommand(app); });
    for (const FormulaSample& s : FormulaSamples()) {
        // A heading only labels the entries below it: choosing it does nothing.
        if (s.heading)
            h.menus.emplace(std::string(s.menuName), [](App&) {});
        else
            h.menus.emplace(std::string(s.menuName), [&s](App& app) { TypeFormulaSample(app, s); });
    }
}
