#include "store/DatePicture.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

constexpr std::array<std::string_view, 7> DayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string Number(int value, bool twoDigits) {
    std::string text = std::to_string(value);
    if (twoDigits && text.size() < 2) text.insert(0, 1, '0');
    return text;
}

std::string Name(std::string_view name, bool shortName) {
    return std::string(shortName ? name.substr(0, 3) : name);
}

} // namespace

std::string FormatDatePicture(std::string_view picture, const LocalTime& now) {
    if (picture.empty()) return FormatDatePicture("dd/mm/yyyy hh:nn:ss", now);
    const bool twelveHour = picture.find("AM/PM") != std::string_view::npos ||
                            picture.find("am/pm") != std::string_view::npos;
    const std::string_view dayName =
        DayNames[static_cast<std::size_t>(std::clamp(now.weekday, 0, 6))];
    const std::string_view monthName =
        MonthNames[static_cast<std::size_t>(std::clamp(now.month, 1, 12) - 1)];
    int hour = now.hour;
    if (twelveHour) hour = now.hour % 12 == 0 ? 12 : now.hour % 12;

    std::string out;
    for (std::size_t i = 0; i < picture.size();) {
        if (picture.substr(i, 5) == "AM/PM" || picture.substr(i, 5) == "am/pm") {
            const bool upper = picture[i] == 'A';
            out += now.hour < 12 ? (upper ? "AM" : "am") : (upper ? "PM" : "pm");
            i += 5;
            continue;
        }
        const char c = picture[i];
        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c) ++run;
        std::size_t take = std::min<std::size_t>(run, 2);
        switch (c) {
        case 'd':
            take = std::min<std::size_t>(run, 4);
            out += take <= 2 ? Number(now.day, take == 2) : Name(dayName, take == 3);
            break;
        case 'm':
            take = std::min<std::size_t>(run, 4);
            out += take <= 2 ? Number(now.month, take == 2) : Name(monthName, take == 3);
            break;
        case 'y':
            take = run >= 4 ? 4 : run >= 2 ? 2 : 1;
            if (take == 4)
                out += Number(now.year, false);
            else if (take == 2)
                out += Number(now.year % 100, true);
            else
                out += c;
            break;
        case 'h':
            out += Number(hour, take == 2);
            break;
        case 'n':
            out += Number(now.minute, take == 2);
            break;
        case 's':
            out += Number(now.second, take == 2);
            break;
        default:
            take = 1;
            out += c;
            break;
        }
        i += take;
    }
    return out;
}
