#pragma once

#include "platform/Clock.h"

#include <string>
#include <string_view>

// Formats a date and time with a picture: d dd ddd dddd (day, two-digit day, short and long
// weekday name), m mm mmm mmmm (month likewise), yy yyyy, h hh, n nn, s ss (hour, minute,
// second; doubled gives two digits) and AM/PM or am/pm (a twelve-hour clock with its marker).
// Names are English. A run of one letter longer than its longest picture is read as that
// picture followed by the rest of the run (ddddd is dddd then d); every other character,
// including upper-case letters, is copied. m is always the month: minutes are n.
// An empty picture gives the general form "dd/mm/yyyy hh:nn:ss", for example 05/01/2026 09:00:00.
std::string FormatDatePicture(std::string_view picture, const LocalTime& now);
