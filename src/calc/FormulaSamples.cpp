#include "calc/FormulaSamples.h"

namespace {

constexpr auto kCc = FormulaSubmenu::ConstantsAndConversions;
constexpr auto kFx = FormulaSubmenu::Formulas;

constexpr FormulaMenu kMenus[] = {
    {kCc, "mnuPasteCC", "Paste Constants && Conversion factors:"},
    {kFx, "mnuPasteFormulas", "Paste Formulas (with sample inputs):"},
};

// Captions are Windows-1252: \xB2 is the superscript two.
constexpr FormulaSample kSamples[] = {
    {kCc, "mnuHeadingConst", "CONSTANTS:", "", true},
    {kCc, "mnuPastePi", "Pi <pi> = 3.1416..", "<pi>", false},
    {kCc, "mnuE", "Base for natural logarithms: e <e>", "<e>", false},
    {kCc, "mnuHeadingConv", "CONVERSION FACTORS, to convert:", "", true},
    {kCc, "mnuGalToLiter", "US gallons to liters <gtl> = 3.78..", "<gtl>", false},
    {kCc, "mnuIGTL", "Imp gallons to liters <igtl> = 4.54..", "<igtl>", false},
    {kCc, "mnuIGTG", "Imp gallons to US gallons <igtg> = 1.2..", "<igtg>", false},
    {kCc, "mnuCFTG", "Cubic feet to US gallons <cftg> = 7.48..", "<cftg>", false},
    {kCc, "mnuBGT", "Bushels to US gallons <btg> = 9.3..", "<btg>", false},
    {kCc, "mnuOBTG", "Oil barrels to US gallons <obtg> = 42", "<obtg>", false},
    {kCc, "mnuKgToLb", "Kgs to lbs <ktp> = 2.20..", "<ktp>", false},
    {kCc, "mnuSqMToSqFt", "Meters\xB2 to feet\xB2 <smtsf> = 10.76..", "<smtsf>", false},
    {kCc, "mnuAcToSqFt", "Acres to feet\xB2 <atsf> = 43,560", "<atsf>", false},
    {kCc, "mnuHTA", "Hectares to acres <hta> = 2.47..", "<hta>", false},
    {kCc, "mnuInchesToCm", "Inches to cm <itc> = 2.54", "<itc>", false},
    {kCc, "mnuMTF", "Miles to feet <mtf> = 5280", "<mtf>", false},
    {kCc, "mnuMilesToKm", "Miles to km <mtkm> = 1.609..", "<mtkm>", false},
    {kCc, "mnuNmToM", "Nautical miles to miles <nmtm> = 1.15..", "<nmtm>", false},
    {kCc, "mnuAUTM", "Astronomical Units to miles <autm>", "<autm>", false},
    {kCc, "mnuLYTMM", "Light years to millions of miles <lytmm>", "<lytmm>", false},
    {kCc, "mnuPSTLY", "Parsecs to light years <pstly> = 3.258", "<pstly>", false},
    {kFx, "mnuSine", "Sin <sin AngleInDegrees>", "<sin 30>", false},
    {kFx, "mnuCos", "Cos <cos AngleInDegrees>", "<cos 60>", false},
    {kFx, "mnuTan", "Tan <tan AngleIn Degrees>", "<tan 45>", false},
    {kFx, "mnuArcTan", "ArcTan <arctan Tan> = AngleInDeg", "<arctan 1>", false},
    {kFx, "mnuNLog", "Natural Log <logn Num>", "<logn 1>", false},
    {kFx, "mnuHex", "Convert to &hexadecimal <hex Num>", "<hex 255>", false},
    {kFx, "mnuTrig", "Surveyer's eqn <trig OpAngle:AdjAngle>", "<trig 89.75:88.5>", false},
    {kFx, "mnuHullSpeed", "Hull speed in knots <hullspeed LenInFt>", "<hullspeed 25>", false},
    {kFx, "mnuTimeDil", "Time Dilation <timedil FractionOfc>", "<timedil 0.99>", false},
    {kFx, "mnuGDr", "1G Drive <gdr LightYearsToDestination>", "<gdr CenterOfGalaxy>", false},
    {kFx, "mnuSetVar", "Set variable (a,b,c,x,y,z) <x = Num>", "<x = 1>", false},
    {kFx, "mnuValVar", "Get number in variable <x>", "<x>", false},
    {kFx, "mnuDecPlTem", "Dec. places, this calc only <d Num,$,f>", "<d f>", false},
    {kFx, "mnuDecPlacePerm", "Dec. places, permanent <dp Num,$,f>", "<dp $>", false},
    // The Left arrow after the brackets leaves the caret between them.
    {kFx, "mnuComment", "Comment (contents not calculated) [ ]", "[]{L1}", false},
};

} // namespace

std::span<const FormulaMenu> FormulaMenus() {
    return kMenus;
}

std::span<const FormulaSample> FormulaSamples() {
    return kSamples;
}
