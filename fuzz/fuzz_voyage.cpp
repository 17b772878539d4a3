// Destinations for the 1G drive voyage, as the gdr formula's argument: table keys, distances
// with units, and a cap on time dilation after "#". Every plan must fly in bounded time and
// describe itself in numbers.
#include "FuzzCheck.h"
#include "calc/Voyage.h"

#include <cmath>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view argument = InputText(data, size);
    const auto plan = PlanVoyage(argument);
    const auto paragraph = VoyageParagraph(argument);
    if (!plan) {
        Require(!paragraph, "an argument that does not plan makes no voyage");
        return 0;
    }
    Require(plan->distance <= 5000000, "distances are capped");
    if (paragraph) {
        Require(paragraph->starts_with("On this voyage to ") &&
                    paragraph->ends_with(" into the future."),
                "the paragraph runs from its opening to its closing words");
        for (const std::string_view unit :
             {"  light years away, ", "  million miles away, ", "  million kilometers away, "})
            Require(paragraph->find(unit) == std::string::npos, "the distance shows as a number");
    }
    if (std::isfinite(plan->distance)) FormatDuration(plan->distance);
    return 0;
}
