#pragma once

#include <optional>
#include <string>
#include <string_view>

// A voyage under a constant thrust of one Earth gravity: accelerate to the midpoint (or until the
// time-dilation factor reaches its cap), coast, decelerate.

enum class DistanceUnit { LightYears, MillionMiles, MillionKilometres };

struct VoyagePlan {
    std::string name; // the destination as the paragraph names it
    double distance = 0;
    DistanceUnit unit = DistanceUnit::LightYears;
    double dilationCap = 10000; // unless the argument gives one after "#"
};

// Reads a destination argument: a key of the destination table (any case) or a number with an
// optional unit "LY", "MM" or "MK" (anything else is light years), optionally followed by "#" and
// a cap on the time-dilation factor. Nothing when the distance or the cap is not a number.
std::optional<VoyagePlan> PlanVoyage(std::string_view argument);

// The paragraph describing the voyage, lines separated by CR. Nothing when the argument does not
// plan or the arithmetic fails; a caller that announced the voyage leaves that announcement.
std::optional<std::string> VoyageParagraph(std::string_view argument);

// A duration in days in words: years and months, months, days, hours, minutes or seconds.
std::string FormatDuration(double days);
