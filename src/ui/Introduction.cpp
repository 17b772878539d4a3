#include "ui/Introduction.h"

#include "ui/App.h"
#include "ui/ControlNames.h"
#include "ui/Display.h"
#include "ui/Handlers.h"

namespace {

constexpr char kBullet = '\xBB'; // right-pointing double angle quotation mark

} // namespace

const std::string& IntroductionText() {
    static const std::string text = [] {
        const char* paragraphs[] = {
            " Sum numbers in clips (and do other calculations), even if mixed with text. It turns "
            "any text page into a spreadsheet. Simply mark & copy the text containing the "
            "numbers, and calculate and paste the result with the 'CPaste' button.",
            " Paste often-used blocks of text from the Quib List to your word processor document. "
            "Adding text to the Quib List is as simple a copy and paste in Edit.",
            " Paste any of the last 9 clips you have copied, using the 'MPaste' button.",
            " Check your typing speed for the session from the Options menu.",
            " Use the abbreviation expander, which has over 26,000 built-in short forms, to "
            "reduce the number of keystrokes you need to make when typing. Turn this on by "
            "clicking the first item on the Options menu.",
        };
        std::string t = "This suite of productivity tools lets you:";
        for (const char* p : paragraphs) t.append("\r\n\r\n").append(1, kBullet).append(p);
        return t;
    }();
    return text;
}

void ShowIntroduction(App& app) {
    SetDisplayText(app, DisplayText(app) + IntroductionText());
}

void cmdIntro_Click(App& app) {
    const bool showing = DisplayText(app).starts_with("This suit");
    SetDisplayText(app, "");
    if (!showing) ShowIntroduction(app);
}

void AddIntroductionHandlers(Handlers& h) {
    h.events.emplace(EventKey(kFrmKeyvane, kCmdIntro, UserAction::Kind::Click),
                     [](App& app, const UserAction&) { cmdIntro_Click(app); });
}
