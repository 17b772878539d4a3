// The settings line alone, as any bytes: its fields, the database type code, and the round trip
// of the options through a rebuilt line.
#include "FuzzCheck.h"
#include "SettingsRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line = InputText(data, size);
    for (int n = 1; n <= 25; ++n) GetField(n, line);
    const std::string code = DatabaseTypeCode(line);
    Require(code.empty() || code.size() == 2, "the database type code is two characters");
    const Options options = ParseSettings(line);
    Require(GetField(22, line) == options.calcDecimals, "a field reads the same either way");
    RequireSettingsRoundTrip(options);
    return 0;
}
