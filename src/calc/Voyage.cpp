#include "calc/Voyage.h"

#include "calc/Number.h"
#include "calc/Picture.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLightSpeed = 299792458; // m/s
constexpr double kGravity = 9.8;          // m/s^2
constexpr double kKilometresPerMile = 1.609344;
constexpr double kMillionKmPerLightYear = 9460730.47258;
constexpr double kLargestDistance = 5000000; // in the unit given
constexpr std::string_view kCr = "\r";

struct Destination {
    std::string_view key;
    std::string_view distance;
    std::string_view name;
};

constexpr Destination kDestinations[] = {
    {"MOON", "0.239MM", "the Moon,"},
    {"MARS", "142MM", "Mars,"},
    {"MERCURY", "93MM", "Mercury,"},
    {"VENUS", "93MM", "Venus,"},
    {"JUPITER", "484MM", "Jupiter,"},
    {"SATURN", "887MM", "Saturn,"},
    {"URANUS", "1784MM", "Uranus,"},
    {"NEPTUNE", "2795MM", "Neptune,"},
    {"PLUTO", "3670MM", "Pluto,"},
    {"NEARESTSTAR", "4.22LY",
     "Proxima Centauri (orbiting Alpha Centauri), the nearest star to Earth,"},
    {"ALPHACENTAURI", "4.39LY", "Alpha Centauri,"},
    {"SIRIUS", "8.60LY", "Sirius, the brightest star in Earth's sky,"},
    {"TAUCETI", "11.90LY",
     "Tau Ceti, the closest star similar to our sun that might have planets "},
    {"VEGA", "25.30LY", "Vega,"},
    {"ARCTURUS", "36.71LY", "Arcturus,"},
    {"DENEB", "3230LY", "Deneb, a huge star 263,000 times as bright as our sun,"},
    {"PLEIADES", "410LY", "the Pleiades, one the nearest open star clusters of about 500 stars,"},
    {"OMEGACENTAURI", "17000LY",
     "Omega Centauri, a globula cluster of over a million very ancient stars"},
    {"ORIONNEBULA", "1600LY", "the Orion Nebula,"},
    {"CENTEROFGALAXY", "30000LY", "the Center of our Galaxy,"},
    {"MAGELLANICCLOUDS", "170000LY",
     "the Large Magellanic Cloud, the closest galaxy to to Milky Way,"},
    {"M31", "2360000LY", "the Andromeda Galaxy, the closest spiral galaxy to the Milky Way,"},
};

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// Where the acceleration phase ends.
struct Flight {
    double earthHours = 0;      // t
    double speed = 0;           // v, m/s
    double inverseDilation = 1; // f = sqrt(1 - (v/c)^2)
    double shipDays = 0;        // s
    double covered = 0;         // d, millions of km
};

double HalfDistanceMillionKm(const VoyagePlan& plan) {
    switch (plan.unit) {
    case DistanceUnit::LightYears:
        return plan.distance * kMillionKmPerLightYear / 2;
    case DistanceUnit::MillionKilometres:
        return plan.distance / 2;
    case DistanceUnit::MillionMiles:
        return plan.distance * kKilometresPerMile / 2;
    }
    return 0;
}

std::optional<Flight> Accelerate(double half, double cap) {
    const double hours = half < 100 ? 0.01 : half < 1000 ? 0.1 : 1.0;
    const double seconds = 3600 * hours;
    Flight flight;
    double acceleration = kGravity;
    for (;;) {
        flight.earthHours += hours;
        const double v0 = flight.speed;
        const double f0 = flight.inverseDilation;
        flight.speed = v0 + acceleration * seconds;
        const double stepDistance = ((v0 + flight.speed) / 2) * seconds / 1000000000;
        flight.covered += stepDistance;
        const double ratio = flight.speed / kLightSpeed;
        flight.inverseDilation = std::sqrt(1 - ratio * ratio);
        // Were rounding ever to carry the speed to light speed or past it, f would be zero or not
        // a number, and a NaN would pass neither stop test below: fail rather than spin.
        if (!(flight.inverseDilation > 0)) return std::nullopt;
        const double f = flight.inverseDilation;
        const double shipStep = ((f0 + f) / 2) * hours / 24;
        flight.shipDays += shipStep;
        const double slope = f - (f0 - f) * 0.5;
        acceleration = slope * slope * kGravity;
        if (cap - 0.5 < 1 / f || flight.covered >= half) return flight;
        // So close to light speed that a step no longer adds speed: every later step repeats this
        // one until the midpoint, so take them at once rather than hang for billions of steps.
        if (flight.speed == v0 && f == f0) {
            const double steps = std::ceil((half - flight.covered) / stepDistance);
            flight.earthHours += steps * hours;
            flight.covered += steps * stepDistance;
            flight.shipDays += steps * shipStep;
            return flight;
        }
    }
}

std::string DistanceText(double distance) {
    std::string text = FormatPicture(distance, "#,###,###,##0.#####");
    if (text.ends_with('.')) text.pop_back();
    return text;
}

std::string SpeedText(DistanceUnit unit, double speed) {
    const double percent = 100 * speed / kLightSpeed;
    switch (unit) {
    case DistanceUnit::LightYears:
        return FormatPicture(percent, "#0.0########") + " percent of the speed of light, ";
    case DistanceUnit::MillionMiles:
        return FormatPicture(3.6 * speed / kKilometresPerMile, "#,###,###,##0.0#") +
               " miles per hour (" + FormatPicture(percent, "#0.0####") +
               "% of the speed of light), ";
    case DistanceUnit::MillionKilometres:
        return FormatPicture(3.6 * speed, "#,###,###,##0.0#") + " kilometers per hour (" +
               FormatPicture(percent, "#0.0####") + "% of the speed of light), ";
    }
    return {};
}

std::string_view UnitWords(DistanceUnit unit) {
    switch (unit) {
    case DistanceUnit::LightYears:
        return " light years away, ";
    case DistanceUnit::MillionMiles:
        return " million miles away, ";
    case DistanceUnit::MillionKilometres:
        return " million kilometers away, ";
    }
    return {};
}

} // namespace

std::optional<VoyagePlan> PlanVoyage(std::string_view argument) {
    VoyagePlan plan;
    if (const auto hash = argument.find('#'); hash != std::string_view::npos) {
        const auto cap = ParseNumber(argument.substr(hash + 1));
        if (!cap) return std::nullopt;
        plan.dilationCap = *cap;
        argument = argument.substr(0, hash);
    }

    std::string distance = UpperAscii(argument);
    plan.name = "a destination";
    for (const auto& destination : kDestinations) {
        if (destination.key != distance) continue;
        distance = destination.distance;
        plan.name = destination.name;
        break;
    }

    auto number = ParseNumber(distance);
    if (!number) {
        const std::size_t unitStart = distance.size() < 2 ? 0 : distance.size() - 2;
        const std::string_view unit = std::string_view(distance).substr(unitStart);
        plan.unit = unit == "MM"   ? DistanceUnit::MillionMiles
                    : unit == "MK" ? DistanceUnit::MillionKilometres
                                   : DistanceUnit::LightYears;
        number = ParseNumber(std::string_view(distance).substr(0, unitStart));
        if (!number) return std::nullopt;
    }
    plan.distance = std::min(*number, kLargestDistance);
    // A negative distance too long for a double has no number to show: an overflow.
    if (!std::isfinite(plan.distance)) return std::nullopt;
    return plan;
}

std::optional<std::string> VoyageParagraph(std::string_view argument) {
    const auto plan = PlanVoyage(argument);
    if (!plan) return std::nullopt;
    const double half = HalfDistanceMillionKm(*plan);
    const auto flight = Accelerate(half, plan->dilationCap);
    if (!flight) return std::nullopt;

    const double f = flight->inverseDilation;
    const double s = flight->shipDays;
    const double t = flight->earthHours;
    const double coasting = flight->covered < half ? (half - flight->covered) * 2 : 0;
    const double coastEarthDays = coasting / (flight->speed * 3.6 / 1000000) / 24;
    const double voyageShipDays = 2 * s + coastEarthDays * f;
    const double voyageEarthDays = t / 12 + coastEarthDays;
    for (const double figure : {s, t, f, coastEarthDays, voyageShipDays, voyageEarthDays})
        if (!std::isfinite(figure)) return std::nullopt;

    std::string text;
    text += "On this voyage to ";
    text += plan->name;
    text += " ";
    text += DistanceText(plan->distance);
    text += UnitWords(plan->unit);

    text += "your 1G drive spaceship will spend " + FormatDuration(s) +
            " accelerating to your maximum speed of " + SpeedText(plan->unit, flight->speed) +
            "while, " + FormatDuration(t / 24) + " pass on Earth. ";
    text += kCr;
    text += kCr;

    text += "At this proximity to the speed of light, time dilation will cause " +
            FormatDuration(1 / f) + " to pass on Earth for each day that passes on your ship. ";
    text += kCr;
    text += kCr;

    text += "You will then spend ";
    if (coastEarthDays > 0)
        text += FormatDuration(coastEarthDays * f) + " in weightlessness, during which " +
                FormatDuration(coastEarthDays) + " will pass on Earth, before spending ";
    text += "another " + FormatDuration(s) + " decelerating to come to rest at your destination. ";
    text += kCr;
    text += kCr;

    text += "Your whole voyage will take you " + FormatDuration(voyageShipDays) +
            " to complete, while " + FormatDuration(voyageEarthDays) + " pass on Earth. ";
    text += "The return journey to Earth will take the same time, and as much time again will "
            "pass on Earth. ";
    text += kCr;
    text += kCr;

    text += "When you return to Earth you will have time traveled " +
            FormatDuration((voyageEarthDays - voyageShipDays) * 2) + " into the future.";
    return text;
}

std::string FormatDuration(double days) {
    if (days >= 365.25) {
        const double whole = RoundHalfEven(days);
        const double years = std::floor(whole / 365);
        // The count decides the word: 730 days rounded from 729.6 are "2 years", not "2 year".
        return FormatPicture(years, "##,###,###,##0") + (years == 1 ? " year, " : " years, ") +
               FormatPicture(std::fmod(whole, 365) / 30.4375, "#0.0#") + " months";
    }
    if (days >= 30.4375) return FormatPicture(days / 30.4375, "#0.0#") + " months";
    if (days >= 1) return FormatPicture(days, "#0.0######") + " days";
    if (days >= 1.0 / 24) return FormatPicture(days * 24, "0.0#####") + " hours";
    if (days >= 1.0 / 1440) return FormatPicture(days * 1440, "0.0####") + " minutes";
    return FormatPicture(days * 86400, "0.0####") + " seconds";
}
