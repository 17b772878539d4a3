// Stored expansions as the markers read them: erase marks, line breaks, tabs, and back-quote
// tilde markers holding date pictures, comments and key scripts.
//
// Input: one byte that picks the moment the date markers see, then the stored expansion.
#include "FuzzCheck.h"
#include "platform/text.h"
#include "store/DatePicture.h"
#include "store/Markers.h"

#include <array>

namespace {

// Moments whose fields are as wide as they come: one- and two-digit days, months and hours,
// midnight and noon for the twelve-hour clock, the longest day and month names.
constexpr std::array<LocalTime, 4> Moments = {{
    {2026, 1, 5, 9, 0, 0, 1},
    {2024, 2, 29, 0, 0, 0, 4},
    {1999, 12, 31, 12, 59, 59, 5},
    {30827, 9, 1, 23, 7, 3, 3},
}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const LocalTime& now = Moments[data[0] % Moments.size()];
    const std::string_view stored = InputText(data + 1, size - 1);

    const std::string erased = ApplyErasures(stored);
    Require(erased.find(mark::Erase) == std::string::npos, "every erase mark is applied");
    Require(ApplyErasures(erased) == erased, "erasures applied twice change nothing");

    const std::string typed = RenderForTyping(stored, now);
    const std::string shown = RenderForDisplay(stored, now);
    Require(shown.find(mark::Erase) == std::string::npos, "the display applies every erasure");
    Require(typed.find('`') == std::string::npos && shown.find('`') == std::string::npos,
            "every back-quote becomes a line break or a marker's rendering");
    Require(typed.find("///") == std::string::npos, "every tab marker is typed as a tab");
    if (stored.find_first_of("`~/") == std::string_view::npos) {
        Require(typed == stored, "text without markers types as it stands");
        Require(shown == erased, "text without markers shows with its erasures applied");
    }
    ReplaceWithMarkers(stored, "`", "`", MarkerMode::Display, now);
    FormatDatePicture(stored, now);
    return 0;
}
