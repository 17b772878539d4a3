// Clips for the calculator: any text, with any stored decimal-places setting. A result is a
// formatted number; a dp formula never stores a setting that later calculations cannot use; a
// gdr formula hands over a destination that plans.
//
// Input: the stored decimal-places setting on the first line, then the clip.
#include "FuzzCheck.h"
#include "calc/Evaluate.h"
#include "calc/Voyage.h"

#include <string>

namespace {

constexpr std::size_t MaxClip = 4096;

// "-1,234.5": an optional minus, digits grouped in thousands, an optional fraction.
bool IsFormattedNumber(std::string_view text) {
    if (text.starts_with('-')) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    if (whole.empty() || whole.size() % 4 == 0) return false;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        const bool comma = (whole.size() - i) % 4 == 0;
        if (comma ? whole[i] != ',' : (whole[i] < '0' || whole[i] > '9')) return false;
    }
    if (point == std::string_view::npos) return true;
    const std::string_view fraction = text.substr(point + 1);
    return !fraction.empty() && fraction.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > MaxClip) return 0;
    const SplitInput input = SplitAtFirstLine(InputText(data, size));
    std::string decimals(input.head);
    bool decimalsChanged = false;
    const CalcOutcome outcome = EvaluateClipText(input.body, decimals, decimalsChanged);
    if (!decimalsChanged) Require(decimals == input.head, "only a dp formula sets the decimals");

    switch (outcome.kind) {
    case CalcOutcome::Kind::Result:
        Require(IsFormattedNumber(outcome.text), "a result is a formatted number");
        break;
    case CalcOutcome::Kind::Hex:
        Require(!outcome.text.empty() && outcome.text.size() <= 8 &&
                    outcome.text.find_first_not_of("0123456789ABCDEF") == std::string::npos,
                "a hex result is up to eight upper-case hexadecimal digits");
        break;
    case CalcOutcome::Kind::Voyage:
        Require(PlanVoyage(outcome.text).has_value(), "a voyage is handed over only when it plans");
        VoyageParagraph(outcome.text);
        break;
    case CalcOutcome::Kind::Failure:
        break;
    }

    if (decimalsChanged) {
        bool changedAgain = false;
        const CalcOutcome later = EvaluateClipText("1.5", decimals, changedAgain);
        Require(later.kind == CalcOutcome::Kind::Result,
                "a stored decimal-places setting formats later results");
    }
    return 0;
}
